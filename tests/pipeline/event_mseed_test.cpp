// The event window's reading of a folder of miniSEED files with their
// StationXML beside them: a row for each station, with its position from
// the StationXML (the map's), and a failed row naming the channel for a
// station the StationXML does not list.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "pipeline/event_reading.h"
#include "record/inventory_finder.h"
#include "support/mseed_fixtures.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {


std::string Station(const std::string& station) { return testing::ThreeChannelMseed(station, 3000, 29); }

std::vector<EventRecord> ReadAll(const std::string& path, const std::vector<std::string>& inventory = {}) {
    StationDirectory directory;
    EventReading reading(path, directory, 2, false, inventory);
    std::vector<EventRecord> rows;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!reading.progress().finished && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    for (EventRecord& r : reading.Take()) rows.push_back(std::move(r));
    return rows;
}

TEST(EventMseed, StationsComeWithTheirPositionFromTheStationXml) {
    testing::TempFolder folder;
    folder.Write("ev/sta01.mseed", Station("STA01"));
    folder.Write("ev/sta02.mseed", Station("STA02"));
    folder.Write("ev/lost.mseed", Station("LOST"));
    std::vector<testing::XmlChannelFixture> xml = testing::ThreeXmlChannels("STA01");
    for (auto c : testing::ThreeXmlChannels("STA02")) {
        c.latitude = "36.125";
        c.longitude = "140.375";
        xml.push_back(c);
    }
    folder.Write("ev/inventory.xml", testing::StationXmlDocument(xml));
    const std::vector<EventRecord> rows = ReadAll(folder / "ev");
    ASSERT_EQ(rows.size(), 3u);
    int read = 0;
    for (const EventRecord& row : rows) {
        SCOPED_TRACE(row.summaryLine);
        EXPECT_EQ(row.format, RecordFormat::Mseed);
        if (row.file.find("lost") != std::string::npos) {
            EXPECT_TRUE(row.failed);
            EXPECT_NE(row.summaryLine.find("XX.LOST..HN"), std::string::npos);
            continue;
        }
        ++read;
        EXPECT_FALSE(row.failed);
        if (row.file.find("sta02") != std::string::npos) {
            EXPECT_NE(row.summaryLine.find("STA02"), std::string::npos);
            EXPECT_NE(row.summaryLine.find("36.125"), std::string::npos);
            EXPECT_NE(row.summaryLine.find("140.375"), std::string::npos);
        } else {
            EXPECT_NE(row.summaryLine.find("35.5"), std::string::npos);
            EXPECT_NE(row.summaryLine.find("139.25"), std::string::npos);
        }
    }
    EXPECT_EQ(read, 2);
}

// Without a StationXML beside the files, the window's choice serves (the
// window asks for one when NeedsInventoryChoice says so); beside one, the
// files beside come first.
TEST(EventMseed, AChosenStationXmlServesFilesWithNoneBeside) {
    testing::TempFolder folder;
    folder.Write("ev/a/sta01.mseed", Station("STA01"));
    folder.Write("ev/b/sta02.mseed", Station("STA02"));
    std::vector<testing::XmlChannelFixture> beside = testing::ThreeXmlChannels("STA02");
    for (auto& c : beside) c.latitude = "40.5";
    folder.Write("ev/b/sta02.xml", testing::StationXmlDocument(beside));
    EXPECT_TRUE(NeedsInventoryChoice(folder / "ev"));
    EXPECT_FALSE(NeedsInventoryChoice(folder / "ev/b"));
    std::vector<testing::XmlChannelFixture> chosen = testing::ThreeXmlChannels("STA01");
    for (const auto& c : testing::ThreeXmlChannels("STA02")) chosen.push_back(c);  // at 35.5
    const std::string xml = folder.Write("elsewhere/chosen.xml", testing::StationXmlDocument(chosen));

    const std::vector<EventRecord> without = ReadAll(folder / "ev");
    ASSERT_EQ(without.size(), 2u);
    EXPECT_TRUE(without[0].failed) << without[0].summaryLine;
    EXPECT_NE(without[0].summaryLine.find("StationXML"), std::string::npos);

    const std::vector<EventRecord> with = ReadAll(folder / "ev", {xml});
    ASSERT_EQ(with.size(), 2u);
    for (const EventRecord& row : with) EXPECT_FALSE(row.failed) << row.summaryLine;
    EXPECT_NE(with[1].summaryLine.find("40.5"), std::string::npos) << with[1].summaryLine;
}

}  // namespace
}  // namespace tremblo
