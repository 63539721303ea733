#include "spectrum/rotd_calculation.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "common/format.h"
#include "common/translation.h"
#include "record/channel_placement.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_reference.h"

namespace tremblo {

std::optional<std::string> RotDUnavailable(const SeismicRecord& record) {
    if (!record.recordLoaded || record.componentCount < 2 || record.orientation[0].vertical ||
        record.orientation[1].vertical)
        return TrText("spectrum", "RotD50/RotD100 は水平2成分（NS, EW）の記録が必要です");
    // Rotations combine two perpendicular horizontal sensors: records whose
    // files do not say so are refused rather than combined wrongly.
    const std::optional<double>& a = record.orientation[0].azimuthDeg;
    const std::optional<double>& b = record.orientation[1].azimuthDeg;
    if (!a || !b)
        return TrText("spectrum", "水平2成分の方位がファイルに書かれていないため RotD50/RotD100 を求められません");
    if (!ArePerpendicular(record.orientation[0], record.orientation[1]))
        return StringPrintf(TrText("spectrum", "水平2成分の方位（%g° と %g°）が直交していないため RotD50/RotD100 を求められません").c_str(),
                            *a, *b);
    return std::nullopt;
}

namespace {

RotDStatus Refused(std::string why) { return {CalculationStatus::Refused, std::move(why)}; }

// The first computed entry that is not a finite number, named by period and damping ratio.
std::optional<std::string> NotFiniteRotD(const RotDTable& table, const RotDSelection& selection,
                                         const PeriodTable& periods, const DampingRatios& dampingRatios) {
    for (int o : selection.oscillators)
        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
            const int k = o / PERIOD_COUNT, j = o % PERIOD_COUNT;
            const RotDValues& v = table.at(k, q, j);
            if (selection.quantities[static_cast<size_t>(q)] && !(std::isfinite(v.rotd50) && std::isfinite(v.rotd100)))
                return StringPrintf(
                    TrText("spectrum", "周期 %g 秒 (減衰 %g%%) の RotD50/RotD100 が有限の値になりません").c_str(),
                    static_cast<double>(periods.periods[static_cast<size_t>(j)]), 100.0 * dampingRatios[k]);
        }
    return std::nullopt;
}

}  // namespace

RotDStatus ComputeRecordRotD(const SeismicRecord& record, const PeriodTable& periods,
                             const DampingRatios& dampingRatios, RotDTable& table, EnginePath path, int workers,
                             const RotDSelection& selection, OscillatorMethod method) {
    if (auto why = RotDUnavailable(record)) return Refused(*why);
    if (auto why = OscillatorInputProblem(record.dt, periods)) return Refused(*why);
    const int n = std::clamp(record.windowLength, 0, record.capacity());
    try {
        std::vector<float> ns(static_cast<size_t>(n)), ew(static_cast<size_t>(n));
        CopySpectrumWindow(record, 0, n, ns.data());
        CopySpectrumWindow(record, 1, n, ew.data());
        auto result = std::make_unique<RotDTable>(table);
        const bool fast = path == EnginePath::Fast;
        if (fast)
            ComputeRotDFast(n, record.dt, ns.data(), ew.data(), periods, dampingRatios, *result, workers, selection,
                            method);
        else
            ComputeRotDReference(n, record.dt, ns.data(), ew.data(), periods, dampingRatios, *result, nullptr, method);
        if (auto why = NotFiniteRotD(*result, fast ? selection : RotDSelection::All(), periods, dampingRatios))
            return Refused(*why);
        table = *result;
        return {};
    } catch (const std::bad_alloc&) {
        return {CalculationStatus::OutOfMemory, {}};
    }
}

}  // namespace tremblo
