// miniSEED files written by libmseed's packer and StationXML written by hand:
// counts become gal through the inventory's sensitivity and unit, sensors
// become sets of components, and every damaged or inconsistent input is
// refused with a message that names the channel.
#include "record/mseed_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "record/channel_placement.h"
#include "record/record_identity.h"
#include "stations/station_xml.h"
#include "support/mseed_fixtures.h"

namespace tremblo {
namespace {

using testing::FixtureCounts;
using testing::MseedBytes;
using testing::MseedChannelFixture;
using testing::MseedEncoding;
using testing::StationXmlDocument;
using testing::ThreeXmlChannels;
using testing::XmlChannelFixture;

StationInventory InventoryOf(const std::vector<XmlChannelFixture>& channels) {
    Result<StationInventory> parsed = ParseStationXml(StationXmlDocument(channels), "inventory.xml");
    EXPECT_TRUE(parsed) << (parsed ? "" : parsed.error().message);
    return parsed ? parsed.value() : StationInventory{};
}

Result<AgencyFile> Read(const std::string& bytes, const StationInventory* inventory, bool differentiate = false) {
    std::istringstream in(bytes);
    AgencyReadOptions options;
    options.inventory = inventory;
    options.differentiateVelocity = differentiate;
    return ReadMseedFile(in, options);
}

MseedChannelFixture Channel(const std::string& code, int n = 1000, const std::string& station = "STA01") {
    MseedChannelFixture f;
    f.channel = code;
    f.station = station;
    f.counts = FixtureCounts(n, 37, static_cast<std::int32_t>(code.back()));
    return f;
}

std::string ThreeChannels(int n = 1000, const std::string& station = "STA01", const std::string& band = "HN") {
    return MseedBytes(Channel(band + "N", n, station)) + MseedBytes(Channel(band + "E", n, station)) +
           MseedBytes(Channel(band + "Z", n, station));
}

struct UnitCase {
    const char* units;
    MseedEncoding encoding;
    double galPerUnit;  // from the unit's definition
};

class MseedUnits : public ::testing::TestWithParam<UnitCase> {};

TEST_P(MseedUnits, CountsBecomeGalThroughTheSensitivity) {
    const UnitCase& u = GetParam();
    MseedChannelFixture f = Channel("HNZ", 1500);
    f.encoding = u.encoding;
    std::vector<XmlChannelFixture> xml = ThreeXmlChannels();
    for (auto& c : xml) {
        c.inputUnits = u.units;
        c.sensitivity = "4.0E5";
    }
    const StationInventory inventory = InventoryOf(xml);
    const Result<AgencyFile> read = Read(MseedBytes(f), &inventory);
    ASSERT_TRUE(read) << read.error().message;
    ASSERT_EQ(read.value().channels.size(), 1u);
    const AgencyChannel& c = read.value().channels[0];
    ASSERT_EQ(c.gal.size(), f.counts.size());
    for (std::size_t i = 0; i < f.counts.size(); ++i)
        ASSERT_EQ(c.gal[i], static_cast<float>(f.counts[i] / 4.0e5 * u.galPerUnit)) << i;
    EXPECT_DOUBLE_EQ(c.dt, 0.01);
    EXPECT_TRUE(c.header.vertical);
}

INSTANTIATE_TEST_SUITE_P(Units, MseedUnits,
                         ::testing::Values(UnitCase{"M/S**2", MseedEncoding::Steim2, 100.0},
                                           UnitCase{"m/s^2", MseedEncoding::Steim1, 100.0},
                                           UnitCase{"CM/S**2", MseedEncoding::Int32, 1.0},
                                           UnitCase{"NM/S**2", MseedEncoding::Float32, 1.0e-7},
                                           UnitCase{"MM/S/S", MseedEncoding::Steim2, 0.1},
                                           UnitCase{"G", MseedEncoding::Steim2, 980.665}));

TEST(MseedReader, StationChannelsMakeOneSetWithInventoryHeader) {
    std::vector<XmlChannelFixture> xml = ThreeXmlChannels();
    xml[0].azimuth = "3.5";
    xml[1].azimuth = "93.5";
    const StationInventory inventory = InventoryOf(xml);
    const Result<AgencyFile> read = Read(ThreeChannels(), &inventory);
    ASSERT_TRUE(read) << read.error().message;
    const std::vector<AgencyChannel>& channels = read.value().channels;
    ASSERT_EQ(channels.size(), 3u);
    std::vector<ChannelHeader> headers;
    for (const AgencyChannel& c : channels) headers.push_back(c.header);
    EXPECT_EQ(SplitIntoComponentSets(headers).size(), 1u);
    EXPECT_EQ(channels[0].header.stationCode, "STA01");
    EXPECT_EQ(channels[0].header.network, "XX");
    EXPECT_EQ(channels[0].header.componentName, "HNN");
    EXPECT_DOUBLE_EQ(*channels[0].header.stationLat, 35.5);
    EXPECT_DOUBLE_EQ(*channels[0].header.stationLon, 139.25);
    EXPECT_DOUBLE_EQ(*channels[0].header.stationElevationM, 12.0);
    EXPECT_DOUBLE_EQ(*channels[0].header.azimuthDeg, 3.5);
    EXPECT_DOUBLE_EQ(*channels[1].header.azimuthDeg, 93.5);
    EXPECT_TRUE(channels[2].header.vertical);
    const StatedTime start = *channels[0].header.firstSampleTime;
    EXPECT_EQ(start, (StatedTime{2020, 9, 13, 12, 26, 40.0}));
}

TEST(MseedReader, SensorsOfAFileAreSetsOfTheirOwn) {
    // A station with only a vertical, then a full one: two records.
    std::vector<XmlChannelFixture> xml = ThreeXmlChannels("STA01");
    for (const auto& c : ThreeXmlChannels("STA02")) xml.push_back(c);
    const StationInventory inventory = InventoryOf(xml);
    const std::string bytes = MseedBytes(Channel("HNZ", 500, "STA01")) + ThreeChannels(500, "STA02");
    const Result<AgencyFile> read = Read(bytes, &inventory);
    ASSERT_TRUE(read) << read.error().message;
    std::vector<ChannelHeader> headers;
    for (const AgencyChannel& c : read.value().channels) headers.push_back(c.header);
    const auto sets = SplitIntoComponentSets(headers);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].size(), 1u);
    EXPECT_EQ(sets[1].size(), 3u);
    EXPECT_EQ(ComponentSetCount(headers), 2);
}

