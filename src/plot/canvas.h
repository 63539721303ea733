#pragma once
// The drawing surface every plot component draws on: a small set of raster
// operations with integer pixel coordinates, origin top-left, y downward.
//
// Text at this interface is UTF-8. Texts of the record (Shift-JIS) are
// converted by whoever hands them to a component.
//
// Pixel rules (as on the desktop the program came from):
//   LineTo     draws from the current position to (x, y) without the end pixel;
//   FillRect   left/top inclusive, right/bottom exclusive, no outline, in the
//              brush colour whatever the brush style;
//   Ellipse    inscribed in the box left/top inclusive, right/bottom exclusive;
//   TextOut    fills the text cell with the brush first when the brush is solid.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/rgb_image.h"

namespace tremblo {

// 24-bit colour with red in the low byte: 0 black, 0xFFFFFF white, 0xFF red.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;

inline constexpr int ColorRed(Color c) { return static_cast<int>(c & 0xFF); }
inline constexpr int ColorGreen(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int ColorBlue(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };
enum class TextAlign { Left, Right, Center };

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct FontSpec {
    std::string face = "ＭＳ Ｐゴシック";
    int pixelHeight = 12;  // character height in pixels (used when pointSize is 0)
    int pointSize = 0;     // when > 0, the size in points at 96 dots per inch
    Color color = kBlack;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The picture surface.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // A copy of the whole picture (white where nothing was drawn).
    virtual RgbImage Picture() const = 0;

    // The pen, brush and font in force: plain state every canvas keeps.
    void SetPenColor(Color color) { penColor_ = color; }
    Color PenColor() const { return penColor_; }
    void SetPenWidth(int width) { penWidth_ = width; }
    int PenWidth() const { return penWidth_; }
    void SetPenStyle(PenStyle style) { penStyle_ = style; }
    PenStyle GetPenStyle() const { return penStyle_; }
    void SetBrushColor(Color color) { brushColor_ = color; }
    Color BrushColor() const { return brushColor_; }
    void SetBrushStyle(BrushStyle style) { brushStyle_ = style; }
    BrushStyle GetBrushStyle() const { return brushStyle_; }
    // Virtual for canvases that prepare a font of their own.
    virtual void SetFont(const FontSpec& font) { font_ = font; }
    const FontSpec& Font() const { return font_; }

    // Pen, brush and font as a new canvas has them.
    void ResetDrawingState() {
        penColor_ = kBlack;
        penWidth_ = 1;
        penStyle_ = PenStyle::Solid;
        brushColor_ = kWhite;
        brushStyle_ = BrushStyle::Solid;
        SetFont(FontSpec{});
    }

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void FillRect(const Rect& rect) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    virtual void CopyRect(const Rect& dest, const Canvas& source, const Rect& sourceRect) = 0;
    virtual void StretchDraw(const Rect& rect, const RgbImage& picture) = 0;
    virtual void DrawText(const Rect& rect, std::string_view text, TextAlign align) = 0;

protected:
    Color penColor_ = kBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    Color brushColor_ = kWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    FontSpec font_;
};

}  // namespace tremblo
