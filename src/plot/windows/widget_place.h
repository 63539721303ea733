#pragma once
// Small helpers of the windows' construction: UTF-8 captions and a widget
// placed at its form coordinates.
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <string>

namespace tremblo {

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A translated caption or message for the platform's UTF-8 interfaces.
inline std::string Std(const QString& text) { return text.toStdString(); }

// Where a window of `frame` size stands centred on `available`, kept inside
// it from the top-left when it is larger.
inline QPoint CenteredPosition(const QRect& available, const QSize& frame) {
    const int x = available.left() + std::max(0, (available.width() - frame.width()) / 2);
    const int y = available.top() + std::max(0, (available.height() - frame.height()) / 2);
    return {x, y};
}

// Moves a window to the centre of its screen.
inline void MoveToScreenCentre(QWidget& window) {
    if (const QScreen* s = window.screen()) window.move(CenteredPosition(s->availableGeometry(), window.frameGeometry().size()));
}

template <typename Widget>
Widget* Place(Widget* widget, int x, int y, int w, int h) {
    widget->setGeometry(x, y, w, h);
    return widget;
}

}  // namespace tremblo
