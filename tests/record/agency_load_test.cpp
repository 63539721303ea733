// Loading agency records: component files found by what they state, rows by
// orientation, header values as stated, and refusals that name the files.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "common/shift_jis.h"
#include "input/archive_member.h"
#include "input/member_file_source.h"
#include "record/record_grouping.h"
#include "record/record_session.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/text_fixtures.h"

namespace tremblo {
namespace {

using testing::PeerFixture;
using testing::PeerText;

std::vector<double> Ramp(int n, double scale) {
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) values[static_cast<std::size_t>(i)] = scale * std::sin(0.01 * (i + 1));
    return values;
}

std::string Peer(const std::string& event, const std::string& station, const std::string& component, int n,
                 const char* dt = ".0050", double scale = 0.1) {
    PeerFixture f;
    f.eventLine = event + ", 10/18/1989, " + station + ", " + component;
    f.dtText = dt;
    f.values = Ramp(n, scale);
    return PeerText(f);
}

class AgencyLoadTest : public ::testing::Test {
protected:
    AgencyLoadTest() : session(platform, directory) {}

    LoadStatus Load(const std::string& path, bool three = true) {
        platform.messages.clear();
        return session.LoadPath(path, LoadSettings{RecordFormat::Knet, three, true, true});
    }
    std::string Message() const { return platform.messages.empty() ? std::string() : platform.messages.back().text; }

    // Three PEER components of one station, a fourth of another station of
    // the same event and a velocity file beside them.
    void WritePeerFolder() {
        temp.Write("RSN763_LOMAP_GIL067.AT2", Peer("Loma Prieta", "Gilroy Array #1", "67", 400));
        temp.Write("RSN763_LOMAP_GIL337.AT2", Peer("Loma Prieta", "Gilroy Array #1", "337", 400, ".0050", 0.2));
        temp.Write("RSN763_LOMAP_GIL-UP.AT2", Peer("Loma Prieta", "Gilroy Array #1", "UP", 400, ".0050", 0.05));
        temp.Write("RSN764_LOMAP_G02000.AT2", Peer("Loma Prieta", "Gilroy Array #2", "0", 400));
        std::string velocity = Peer("Loma Prieta", "Gilroy Array #1", "67", 400);
        velocity.replace(velocity.find("ACCELERATION"), 12, "VELOCITY");
        temp.Write("RSN763_LOMAP_GIL067.VT2", velocity);
    }

