#include "spectrum/spectrum_model.h"

namespace tremblo {

SpectrumModel::SpectrumModel()
    : periods_(BuildPeriodTable()),
      dampingRatios_(DampingRatiosFor(DampingMultiplier::Times1)),
      linearAxis_(LinearPeriodAxisFor(LinearPeriodRange::Seconds2)),
      spectrum_(std::make_unique<SpectrumTable>()) {
    linearPeriodCount_ = LinearPeriodCount(periods_, linearAxis_.limit);
    linearFrequencyCount_ = LinearFrequencyCount(periods_);
}

void SpectrumModel::SetDampingMultiplier(DampingMultiplier multiplier) {
    multiplier_ = multiplier;
    dampingRatios_ = DampingRatiosFor(multiplier);
}

void SpectrumModel::SetLinearPeriodRange(LinearPeriodRange range) {
    linearAxis_ = LinearPeriodAxisFor(range);
    linearPeriodCount_ = LinearPeriodCount(periods_, linearAxis_.limit);
}

CalculationStatus SpectrumModel::Calculate(const SeismicRecord& record,
                                           const SpectrumProgressCallback& report,
                                           EnginePath path, int workers) {
    const CalculationStatus status =
        calculation_.Run(record, periods_, dampingRatios_, *spectrum_, report, path, workers, method_);
    if (status == CalculationStatus::Done) {
        source_ = SpectrumSourceOf(record);
        source_.dampingRatios = dampingRatios_;
        source_.method = method_;
        hasSpectra_ = true;
    } else if (status == CalculationStatus::Refused) {
        hasSpectra_ = false;
    }
    return status;
}

}  // namespace tremblo
