#pragma once
// What the agency readers (PEER, COSMOS, CSMIP, SMC, ESM, GeoNet, K-NET CSV)
// hand the loader: each component of a file as acceleration in gal with its
// interval, and the header values the file states. A value the file does not
// state stays empty; a reader never invents one.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/seismic_record.h"
#include "record/stated_header.h"
#include "stations/station_inventory.h"

namespace tremblo {

// No acceleration ever recorded comes near this (about 100 g): a sample
// beyond it is a null marker or damage (PEER's -999 g, say), never a value.
inline constexpr double MAX_PLAUSIBLE_GAL = 1.0e5;

// Why a sample of `field` (in gal: `gal`) is refused as no acceleration.
std::string ImplausibleSampleMessage(std::string_view field, double gal);

struct AgencyChannel {
    ChannelHeader header;
    double dt = 0.0;         // seconds between samples, > 0
    std::vector<float> gal;  // acceleration, cm/s^2 (empty when read header-only)
    int statedCount = 0;     // samples the header says the channel holds
    int firstDataLine = 0;   // 1-based line of its first value, for messages
    // The file does not say in what unit its values are (SAC: IDEP unknown);
    // read header-only, the values need AgencyReadOptions::galPerUnstatedUnit.
    bool unitUnstated = false;
};

struct AgencyFile {
    RecordFormat format = RecordFormat::Peer;
    std::vector<AgencyChannel> channels;  // in file order; at least one
};

struct AgencyReadOptions {
    // Read the header of each channel but skip its values (grouping files
    // into records reads every file of a folder this way).
    bool headerOnly = false;
    // Gal per unit of the values of a file that does not tell its quantity's
    // unit (a SAC file with IDEP undefined or IUNKN): the user's choice
    // (the batch's --units). Without it such a file is refused.
    std::optional<double> galPerUnstatedUnit = std::nullopt;
    // miniSEED: the station inventory that turns counts into gal (see
    // mseed_reader.h); without it such a file is refused.
    const StationInventory* inventory = nullptr;
    // miniSEED: velocity sensors read as acceleration, differentiated
    // (the batch's --differentiate-velocity); refused without it.
    bool differentiateVelocity = false;
};

inline AgencyReadOptions HeaderOnlyReading() {
    AgencyReadOptions options;
    options.headerOnly = true;
    return options;
}

}  // namespace tremblo
