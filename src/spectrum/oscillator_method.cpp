#include "spectrum/oscillator_method.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

const char* OscillatorMethodName(OscillatorMethod method) {
    return method == OscillatorMethod::Exact ? "exact" : "newmark";
}

std::optional<OscillatorMethod> ParseOscillatorMethod(std::string_view text) {
    if (text == "newmark") return OscillatorMethod::Newmark;
    if (text == "exact") return OscillatorMethod::Exact;
    return std::nullopt;
}

std::string OscillatorPictureMark(OscillatorMethod method) {
    return method == OscillatorMethod::Exact ? TrPicture("spectrum", "（厳密解）") : std::string();
}

namespace {

// The fewest sub-steps of at most period / parts. The relative allowance
// keeps an interval that is a whole fraction of the period, up to the
// rounding of the single-precision tables, at that fraction.
int FractionsOfPeriod(double dt, double period, double parts) {
    const double needed = parts * dt / period;
    const double whole = std::ceil(needed * (1.0 - 1e-6));
    return whole < 1.0 ? 1 : static_cast<int>(std::min(whole, static_cast<double>(MAX_SUB_STEPS)));
}

}  // namespace

int SubStepCount(OscillatorMethod method, double dt, double period) {
    if (method == OscillatorMethod::Exact) return FractionsOfPeriod(dt, period, 10.0);
    constexpr double kSlack = 1.0 + 1e-6;
    if (dt <= NEWMARK_LONGEST_STEP * kSlack && 5.0 * dt <= period * kSlack) return 1;
    // The fewest sub-steps no longer than 0.01 s, doubled until they are no
    // longer than T/20: few distinct counts, so that the vector kernel
    // finds full groups of oscillators with the same count.
    const int needed = FractionsOfPeriod(dt, period, 20.0);
    int substeps = static_cast<int>(std::min(std::ceil(dt / NEWMARK_LONGEST_STEP / kSlack), 1.0 * MAX_SUB_STEPS));
    while (substeps < needed) substeps *= 2;
    return std::min(substeps, MAX_SUB_STEPS);
}

std::optional<std::string> IntervalProblem(double dt) {
    if (std::isfinite(dt) && dt > 0.0 && dt <= MAX_SPECTRUM_INTERVAL) return std::nullopt;
    return StringPrintf(TrText("spectrum", "サンプリング間隔 %g 秒では応答を計算できません (0 秒を超え 1 秒以下が必要です)").c_str(),
                        dt);
}

std::optional<std::string> PeriodProblem(double period, double dt) {
    if (!std::isfinite(period) || period <= 0.0)
        return StringPrintf(TrText("spectrum", "周期 %g 秒の応答は計算できません (正の有限の周期が必要です)").c_str(), period);
    if (dt > period * (MAX_SUB_STEPS / 10))
        return StringPrintf(
            TrText("spectrum", "周期 %g 秒の応答は計算できません (サンプリング間隔 %g 秒に対して短すぎます)").c_str(),
            period, dt);
    return std::nullopt;
}

}  // namespace tremblo
