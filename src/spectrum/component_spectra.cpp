#include "spectrum/component_spectra.h"

#include "spectrum/oscillator_peaks.h"
#include "wave/trace_peak.h"

namespace tremblo {

void ComputeComponentSpectra(int c, int n, float dt, const float* groundAcc,
                             const PeriodTable& periods, const DampingRatios& dampingRatios,
                             const SdofResponse& work, SpectrumTable& spectrum,
                             SpectrumProgress& progress, const SpectrumProgressCallback& report,
                             OscillatorMethod method) {
    auto show = [&] {
        if (report) report(progress);
    };
    for (int k = 0; k < DAMPING_COUNT; ++k) {
        progress.overallPosition = DAMPING_COUNT * c + k;
        show();
        for (int j = 0; j < PERIOD_COUNT; ++j) {
            progress.periodPosition = j;
            show();
            if (method == OscillatorMethod::Exact || SubStepCount(method, dt, periods.periods[j]) > 1) {
                const OscillatorPeaks peaks =
                    ComputeOscillatorPeaks(method, n, dt, periods.periods[j], dampingRatios[k], groundAcc);
                spectrum.at(c, k, SA, j) = peaks.absoluteAcc;
                spectrum.at(c, k, SV, j) = peaks.relativeVel;
                spectrum.at(c, k, SD, j) = peaks.relativeDisp;
                continue;
            }
            ComputeSdofResponse(n, dt, periods.periods[j], dampingRatios[k], groundAcc, work);
            spectrum.at(c, k, SA, j) = FindPeak(n, work.absoluteAcc).value;
            spectrum.at(c, k, SV, j) = FindPeak(n, work.relativeVel).value;
            spectrum.at(c, k, SD, j) = FindPeak(n, work.relativeDisp).value;
        }
    }
    progress.overallPosition = DAMPING_COUNT * (c + 1);
    progress.periodPosition = PERIOD_COUNT;  // both bars end full
    show();
}

}  // namespace tremblo
