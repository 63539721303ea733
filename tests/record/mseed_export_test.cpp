// A K-NET record written as miniSEED with its StationXML and read back
// through the reader: the same float samples bit for bit, and the same
// station, position, start time, interval and orientations.
#include "record/mseed_export.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <sstream>

#include "common/format.h"
#include "record/mseed_reader.h"
#include "record/record_session.h"
#include "record/sac_export.h"
#include "stations/station_xml.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

class MseedExportTest : public ::testing::Test {
protected:
    MseedExportTest() : session(platform, directory) {}

    const SeismicRecord& LoadKnet() {
        EXPECT_EQ(session.LoadPath(testing::SamplePath("samples/knet/AIC0012411051012.NS"),
                                   LoadSettings{RecordFormat::Knet, true, true}),
                  LoadStatus::Loaded);
        return session.record();
    }

    StationDirectory directory;
    testing::ScriptedPlatform platform;
    RecordSession session;
    testing::TempFolder temp;
};

std::uint32_t Bits(float v) {
    std::uint32_t b;
    std::memcpy(&b, &v, 4);
    return b;
}

TEST_F(MseedExportTest, KnetRecordRoundTripsBitForBit) {
    const SeismicRecord& r = LoadKnet();
    ASSERT_TRUE(r.recordLoaded);
    const std::optional<MseedExportFiles> files = RecordMseedFiles(r, "AIC001");
    ASSERT_TRUE(files);
    EXPECT_EQ(files->mseedName, "AIC001.mseed");
    EXPECT_EQ(files->xmlName, "AIC001.xml");
    EXPECT_EQ(files->mseedBytes.size() % MSEED_EXPORT_RECORD_LENGTH, 0u);
    const Result<StationInventory> inventory = ParseStationXml(files->xmlText, "AIC001.xml");
    ASSERT_TRUE(inventory) << inventory.error().message;
    std::istringstream in(files->mseedBytes);
    AgencyReadOptions options;
    options.inventory = &inventory.value();
    const Result<AgencyFile> back = ReadMseedFile(in, options);
    ASSERT_TRUE(back) << back.error().message;
    const std::vector<AgencyChannel>& channels = back.value().channels;
    ASSERT_EQ(channels.size(), 3u);
    const char* codes[] = {"HNN", "HNE", "HNZ"};
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(codes[c]);
        const AgencyChannel& ch = channels[static_cast<std::size_t>(c)];
        EXPECT_EQ(ch.header.componentName, codes[c]);
        ASSERT_EQ(ch.gal.size(), static_cast<std::size_t>(r.sampleCount));
        for (int i = 0; i < r.sampleCount; ++i)
            ASSERT_EQ(Bits(ch.gal[static_cast<std::size_t>(i)]), Bits(r.samples[c][i])) << i;
        EXPECT_EQ(static_cast<float>(ch.dt), r.dt);
        EXPECT_EQ(ch.header.network, "XX");
        // The six-character code comes back through the StationXML's alternateCode.
        EXPECT_EQ(ch.header.stationCode, "AIC001");
        EXPECT_EQ(static_cast<float>(*ch.header.stationLat), r.stationLat);
        EXPECT_EQ(static_cast<float>(*ch.header.stationLon), r.stationLon);
        EXPECT_EQ(*ch.header.stationElevationM, r.stationHeight);
        EXPECT_EQ(ch.header.firstSampleTime, RecordStartUtc(r));
        EXPECT_EQ(ch.header.vertical, r.orientation[c].vertical);
        EXPECT_EQ(ch.header.azimuthDeg, r.orientation[c].azimuthDeg);
    }
}

TEST_F(MseedExportTest, SameRecordGivesTheSameBytes) {
    const SeismicRecord& r = LoadKnet();
    const std::optional<MseedExportFiles> a = RecordMseedFiles(r, "X"), b = RecordMseedFiles(r, "X");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->mseedBytes, b->mseedBytes);
    EXPECT_EQ(a->xmlText, b->xmlText);
}

TEST(SeedStationCode, FitsFiveCharactersWithoutClashes) {
    const struct {
        const char* given;
        const char* code;
    } cases[] = {{"AIC001", "AIC01"}, {"MYG004", "MYG04"}, {"MYG104", "MYG2W"}, {"ABC", "ABC"},
                 {"anmo", "ANMO"},    {"TKYH12", "TKYH1"}, {"", "XXXXX"},       {"A-B.C", "ABC"}};
    for (const auto& c : cases) EXPECT_EQ(SeedStationCode(c.given), c.code) << c.given;
    // 1296 three-digit numbers, each its own code.
    std::set<std::string> seen;
    for (int n = 0; n < 1000; ++n) seen.insert(SeedStationCode(StringPrintf("MYG%03d", n)));
    EXPECT_EQ(seen.size(), 1000u);
}

TEST(MseedSampleRate, WholeRatesForFloatIntervals) {
    EXPECT_EQ(MseedSampleRate(0.01f), 100.0);
    EXPECT_EQ(MseedSampleRate(0.005f), 200.0);
    EXPECT_EQ(MseedSampleRate(0.02f), 50.0);
    EXPECT_DOUBLE_EQ(MseedSampleRate(0.3f), 1.0 / static_cast<double>(0.3f));
}

}  // namespace
}  // namespace tremblo
