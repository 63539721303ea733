// A K-NET record written as SAC files and read back: the same samples
// bit for bit (values in gal), header values and record.
#include "record/sac_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

#include "record/record_session.h"
#include "record/sac_reader.h"
#include "support/sac_fixtures.h"
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

TEST_F(SacExportTest, KnetRecordRoundTripsThroughSac) {
    LoadKnet();
    const SeismicRecord& r = session.record();
    const std::vector<SacFile> files = RecordSacFiles(r, "AIC001");
    ASSERT_EQ(files.size(), 3u);
    const char* names[] = {"AIC001_NS.sac", "AIC001_EW.sac", "AIC001_UD.sac"};
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(names[c]);
        EXPECT_EQ(files[static_cast<std::size_t>(c)].name, names[c]);
        const Result<AgencyFile> back = ReadBack(files[static_cast<std::size_t>(c)].bytes);
        ASSERT_TRUE(back) << back.error().message;
        const AgencyChannel& ch = back.value().channels.front();
        ASSERT_EQ(static_cast<int>(ch.gal.size()), r.sampleCount);
        EXPECT_FLOAT_EQ(static_cast<float>(ch.dt), r.dt);
        EXPECT_TRUE(std::equal(ch.gal.begin(), ch.gal.end(), r.samples[c].data(),
                               [](float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }));
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
        EXPECT_EQ(written.Text(kKuser0), "cm/s2");
        EXPECT_EQ(*written.Int(kIfType), SAC_ITIME);
        EXPECT_EQ(*written.Int(kLeven), 1);
        EXPECT_DOUBLE_EQ(*written.Float(kO), -25.0);
    }
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
        for (int i = 0; i < r.sampleCount; ++i)
            EXPECT_EQ(r.samples[c][i], samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)]);
}

TEST_F(SacExportTest, NonFiniteSampleWritesNothing) {
    LoadKnet();
    SeismicRecord& r = const_cast<SeismicRecord&>(session.record());
    r.samples[1][10] = std::nanf("");
    EXPECT_TRUE(RecordSacFiles(r, "X").empty());
}

// Files that do not state their unit: the window asks once for the whole
// record; a cancelled question leaves the file refused, saying why.
TEST_F(SacExportTest, UnstatedUnitIsAskedOnceForTheRecord) {
    const char* codes[] = {"HNN", "HNE", "HNZ"};
    for (int c = 0; c < 3; ++c) {
        testing::SacFixture f;
        f.idep = 5;  // IUNKN
        f.kstnm = "TST";
        f.kcmpnm = codes[c];
        f.values = {1.0f, -2.0f, 0.5f};
        temp.Write(std::string("TST_") + codes[c] + ".sac", testing::SacBytes(f, testing::SacForm::Little));
    }
    struct Case {
        std::optional<int> answer;
        std::optional<double> galPerUnit;  // nothing: refused
    } cases[] = {{0, 1.0}, {1, 100.0}, {2, 1.0e-7}, {3, 980.665}, {std::nullopt, std::nullopt}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.answer ? *k.answer : -1);
        platform.choiceAnswers = {k.answer};
        platform.choiceItems.clear();
        platform.messages.clear();
        const LoadStatus status = session.LoadPath(temp / "TST_HNZ.sac", LoadSettings{RecordFormat::Knet, true, true, true});
        EXPECT_EQ(platform.choiceItems.size(), 1u);
        if (!platform.choiceItems.empty()) {
            EXPECT_EQ(platform.choiceItems.front(), (std::vector<std::string>{"gal", "m/s2", "nm/s2", "g"}));
        }
        if (!k.galPerUnit) {
            EXPECT_EQ(status, LoadStatus::Failed);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(platform.messages.front().text.find("IDEP"), std::string::npos);
            continue;
        }
        ASSERT_EQ(status, LoadStatus::Loaded);
        const SeismicRecord& r = session.record();
        ASSERT_EQ(r.componentCount, 3);
        for (int c = 0; c < 3; ++c) {
            EXPECT_FLOAT_EQ(r.samples[c][1], static_cast<float>(-2.0 * *k.galPerUnit));
        }
    }
    // A unit chosen beforehand (the batch's --units) asks nothing.
    platform.choiceItems.clear();
    LoadSettings chosen{RecordFormat::Knet, true, true, true};
    chosen.galPerUnstatedUnit = 100.0;
    EXPECT_EQ(session.LoadPath(temp / "TST_HNN.sac", chosen), LoadStatus::Loaded);
    EXPECT_TRUE(platform.choiceItems.empty());
}

}  // namespace
}  // namespace tremblo
