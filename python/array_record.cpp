#include "array_record.h"

#include <new>
#include <string>

#include "common/translation.h"
#include "wave/bandpass_filter.h"
#include "wave/display_window.h"
#include "wave/motion_derivation.h"
#include "wave/waveform_preparation.h"

namespace tremblo::python {

namespace {
constexpr int kSpanIndices = 6;  // the waveform view's time spans, 5 s to 250 s
}

int SpanIndexOf(double seconds) {
    std::string known;
    for (int index = 0; index < kSpanIndices; ++index) {
        const float span = TimeSpanForIndex(index, 0.0f);
        if (seconds == static_cast<double>(span)) return index;
        known += (known.empty() ? "" : ", ") + std::to_string(static_cast<int>(span));
    }
    Refuse("span", TrText("python", "表示時間は次のいずれかの秒数です") + " (" + known + ")");
}

std::unique_ptr<SeismicRecord> RecordOfRows(const SampleRows& rows, float dt, const WindowChoice& window) {
    auto record = std::make_unique<SeismicRecord>();
    record->FitBuffers(rows.samples);
    record->componentCount = rows.rows;
    record->sampleCount = rows.samples;
    record->dt = dt;
    record->samplingFrequency = static_cast<int>(1.0 / dt + 0.5);
    for (int c = 0; c < rows.rows; ++c) {
        const std::span<const float> row = rows.row(c);
        std::copy(row.begin(), row.end(), record->samples[c].data());
    }
    DesignRecordBandpassFilter(dt, record->bandpassCoefficients.data());
    record->recordLoaded = true;
    // The batch's waveform settings: the window the options choose, mean removed.
    WaveformSettings settings;
    settings.timeSpanIndex = window.spanIndex;
    settings.autoStart = !window.start.has_value();
    settings.startValue = window.start.value_or(0);
    settings.removeDc = true;
    DerivationWorkspace workspace;
    if (!workspace.ok() || PrepareWaveform(*record, settings, workspace).derivation == DerivationStatus::OutOfMemory)
        throw std::bad_alloc();
    return record;
}

}  // namespace tremblo::python
