#pragma once
// The one record the program holds: up to three acceleration components of
// one station (NS, EW, UD), their header values and the traces derived from
// them.
#include <array>
#include <memory>
#include <span>
#include <string>

#include "common/fixed_text.h"
#include "record/stated_header.h"
#include "stations/station_row.h"

namespace tremblo {

// Samples per component the trace buffers hold from start-up; a longer
// record grows them to its own length, and a shorter one after it gives the
// memory back down to this size.
inline constexpr int SAMPLE_CAPACITY = 70000;
// The longest record read, per component (over 27 hours at 200 Hz): its ten
// trace buffers take 800 MB. Longer ones are refused with a message.
inline constexpr int MAX_RECORD_SAMPLES = 20'000'000;
inline constexpr int BANDPASS_TAPS = 500;
inline constexpr int MAX_COMPONENTS = 3;

// The described three, then the agency formats of the rest of the world
// (each file already in physical units; see agency_channel.h).
enum class RecordFormat { Knet, Hiroshima, Cdpc, Peer, Cosmos, Csmip, Smc, Esm, GeoNet, KnetCsv, Sac, Mseed };

inline constexpr RecordFormat kAllRecordFormats[] = {
    RecordFormat::Knet, RecordFormat::Hiroshima, RecordFormat::Cdpc,  RecordFormat::Peer,   RecordFormat::Cosmos,
    RecordFormat::Csmip, RecordFormat::Smc,     RecordFormat::Esm,   RecordFormat::GeoNet, RecordFormat::KnetCsv,
    RecordFormat::Sac,  RecordFormat::Mseed};

// Whether records of `format` are read through the agency readers.
constexpr bool IsAgencyFormat(RecordFormat format) {
    return format != RecordFormat::Knet && format != RecordFormat::Hiroshima && format != RecordFormat::Cdpc;
}

// The event and station description of a record, as a K-NET header gives
// it (the other formats fill what they have).
struct EventHeader {
    FixedText<12> originDate, originTime;
    float epicenterLat = 0.0f, epicenterLon = 0.0f;
    int depthKm = 0;
    float magnitude = 0.0f;
    FixedText<12> stationCode;
    float stationLat = 0.0f, stationLon = 0.0f;
    int stationHeight = 0;
    FixedText<12> recordDate, recordTime;
    float durationSeconds = 0.0f;
    FixedText<8> direction;
    float scaleFactor = 0.0f;
    FixedText<5> maxAccText;
    FixedText<30> lastCorrection;
    FixedText<33> memo;
};

// Everything of a record but its trace buffers. Copying it is cheap, which
// lets a load work on a copy and publish it only when the whole load worked.
struct RecordFields : EventHeader {
    int componentCount = 3;
    int sampleCount = 0;
    float dt = 0.0f;
    int samplingFrequency = 0;

    // Paths are kept at full length (a Linux path easily outgrows 200 bytes).
    std::array<std::string, MAX_COMPONENTS> componentPath;
    std::array<FixedText<10>, MAX_COMPONENTS> componentLabel{"NS", "EW", "UD"};
    std::array<FixedText<10>, MAX_COMPONENTS> quantityLabel;
    // The rows hold NS, EW and UD for the described formats; an agency
    // record places its components by their orientation (see
    // channel_placement.h) and keeps it here.
    std::array<ComponentOrientation, MAX_COMPONENTS> orientation{
        ComponentOrientation{false, 0.0}, ComponentOrientation{false, 90.0}, ComponentOrientation{true, {}}};
    // What an agency record's files state of station and event (station
    // code, origin date and time are copied into the fields above as text);
    // empty for the described formats.
    ChannelHeader stated;
    // Each row's channel as an agency file names it ("HNZ"); empty for
    // the described formats.
    std::array<std::string, MAX_COMPONENTS> channelCode;
    // The set of components read, and how many its files hold (agency
    // files: a KiK-net CSV file's surface and borehole sets, say).
    int componentSet = 0;
    int componentSetCount = 1;
    std::string eventName;     // base name of export files
    std::string recordFolder;  // folder of componentPath[0], no trailing separator

    StationRow currentStation;

    int windowStart = 0;
    int windowLength = 0;
    std::array<float, BANDPASS_TAPS> bandpassCoefficients{};
    bool recordLoaded = false;

    RecordFields();
};

// A trace buffer, zero-filled: SAMPLE_CAPACITY floats at first, resized to
// fit each record.
class TraceBuffer {
public:
    TraceBuffer() : data_(new float[SAMPLE_CAPACITY]()), capacity_(SAMPLE_CAPACITY) {}
    float* data() { return data_.get(); }
    const float* data() const { return data_.get(); }
    float& operator[](int i) { return data_[i]; }
    const float& operator[](int i) const { return data_[i]; }
    int capacity() const { return capacity_; }
    std::span<float> span() { return std::span<float>(data_.get(), static_cast<std::size_t>(capacity_)); }
    std::span<const float> span() const {
        return std::span<const float>(data_.get(), static_cast<std::size_t>(capacity_));
    }
    // Room for max(count, SAMPLE_CAPACITY) samples, all zero when the size
    // changes (the values are kept when it does not). Throws
    // std::bad_alloc, leaving the buffer as it was.
    void Fit(int count);

private:
    std::unique_ptr<float[]> data_;
    int capacity_;
};

struct SeismicRecord : RecordFields {
    std::array<TraceBuffer, MAX_COMPONENTS> samples;       // gal
    std::array<TraceBuffer, MAX_COMPONENTS> velocity;      // kine
    std::array<TraceBuffer, MAX_COMPONENTS> displacement;  // cm
    TraceBuffer workTrace;

    // Samples every trace buffer holds.
    int capacity() const { return samples[0].capacity(); }
    // Every trace buffer fitted to a record of `count` samples (see
    // TraceBuffer::Fit); throws std::bad_alloc.
    void FitBuffers(int count);

    RecordFields& fields() { return *this; }
    const RecordFields& fields() const { return *this; }
};

}  // namespace tremblo
