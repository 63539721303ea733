#pragma once
// The event window's station map: the map of the rows shown, drawn on a
// raster canvas; a click on a station reports its row.
#include <QWidget>
#include <functional>
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
    // The map as shown, and as exported (no selection ring).
    RgbImage Picture() const { return canvas_.Picture(); }
    RgbImage ExportPicture() const;

    // Called with the table row of the station clicked.
    std::function<void(std::size_t row)> stationClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Draw();

    RasterCanvas canvas_;
    EventMapPoints points_;
    std::optional<std::size_t> selectedRow_;
    std::optional<StationMapLayout> layout_;
};

}  // namespace tremblo
