#include "app/windows/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace tremblo {

QPixmap ProgramIcon(int size) {
    QPixmap picture(size, size);
    picture.fill(QColor(177, 226, 199));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), std::max(1.0, size / 20.0)));
    QPainterPath trace;
    trace.moveTo(0, size / 2.0);
    for (int x = 1; x < size; ++x) {
        const double t = static_cast<double>(x) / size;
        const double envelope = std::exp(-std::pow((t - 0.35) / 0.18, 2));
        trace.lineTo(x, size / 2.0 - 0.42 * size * envelope * std::sin(t * 60.0));
    }
    painter.drawPath(trace);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawRect(0, 0, size - 1, size - 1);
    return picture;
}

}  // namespace tremblo
