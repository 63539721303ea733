#include "app/windows/station_map_view.h"

#include "pipeline/event_map_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace tremblo {

namespace {

// The smallest map still worth reading: the legend and a plot area beside it.
constexpr int kMinimumWidth = 300, kMinimumHeight = 260;

}  // namespace

StationMapView::StationMapView(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<RasterCanvas>(MapSettings{}.width, MapSettings{}.height)) {
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    resize(canvas_->Width(), canvas_->Height());
    setCursor(Qt::CrossCursor);
    setToolTip(tr("観測点をクリックすると表の行を選びます（同じ場所の観測点はクリックのたびに切り替わります）"));
    Draw();
}

QSize StationMapView::sizeHint() const { return {MapSettings{}.width, MapSettings{}.height}; }

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
    layout_.emplace(DrawEventMap(*canvas_, points_, selectedRow_));
    update();
}

void StationMapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = this->size().expandedTo({1, 1});
    if (size.width() == canvas_->Width() && size.height() == canvas_->Height()) return;
    canvas_ = std::make_unique<RasterCanvas>(size.width(), size.height());
    Draw();
}

void StationMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_->Image());
}

void StationMapView::mousePressEvent(QMouseEvent* event) {
    if (!layout_ || event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const std::optional<std::size_t> row = RowToSelectAt(*layout_, points_, at.x(), at.y(), selectedRow_);
    if (row && stationClicked) stationClicked(*row);
}

}  // namespace tremblo
