#include "wave/waveform_preparation.h"

#include <algorithm>

#include "plot/wave_plot.h"
#include "wave/auto_start.h"
#include "wave/display_window.h"
#include "wave/nice_amplitude.h"
#include "wave/trace_peak.h"

namespace tremblo {

namespace {

// Divisions of a row on each side of its zero line.
constexpr int kRowDivisions = 2;

WaveQuantity QuantityFromIndex(int index) {
    if (index == 1) return WaveQuantity::Velocity;
    if (index == 2) return WaveQuantity::Displacement;
    return WaveQuantity::Acceleration;
}

const float* RowSource(const SeismicRecord& record, int c, WaveQuantity q) {
    switch (q) {
        case WaveQuantity::Velocity: return record.velocity[c].data();
        case WaveQuantity::Displacement: return record.displacement[c].data();
        case WaveQuantity::Acceleration: break;
    }
    return record.samples[c].data() + record.windowStart;
}

float AmplitudeField(const WaveformSettings& settings, int row) {
    const bool sameForAll = settings.waveMode && settings.oneChannelAmplitude;
    return settings.amplitudes[sameForAll ? 0 : row];
}

}  // namespace

int AmplitudeFieldsUsed(bool waveMode, bool oneChannelAmplitude, int componentCount) {
    if (!waveMode) return 3;
    return oneChannelAmplitude ? 1 : std::clamp(componentCount, 1, 3);
}

const char* WaveUnitName(WaveQuantity quantity) {
    return WaveUnitName(static_cast<int>(quantity));
}

WaveformView PrepareWaveform(SeismicRecord& record, const WaveformSettings& settings,
                             DerivationWorkspace& workspace) {
    WaveformView view;
    if (!record.recordLoaded) return view;
    view.prepared = true;
    view.startWasAutomatic = settings.autoStart;
    const int sampleCount = std::clamp(record.sampleCount, 0, record.capacity());
    const int start = settings.autoStart ? FindAutoStart(sampleCount, record.samples[0].data())
                                         : settings.startValue;
    view.timeSpan = TimeSpanForIndex(settings.timeSpanIndex, settings.previousTimeSpan);
    const DisplayWindow window = ChooseDisplayWindow(start, view.timeSpan, record.dt, sampleCount);
    record.windowStart = window.start;
    record.windowLength = window.length;
    view.windowStart = window.start;
    view.windowLength = window.length;

    view.derivation = DeriveMotion(record, settings.removeDc, settings.path, workspace, settings.workers);

    view.rowCount = settings.waveMode ? record.componentCount : 3;
    for (int r = 0; r < view.rowCount; ++r) {
        WaveformRow& row = view.rows[r];
        if (settings.waveMode) {
            row.component = r;
            row.quantity = QuantityFromIndex(settings.waveQuantity);
        } else {
            const bool choosable = record.componentCount == 3;
            const int chosen = settings.componentIndex;
            row.component = choosable && chosen >= 0 && chosen < 3 ? chosen : 0;
            row.quantity = QuantityFromIndex(r);
        }
        row.unitName = WaveUnitName(row.quantity);
        if (window.length > 0) {
            row.trace = RowSource(record, row.component, row.quantity);
            row.length = window.length;
            const Peak peak = FindPeak(row.length, row.trace);
            row.peak = peak.value;
            row.peakIndex = peak.index;
        }
        row.valuePerDivision = settings.autoAmplitude ? NiceAmplitude(kRowDivisions, row.peak)
                                                      : AmplitudeField(settings, r) * 0.5f;
    }
    return view;
}

}  // namespace tremblo
