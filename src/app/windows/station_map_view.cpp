#include "app/windows/station_map_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace tremblo {

StationMapView::StationMapView(QWidget* parent) : QWidget(parent), canvas_(MapSettings{}.width, MapSettings{}.height) {
    setFixedSize(canvas_.Width(), canvas_.Height());
    setCursor(Qt::CrossCursor);
    setToolTip(QString::fromUtf8("観測点をクリックすると表の行を選びます"));
    Draw();
}

void StationMapView::Show(std::vector<MapStation> stations, std::vector<std::size_t> records,
                          std::optional<std::pair<double, double>> epicentre, std::optional<std::size_t> selectedRecord) {
    stations_ = std::move(stations);
    records_ = std::move(records);
    epicentre_ = epicentre;
    selected_.reset();
    if (selectedRecord) {
        const auto it = std::find(records_.begin(), records_.end(), *selectedRecord);
        if (it != records_.end()) selected_ = static_cast<std::size_t>(it - records_.begin());
    }
    Draw();
}

void StationMapView::Select(std::optional<std::size_t> record) {
    std::optional<std::size_t> selected;
    if (record) {
        const auto it = std::find(records_.begin(), records_.end(), *record);
        if (it != records_.end()) selected = static_cast<std::size_t>(it - records_.begin());
    }
    if (selected == selected_) return;
    selected_ = selected;
    Draw();
}

void StationMapView::Draw() {
    layout_.emplace(stations_, epicentre_, MapSettings{canvas_.Width(), canvas_.Height()});
    canvas_.ResetDrawingState();
    // The shoreline file is read on the first map and kept for the process.
    Coastline coastline;
    if (const CoastlineAtlas* atlas = InstalledCoastline(); atlas && layout_->hasPoints())
        coastline = atlas->Within(layout_->south(), layout_->north(), layout_->west(), layout_->east());
    DrawStationMap(canvas_, *layout_, stations_, epicentre_, selected_, &coastline);
    update();
}

void StationMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

void StationMapView::mousePressEvent(QMouseEvent* event) {
    if (!layout_ || event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const std::optional<std::size_t> station = layout_->StationAt(at.x(), at.y(), stations_);
    if (station && stationClicked) stationClicked(records_[*station]);
}

}  // namespace tremblo
