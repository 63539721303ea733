#include "plot/windows/tk_btn.h"

#include <QMouseEvent>
#include <QPainter>

namespace tremblo {

namespace {

// A 3-D frame `width` pixels wide inside r, which then shrinks by it.
void DrawBevel(QPainter& painter, QRect& r, Bevel bevel, int width, const QPalette& palette) {
    if (bevel == Bevel::None) return;
    QColor topLeft = palette.color(QPalette::Light);
    QColor bottomRight = palette.color(QPalette::Dark);
    if (bevel == Bevel::Lowered) std::swap(topLeft, bottomRight);
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.top(), r.right(), r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        painter.setPen(bottomRight);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

}  // namespace

TTkBtn::TTkBtn(QWidget* parent) : QFrame(parent) { resize(75, 25); }

void TTkBtn::Set_Picture(const QImage& picture) {
    PictureImg = picture.copy();
    update();
}

void TTkBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    if (PictureImg.isNull())
        painter.fillRect(r, Color);  // a plain panel
    else
        painter.drawImage(r, PictureImg);
    DrawBevel(painter, r, BevelOuter, BevelWidth, palette());
    if (BorderWidth > 0) {
        painter.setPen(QPen(Color, BorderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(BorderWidth / 2, BorderWidth / 2, -(BorderWidth + 1) / 2, -(BorderWidth + 1) / 2));
        r.adjust(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    }
    DrawBevel(painter, r, BevelInner, BevelWidth, palette());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int fh = painter.fontMetrics().height();
    const int top = (r.top() + r.bottom() + 1 - fh) / 2;
    const QRect line(r.left(), top, r.width(), fh);
    painter.drawText(line, static_cast<int>(Alignment | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs), Caption);
}

void TTkBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        BevelOuter = Bevel::Lowered;
        update();
    }
}

void TTkBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    BevelOuter = Bevel::Raised;
    update();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace tremblo
