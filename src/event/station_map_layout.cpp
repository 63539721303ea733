#include "event/station_map_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "event/intensity_colors.h"
#include "plot/pixel.h"

namespace tremblo {

namespace {

struct Bounds {
    double south = 0.0, north = 0.0, west = 0.0, east = 0.0;
    bool any = false;

    void Add(double lat, double lon) {
        if (!IsMappable(lat, lon)) return;
        south = any ? std::min(south, lat) : lat;
        north = any ? std::max(north, lat) : lat;
        west = any ? std::min(west, lon) : lon;
        east = any ? std::max(east, lon) : lon;
        any = true;
    }
};

// Japan, for a map with nothing on it.
constexpr Bounds kDefaultBounds{30.0, 46.0, 128.0, 146.0, false};

Bounds BoundsOf(const std::vector<MapStation>& stations, std::optional<std::pair<double, double>> epicentre) {
    Bounds bounds;
    for (const MapStation& station : stations) bounds.Add(station.lat, station.lon);
    if (epicentre) bounds.Add(epicentre->first, epicentre->second);
    return bounds.any ? bounds : kDefaultBounds;
}

// A span widened to the minimum and padded on both sides, about its middle.
std::pair<double, double> PaddedSpan(double low, double high) {
    const double middle = (low + high) / 2.0;
    const double half = std::max(high - low, StationMapLayout::kMinimumSpan) * (0.5 + StationMapLayout::kPadding);
    return {middle - half, middle + half};
}

int RoundToPixel(double value) { return TruncPixel(std::floor(value + 0.5)); }

}  // namespace

bool IsMappable(double lat, double lon) { return lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 360.0; }

StationMapLayout::StationMapLayout(const std::vector<MapStation>& stations,
                                   std::optional<std::pair<double, double>> epicentre, MapSettings settings)
    : settings_(settings) {
    const int right = settings.width - kOuterMargin - std::max(settings.legendColumn, 0);
    plot_ = {kLeftMargin, kOuterMargin, std::max(right, kLeftMargin + 1),
             std::max(settings.height - kBottomMargin, kOuterMargin + 1)};
    const Bounds bounds = BoundsOf(stations, epicentre);
    hasPoints_ = bounds.any;
    const auto [south, north] = PaddedSpan(bounds.south, bounds.north);
    const auto [west, east] = PaddedSpan(bounds.west, bounds.east);
    const double meanLat = (south + north) / 2.0;
    cosMeanLat_ = std::max(std::cos(meanLat * std::numbers::pi / 180.0), 0.01);
    scale_ = std::min(plot_.height() / (north - south), plot_.width() / ((east - west) * cosMeanLat_));
    // The shorter side is centred in the plot area.
    lat0_ = meanLat + plot_.height() / (2.0 * scale_);
    lon0_ = (west + east) / 2.0 - plot_.width() / (2.0 * scale_ * cosMeanLat_);
}

Point StationMapLayout::ToPixel(double lat, double lon) const {
    return {RoundToPixel(plot_.left + (lon - lon0_) * cosMeanLat_ * scale_),
            RoundToPixel(plot_.top + (lat0_ - lat) * scale_)};
}

std::optional<std::size_t> StationMapLayout::StationAt(int x, int y, const std::vector<MapStation>& stations) const {
    const std::vector<std::size_t> near = StationsAt(x, y, stations);
    if (near.empty()) return std::nullopt;
    return near.front();
}

std::vector<std::size_t> StationMapLayout::StationsAt(int x, int y, const std::vector<MapStation>& stations) const {
    const long reach = static_cast<long>(kHitRadius) * kHitRadius;
    std::vector<std::pair<long, std::size_t>> near;  // squared distance, station
    const std::vector<std::size_t> order = StationDrawingOrder(stations);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {  // the one drawn last first
        const Point p = ToPixel(stations[*it].lat, stations[*it].lon);
        const long dx = p.x - x, dy = p.y - y;
        const long squared = dx * dx + dy * dy;
        if (squared <= reach) near.emplace_back(squared, *it);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::size_t> found;
    for (const auto& [squared, station] : near) found.push_back(station);
    return found;
}

std::vector<std::size_t> StationDrawingOrder(const std::vector<MapStation>& stations) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < stations.size(); ++i)
        if (IsMappable(stations[i].lat, stations[i].lon)) order.push_back(i);
    const auto byValue = [&](std::size_t a, std::size_t b) {
        const std::optional<double>& va = stations[a].value;
        const std::optional<double>& vb = stations[b].value;
        if (!va || !vb) return !va && vb;
        return *va < *vb;
    };
    const bool valued = std::any_of(stations.begin(), stations.end(), [](const MapStation& s) { return s.value; });
    if (valued) {
        std::stable_sort(order.begin(), order.end(), byValue);
        return order;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return IntensityClassRank(stations[a].jmaClass) < IntensityClassRank(stations[b].jmaClass);
    });
    return order;
}

}  // namespace tremblo
