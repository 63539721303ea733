#include "record/channel_placement.h"

#include <cmath>

#include "common/format.h"

namespace tremblo {

namespace {

bool Unknown(const ChannelHeader& h) { return !h.vertical && !h.azimuthDeg; }

}  // namespace

std::vector<std::vector<std::size_t>> SplitIntoComponentSets(std::span<const ChannelHeader> headers) {
    std::vector<std::vector<std::size_t>> sets;
    int horizontals = 0, verticals = 0;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        const ChannelHeader& h = headers[i];
        const bool otherSensor = i > 0 && h.sensorKey != headers[i - 1].sensorKey;
        const bool full = sets.empty() || sets.back().size() == 3 || (h.vertical && verticals == 1) ||
                          (!h.vertical && h.azimuthDeg && horizontals == 2) || otherSensor;
        if (full) {
            sets.emplace_back();
            horizontals = verticals = 0;
        }
        sets.back().push_back(i);
        if (h.vertical) ++verticals;
        else if (h.azimuthDeg) ++horizontals;
    }
    return sets;
}

bool FirstSetIsFull(std::span<const ChannelHeader> headers) {
    const std::vector<std::vector<std::size_t>> sets = SplitIntoComponentSets(headers);
    return !sets.empty() && sets.front().size() == 3;
}

double DistanceFromNorthSouth(double azimuthDeg) {
    const double folded = std::fmod(std::fabs(azimuthDeg), 180.0);  // 0..180
    return std::min(folded, 180.0 - folded);
}

std::vector<std::size_t> PlaceByOrientation(std::span<const ChannelHeader> headers, std::vector<std::size_t> set) {
    std::vector<std::size_t> horizontals, unknown, verticals;
    for (std::size_t i : set) (headers[i].vertical ? verticals : Unknown(headers[i]) ? unknown : horizontals).push_back(i);
    if (horizontals.size() == 2) {
        const auto& a = headers[horizontals[0]].azimuthDeg;
        const auto& b = headers[horizontals[1]].azimuthDeg;
        if (a && b && DistanceFromNorthSouth(*b) < DistanceFromNorthSouth(*a)) std::swap(horizontals[0], horizontals[1]);
    }
    std::vector<std::size_t> rows = horizontals;
    rows.insert(rows.end(), unknown.begin(), unknown.end());
    rows.insert(rows.end(), verticals.begin(), verticals.end());
    return rows;
}

std::string OrientationLabel(const ChannelHeader& header, int row) {
    if (header.vertical) return "UD";
    if (header.azimuthDeg) {
        const long degrees = std::lround(*header.azimuthDeg) % 360;
        if (degrees == 0) return "NS";
        if (degrees == 90) return "EW";
        return StringPrintf("%03ld\xC2\xB0", degrees);
    }
    return header.componentName.empty() ? "C" + std::to_string(row + 1) : header.componentName;
}

ComponentOrientation OrientationOf(const ChannelHeader& header) {
    ComponentOrientation orientation;
    orientation.vertical = header.vertical;
    if (!header.vertical) orientation.azimuthDeg = header.azimuthDeg;
    return orientation;
}

ComponentOrientation OrientationOfLabel(std::string_view label) {
    const auto starts = [&](const char* two) {
        return label.size() >= 2 && (label[0] | 0x20) == two[0] && (label[1] | 0x20) == two[1];
    };
    if (starts("ns")) return ComponentOrientation{false, 0.0};
    if (starts("ew")) return ComponentOrientation{false, 90.0};
    if (starts("ud")) return ComponentOrientation{true, std::nullopt};
    return ComponentOrientation{};
}

bool ArePerpendicular(const ComponentOrientation& a, const ComponentOrientation& b) {
    if (a.vertical || b.vertical || !a.azimuthDeg || !b.azimuthDeg) return false;
    return std::fabs(std::fmod(std::fabs(*a.azimuthDeg - *b.azimuthDeg), 180.0) - 90.0) <= 1.0;
}

}  // namespace tremblo
