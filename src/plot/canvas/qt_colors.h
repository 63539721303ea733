#pragma once
// The program's colours (red in the low byte) as Qt colours.
#include <QColor>
#include <QRgb>

#include "plot/canvas.h"

namespace tremblo {

inline QRgb ToQRgb(Color color) { return qRgb(ColorRed(color), ColorGreen(color), ColorBlue(color)); }
inline QColor ToQColor(Color color) { return QColor(ToQRgb(color)); }

}  // namespace tremblo
