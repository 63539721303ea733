// miniSEED opened as the windows open it: the StationXML beside the data is
// found by itself, otherwise asked for once and remembered; each sensor of
// a file is read by FILE#N; damaged files fail and leave the record as it was.
#include <gtest/gtest.h>

#include <random>

#include "record/inventory_finder.h"
#include "record/record_session.h"
#include "support/mseed_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::StationXmlDocument;
using testing::ThreeXmlChannels;

std::string Station(const std::string& station, int n = 2000) { return testing::ThreeChannelMseed(station, n, 41); }

LoadSettings WindowSettings() {
    LoadSettings settings;
    settings.automatic = true;
    settings.findInventory = true;
    return settings;
}

class MseedSession : public ::testing::Test {
protected:
    MseedSession() : session(platform, directory) {}
    StationDirectory directory;
    testing::ScriptedPlatform platform;
    RecordSession session;
    testing::TempFolder temp;
};

TEST_F(MseedSession, InventoryBesideTheDataIsFoundByItsName) {
    const std::string data = temp.Write("ev/sta01.mseed", Station("STA01"));
    temp.Write("ev/sta01.xml", StationXmlDocument(ThreeXmlChannels("STA01")));
    temp.Write("ev/other.xml", "<not-station-xml/>");
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded) << (platform.messages.empty() ? "" : platform.messages[0].text);
    EXPECT_TRUE(platform.openFilters.empty());
    EXPECT_EQ(session.loadedFormat(), RecordFormat::Mseed);
    EXPECT_EQ(session.record().componentCount, 3);
    EXPECT_FLOAT_EQ(session.record().stationLat, 35.5f);
    EXPECT_EQ(InventoryFilesBeside(data), std::vector<std::string>{temp / "ev/sta01.xml"});
}

TEST_F(MseedSession, AnyStationXmlOfTheFolderServesWithoutItsName) {
    const std::string data = temp.Write("ev/data.mseed", Station("STA01"));
    temp.Write("ev/notes.xml", "<html/>");
    temp.Write("ev/inventory.xml", StationXmlDocument(ThreeXmlChannels("STA01")));
    EXPECT_EQ(InventoryFilesBeside(data), std::vector<std::string>{temp / "ev/inventory.xml"});
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
    EXPECT_TRUE(platform.openFilters.empty());
}

TEST_F(MseedSession, WithoutOneTheUserIsAskedOnceForTheSession) {
    const std::string a = temp.Write("a/data.mseed", Station("STA01"));
    const std::string b = temp.Write("b/data.mseed", Station("STA01"));
    const std::string xml = temp.Write("elsewhere/inv.txt", StationXmlDocument(ThreeXmlChannels("STA01")));
    platform.openAnswers.push_back(xml);
    ASSERT_EQ(session.LoadPath(a, WindowSettings()), LoadStatus::Loaded);
    ASSERT_EQ(session.LoadPath(b, WindowSettings()), LoadStatus::Loaded);
    EXPECT_EQ(platform.openFilters.size(), 1u);
}

// Files put beside the data, or written again, during the session serve
// from the next file opened, without a restart.
TEST_F(MseedSession, StationXmlAddedOrChangedDuringTheSessionServes) {
    const std::string data = temp.Write("ev/data.mseed", Station("STA01"));
    EXPECT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Failed);  // none yet, the dialog cancelled
    ASSERT_EQ(platform.openFilters.size(), 1u);

    std::vector<testing::XmlChannelFixture> channels = ThreeXmlChannels("STA01");
    temp.Write("ev/inventory.xml", StationXmlDocument(channels));
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
    EXPECT_EQ(platform.openFilters.size(), 1u);  // found, not asked
    EXPECT_FLOAT_EQ(session.record().stationLat, 35.5f);

    for (auto& c : channels) c.latitude = "36.25";
    temp.Write("ev/inventory.xml", StationXmlDocument(channels));
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
    EXPECT_FLOAT_EQ(session.record().stationLat, 36.25f);

    // A StationXML named after the data, added later, is taken before the folder's.
    for (auto& c : channels) c.latitude = "34.0";
    temp.Write("ev/data.xml", StationXmlDocument(channels));
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
    EXPECT_FLOAT_EQ(session.record().stationLat, 34.0f);
}

TEST_F(MseedSession, CancellingRefusesSayingAnInventoryIsNeeded) {
    const std::string data = temp.Write("a/data.mseed", Station("STA01"));
    EXPECT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Failed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("data.mseed"), std::string::npos);
    EXPECT_NE(platform.messages[0].text.find("StationXML"), std::string::npos);
    EXPECT_FALSE(session.record().recordLoaded);
}

TEST_F(MseedSession, EachSensorIsReadByItsSetNumber) {
    const std::string data = temp.Write("ev/two.mseed", Station("STA01") + Station("STA02", 1500));
    std::vector<testing::XmlChannelFixture> xml = ThreeXmlChannels("STA01");
    for (auto c : ThreeXmlChannels("STA02")) {
        c.latitude = "36.25";
        xml.push_back(c);
    }
    temp.Write("ev/two.xml", StationXmlDocument(xml));
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
    EXPECT_EQ(session.record().sampleCount, 2000);
    EXPECT_EQ(session.record().componentSetCount, 2);
    ASSERT_EQ(session.LoadPath(data + "#2", WindowSettings()), LoadStatus::Loaded);
    EXPECT_EQ(session.record().sampleCount, 1500);
    EXPECT_FLOAT_EQ(session.record().stationLat, 36.25f);
    EXPECT_EQ(session.record().stated.stationCode, "STA02");
}

TEST_F(MseedSession, DamagedFilesFailAndLeaveTheRecordAsItWas) {
    const std::string good = Station("STA01");
    const std::string data = temp.Write("ev/sta01.mseed", good);
    temp.Write("ev/sta01.xml", StationXmlDocument(ThreeXmlChannels("STA01")));
    ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
    const float first = session.record().samples[0][0];
    std::mt19937 random(99);
    int failed = 0;
    for (int trial = 0; trial < 200; ++trial) {
        std::string bytes = good;
        const int edits = 1 + static_cast<int>(random() % 5);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
                case 0: bytes[at] = static_cast<char>(random()); break;
                case 1: bytes.resize(at); break;
                case 2: bytes.insert(at, std::string(random() % 300, static_cast<char>(random()))); break;
            }
            if (bytes.empty()) bytes = "x";
        }
        temp.Write("ev/sta01.mseed", bytes);
        const LoadStatus status = session.LoadPath(data, WindowSettings());
        if (status == LoadStatus::Failed) {
            ++failed;
            EXPECT_EQ(session.record().samples[0][0], first);
            EXPECT_EQ(session.record().sampleCount, 2000);
        } else {
            ASSERT_EQ(status, LoadStatus::Loaded);
            EXPECT_GT(session.record().sampleCount, 0);
            EXPECT_GT(session.record().dt, 0.0f);
            temp.Write("ev/sta01.mseed", good);
            ASSERT_EQ(session.LoadPath(data, WindowSettings()), LoadStatus::Loaded);
        }
    }
    EXPECT_GT(failed, 100);
}

}  // namespace
}  // namespace tremblo
