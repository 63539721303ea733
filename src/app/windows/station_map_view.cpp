#include "app/windows/station_map_view.h"

#include "pipeline/event_map_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace tremblo {

StationMapView::StationMapView(QWidget* parent) : QWidget(parent), canvas_(MapSettings{}.width, MapSettings{}.height) {
    setFixedSize(canvas_.Width(), canvas_.Height());
    setCursor(Qt::CrossCursor);
    setToolTip(tr("観測点をクリックすると表の行を選びます"));
    Draw();
}

void StationMapView::Show(EventMapPoints points, std::optional<std::size_t> selectedRow) {
    points_ = std::move(points);
    selectedRow_ = selectedRow;
    Draw();
}

void StationMapView::Select(std::optional<std::size_t> row) {
    if (row == selectedRow_) return;
    selectedRow_ = row;
    Draw();
}

RgbImage StationMapView::ExportPicture() const { return EventMapPicture(points_); }

void StationMapView::Draw() {
    layout_.emplace(DrawEventMap(canvas_, points_, selectedRow_));
    update();
}

void StationMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

void StationMapView::mousePressEvent(QMouseEvent* event) {
    if (!layout_ || event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const std::optional<std::size_t> station = layout_->StationAt(at.x(), at.y(), points_.stations);
    if (station && stationClicked) stationClicked(points_.rows[*station]);
}

}  // namespace tremblo
