#pragma once
// miniSEED written through libmseed's own packer (msr_pack), and StationXML
// written by hand from the FDSN StationXML schema, so that the readers are
// checked against files they did not write.
#include <cstdint>
#include <string>
#include <vector>

namespace tremblo::testing {

// 2020-09-13T12:26:40Z.
inline constexpr std::int64_t kFixtureStartMicros = 1'600'000'000'000'000LL;

enum class MseedEncoding { Steim1, Steim2, Int32, Float32 };

struct MseedChannelFixture {
    std::string network = "XX", station = "STA01", location = "", channel = "HNZ";
    std::int64_t startMicros = kFixtureStartMicros;
    double sampleRate = 100.0;
    std::vector<std::int32_t> counts;  // written as given (float32: converted)
    MseedEncoding encoding = MseedEncoding::Steim2;
    int recordLength = 512;
};

// The records of one channel.
std::string MseedBytes(const MseedChannelFixture& channel);

// Counts i * step + offset for i = 0..n-1, alternating in sign.
std::vector<std::int32_t> FixtureCounts(int n, std::int32_t step, std::int32_t offset = 0);

// The HNN, HNE and HNZ channels of `station`, n counts each
// (FixtureCounts(n, step, the orientation's letter)), one after the other.
std::string ThreeChannelMseed(const std::string& station, int n, std::int32_t step);

struct XmlChannelFixture {
    std::string network = "XX", station = "STA01", location = "", channel = "HNZ";
    std::string latitude = "35.5", longitude = "139.25", elevation = "12.0";
    std::string azimuth = "0", dip = "-90";  // "" leaves the element out
    std::string sensitivity = "200000";      // "" leaves the element out
    std::string inputUnits = "M/S**2";
    std::string startDate = "2019-01-01T00:00:00", endDate = "";  // "" leaves the attribute out
    std::string alternateCode = "";
};

// A complete document: channels of one station share its Station element.
std::string StationXmlDocument(const std::vector<XmlChannelFixture>& channels);

// N, E and Z channels of `station` with the usual orientations.
std::vector<XmlChannelFixture> ThreeXmlChannels(const std::string& station = "STA01", const std::string& band = "HN");

}  // namespace tremblo::testing
