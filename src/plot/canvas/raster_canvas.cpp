#include "plot/canvas/raster_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "plot/canvas/qt_colors.h"

namespace tremblo {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Floor of a / b for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The part of a segment inside the box (Liang-Barsky); false when none is.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double left, double top,
                 double right, double bottom) {
    double t0 = 0;
    double t1 = 1;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - left, right - x0, y0 - top, bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    const double ox = x0;
    const double oy = y0;
    x0 = ox + t0 * dx;
    y0 = oy + t0 * dy;
    x1 = ox + t1 * dx;
    y1 = oy + t1 * dy;
    return true;
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32), qfont_(ToQFont(font_)) {
    image_.fill(Qt::white);
}

RgbImage RasterCanvas::Picture() const { return ToRgbImage(image_); }

void RasterCanvas::SetFont(const FontSpec& font) {
    font_ = font;
    qfont_ = ToQFont(font);
}

void RasterCanvas::SetupPainter(QPainter& painter, bool outline, bool fill) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (outline) {
        QPen pen(ToQColor(penColor_), penWidth_ <= 1 ? 0 : penWidth_,
                 penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    if (fill && brushStyle_ == BrushStyle::Solid) {
        painter.setBrush(ToQColor(brushColor_));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
}

void RasterCanvas::MoveTo(int x, int y) { position_ = {x, y}; }

void RasterCanvas::LineTo(int x, int y) {
    const Point from = position_;
    position_ = {x, y};
    if (penWidth_ <= 1) {
        ThinLine(from.x, from.y, x, y);
        return;
    }
    double x0 = from.x, y0 = from.y, x1 = x, y1 = y;
    const double margin = penWidth_ + 2;
    if (!ClipSegment(x0, y0, x1, y1, -margin, -margin, Width() + margin, Height() + margin)) return;
    QPainter painter(&image_);
    SetupPainter(painter, true, false);
    painter.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

// Pixel by pixel along the major axis, the minor coordinate rounded; the end
// pixel is left out and only the columns (or rows) inside the picture are
// visited, so a line to a far-away point costs no more than the picture.
void RasterCanvas::ThinLine(int x0, int y0, int x1, int y1) {
    const std::int64_t dx = static_cast<std::int64_t>(x1) - x0;
    const std::int64_t dy = static_cast<std::int64_t>(y1) - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0) return;
    const std::int64_t majorStart = xMajor ? x0 : y0;
    const std::int64_t minorStart = xMajor ? y0 : x0;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const int sign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t majorSize = xMajor ? Width() : Height();
    const std::int64_t minorSize = xMajor ? Height() : Width();

    // Steps i whose major coordinate majorStart + sign * i lies in [0, majorSize).
    std::int64_t first = 0;
    std::int64_t last = steps;  // exclusive
    if (sign > 0) {
        first = std::max<std::int64_t>(first, -majorStart);
        last = std::min<std::int64_t>(last, majorSize - majorStart);
    } else {
        first = std::max<std::int64_t>(first, majorStart - majorSize + 1);
        last = std::min<std::int64_t>(last, majorStart + 1);
    }
    const QRgb color = ToQRgb(penColor_);
    for (std::int64_t i = first; i < last; ++i) {
        if (penStyle_ == PenStyle::Dot && i % 6 >= 3) continue;
        const std::int64_t major = majorStart + sign * i;
        const std::int64_t minor = minorStart + FloorDiv(2 * i * minorDelta + steps, 2 * steps);
        if (minor < 0 || minor >= minorSize) continue;
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        reinterpret_cast<QRgb*>(image_.scanLine(py))[px] = color;
    }
}

void RasterCanvas::FillRect(const Rect& rect) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, Width());
    const int bottom = std::min(rect.bottom, Height());
    const QRgb color = ToQRgb(brushColor_);
    for (int y = top; y < bottom; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + left, line + std::max(left, right), color);
    }
}

void RasterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 - x1 < 2 || y2 - y1 < 2) return;
    QPainter painter(&image_);
    SetupPainter(painter, true, true);
    // An aliased outline covers width + 1 pixels: the box shrinks by one.
    painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void RasterCanvas::Polygon(std::span<const Point> points) {
    if (points.empty()) return;
    QPolygon polygon;
    for (const Point& p : points) polygon << QPoint(p.x, p.y);
    QPainter painter(&image_);
    SetupPainter(painter, true, true);
    painter.drawPolygon(polygon);
}

void RasterCanvas::TextOut(int x, int y, std::string_view text) {
    const QString qtext = ToQString(text);
    const QFontMetrics metrics(qfont_);
    if (brushStyle_ == BrushStyle::Solid) {
        FillRect({x, y, x + metrics.horizontalAdvance(qtext), y + metrics.height()});
    }
    QPainter painter(&image_);
    SetupPainter(painter, false, false);
    painter.setFont(qfont_);
    painter.setPen(ToQColor(font_.color));
    painter.drawText(QPoint(x, y + metrics.ascent()), qtext);
}

int RasterCanvas::TextWidth(std::string_view text) {
    return QFontMetrics(qfont_).horizontalAdvance(ToQString(text));
}

int RasterCanvas::TextHeight(std::string_view) { return QFontMetrics(qfont_).height(); }

void RasterCanvas::CopyRect(const Rect& dest, const Canvas& source, const Rect& sourceRect) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(&source);
    const QImage picture = raster != nullptr ? raster->image_.copy() : ToQImage(source.Picture());
    QPainter painter(&image_);
    SetupPainter(painter, false, false);
    painter.drawImage(QRect(dest.left, dest.top, dest.width(), dest.height()), picture,
                      QRect(sourceRect.left, sourceRect.top, sourceRect.width(), sourceRect.height()));
}

void RasterCanvas::StretchDraw(const Rect& rect, const RgbImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) return;
    QPainter painter(&image_);
    SetupPainter(painter, false, false);
    painter.drawImage(QRect(rect.left, rect.top, rect.width(), rect.height()), ToQImage(picture));
}

void RasterCanvas::DrawText(const Rect& rect, std::string_view text, TextAlign align) {
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs;
    flags |= align == TextAlign::Left ? Qt::AlignLeft : align == TextAlign::Right ? Qt::AlignRight : Qt::AlignHCenter;
    QPainter painter(&image_);
    SetupPainter(painter, false, false);
    painter.setFont(qfont_);
    painter.setPen(ToQColor(font_.color));
    painter.drawText(QRect(rect.left, rect.top, rect.width(), rect.height()), flags, ToQString(text));
}

QImage ToQImage(const RgbImage& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.pixel(0, y), static_cast<std::size_t>(picture.width) * 3);
    }
    return image;
}

RgbImage ToRgbImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage picture;
    picture.width = rgb.width();
    picture.height = rgb.height();
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3, rgb.constScanLine(y),
                    static_cast<std::size_t>(picture.width) * 3);
    }
    return picture;
}

}  // namespace tremblo
