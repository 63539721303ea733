#pragma once
// What the agency readers (PEER, COSMOS, CSMIP, SMC, ESM, GeoNet, K-NET CSV)
// hand the loader: each component of a file as acceleration in gal with its
// interval, and the header values the file states. A value the file does not
// state stays empty; a reader never invents one.
#include <optional>
#include <string>
#include <vector>

#include "record/seismic_record.h"

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
    // Processing stage where the format has one (COSMOS/CSMIP V1 = 1, V2 = 2).
    int processingStage = 0;
};

struct AgencyChannel {
    ChannelHeader header;
    double dt = 0.0;         // seconds between samples, > 0
    std::vector<float> gal;  // acceleration, cm/s^2 (empty when read header-only)
    int statedCount = 0;     // samples the header says the channel holds
    int firstDataLine = 0;   // 1-based line of its first value, for messages
};

struct AgencyFile {
    RecordFormat format = RecordFormat::Peer;
    std::vector<AgencyChannel> channels;  // in file order; at least one
};

struct AgencyReadOptions {
    // Read the header of each channel but skip its values (grouping files
    // into records reads every file of a folder this way).
    bool headerOnly = false;
};

}  // namespace tremblo
