#pragma once
// The event window's station map: the stations of the rows shown, drawn by
// the map drawing on a raster canvas; a click on a station reports it.
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "event/station_map.h"
#include "plot/canvas/raster_canvas.h"

namespace tremblo {

class StationMapView : public QWidget {
    Q_OBJECT
public:
    explicit StationMapView(QWidget* parent = nullptr);

    // Draws the map anew; records[i] is the record (arrival index) of stations[i].
    void Show(std::vector<MapStation> stations, std::vector<std::size_t> records,
              std::optional<std::pair<double, double>> epicentre, std::optional<std::size_t> selectedRecord);
    void Select(std::optional<std::size_t> record);
    RgbImage Picture() const { return canvas_.Picture(); }

    // Called with the record of the station clicked.
    std::function<void(std::size_t record)> stationClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Draw();

    RasterCanvas canvas_;
    std::vector<MapStation> stations_;
    std::vector<std::size_t> records_;
    std::optional<std::pair<double, double>> epicentre_;
    std::optional<std::size_t> selected_;  // index into stations_
    std::optional<StationMapLayout> layout_;
};

}  // namespace tremblo
