#pragma once
// The canvas on a real picture: a QImage (RGB, white at creation) painted
// with QPainter, antialiasing off. Needs a QGuiApplication for text.
//
// Pixel rules kept from the desktop the program came from:
//   - 1-pixel lines are drawn here pixel by pixel, without the end pixel;
//     dotted ones 3 pixels on, 3 off, the pattern starting at each line;
//   - wider lines are drawn by QPainter with round ends;
//   - FillRect covers left..right-1 x top..bottom-1;
//   - Ellipse(x1, y1, x2, y2) stays inside x1..x2-1 x y1..y2-1.
// The face "ＭＳ Ｐゴシック" (and "MS Pゴシック", "MS PGothic") is drawn with
// IPA P Gothic, "ＭＳ ゴシック" with IPA Gothic; other faces are asked of
// the font system as named.
#include <QFont>
#include <QImage>

#include "plot/canvas.h"

namespace tremblo {

class RasterCanvas : public Canvas {
public:
    RasterCanvas(int width, int height);

    // The picture itself, for showing it on screen.
    const QImage& Image() const { return image_; }

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    RgbImage Picture() const override;

    void SetFont(const FontSpec& font) override;

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
    void ThinLine(int x0, int y0, int x1, int y1);
    void SetupPainter(class QPainter& painter, bool outline, bool fill) const;

    QImage image_;
    Point position_;
    QFont qfont_;
};

// Converters between the program's picture and Qt's.
QImage ToQImage(const RgbImage& picture);
RgbImage ToRgbImage(const QImage& image);

// The font the raster canvas uses for a font description.
QFont ToQFont(const FontSpec& font);

}  // namespace tremblo
