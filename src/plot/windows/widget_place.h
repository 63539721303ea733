#pragma once
// Small helpers of the windows' construction: UTF-8 captions and a widget
// placed at its form coordinates.
#include <QString>
#include <QWidget>

namespace tremblo {

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename Widget>
Widget* Place(Widget* widget, int x, int y, int w, int h) {
    widget->setGeometry(x, y, w, h);
    return widget;
}

}  // namespace tremblo