    StationDirectory directory;
    testing::ScriptedPlatform platform;
    RecordSession session;
    testing::TempFolder temp;
};

TEST_F(AgencyLoadTest, AnyComponentFileLoadsTheStationsRecordWithItsAzimuths) {
    WritePeerFolder();
    for (const char* chosen : {"RSN763_LOMAP_GIL067.AT2", "RSN763_LOMAP_GIL-UP.AT2", "RSN763_LOMAP_GIL337.AT2"}) {
        ASSERT_EQ(Load(temp / chosen), LoadStatus::Loaded) << chosen << ": " << Message();
        EXPECT_TRUE(platform.messages.empty()) << Message();  // no unknown-station warning
        EXPECT_EQ(session.loadedFormat(), RecordFormat::Peer);
        const SeismicRecord& r = session.record();
        ASSERT_EQ(r.componentCount, 3);
        // 337 degrees is nearer north than 67: it takes the first row.
        EXPECT_EQ(r.componentPath[0], temp / "RSN763_LOMAP_GIL337.AT2");
        EXPECT_EQ(r.componentPath[1], temp / "RSN763_LOMAP_GIL067.AT2");
        EXPECT_EQ(r.componentPath[2], temp / "RSN763_LOMAP_GIL-UP.AT2");
        EXPECT_EQ(SjisToUtf8(r.componentLabel[0].view()), "337\xC2\xB0");
        EXPECT_EQ(SjisToUtf8(r.componentLabel[1].view()), "067\xC2\xB0");
        EXPECT_EQ(SjisToUtf8(r.componentLabel[2].view()), "UD");
        EXPECT_EQ(r.orientation[0].azimuthDeg, 337.0);
        EXPECT_TRUE(r.orientation[2].vertical);
        EXPECT_EQ(r.dt, 0.005f);
        EXPECT_EQ(r.samplingFrequency, 200);
        EXPECT_EQ(r.sampleCount, 400);
        // g to gal, as the file gives them (no mean removed).
        EXPECT_FLOAT_EQ(r.samples[0][9], static_cast<float>(0.2 * std::sin(0.1) * 980.665));
        EXPECT_FLOAT_EQ(r.samples[2][0], static_cast<float>(0.05 * std::sin(0.01) * 980.665));
        EXPECT_EQ(r.stated.stationName, "Gilroy Array #1");
        EXPECT_EQ(r.eventName, "RSN763_LOMAP_GIL");  // PEER states no time of day
        EXPECT_EQ(session.labels().label6, NoDataLabel());
        EXPECT_EQ(session.labels().label23, "Gilroy Array #1");
        EXPECT_EQ(session.labels().label14, r.componentPath[0] + " ほか 2 ファイル");
    }
    ASSERT_EQ(Load(temp / "RSN763_LOMAP_GIL067.AT2", false), LoadStatus::Loaded) << Message();
    EXPECT_EQ(session.record().componentCount, 1);
    EXPECT_EQ(SjisToUtf8(session.record().componentLabel[0].view()), "067\xC2\xB0");
    EXPECT_EQ(session.record().eventName, "RSN763_LOMAP_GIL067");
}

TEST_F(AgencyLoadTest, ComponentsThatDoNotFitAreRefusedNamingBothFiles) {
    const struct {
        const char* what;
        std::string secondFile;
        const char* expected;
    } cases[] = {
        {"interval", Peer("Loma Prieta", "Gilroy Array #1", "337", 400, ".0100"), "サンプリング間隔"},
        {"count", Peer("Loma Prieta", "Gilroy Array #1", "337", 399), "データ数"},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        folder.Write("A067.AT2", Peer("Loma Prieta", "Gilroy Array #1", "67", 400));
        folder.Write("A337.AT2", c.secondFile);
        folder.Write("A-UP.AT2", Peer("Loma Prieta", "Gilroy Array #1", "UP", 400));
        ASSERT_EQ(Load(folder / "A067.AT2"), LoadStatus::Failed) << c.what;
        EXPECT_NE(Message().find(c.expected), std::string::npos) << c.what << ": " << Message();
        EXPECT_NE(Message().find("A337.AT2"), std::string::npos) << Message();
        EXPECT_NE(Message().find("A067.AT2"), std::string::npos) << Message();
        EXPECT_FALSE(session.record().recordLoaded);
    }
}

TEST_F(AgencyLoadTest, AFailedLoadLeavesTheRecordAsItWas) {
    WritePeerFolder();
    ASSERT_EQ(Load(temp / "RSN763_LOMAP_GIL067.AT2"), LoadStatus::Loaded);
    const float kept = session.record().samples[0][5];
    EXPECT_EQ(Load(temp / "RSN763_LOMAP_GIL067.VT2"), LoadStatus::Failed);
    EXPECT_NE(Message().find("RSN763_LOMAP_GIL067.VT2"), std::string::npos) << Message();
    EXPECT_EQ(session.record().samples[0][5], kept);
    EXPECT_EQ(session.loadedFormat(), RecordFormat::Peer);
}

TEST_F(AgencyLoadTest, AFileHoldingEveryComponentIsARecordAlone) {
    testing::KnetCsvFixture csv = testing::TypicalKnetCsvFixture({Ramp(300, 10.0), Ramp(300, 20.0), Ramp(300, 5.0)});
    temp.Write("MYG004.csv", testing::KnetCsvText(csv));
    ASSERT_EQ(Load(temp / "MYG004.csv"), LoadStatus::Loaded) << Message();
    const SeismicRecord& r = session.record();
    EXPECT_EQ(session.loadedFormat(), RecordFormat::KnetCsv);
    ASSERT_EQ(r.componentCount, 3);
    EXPECT_EQ(r.componentLabel[0].view(), "NS");
    EXPECT_EQ(r.componentLabel[1].view(), "EW");
    EXPECT_EQ(r.componentLabel[2].view(), "UD");
    EXPECT_EQ(r.samplingFrequency, 100);
    EXPECT_EQ(r.stationCode.view(), "MYG004");
    EXPECT_TRUE(r.stated.originTime.has_value());
    EXPECT_TRUE(r.stated.stationLat.has_value());
    EXPECT_EQ(r.componentPath[0], r.componentPath[2]);
}

// A KiK-net CSV file's surface and borehole sets: each a record, the second
// read as FILE#2, the first saying that the second is there.
TEST_F(AgencyLoadTest, AFileOfTwoSetsGivesTwoRecords) {
    testing::KnetCsvFixture csv = testing::TypicalKnetCsvFixture(
        {Ramp(200, 10.0), Ramp(200, 20.0), Ramp(200, 5.0), Ramp(200, 1.0), Ramp(200, 2.0), Ramp(200, 0.5)});
    csv.firstLine = "#KiK-net CSV";
    csv.columns = {"N-S1(gal)", "E-W1(gal)", "U-D1(gal)", "N-S2(gal)", "E-W2(gal)", "U-D2(gal)"};
    const std::string file = temp.Write("IWTH25.csv", testing::KnetCsvText(csv));
    ASSERT_EQ(Load(file), LoadStatus::Loaded) << Message();
    EXPECT_NE(Message().find("2 組あります"), std::string::npos) << Message();
    EXPECT_EQ(session.record().componentSet, 0);
    EXPECT_EQ(session.record().componentSetCount, 2);
    EXPECT_FLOAT_EQ(session.record().samples[1][0], 0.2f);  // 20 sin(0.01) as the file writes it, "0.200"
    const std::string first = session.record().eventName;

    ASSERT_EQ(Load(file + "#2"), LoadStatus::Loaded) << Message();
    EXPECT_TRUE(platform.messages.empty()) << Message();
    EXPECT_EQ(session.record().componentSet, 1);
    EXPECT_EQ(session.record().componentPath[0], file);
    EXPECT_FLOAT_EQ(session.record().samples[1][0], 0.02f);  // the second set's E-W, "0.020"
    EXPECT_EQ(session.record().eventName, first + "_2");
    EXPECT_EQ(session.labels().label14, file + "#2");

    EXPECT_EQ(Load(file + "#3"), LoadStatus::Failed);
    EXPECT_NE(Message().find("3 組目はありません"), std::string::npos) << Message();
    EXPECT_EQ(session.record().componentSet, 1);  // the record before stays
}

TEST_F(AgencyLoadTest, AutomaticLoadsTheDescribedFormatsAsBefore) {
    ASSERT_EQ(Load(testing::SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    EXPECT_EQ(session.loadedFormat(), RecordFormat::Knet);
    EXPECT_EQ(session.record().orientation[1].azimuthDeg, 90.0);
    ASSERT_EQ(Load(testing::SamplePath("samples/cdpc/CDPC_SYNTH.ew")), LoadStatus::Loaded);
    EXPECT_EQ(session.loadedFormat(), RecordFormat::Cdpc);
}

TEST_F(AgencyLoadTest, CdpcRecordsTakeTheStatedInterval) {
    const std::string line = "    1.0000   -2.5000   10.2500 -100.0000    0.0000    3.0000   -4.0000    5.5000\n";
    for (const char* ext : {"ns", "ew", "ud"}) temp.Write(std::string("C.") + ext, "NDATA= 16 dT=0.050\n" + line + line);
    ASSERT_EQ(session.LoadPath(temp / "C.ns", LoadSettings{RecordFormat::Cdpc, true, true}), LoadStatus::Loaded);
    EXPECT_EQ(session.record().dt, 0.05f);
    EXPECT_EQ(session.record().samplingFrequency, 20);
    EXPECT_EQ(session.labels().label28, "0.80 s");
    temp.Write("C.ud", "NDATA= 16 dT=0.010\n" + line + line);
    platform.messages.clear();
    EXPECT_EQ(session.LoadPath(temp / "C.ns", LoadSettings{RecordFormat::Cdpc, true, true}), LoadStatus::Failed);
    EXPECT_NE(Message().find("サンプリング間隔"), std::string::npos) << Message();
}

// In an archive the members of one record meet by what they state, and a
// record is handed on as soon as its set is full.
TEST_F(AgencyLoadTest, ArchiveMembersGroupByStationAndEvent) {
    const auto member = [](const std::string& name, std::string bytes) {
        ArchiveMember m;
        m.name = m.loadName = name;
        m.bytes = std::move(bytes);
        return m;
    };
    RecordGrouper grouper(GroupingSettings{});
    EXPECT_TRUE(grouper.Add(member("d/RSN763_LOMAP_GIL067.AT2", Peer("Loma Prieta", "Gilroy Array #1", "67", 50))).empty());
    EXPECT_TRUE(grouper.Add(member("d/RSN764_LOMAP_G02000.AT2", Peer("Loma Prieta", "Gilroy Array #2", "0", 50))).empty());
    EXPECT_TRUE(grouper.Add(member("d/RSN763_LOMAP_GIL337.AT2", Peer("Loma Prieta", "Gilroy Array #1", "337", 50))).empty());
    const std::vector<GroupedRecord> done =
        grouper.Add(member("d/RSN763_LOMAP_GIL-UP.AT2", Peer("Loma Prieta", "Gilroy Array #1", "UP", 50)));
    ASSERT_EQ(done.size(), 1u);
    EXPECT_TRUE(done[0].complete);
    EXPECT_EQ(done[0].format, RecordFormat::Peer);
    EXPECT_EQ(done[0].members.size(), 3u);
    const std::vector<GroupedRecord> rest = grouper.Finish();
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].members.front().loadName, "d/RSN764_LOMAP_G02000.AT2");

    // The grouped members load as the record from the files beside each other.
    MemberFileSource source("event.tar", done[0].members);
    session.setFileSource(&source);
    ASSERT_EQ(Load(done[0].chosen()), LoadStatus::Loaded) << Message();
    EXPECT_EQ(session.record().componentCount, 3);
    session.setFileSource(nullptr);
}

}  // namespace
}  // namespace tremblo
