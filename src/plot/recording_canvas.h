#pragma once
// A canvas that draws nothing and keeps every drawing call with its
// coordinates and the pen and brush in force, so that tests can check the
// pixel arithmetic of the plot components.
//
// Text extents are fixed and predictable: every ASCII character is
// asciiWidth pixels wide, every other character twice that; every text is
// textHeight pixels high.
#include <string>
#include <vector>

#include "plot/canvas.h"

namespace tremblo {

enum class CanvasOp { MoveTo, LineTo, FillRect, Ellipse, Polygon, TextOut, CopyRect, StretchDraw, DrawText };

struct CanvasCall {
    CanvasOp op = CanvasOp::MoveTo;
    // MoveTo: (x1, y1). LineTo: from (x1, y1) to (x2, y2). FillRect, Ellipse,
    // CopyRect (destination), StretchDraw, DrawText: the box. TextOut: (x1, y1).
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<Point> points;  // Polygon
    std::string text;           // TextOut, DrawText
    Color penColor = kBlack;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    Color brushColor = kWhite;
    BrushStyle brushStyle = BrushStyle::Solid;
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    int asciiWidth = 6;
    int textHeight = 12;
    std::vector<CanvasCall> calls;

    // The calls of one kind, in order.
    std::vector<CanvasCall> Calls(CanvasOp op) const;
    // The TextOut call of exactly this text; the first one, or nullptr.
    const CanvasCall* FindText(const std::string& text) const;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    RgbImage Picture() const override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FillRect(const Rect& rect) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const Point> points) override;
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void CopyRect(const Rect& dest, const Canvas& source, const Rect& sourceRect) override;
    void StretchDraw(const Rect& rect, const RgbImage& picture) override;
    void DrawText(const Rect& rect, std::string_view text, TextAlign align) override;

private:
    CanvasCall& Record(CanvasOp op, int x1, int y1, int x2, int y2);

    int width_;
    int height_;
    Point position_;
};

}  // namespace tremblo
