#pragma once
// Header values as a record file states them, each empty unless stated: the
// agency formats' station, event and component descriptions.
#include <optional>
#include <string>

namespace tremblo {

// A civil date and time as a file states it (the format's own time base:
// UTC for every agency format read here unless its reader says otherwise).
struct StatedTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0.0;
    bool operator==(const StatedTime&) const = default;
};

enum class StatedQuantity { Acceleration, Velocity, Displacement };

struct ChannelHeader {
    std::string network;      // network or agency code ("IT", "CE", "NZ"), when stated
    std::string stationCode;  // as stated ("GIL", "AQK", "58375")
    std::string stationName;  // as stated ("Gilroy Array #1")
    std::optional<double> stationLat, stationLon;  // degrees, north and east positive
    std::optional<double> stationElevationM;

    std::string eventName;  // as stated ("Loma Prieta")
    std::string eventId;    // an event identifier the file states, if any
    std::optional<StatedTime> originTime;
    std::optional<double> epicenterLat, epicenterLon;  // degrees
    std::optional<double> depthKm;
    std::optional<double> magnitude;
    std::string magnitudeType;  // "Mw", "ML"... as stated

    std::optional<StatedTime> firstSampleTime;  // time of the first sample

    // The component as the file names it ("GIL067", "HNE", "360", "UP", "N04W").
    std::string componentName;
    // Horizontal components: the sensor direction, degrees clockwise from
    // north in [0, 360); empty when the file does not tell.
    std::optional<double> azimuthDeg;
    bool vertical = false;
    // miniSEED: the location code, and the channels of one sensor (network,
    // station, location, band and instrument codes: "IU.ANMO.00.HN"); a set
    // of components never mixes two sensors. Empty for other formats.
    std::string locationCode;
    std::string sensorKey;
    // Processing stage where the format has one (COSMOS/CSMIP V1 = 1, V2 = 2).
    int processingStage = 0;
};

// How a component of a record is oriented: vertical, or horizontal with the
// azimuth of its sensor when known.
struct ComponentOrientation {
    bool vertical = false;
    std::optional<double> azimuthDeg;  // clockwise from north, [0, 360)
    bool operator==(const ComponentOrientation&) const = default;
};

}  // namespace tremblo
