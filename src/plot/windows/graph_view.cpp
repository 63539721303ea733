#include "plot/windows/graph_view.h"

#include <QPainter>

namespace tremblo {

GraphView::GraphView(Platform& platform, int width, int height, QWidget* parent)
    : QWidget(parent), canvas_(width, height), graph_(canvas_, platform) {
    setFixedSize(width, height);
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

}  // namespace tremblo
