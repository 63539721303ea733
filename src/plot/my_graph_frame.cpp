// TMyGraph: frame, grid, tick labels and titles.
#include <algorithm>
#include <cmath>

#include "plot/format_text.h"
#include "plot/my_graph.h"
#include "plot/pixel.h"
#include "plot/tick_labels.h"

namespace tremblo {

namespace {

constexpr int kLogMinorSteps[] = {2, 4, 6, 8};

// The value at major line r of an axis.
float LineValue(bool linear, float start, float step, int r) {
    if (linear) return start + static_cast<float>(r) * step;
    return static_cast<float>(static_cast<double>(start) * std::pow(static_cast<double>(step), r));
}

std::string Label(float value, const std::string* format) {
    if (format == nullptr) return GraphRoundNumber(value);
    const std::string text = FormatDouble(*format, static_cast<double>(value));
    return ZeroString(text) ? "0" : text;
}

}  // namespace

void TMyGraph::DrawWaku() { DrawFrame(false); }

void TMyGraph::DrawScaleLabel(int x, int y, const std::string& text) {
    canvas_.TextOut(x, y, text);
    scaleLabels_.push_back(ScaleLabel{x, y, text, canvas_.Font()});
}

void TMyGraph::RedrawScaleLabels() {
    const FontSpec font = canvas_.Font();
    const Color brush = canvas_.BrushColor();
    const BrushStyle style = canvas_.GetBrushStyle();
    canvas_.SetBrushColor(kWhite);
    canvas_.SetBrushStyle(BrushStyle::Solid);
    for (const ScaleLabel& label : scaleLabels_) {
        if (!(canvas_.Font() == label.font)) canvas_.SetFont(label.font);
        canvas_.TextOut(label.x, label.y, label.text);
    }
    canvas_.SetFont(font);
    canvas_.SetBrushColor(brush);
    canvas_.SetBrushStyle(style);
}

// A step that is not positive gives no subdivisions and no label format:
// such an axis keeps the labels of DrawWaku.
void TMyGraph::DrawWakuN() { DrawFrame(true); }

void TMyGraph::DrawFrame(bool derivedSubdivisions) {
    canvas_.SetBrushColor(kWhite);
    if (!OverWrite) {
        canvas_.FillRect({0, 0, Width(), Height()});
        scaleLabels_.clear();
    }
    if (!LinearX && SValueX == 0.0f) {
        platform_.ShowMessage("X Logarithmic Scale can not be determind.", "X Scale Error",
                              MessageStyle::Plain);
    }
    if (!LinearY && SValueY == 0.0f) {
        platform_.ShowMessage("Y Logarithmic Scale can not be determind.", "Y Scale Error",
                              MessageStyle::Plain);
    }
    // Grid counts below 1 would divide by zero: there is no frame to draw then.
    if (NGridX < 1 || NGridY < 1) return;
    if (derivedSubdivisions) {
        std::string format;
        SubX = sub_scale(VValueX, format);
        DrawXPass(format.empty() ? nullptr : &format);
        format.clear();
        SubY = sub_scale(VValueY, format);
        DrawYPass(format.empty() ? nullptr : &format);
    } else {
        DrawXPass(nullptr);
        DrawYPass(nullptr);
    }
    DrawTitles();
    canvas_.SetPenStyle(PenStyle::Solid);
}

void TMyGraph::DrawXPass(const std::string* format) {
    const int pitchX = WidthX / NGridX;
    const int pitchY = HeightY / NGridY;
    const int top = OriginY - NGridY * pitchY;
    auto minorLine = [&](int x) {
        canvas_.MoveTo(x, OriginY);
        if (SubAxis) {
            canvas_.LineTo(x, top);
        } else {
            canvas_.SetPenStyle(PenStyle::Solid);
            canvas_.LineTo(x, OriginY - 7);
        }
    };
    for (int r = 0; r <= NGridX; ++r) {
        const int x = OriginX + r * pitchX;
        canvas_.SetPenColor(kBlack);
        canvas_.SetPenStyle(PenStyle::Solid);
        if (r == 0 || r == NGridX) canvas_.SetPenWidth(2);
        canvas_.MoveTo(x, OriginY);
        canvas_.LineTo(x, top);
        canvas_.SetPenWidth(1);

        const std::string label = Label(LineValue(LinearX, SValueX, VValueX, r), format);
        DrawScaleLabel(x - canvas_.TextWidth(label) / 2, OriginY + 5, label);

        canvas_.SetPenStyle(PenStyle::Dot);
        if (r == NGridX) continue;
        if (LinearX) {
            for (int j = 1; j <= SubX - 1; ++j) minorLine(x + (j * pitchX) / SubX);
        } else {
            for (int k : kLogMinorSteps) {
                minorLine(TruncPixel(std::log10(static_cast<double>(k)) * pitchX + OriginX + r * pitchX));
            }
        }
    }
}

void TMyGraph::DrawYPass(const std::string* format) {
    const int pitchX = WidthX / NGridX;
    const int pitchY = HeightY / NGridY;
    const int right = OriginX + NGridX * pitchX;
    auto minorLine = [&](int y) {
        canvas_.MoveTo(OriginX, y);
        if (SubAxis) {
            canvas_.LineTo(right, y);
        } else {
            canvas_.SetPenStyle(PenStyle::Solid);
            canvas_.LineTo(OriginX + 7, y);
        }
    };
    for (int r = 0; r <= NGridY; ++r) {
        const int y = OriginY - r * pitchY;
        canvas_.SetPenStyle(PenStyle::Solid);
        if (r == 0 || r == NGridY) canvas_.SetPenWidth(2);
        canvas_.MoveTo(OriginX, y);
        canvas_.LineTo(right, y);
        canvas_.SetPenWidth(1);

        const std::string label = Label(LineValue(LinearY, SValueY, VValueY, r), format);
        const int h = canvas_.TextHeight(label);
        const int x = LeftScale ? OriginX - canvas_.TextWidth(label) - 10 : OriginX + WidthX + 5;
        DrawScaleLabel(x, y - h / 2, label);

        canvas_.SetPenStyle(PenStyle::Dot);
        if (r == NGridY) continue;
        if (LinearY) {
            for (int j = 1; j <= SubY - 1; ++j) minorLine(y - (j * pitchY) / SubY);
        } else {
            for (int k : kLogMinorSteps) {
                minorLine(TruncPixel(OriginY - r * pitchY - std::log10(static_cast<double>(k)) * pitchY));
            }
        }
    }
}

void TMyGraph::DrawTitles() {
    const int hA = canvas_.TextHeight("A");
    // Below the frame, but never past the picture's bottom edge: a face taller
    // than the one the layout was made for would lose the title's lower part.
    const int titleY = std::min(TruncPixel(OriginY + 1.4 * hA), Height() - canvas_.TextHeight(TitleX));
    canvas_.TextOut(OriginX + WidthX / 2 - canvas_.TextWidth(TitleX) / 2, titleY, TitleX);
    const int y = TruncPixel(OriginY - HeightY - 1.3 * hA);
    const int x = LeftScale ? OriginX + 10 : OriginX + WidthX - canvas_.TextWidth(TitleY) - 5;
    canvas_.TextOut(x, y, TitleY);
}

std::string TMyGraph::_round_number(float value) { return GraphRoundNumber(value); }
int TMyGraph::sub_scale(float step, std::string& format) { return SubScale(step, format); }
bool TMyGraph::zero_string(std::string_view text) { return ZeroString(text); }

}  // namespace tremblo
