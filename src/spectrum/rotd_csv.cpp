#include "spectrum/rotd_csv.h"

#include <sstream>

#include "common/format.h"
#include "spectrum/spectrum_csv.h"
#include "wave/fixed_format.h"

namespace tremblo {

void WriteRotDCsv(std::ostream& out, const SpectrumSource& source, const PeriodTable& periods,
                  const DampingRatios& dampingRatios, const RotDTable& table) {
    static constexpr const char* kSymbols[SPECTRUM_QUANTITIES] = {"SA", "SV", "SD"};
    std::string line;
    for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
        WriteSpectrumBlockTitle(out, source, source.componentLabel[0].str() + "-" + source.componentLabel[1].str(),
                                std::string(kSymbols[q]) + " RotD");
        line = "Period,Frequency";
        for (const char* column : {"RotD50 ", "RotD100 ", "Azimuth100 "}) {
            for (float ratio : dampingRatios) {
                line += ',';
                line += column;
                AppendFixed(line, ratio, 0, 2);
            }
        }
        out << line << "\r\n";
        for (int j = 0; j < PERIOD_COUNT; ++j) {
            line.clear();
            AppendPeriodCells(line, periods.periods[j]);
            for (int k = 0; k < DAMPING_COUNT; ++k) {
                line += ',';
                AppendFixed(line, table.at(k, q, j).rotd50, 10, 2);
            }
            for (int k = 0; k < DAMPING_COUNT; ++k) {
                line += ',';
                AppendFixed(line, table.at(k, q, j).rotd100, 10, 2);
            }
            for (int k = 0; k < DAMPING_COUNT; ++k) line += StringPrintf(",%3d", table.at(k, q, j).azimuth100);
            out << line << "\r\n";
        }
        out << "\r\n\r\n\r\n";
    }
}

std::string RotDCsvText(const SpectrumSource& source, const PeriodTable& periods,
                        const DampingRatios& dampingRatios, const RotDTable& table, OscillatorMethod method) {
    std::ostringstream out;
    out << OscillatorCommentLine(method);
    WriteRotDCsv(out, source, periods, dampingRatios, table);
    return out.str();
}

}  // namespace tremblo
