#pragma once
// The event window's station map: the map of the rows shown, drawn on a
// raster canvas of the view's size (it shrinks with the window); a click on
// a station reports its row, and clicks on a place several stations share
// go round them.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "event/event_map.h"
#include "plot/canvas/raster_canvas.h"

namespace tremblo {

class StationMapView : public QWidget {
    Q_OBJECT
public:
    explicit StationMapView(QWidget* parent = nullptr);

    // Draws the map of `points` anew, the station of `selectedRow` ringed.
    void Show(EventMapPoints points, std::optional<std::size_t> selectedRow);
    void Select(std::optional<std::size_t> row);
    // The map as shown, and as exported (the picture's size, no selection ring).
    RgbImage Picture() const { return canvas_->Picture(); }
    RgbImage ExportPicture() const;
    // What the map shows: the stations, their rows and the colouring.
    const EventMapPoints& points() const { return points_; }
    // Where the map as shown puts each station.
    const StationMapLayout& mapLayout() const { return *layout_; }

    QSize sizeHint() const override;

    // Called with the table row of the station clicked.
    std::function<void(std::size_t row)> stationClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Draw();

    std::unique_ptr<RasterCanvas> canvas_;
    EventMapPoints points_;
    std::optional<std::size_t> selectedRow_;
    std::optional<StationMapLayout> layout_;
};

}  // namespace tremblo