TEST(MseedReader, RecordsInAnyOrderAreJoinedInTime) {
    MseedChannelFixture f = Channel("HNZ", 3000);
    std::string bytes = MseedBytes(f);
    ASSERT_GT(bytes.size(), 512u * 3);
    // Reverse the order of the records.
    std::string reversed;
    for (std::size_t at = bytes.size(); at >= 512; at -= 512) reversed += bytes.substr(at - 512, 512);
    const StationInventory inventory = InventoryOf(ThreeXmlChannels());
    const Result<AgencyFile> read = Read(reversed, &inventory);
    ASSERT_TRUE(read) << read.error().message;
    const std::vector<float>& gal = read.value().channels[0].gal;
    ASSERT_EQ(gal.size(), f.counts.size());
    for (std::size_t i = 0; i < gal.size(); ++i) ASSERT_EQ(gal[i], static_cast<float>(f.counts[i] / 2.0e5 * 100.0));
}

TEST(MseedReader, ChannelsStartingWholeSamplesApartAreCutToTheCommonSpan) {
    MseedChannelFixture n = Channel("HNN", 1000), e = Channel("HNE", 1000), z = Channel("HNZ", 1000);
    e.startMicros += 30'000;  // three samples later
    const StationInventory inventory = InventoryOf(ThreeXmlChannels());
    const Result<AgencyFile> read = Read(MseedBytes(n) + MseedBytes(e) + MseedBytes(z), &inventory);
    ASSERT_TRUE(read) << read.error().message;
    for (const AgencyChannel& c : read.value().channels) EXPECT_EQ(c.gal.size(), 997u);
    EXPECT_EQ(read.value().channels[0].gal[0], static_cast<float>(n.counts[3] / 2.0e5 * 100.0));
    EXPECT_EQ(read.value().channels[1].gal[0], static_cast<float>(e.counts[0] / 2.0e5 * 100.0));
}

