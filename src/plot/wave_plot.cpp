#include "plot/wave_plot.h"

#include <cmath>

#include "common/shift_jis.h"
#include "common/translation.h"
#include "plot/format_text.h"
#include "plot/pixel.h"

namespace tremblo {

namespace {

void SetTimeAxis(TMyWave& wave, float timeSpan) {
    wave.NGridX = 5;
    const int whole = TruncPixel(timeSpan + 0.01);
    wave.SubX = (whole == 10 || whole == 100) ? 4 : 5;
    wave.VValueX = timeSpan * 0.2f;
}

void DrawHeader(Canvas& canvas, const WaveDrawInput& in, int rowHeight) {
    struct Placed {
        const std::string* text;
        int x;
    };
    const int knetY = rowHeight / 2 - 65;
    std::array<Placed, 4> texts;
    int y = 3;
    if (in.mode == WaveDisplayMode::Wave && in.knetFormat) {
        texts = {{{&in.stationCode, 100}, {&in.currentStationName, 150}, {&in.recordDate, 220},
                  {&in.recordTime, 300}}};
        y = knetY;
    } else if (in.mode == WaveDisplayMode::Wave) {
        texts = {{{&in.currentStationCode, 100}, {&in.currentStationName, 140}, {&in.originDate, 290},
                  {&in.originTime, 350}}};
    } else if (in.knetFormat) {
        texts = {{{&in.stationCode, 100}, {&in.currentStationName, 150}, {&in.originDate, 220},
                  {&in.originTime, 300}}};
        y = knetY;
    } else {
        texts = {{{&in.stationCode, 80}, {&in.currentStationName, 120}, {&in.recordDate, 300},
                  {&in.recordTime, 380}}};
    }
    for (const Placed& placed : texts) canvas.TextOut(placed.x, y, SjisToUtf8(*placed.text));
}

const std::string& LabelAt(const std::array<std::string, 3>& labels, int index) {
    static const std::string empty;
    return (index >= 0 && index < 3) ? labels[static_cast<std::size_t>(index)] : empty;
}

void DrawRow(TMyWave& wave, const WaveDrawInput& in, const WaveRowData& row, int r, int rowHeight) {
    Canvas& canvas = wave.canvas();
    wave.OriginY = TruncPixel(rowHeight / 2 + r * rowHeight * 0.95);
    const char* unit = WaveUnitName(row.quantity);
    wave.UnitY = unit;
    wave.UnitX = "sec";
    canvas.TextOut(wave.OriginX + 4, wave.OriginY - 67, SjisToUtf8(LabelAt(in.quantityLabels, row.quantity)));

    const std::string& component = LabelAt(in.componentLabels, row.component);
    wave.Title = in.showMax ? SjisToUtf8(FormatText("%s  max%6.1f %s", component.c_str(),
                                                    static_cast<double>(row.peak), unit))
                            : SjisToUtf8(component);
    wave.VValueY = row.valuePerDivision;
    wave.DrawScale();
    if (row.trace != nullptr && row.count > 0) {
        wave.DrawWave1(row.count, row.trace, 1.0f / static_cast<float>(in.samplingFrequency));
    }

    // The marker needs the sample at the peak; a row without samples has none.
    if (!in.showMaxPoint || row.trace == nullptr || row.peakIndex < 0 || row.peakIndex >= row.count) return;
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColor(kRed);
    const int x = TruncPixel(static_cast<double>(row.peakIndex) * in.dt / wave.VValueX * wave.UnitLenX +
                             wave.OriginX);
    const int y = wave.ValueToY(row.trace[row.peakIndex]);
    canvas.Ellipse(x - 3, y - 3, x + 3, y + 3);
    canvas.SetPenColor(kBlack);
}

}  // namespace

const char* WaveUnitName(int quantity) {
    static const char* const kUnits[] = {"Gal", "kine", "cm"};
    return (quantity >= 0 && quantity < 3) ? kUnits[quantity] : "";
}

FontSpec WaveHeaderFont() {
    FontSpec font;
    font.face = "ＭＳ ゴシック";
    font.pixelHeight = 10;
    return font;
}

void DrawWaveform(TMyWave& wave, const WaveDrawInput& in) {
    wave.Clear(kWhite);
    SetTimeAxis(wave, in.timeSpan);
    const int rowCount = static_cast<int>(in.rows.size());
    const int rowHeight = rowCount > 0 ? wave.Height() / rowCount : wave.Height();
    Canvas& canvas = wave.canvas();
    const FontSpec rowFont = canvas.Font();
    canvas.SetFont(WaveHeaderFont());
    if (in.showDataCount) {
        canvas.TextOut(420, rowHeight / 2 - 65,
                       FormatText(TrPicture("plot", "ﾃﾞｰﾀ %d - %d").c_str(), in.windowStart,
                                  in.windowStart + in.windowLength - 1));
    }
    if (in.showTitle) DrawHeader(canvas, in, rowHeight);
    canvas.SetFont(rowFont);
    for (int r = 0; r < rowCount; ++r) DrawRow(wave, in, in.rows[static_cast<std::size_t>(r)], r, rowHeight);
}

}  // namespace tremblo
