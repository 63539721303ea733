#pragma once
// What a station inventory (StationXML) says of each channel epoch: where the
// sensor stands and points, and how its counts become a physical unit (the
// overall sensitivity and the unit it takes in). Times are microseconds
// since 1970-01-01 UTC, as the miniSEED reader counts them.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tremblo {

struct InventoryChannel {
    std::string network, station, location, channel;  // codes, spaces trimmed
    std::string stationAlternateCode;                  // Station alternateCode, when given
    std::string siteName;                              // Station Site/Name, when given
    std::optional<std::int64_t> startMicros, endMicros;  // the epoch; empty: open
    std::optional<double> latitude, longitude, elevationM;
    std::optional<double> azimuthDeg, dipDeg;
    std::optional<double> sampleRate;
    std::optional<double> sensitivity;  // InstrumentSensitivity Value (counts per input unit)
    std::string inputUnits;             // InstrumentSensitivity InputUnits Name, as written
    std::string file;                   // the file it came from, for messages
};

// "NET.STA.LOC.CHA" of the codes (an empty location stays empty).
std::string ChannelId(std::string_view network, std::string_view station, std::string_view location,
                      std::string_view channel);

class StationInventory {
public:
    void Add(InventoryChannel channel);
    void Merge(const StationInventory& other);

    // The epoch of the channel that holds `atMicros`; nullptr when the
    // inventory has no such channel or none of its epochs holds that time.
    const InventoryChannel* Find(const std::string& channelId, std::int64_t atMicros) const;
    // Whether the inventory lists the channel at all (any epoch).
    bool Lists(const std::string& channelId) const { return byId_.count(channelId) > 0; }

    bool empty() const { return byId_.empty(); }
    std::size_t size() const;
    // The files read into it, in order.
    const std::vector<std::string>& files() const { return files_; }
    void AddFile(std::string file) { files_.push_back(std::move(file)); }

private:
    std::map<std::string, std::vector<InventoryChannel>> byId_;
    std::vector<std::string> files_;
};

}  // namespace tremblo