TEST(MseedReader, VelocityIsDifferentiatedOnlyWhenAsked) {
    // v = c i^2 in m/s: central differences give 2 c i / dt inside, c / dt
    // and c (2n - 3) / dt at the ends.
    MseedChannelFixture f;
    f.channel = "HHZ";
    const int n = 400;
    for (int i = 0; i < n; ++i) f.counts.push_back(i * i);
    std::vector<XmlChannelFixture> xml = ThreeXmlChannels("STA01", "HH");
    for (auto& c : xml) {
        c.inputUnits = "M/S";
        c.sensitivity = "1000";
    }
    const StationInventory inventory = InventoryOf(xml);
    const Result<AgencyFile> refused = Read(MseedBytes(f), &inventory);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("XX.STA01..HHZ"), std::string::npos);
    EXPECT_NE(refused.error().message.find("--differentiate-velocity"), std::string::npos);
    const Result<AgencyFile> read = Read(MseedBytes(f), &inventory, true);
    ASSERT_TRUE(read) << read.error().message;
    const std::vector<float>& gal = read.value().channels[0].gal;
    const double c = 100.0 / 1000.0, dt = 0.01;  // cm/s per count
    ASSERT_EQ(gal.size(), static_cast<std::size_t>(n));
    EXPECT_FLOAT_EQ(gal[0], static_cast<float>(c / dt));
    for (int i = 1; i < n - 1; ++i) ASSERT_FLOAT_EQ(gal[static_cast<std::size_t>(i)], static_cast<float>(2.0 * c * i / dt)) << i;
    EXPECT_FLOAT_EQ(gal[n - 1], static_cast<float>(c * (2 * n - 3) / dt));
}

TEST(MseedReader, HeaderOnlyReadingNeedsNoInventory) {
    std::istringstream in(ThreeChannels());
    const Result<AgencyFile> read = ReadMseedFile(in, HeaderOnlyReading());
    ASSERT_TRUE(read) << read.error().message;
    ASSERT_EQ(read.value().channels.size(), 3u);
    EXPECT_EQ(read.value().channels[0].statedCount, 1000);
    EXPECT_TRUE(read.value().channels[0].gal.empty());
}

// --- Bad input: each refused, the message naming what failed. ---

struct BadCase {
    const char* name;
    std::string bytes;
    std::vector<XmlChannelFixture> xml;  // empty: no inventory
    std::vector<std::string> said;       // parts of the message
};

std::string WithSampleCount(std::string bytes, std::size_t record, unsigned count) {
    // Fixed header bytes 30-31: the number of samples, big-endian.
    bytes[record * 512 + 30] = static_cast<char>(count >> 8);
    bytes[record * 512 + 31] = static_cast<char>(count & 0xff);
    return bytes;
}

