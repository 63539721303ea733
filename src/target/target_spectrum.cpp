#include "target/target_spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// A period this close to a table's end, relatively, is taken as the end.
constexpr double kEndTolerance = 1e-6;

}  // namespace

std::optional<double> TargetSpectrum::SaAt(double period) const {
    if (!(period > 0.0) || !std::isfinite(period)) return std::nullopt;
    if (kind == TargetKind::BslSafety) return BslBedrockSa(BslLimit::Safety, period, zone);
    if (kind == TargetKind::BslDamage) return BslBedrockSa(BslLimit::Damage, period, zone);
    if (periods.empty() || periods.size() != sa.size()) return std::nullopt;
    const double first = periods.front(), last = periods.back();
    if (period < first) {
        if (period < first * (1.0 - kEndTolerance)) return std::nullopt;
        return sa.front();
    }
    if (period > last) {
        if (period > last * (1.0 + kEndTolerance)) return std::nullopt;
        return sa.back();
    }
    // The first point at or beyond the period.
    const auto upper = std::lower_bound(periods.begin(), periods.end(), period);
    const auto i = static_cast<std::size_t>(upper - periods.begin());
    if (periods[i] == period) return sa[i];
    const double t = (std::log(period) - std::log(periods[i - 1])) / (std::log(periods[i]) - std::log(periods[i - 1]));
    return std::exp(std::log(sa[i - 1]) + t * (std::log(sa[i]) - std::log(sa[i - 1])));
}

std::optional<double> TargetSpectrum::ValueAt(int quantity, double period) const {
    const std::optional<double> value = SaAt(period);
    if (!value) return std::nullopt;
    return PseudoValue(quantity, *value, period);
}

double PseudoValue(int quantity, double sa, double period) {
    const double w = period / (2.0 * std::numbers::pi);
    if (quantity == TARGET_SV) return sa * w;
    if (quantity == TARGET_SD) return sa * w * w;
    return sa;
}

std::string ZoneText(double zone) {
    std::string text = StringPrintf("%.2f", zone);
    if (text.ends_with('0')) text.pop_back();
    return text;
}

TargetSpectrum BuiltInTarget(BslLimit limit, double zone) {
    TargetSpectrum target;
    const bool safety = limit == BslLimit::Safety;
    target.kind = safety ? TargetKind::BslSafety : TargetKind::BslDamage;
    target.zone = zone;
    target.key = safety ? "bsl-safety" : "bsl-damage";
    target.label = std::string(safety ? kBslSafetyLabel : kBslDamageLabel) + " Z=" + ZoneText(zone);
    return target;
}

std::string TargetPictureLabel(const TargetSpectrum& target) {
    if (!target.builtIn()) return target.label;
    const char* limit = target.kind == TargetKind::BslSafety ? kBslSafetyLabel : kBslDamageLabel;
    return TrPicture("target", limit) + " Z=" + ZoneText(target.zone);
}

std::vector<double> TargetDrawingPeriods(const TargetSpectrum& target, std::span<const float> tablePeriods) {
    std::vector<double> periods;
    for (float p : tablePeriods)
        if (target.SaAt(p)) periods.push_back(p);
    if (target.builtIn() && !periods.empty()) {
        const double first = periods.front(), last = periods.back();
        for (double corner : {BSL_SHORT_CORNER, BSL_LONG_CORNER})
            if (corner > first && corner < last) periods.push_back(corner);
    } else {
        periods.insert(periods.end(), target.periods.begin(), target.periods.end());
    }
    std::sort(periods.begin(), periods.end());
    periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
    return periods;
}

}  // namespace tremblo
