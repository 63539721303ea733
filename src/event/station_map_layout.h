#pragma once
// Where the station map puts a latitude and longitude: an equirectangular
// projection of the stations and the epicentre into the picture, keeping
// the aspect (a degree of longitude is cos(mean latitude) of a degree of
// latitude), with margins for the degree labels.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/canvas.h"

namespace tremblo {

struct MapStation {
    MapStation() = default;
    MapStation(double latitude, double longitude, std::string intensityClass,
               std::optional<double> columnValue = std::nullopt)
        : lat(latitude), lon(longitude), jmaClass(std::move(intensityClass)), value(columnValue) {}

    double lat = 0.0;
    double lon = 0.0;
    std::string jmaClass;  // "" when unknown
    std::optional<double> value;  // of the column the map is coloured by, when it is
};

struct MapSettings {
    int width = 520;
    int height = 560;
    // Pixels right of the plot area kept for the legend (0: the legend lies
    // in a corner of the plot area).
    int legendColumn = 0;
};

// A point the map can show: latitude in [-90, 90], longitude in [-180, 360].
bool IsMappable(double lat, double lon);

class StationMapLayout {
public:
    // Margins of the plot area: degree labels left and below.
    static constexpr int kLeftMargin = 44;
    static constexpr int kBottomMargin = 20;
    static constexpr int kOuterMargin = 8;  // top and right
    static constexpr double kPadding = 0.08;  // of the span, on each side
    static constexpr double kMinimumSpan = 0.2;  // degrees, for a single point
    static constexpr int kHitRadius = 6;

    // Bounds of the mappable stations and the epicentre (`epicentre` is
    // latitude, longitude).
    StationMapLayout(const std::vector<MapStation>& stations, std::optional<std::pair<double, double>> epicentre,
                     MapSettings settings);

    // x = left + (lon - lon0) cos(meanLat) scale, y = top + (lat0 - lat) scale,
    // rounded to the nearest pixel.
    Point ToPixel(double lat, double lon) const;
    // The mappable station nearest (x, y) within kHitRadius pixels; of equally
    // near ones the one drawn last (the stronger class).
    std::optional<std::size_t> StationAt(int x, int y, const std::vector<MapStation>& stations) const;
    // Every mappable station within kHitRadius pixels of (x, y): nearest
    // first, of equally near ones (stations sharing a place, as a KiK-net
    // surface and borehole pair) the one drawn last first.
    std::vector<std::size_t> StationsAt(int x, int y, const std::vector<MapStation>& stations) const;

    bool hasPoints() const { return hasPoints_; }
    const Rect& plotArea() const { return plot_; }
    const MapSettings& settings() const { return settings_; }
    // The projection: the plot area's top-left corner, the pixels per degree
    // of latitude and the cosine of the mean latitude.
    double lat0() const { return lat0_; }
    double lon0() const { return lon0_; }
    double scale() const { return scale_; }
    double cosMeanLat() const { return cosMeanLat_; }
    // The latitudes and longitudes the plot area covers.
    double south() const { return lat0_ - plot_.height() / scale_; }
    double north() const { return lat0_; }
    double west() const { return lon0_; }
    double east() const { return lon0_ + plot_.width() / (scale_ * cosMeanLat_); }

private:
    MapSettings settings_;
    Rect plot_;
    bool hasPoints_ = false;
    double lat0_ = 0.0, lon0_ = 0.0, scale_ = 1.0, cosMeanLat_ = 1.0;
};

// The indices of the mappable stations in drawing order: weaker classes
// first, those without a class before all, in list order within a class;
// on a map coloured by values, those without a value first, then by value
// (larger on top).
std::vector<std::size_t> StationDrawingOrder(const std::vector<MapStation>& stations);

}  // namespace tremblo
