#include "spectrum/spectrum_csv.h"

#include <algorithm>
#include <sstream>

#include "wave/fixed_format.h"

namespace tremblo {

std::string OscillatorCommentLine(OscillatorMethod method) {
    if (method != OscillatorMethod::Exact) return {};
    return "# oscillator: exact (Nigam-Jennings, ground acceleration linear between samples)\r\n";
}

void WriteSpectrumBlockTitle(std::ostream& out, const SpectrumSource& source, std::string_view component,
                             std::string_view quantity) {
    out << source.stationCode.view() << "\r\n"
        << source.originDate.view() << "\r\n"
        << source.originTime.view() << "\r\n"
        << component << "\r\n"
        << quantity << "\r\n";
}

void AppendPeriodCells(std::string& line, float period) {
    AppendFixed(line, period, 7, 3);
    line += ',';
    AppendFixed(line, 1.0 / static_cast<double>(period), 7, 3);
}

void WriteSpectrumBlocks(std::ostream& out, const SpectrumSource& source, const PeriodTable& periods,
                         const DampingRatios& dampingRatios, const SpectrumTable& spectrum,
                         std::span<const char* const> symbols, int width, int precision) {
    const int components = std::clamp(source.componentCount, 0, SPECTRUM_COMPONENTS);
    std::string line;
    for (int c = 0; c < components; ++c) {
        for (int q = 0; q < static_cast<int>(symbols.size()); ++q) {
            WriteSpectrumBlockTitle(out, source, source.componentLabel[c].view(), symbols[static_cast<size_t>(q)]);
            line = "Period,Frequency";
            for (float ratio : dampingRatios) {
                line += ',';
                AppendFixed(line, ratio, 0, 2);
            }
            out << line << "\r\n";
            for (int j = 0; j < PERIOD_COUNT; ++j) {
                line.clear();
                AppendPeriodCells(line, periods.periods[static_cast<size_t>(j)]);
                for (int k = 0; k < DAMPING_COUNT; ++k) {
                    line += ',';
                    AppendFixed(line, spectrum.at(c, k, q, j), width, precision);
                }
                out << line << "\r\n";
            }
            out << "\r\n\r\n\r\n";
        }
    }
}

void WriteSpectrumCsv(std::ostream& out, const SpectrumSource& source, const PeriodTable& periods,
                      const DampingRatios& dampingRatios, const SpectrumTable& spectrum) {
    static constexpr const char* kSymbols[SPECTRUM_QUANTITIES] = {"SA", "SV", "SD"};
    out << OscillatorCommentLine(source.method);
    WriteSpectrumBlocks(out, source, periods, dampingRatios, spectrum, kSymbols, 10, 2);
}

std::string SpectrumCsvText(const SpectrumSource& source, const PeriodTable& periods,
                            const DampingRatios& dampingRatios, const SpectrumTable& spectrum) {
    std::ostringstream out;
    WriteSpectrumCsv(out, source, periods, dampingRatios, spectrum);
    return out.str();
}

}  // namespace tremblo
