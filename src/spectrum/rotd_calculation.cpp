#include "spectrum/rotd_calculation.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "common/translation.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_reference.h"
#include "spectrum/spectrum_calculation.h"

namespace tremblo {

std::optional<std::string> RotDUnavailable(const SeismicRecord& record) {
    if (!record.recordLoaded || record.componentCount < 2)
        return TrText("spectrum", "RotD50/RotD100 は水平2成分（NS, EW）の記録が必要です");
    return std::nullopt;
}

bool ComputeRecordRotD(const SeismicRecord& record, const PeriodTable& periods,
                       const DampingRatios& dampingRatios, RotDTable& table, EnginePath path, int workers,
                       const RotDSelection& selection) {
    if (RotDUnavailable(record)) return false;
    const int n = std::clamp(record.windowLength, 0, record.capacity());
    try {
        std::vector<float> ns(static_cast<size_t>(n)), ew(static_cast<size_t>(n));
        CopySpectrumWindow(record, 0, n, ns.data());
        CopySpectrumWindow(record, 1, n, ew.data());
        auto result = std::make_unique<RotDTable>(table);
        if (path == EnginePath::Fast)
            ComputeRotDFast(n, record.dt, ns.data(), ew.data(), periods, dampingRatios, *result, workers, selection);
        else
            ComputeRotDReference(n, record.dt, ns.data(), ew.data(), periods, dampingRatios, *result);
        table = *result;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace tremblo
