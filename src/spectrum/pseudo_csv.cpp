#include "spectrum/pseudo_csv.h"

#include <algorithm>
#include <sstream>

#include "common/format.h"
#include "spectrum/pseudo_spectra.h"
#include "spectrum/spectrum_csv.h"
#include "wave/fixed_format.h"

namespace tremblo {

SpectrumTable PseudoSpectrumTable(const SpectrumTable& spectrum, const PeriodTable& periods) {
    SpectrumTable pseudo = spectrum;
    for (int c = 0; c < SPECTRUM_COMPONENTS; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int j = 0; j < PERIOD_COUNT; ++j) {
                const float period = periods.periods[static_cast<size_t>(j)];
                const float sd = spectrum.at(c, k, SD, j);
                pseudo.at(c, k, SA, j) = PseudoAcceleration(period, sd);
                pseudo.at(c, k, SV, j) = PseudoVelocity(period, sd);
            }
    return pseudo;
}

std::string PseudoCsvText(const SpectrumSource& source, const PeriodTable& periods,
                          const DampingRatios& dampingRatios, const SpectrumTable& spectrum) {
    static constexpr const char* kSymbols[2] = {"pSA", "pSV"};
    const SpectrumTable pseudo = PseudoSpectrumTable(spectrum, periods);
    std::ostringstream out;
    out << OscillatorCommentLine(source.method);
    WriteSpectrumBlocks(out, source, periods, dampingRatios, pseudo, kSymbols, 12, 4);
    return out.str();
}

std::string SpectraTableCsvText(const SpectrumSource& source, const PeriodTable& periods,
                                const DampingRatios& dampingRatios, const SpectrumTable& spectrum) {
    const int components = std::clamp(source.componentCount, 0, SPECTRUM_COMPONENTS);
    std::string text = OscillatorCommentLine(source.method) + "Component,Damping,Period,SA,SV,SD,PSA,PSV\r\n";
    for (int c = 0; c < components; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int j = 0; j < PERIOD_COUNT; ++j) {
                const float period = periods.periods[static_cast<size_t>(j)];
                const float sd = spectrum.at(c, k, SD, j);
                text += StringPrintf("%s,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g\r\n",
                                     std::string(source.componentLabel[c].view()).c_str(),
                                     static_cast<double>(dampingRatios[k]), static_cast<double>(period),
                                     static_cast<double>(spectrum.at(c, k, SA, j)),
                                     static_cast<double>(spectrum.at(c, k, SV, j)), static_cast<double>(sd),
                                     static_cast<double>(PseudoAcceleration(period, sd)),
                                     static_cast<double>(PseudoVelocity(period, sd)));
            }
    return text;
}

}  // namespace tremblo
