// A K-NET record written as SAC files and read back: the same samples
// (within the rounding of nm/s^2 to float), header values and record.
#include "record/sac_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "record/record_session.h"
#include "record/sac_reader.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

class SacExportTest : public ::testing::Test {
protected:
    SacExportTest() : session(platform, directory) {}

    void LoadKnet() {
        ASSERT_EQ(session.LoadPath(testing::SamplePath("samples/knet/AIC0012411051012.NS"),
                                   LoadSettings{RecordFormat::Knet, true, true}),
                  LoadStatus::Loaded);
    }

    StationDirectory directory;
    testing::ScriptedPlatform platform;
    RecordSession session;
    testing::TempFolder temp;
};

Result<AgencyFile> ReadBack(const std::string& bytes) {
    std::istringstream in(bytes);
    return ReadSacFile(in);
}

// Floats between a and b (0: equal).
long long UlpsApart(float a, float b) {
    long long steps = 0;
    while (a != b && steps < 1000) {
        a = std::nextafter(a, b);
        ++steps;
    }
    return steps;
}

TEST_F(SacExportTest, KnetRecordRoundTripsThroughSac) {
    LoadKnet();
    const SeismicRecord& r = session.record();
    const std::vector<SacFile> files = RecordSacFiles(r, "AIC001");
    ASSERT_EQ(files.size(), 3u);
    const char* names[] = {"AIC001_NS.sac", "AIC001_EW.sac", "AIC001_UD.sac"};
    long long worst = 0;
    int exact = 0;
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(names[c]);
        EXPECT_EQ(files[static_cast<std::size_t>(c)].name, names[c]);
        const Result<AgencyFile> back = ReadBack(files[static_cast<std::size_t>(c)].bytes);
        ASSERT_TRUE(back) << back.error().message;
        const AgencyChannel& ch = back.value().channels.front();
        ASSERT_EQ(static_cast<int>(ch.gal.size()), r.sampleCount);
        EXPECT_FLOAT_EQ(static_cast<float>(ch.dt), r.dt);
        // Two roundings to float (to nm/s^2 and back to gal): at most one
        // float step from the sample.
        for (int i = 0; i < r.sampleCount; ++i) {
            const long long apart = UlpsApart(ch.gal[static_cast<std::size_t>(i)], r.samples[c][i]);
            worst = std::max(worst, apart);
            exact += apart == 0;
        }
        const ChannelHeader& h = ch.header;
        EXPECT_EQ(h.stationCode, "AIC001");
        EXPECT_NEAR(*h.stationLat, 35.165, 1e-5);
        EXPECT_NEAR(*h.stationLon, 136.965, 1e-5);
        EXPECT_DOUBLE_EQ(*h.stationElevationM, 12.0);
        EXPECT_NEAR(*h.epicenterLat, 34.512, 1e-5);
        EXPECT_NEAR(*h.epicenterLon, 136.874, 1e-5);
        EXPECT_DOUBLE_EQ(*h.depthKm, 42.0);
        EXPECT_NEAR(*h.magnitude, 6.3, 1e-6);
        // JST 10:12:25 and 10:12:00 are 01:12:25 and 01:12:00 UTC.
        EXPECT_EQ(*h.firstSampleTime, (StatedTime{2024, 11, 5, 1, 12, 25.0}));
        EXPECT_EQ(*h.originTime, (StatedTime{2024, 11, 5, 1, 12, 0.0}));
        EXPECT_EQ(h.vertical, c == 2);
        if (c < 2) {
            EXPECT_DOUBLE_EQ(*h.azimuthDeg, c == 0 ? 0.0 : 90.0);
        }
        EXPECT_EQ(h.componentName, std::string(names[c]).substr(7, 2));
        // The header's extremes and mean of the values written.
        const std::string& bytes = files[static_cast<std::size_t>(c)].bytes;
        const SacHeader written = DecodeSacBinaryHeader(bytes, SacByteOrder::Little);
        EXPECT_EQ(*SacBinaryByteOrder(bytes), SacByteOrder::Little);
        EXPECT_EQ(bytes.size(), SAC_HEADER_BYTES + 4u * static_cast<std::size_t>(r.sampleCount));
        double low = 1e30, high = -1e30, sum = 0.0;
        for (int i = 0; i < r.sampleCount; ++i) {
            const double v = static_cast<double>(SacFloatAt(bytes, SAC_HEADER_BYTES + 4u * static_cast<std::size_t>(i),
                                                            SacByteOrder::Little));
            low = std::min(low, v);
            high = std::max(high, v);
            sum += v;
        }
        EXPECT_EQ(*written.Float(kDepMin), static_cast<double>(static_cast<float>(low)));
        EXPECT_EQ(*written.Float(kDepMax), static_cast<double>(static_cast<float>(high)));
        EXPECT_NEAR(*written.Float(kDepMen), sum / r.sampleCount, 1e-6 * std::fabs(high - low));
        EXPECT_EQ(*written.Float(kB), 0.0);
        EXPECT_NEAR(*written.Float(kE), 0.01 * (r.sampleCount - 1), 1e-4);
        EXPECT_EQ(*written.Int(kIdep), SAC_IACC);
        EXPECT_EQ(*written.Int(kIfType), SAC_ITIME);
        EXPECT_EQ(*written.Int(kLeven), 1);
        EXPECT_DOUBLE_EQ(*written.Float(kO), -25.0);
    }
    EXPECT_LE(worst, 1);
    std::printf("round trip: %d of %d samples exact, the others one float step apart\n", exact, 3 * r.sampleCount);
}

TEST_F(SacExportTest, ExportedFilesLoadAsOneRecord) {
    LoadKnet();
    const SeismicRecord& original = session.record();
    std::vector<std::vector<float>> samples(3);
    for (int c = 0; c < 3; ++c) samples[static_cast<std::size_t>(c)].assign(original.samples[c].data(),
                                                                            original.samples[c].data() + original.sampleCount);
    for (const SacFile& f : RecordSacFiles(original, "AIC001")) temp.Write(f.name, f.bytes);
    const int count = original.sampleCount;
    LoadSettings settings{RecordFormat::Knet, true, true, true};  // recognised by content
    ASSERT_EQ(session.LoadPath(temp / "AIC001_UD.sac", settings), LoadStatus::Loaded);
    EXPECT_EQ(session.loadedFormat(), RecordFormat::Sac);
    const SeismicRecord& r = session.record();
    ASSERT_EQ(r.componentCount, 3);
    ASSERT_EQ(r.sampleCount, count);
    EXPECT_EQ(r.componentPath[0], temp / "AIC001_NS.sac");
    EXPECT_EQ(r.componentPath[1], temp / "AIC001_EW.sac");
    EXPECT_EQ(r.componentPath[2], temp / "AIC001_UD.sac");
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < r.sampleCount; i += 97)
            EXPECT_LE(UlpsApart(r.samples[c][i], samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)]), 1);
}

TEST_F(SacExportTest, NonFiniteSampleWritesNothing) {
    LoadKnet();
    SeismicRecord& r = const_cast<SeismicRecord&>(session.record());
    r.samples[1][10] = std::nanf("");
    EXPECT_TRUE(RecordSacFiles(r, "X").empty());
}

}  // namespace
}  // namespace tremblo
