#include "plot/recording_canvas.h"

namespace tremblo {

std::vector<CanvasCall> RecordingCanvas::Calls(CanvasOp op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : calls) {
        if (call.op == op) out.push_back(call);
    }
    return out;
}

const CanvasCall* RecordingCanvas::FindText(const std::string& text) const {
    for (const CanvasCall& call : calls) {
        if (call.op == CanvasOp::TextOut && call.text == text) return &call;
    }
    return nullptr;
}

RgbImage RecordingCanvas::Picture() const {
    RgbImage image;
    image.width = width_;
    image.height = height_;
    image.rgb.assign(static_cast<std::size_t>(width_) * height_ * 3, 0xFF);
    return image;
}

CanvasCall& RecordingCanvas::Record(CanvasOp op, int x1, int y1, int x2, int y2) {
    CanvasCall call;
    call.op = op;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.penColor = penColor_;
    call.penWidth = penWidth_;
    call.penStyle = penStyle_;
    call.brushColor = brushColor_;
    call.brushStyle = brushStyle_;
    calls.push_back(std::move(call));
    return calls.back();
}

void RecordingCanvas::MoveTo(int x, int y) {
    Record(CanvasOp::MoveTo, x, y, x, y);
    position_ = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
    Record(CanvasOp::LineTo, position_.x, position_.y, x, y);
    position_ = {x, y};
}

void RecordingCanvas::FillRect(const Rect& rect) {
    Record(CanvasOp::FillRect, rect.left, rect.top, rect.right, rect.bottom);
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record(CanvasOp::Ellipse, x1, y1, x2, y2);
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
    Record(CanvasOp::Polygon, 0, 0, 0, 0).points.assign(points.begin(), points.end());
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    Record(CanvasOp::TextOut, x, y, x + TextWidth(text), y + TextHeight(text)).text = text;
}

int RecordingCanvas::TextWidth(std::string_view text) {
    int width = 0;
    for (unsigned char byte : text) {
        if (byte < 0x80) {
            width += asciiWidth;
        } else if (byte >= 0xC0) {  // lead byte of a multi-byte UTF-8 character
            width += 2 * asciiWidth;
        }
    }
    return width;
}

int RecordingCanvas::TextHeight(std::string_view) { return textHeight; }

void RecordingCanvas::CopyRect(const Rect& dest, const Canvas&, const Rect&) {
    Record(CanvasOp::CopyRect, dest.left, dest.top, dest.right, dest.bottom);
}

void RecordingCanvas::StretchDraw(const Rect& rect, const RgbImage&) {
    Record(CanvasOp::StretchDraw, rect.left, rect.top, rect.right, rect.bottom);
}

void RecordingCanvas::DrawText(const Rect& rect, std::string_view text, TextAlign) {
    Record(CanvasOp::DrawText, rect.left, rect.top, rect.right, rect.bottom).text = text;
}

}  // namespace tremblo