std::vector<BadCase> BadCases() {
    std::vector<BadCase> cases;
    const std::vector<XmlChannelFixture> xml = ThreeXmlChannels();
    const std::string good = ThreeChannels();
    cases.push_back({"truncated", good.substr(0, 512 * 2 + 100), xml, {"1024", "切れて"}});
    MseedChannelFixture i32 = Channel("HNZ", 300);
    i32.encoding = MseedEncoding::Int32;
    cases.push_back({"count beyond the record", WithSampleCount(MseedBytes(i32), 0, 5000), xml, {"XX.STA01..HNZ", "5000"}});
    MseedChannelFixture steim = Channel("HNZ", 2000);
    cases.push_back({"count beyond what decodes", WithSampleCount(MseedBytes(steim), 1, 700), xml, {"XX.STA01..HNZ"}});
    MseedChannelFixture fast = Channel("HNE", 1000);
    fast.sampleRate = 200.0;
    cases.push_back({"rates differ", MseedBytes(Channel("HNN")) + MseedBytes(fast) + MseedBytes(Channel("HNZ")), xml,
                     {"XX.STA01..HNN", "XX.STA01..HNE", "200"}});
    MseedChannelFixture half = Channel("HNE", 1000);
    half.startMicros += 5'000;  // half a sample
    cases.push_back({"not on one grid", MseedBytes(Channel("HNN")) + MseedBytes(half) + MseedBytes(Channel("HNZ")), xml,
                     {"XX.STA01..HNE", "2020-09-13T12:26:40.005"}});
    MseedChannelFixture later = Channel("HNZ", 500);
    later.startMicros += 6'000'000;  // 5 s of data, then 1 s missing
    cases.push_back({"gap", MseedBytes(Channel("HNZ", 500)) + MseedBytes(later), xml,
                     {"XX.STA01..HNZ", "2020-09-13T12:26:45", "欠測"}});
    MseedChannelFixture overlapping = Channel("HNZ", 500);
    overlapping.startMicros += 4'000'000;
    cases.push_back({"overlap", MseedBytes(Channel("HNZ", 500)) + MseedBytes(overlapping), xml,
                     {"XX.STA01..HNZ", "2020-09-13T12:26:44", "重な"}});
    cases.push_back({"no inventory", MseedBytes(Channel("HNZ")), {}, {"XX.STA01..HNZ", "--inventory"}});
    std::vector<XmlChannelFixture> other = ThreeXmlChannels("STA02");
    cases.push_back({"channel missing", MseedBytes(Channel("HNZ")), other, {"XX.STA01..HNZ", "StationXML"}});
    std::vector<XmlChannelFixture> zero = xml;
    zero[2].sensitivity = "0";
    cases.push_back({"zero sensitivity", MseedBytes(Channel("HNZ")), zero, {"XX.STA01..HNZ", "inventory.xml", "感度"}});
    std::vector<XmlChannelFixture> absent = xml;
    absent[2].sensitivity = "";
    cases.push_back({"no sensitivity", MseedBytes(Channel("HNZ")), absent, {"XX.STA01..HNZ", "感度"}});
    std::vector<XmlChannelFixture> pascal = xml;
    pascal[2].inputUnits = "PA";
    cases.push_back({"unit of no motion", MseedBytes(Channel("HNZ")), pascal, {"XX.STA01..HNZ", "\"PA\""}});
    std::vector<XmlChannelFixture> expired = xml;
    expired[2].endDate = "2020-01-01T00:00:00";
    cases.push_back({"epoch ended", MseedBytes(Channel("HNZ")), expired, {"XX.STA01..HNZ", "2020-09-13T12:26:40"}});
    cases.push_back({"not miniSEED", std::string(600, 'x'), xml, {"miniSEED"}});
    return cases;
}

TEST(MseedReader, BadInputIsRefusedNamingIt) {
    for (const BadCase& c : BadCases()) {
        SCOPED_TRACE(c.name);
        const StationInventory inventory = c.xml.empty() ? StationInventory{} : InventoryOf(c.xml);
        const Result<AgencyFile> read = Read(c.bytes, c.xml.empty() ? nullptr : &inventory);
        ASSERT_FALSE(read);
        for (const std::string& words : c.said) EXPECT_NE(read.error().message.find(words), std::string::npos) << read.error().message;
    }
}

TEST(MseedReader, BitFlipsNeverCrashNorGiveImplausibleValues) {
    const std::string good = ThreeChannels(2000);
    const StationInventory inventory = InventoryOf(ThreeXmlChannels());
    std::uint32_t state = 12345;
    int refused = 0;
    for (int trial = 0; trial < 400; ++trial) {
        std::string bytes = good;
        for (int flips = 0; flips < 1 + trial % 4; ++flips) {
            state = state * 1664525u + 1013904223u;
            const std::size_t at = state % bytes.size();
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << (state >> 29)));
        }
        if (trial % 7 == 0) bytes.resize(state % bytes.size());
        const Result<AgencyFile> read = Read(bytes, &inventory);
        if (!read) {
            ++refused;
            EXPECT_FALSE(read.error().message.empty());
            continue;
        }
        for (const AgencyChannel& c : read.value().channels) {
            EXPECT_EQ(c.gal.size(), static_cast<std::size_t>(c.statedCount));
            for (const float v : c.gal) ASSERT_TRUE(std::isfinite(v) && std::fabs(v) <= MAX_PLAUSIBLE_GAL);
        }
    }
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace tremblo
