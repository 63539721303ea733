#include "wave/waveform_drawing.h"

#include "common/shift_jis.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// A row's quantity (加速度, 速　度, 変　位) in the pictures' language, as
// Shift-JIS like the record's other texts.
std::string PictureQuantity(const FixedText<10>& label) {
    return Utf8ToSjis(TrPicture("wave", SjisToUtf8(label.view()).c_str()));
}

}  // namespace

WaveDrawInput MakeWaveDrawInput(const SeismicRecord& r, const WaveformView& view,
                                const WaveformSettings& settings, const WaveDisplayOptions& options) {
    WaveDrawInput input;
    input.mode = settings.waveMode ? WaveDisplayMode::Wave : WaveDisplayMode::Component;
    input.knetFormat = options.knetFormat;
    input.timeSpan = view.timeSpan;
    input.dt = r.dt;
    input.samplingFrequency = r.samplingFrequency;
    input.windowStart = view.windowStart;
    input.windowLength = view.windowLength;
    input.showDataCount = options.dataCount;
    input.showTitle = options.title;
    input.showMax = options.max;
    input.showMaxPoint = options.maxPoint;
    input.stationCode = r.stationCode.str();
    input.recordDate = r.recordDate.str();
    input.recordTime = r.recordTime.str();
    input.originDate = r.originDate.str();
    input.originTime = r.originTime.str();
    input.currentStationCode = r.currentStation.code.str();
    input.currentStationName = r.currentStation.name.str();
    for (int i = 0; i < 3; ++i) {
        input.componentLabels[i] = r.componentLabel[i].str();
        input.quantityLabels[i] = PictureQuantity(r.quantityLabel[i]);
    }
    for (int k = 0; k < view.rowCount; ++k) {
        const WaveformRow& row = view.rows[k];
        WaveRowData data;
        data.trace = row.trace;
        data.count = row.trace ? row.length : 0;
        data.peak = row.peak;
        data.peakIndex = row.peakIndex;
        data.valuePerDivision = row.valuePerDivision;
        data.component = row.component;
        data.quantity = static_cast<int>(row.quantity);
        input.rows.push_back(data);
    }
    return input;
}

WaveformView RedrawWaveform(SeismicRecord& record, const WaveformSettings& settings,
                            const WaveDisplayOptions& options, DerivationWorkspace& workspace,
                            TMyWave& plot) {
    const WaveformView view = PrepareWaveform(record, settings, workspace);
    if (view.prepared) DrawWaveform(plot, MakeWaveDrawInput(record, view, settings, options));
    return view;
}

}  // namespace tremblo
