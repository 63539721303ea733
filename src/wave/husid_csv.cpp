#include "wave/husid_csv.h"

#include <algorithm>

#include "common/format.h"

namespace tremblo {

namespace {

std::string TimeText(const std::optional<double>& seconds) {
    return seconds ? StringPrintf("%.4f s", *seconds) : std::string("-");
}

// The comment line of one component: its Arias intensity, crossings and durations.
std::string SummaryLine(const std::string& label, const HusidCurve& curve) {
    if (!curve.HasMotion()) return "# " + label + ": no motion\r\n";
    const SignificantDurations d = SignificantDurationsOf(curve);
    return StringPrintf("# %s: Arias intensity %.6e m/s; 5 %% at %s, 75 %% at %s, 95 %% at %s; D5-75 %s, D5-95 %s\r\n",
                        label.c_str(), AriasIntensityOf(curve), TimeText(d.t5).c_str(), TimeText(d.t75).c_str(),
                        TimeText(d.t95).c_str(), TimeText(d.d5_75).c_str(), TimeText(d.d5_95).c_str());
}

}  // namespace

std::string HusidCsvText(const SeismicRecord& record, std::span<const HusidCurve> curves) {
    std::string text = "# Husid curves: integral of a^2 from the first sample over its final value (trapezoidal rule)\r\n";
    std::string header = "Time";
    std::size_t rows = 0;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const std::string label = record.componentLabel[c].str();
        text += SummaryLine(label, curves[c]);
        header += "," + label;
        rows = std::max(rows, curves[c].cumulative.size());
    }
    text += header + "\r\n";
    const double dt = curves.empty() ? 0.0 : curves.front().dt;
    for (std::size_t k = 0; k < rows; ++k) {
        std::string line = StringPrintf("%.6f", static_cast<double>(k) * dt);
        for (const HusidCurve& curve : curves) {
            line += ',';
            if (curve.HasMotion() && k < curve.cumulative.size()) line += StringPrintf("%.8f", curve.Normalised(k));
        }
        text += line + "\r\n";
    }
    return text;
}

}  // namespace tremblo
