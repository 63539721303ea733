#include "target/target_table_text.h"

#include "common/format.h"

namespace tremblo {

std::string TargetTableText(const TargetSpectrum& target, std::span<const float> periods) {
    std::string text = "Period,SA,SV,SD\n";
    for (float p : periods) {
        const double period = p;
        const std::optional<double> sa = target.SaAt(period);
        if (!sa) continue;
        text += StringPrintf("%.6g,%.6g,%.6g,%.6g\n", period, *sa, PseudoValue(TARGET_SV, *sa, period),
                             PseudoValue(TARGET_SD, *sa, period));
    }
    return text;
}

}  // namespace tremblo
