#include "spectrum/target_drawing.h"

#include <algorithm>

#include "common/translation.h"
#include "spectrum/period_table.h"

namespace tremblo {

namespace {

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}
constexpr Color kTargetColors[] = {Rgb(255, 128, 0), Rgb(255, 0, 255), Rgb(153, 102, 51)};

constexpr std::size_t kLabelCharacters = 20;
constexpr int kLegendInset = 6, kLegendTop = 4, kSampleLength = 22, kSampleGap = 4, kLegendMargin = 2;

const PeriodTable& TablePeriods() {
    static const PeriodTable table = BuildPeriodTable();
    return table;
}

// At most `count` UTF-8 characters, an ellipsis marking a cut.
std::string CutCharacters(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (++characters > count) return text.substr(0, i) + "…";
    }
    return text;
}

enum class Corner { UpperLeft, UpperRight };

// Pen and brush as they were, whatever the targets set.
class SavedDrawingState {
public:
    explicit SavedDrawingState(Canvas& canvas)
        : canvas_(canvas),
          color_(canvas.PenColor()),
          width_(canvas.PenWidth()),
          style_(canvas.GetPenStyle()),
          brush_(canvas.GetBrushStyle()) {}
    ~SavedDrawingState() {
        canvas_.SetPenColor(color_);
        canvas_.SetPenWidth(width_);
        canvas_.SetPenStyle(style_);
        canvas_.SetBrushStyle(brush_);
    }
    SavedDrawingState(const SavedDrawingState&) = delete;
    SavedDrawingState& operator=(const SavedDrawingState&) = delete;

private:
    Canvas& canvas_;
    Color color_;
    int width_;
    PenStyle style_;
    BrushStyle brush_;
};

void SetTargetPen(Canvas& canvas, int index) {
    canvas.SetPenColor(TargetColor(index));
    canvas.SetPenWidth(TARGET_PEN_WIDTH);
    canvas.SetPenStyle(PenStyle::Solid);
}

// One line per target: a dashed sample in its colour, then its text, on a
// white box so that the curves under it never make the text unreadable.
void DrawLegend(TMyGraph& graph, const std::vector<std::string>& texts, Corner corner) {
    Canvas& canvas = graph.canvas();
    const ClipRect frame = graph.FrameRect();
    int textWidth = 0;
    for (const std::string& text : texts) textWidth = std::max(textWidth, canvas.TextWidth(text));
    const int left = corner == Corner::UpperLeft
                         ? static_cast<int>(frame.left) + kLegendInset
                         : static_cast<int>(frame.right) - kLegendInset - kSampleLength - kSampleGap - textWidth;
    const int top = static_cast<int>(frame.top) + kLegendTop;
    int bottom = top;
    for (const std::string& text : texts) bottom += canvas.TextHeight(text) + 2;
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kWhite);
    canvas.FillRect({left - kLegendMargin, top - kLegendMargin,
                     left + kSampleLength + kSampleGap + textWidth + kLegendMargin, bottom + kLegendMargin - 2});
    canvas.SetBrushStyle(BrushStyle::Clear);
    int y = top;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int height = canvas.TextHeight(texts[i]);
        SetTargetPen(canvas, static_cast<int>(i));
        const double middle = y + height / 2;
        const PixelPoint sample[] = {{static_cast<double>(left), middle}, {static_cast<double>(left + kSampleLength), middle}};
        DrawDashedPolyline(canvas, sample, ClipRect{0.0, 0.0, static_cast<double>(graph.Width()), static_cast<double>(graph.Height())});
        canvas.TextOut(left + kSampleLength + kSampleGap, y, texts[i]);
        y += height + 2;
    }
}

void DrawCurve(TMyGraph& graph, const TargetCurve& curve, int index) {
    SetTargetPen(graph.canvas(), index);
    graph.DrawDashedGraph(static_cast<int>(curve.x.size()), curve.x.data(), curve.y.data());
}

}  // namespace

Color TargetColor(int index) {
    constexpr int n = sizeof kTargetColors / sizeof *kTargetColors;
    return kTargetColors[((index % n) + n) % n];
}

TargetCurve TargetSpectrumCurve(const TargetSpectrum& target, int quantity, bool frequencyX) {
    TargetCurve curve;
    for (double period : TargetDrawingPeriods(target, TablePeriods().periods)) {
        const std::optional<double> value = target.ValueAt(quantity, period);
        if (!value) continue;
        curve.x.push_back(static_cast<float>(frequencyX ? 1.0 / period : period));
        curve.y.push_back(static_cast<float>(*value));
    }
    return curve;
}

TargetCurve TargetSaSdCurve(const TargetSpectrum& target) {
    TargetCurve curve;
    for (double period : TargetDrawingPeriods(target, TablePeriods().periods)) {
        const std::optional<double> sa = target.SaAt(period);
        if (!sa) continue;
        curve.x.push_back(static_cast<float>(PseudoValue(TARGET_SD, *sa, period)));
        curve.y.push_back(static_cast<float>(*sa));
    }
    return curve;
}

std::string TargetLegendText(const TargetSpectrum& target, int quantity) {
    const std::string label = CutCharacters(TargetPictureLabel(target), kLabelCharacters);
    return quantity == TARGET_SA ? label : label + TrPicture("spectrum", " (擬似)");
}

void DrawSpectrumTargets(TMyGraph& graph, const std::vector<TargetSpectrum>& targets, int quantity,
                         bool frequencyX) {
    if (targets.empty()) return;
    const SavedDrawingState saved(graph.canvas());
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        DrawCurve(graph, TargetSpectrumCurve(targets[i], quantity, frequencyX), static_cast<int>(i));
        texts.push_back(TargetLegendText(targets[i], quantity));
    }
    DrawLegend(graph, texts, frequencyX ? Corner::UpperRight : Corner::UpperLeft);
}

void DrawSaSdTargets(TMyGraph& graph, const std::vector<TargetSpectrum>& targets) {
    if (targets.empty()) return;
    const SavedDrawingState saved(graph.canvas());
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        DrawCurve(graph, TargetSaSdCurve(targets[i]), static_cast<int>(i));
        texts.push_back(TargetLegendText(targets[i], TARGET_SD));
    }
    DrawLegend(graph, texts, Corner::UpperRight);
}

}  // namespace tremblo
