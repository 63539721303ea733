#include "event/value_legend.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/translation.h"
#include "event/station_map.h"

namespace tremblo {

namespace {

constexpr int kSymbolWidth = 2 * kStarOuterRadius + 2;
constexpr int kBarGap = 4;  // between the scale and the lines below it

// A place on the scale as the number it stands for.
double ValueAt(double place, bool logarithmic) { return logarithmic ? std::pow(10.0, place) : place; }

int TextLinesWidth(Canvas& canvas) {
    return std::max(canvas.TextWidth(TrPicture("event", kNoValueLegendText)),
                    canvas.TextWidth(TrPicture("event", kEpicentreLegendText)));
}

int LabelsWidth(Canvas& canvas, const MapColouring& colouring) {
    int width = 0;
    for (double value : LegendScaleValues(colouring)) width = std::max(width, canvas.TextWidth(LegendNumberText(value)));
    return width;
}

void DrawGradient(Canvas& canvas, const Rect& bar) {
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    const int rows = bar.height();
    for (int y = 0; y < rows; ++y) {
        canvas.SetPenColor(ScaleColorAt(rows > 1 ? 1.0 - static_cast<double>(y) / (rows - 1) : 0.5));
        canvas.MoveTo(bar.left, bar.top + y);
        canvas.LineTo(bar.right, bar.top + y);
    }
    DrawBox(canvas, bar, kStationOutline);
}

// The numbers beside the scale: top, middle and bottom, each centred on its height.
void DrawScaleLabels(Canvas& canvas, const Rect& bar, const MapColouring& colouring) {
    const std::vector<double> values = LegendScaleValues(colouring);
    canvas.SetBrushStyle(BrushStyle::Clear);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string text = LegendNumberText(values[i]);
        const int at = values.size() == 1 ? bar.top + bar.height() / 2
                                          : bar.top + static_cast<int>(i) * (bar.height() - 1) / 2;
        const int top = std::clamp(at - canvas.TextHeight(text) / 2, bar.top - 2, bar.bottom - canvas.TextHeight(text) + 2);
        canvas.TextOut(bar.right + kLegendPadding, top, text);
    }
}

}  // namespace

std::string LegendNumberText(double value) {
    if (!std::isfinite(value)) return {};
    const double size = std::fabs(value);
    const int digits = size > 0 ? static_cast<int>(std::floor(std::log10(size))) : 0;
    const int decimals = std::clamp(2 - digits, 0, 8);
    std::string text = StringPrintf("%.*f", decimals, value);
    if (text.find_first_not_of("-0.") == std::string::npos) text = StringPrintf("%.*f", decimals, 0.0);
    return text;
}

std::vector<double> LegendScaleValues(const MapColouring& colouring) {
    if (!colouring.range) return {};
    const ValueRange& range = *colouring.range;
    const double middle = ValueAt((range.low + range.high) / 2, colouring.logarithmic);
    if (!(range.high > range.low)) return {middle};
    return {ValueAt(range.high, colouring.logarithmic), middle, ValueAt(range.low, colouring.logarithmic)};
}

LegendSize MeasureValueLegend(Canvas& canvas, const MapColouring& colouring) {
    const int lineHeight = std::max(canvas.TextHeight("震度") + 2, 2 * kStarOuterRadius + 1);
    int width = canvas.TextWidth(colouring.title);
    width = std::max(width, kSymbolWidth + kLegendPadding + TextLinesWidth(canvas));
    int height = 2 * kLegendPadding + 3 * lineHeight;  // the heading, no value, the epicentre
    if (colouring.range) {
        width = std::max(width, (kSymbolWidth + kValueBarWidth) / 2 + kLegendPadding + LabelsWidth(canvas, colouring));
        height += kValueBarHeight + kBarGap;
    }
    return {width + 2 * kLegendPadding, height, lineHeight};
}

void DrawValueLegend(Canvas& canvas, const Rect& box, const LegendSize& size, const MapColouring& colouring) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kWhite);
    canvas.FillRect(box);
    DrawBox(canvas, box, kFrameColor);
    const int left = box.left + kLegendPadding;
    int top = box.top + kLegendPadding;
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(left, top + 1, colouring.title);
    top += size.lineHeight;
    if (colouring.range) {
        const Rect bar{left + (kSymbolWidth - kValueBarWidth) / 2, top, left + (kSymbolWidth + kValueBarWidth) / 2,
                       top + kValueBarHeight};
        DrawGradient(canvas, bar);
        DrawScaleLabels(canvas, bar, colouring);
        top += kValueBarHeight + kBarGap;
    }
    const int symbolX = left + kSymbolWidth / 2;
    const int textX = left + kSymbolWidth + kLegendPadding;
    DrawRing(canvas, {symbolX, top + size.lineHeight / 2}, kStationRadius, kNoValueColor);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(textX, top + 1, TrPicture("event", kNoValueLegendText));
    top += size.lineHeight;
    DrawStar(canvas, {symbolX, top + size.lineHeight / 2});
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(textX, top + 1, TrPicture("event", kEpicentreLegendText));
}

}  // namespace tremblo
