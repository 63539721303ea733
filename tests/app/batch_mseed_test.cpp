// The batch and miniSEED: --export mseed writes the bytes the main window's
// export writes, --inventory turns counts into gal, each sensor of a file is
// a record of its own, and every bad input fails its record (status 1, the
// file and the channel named, nothing written).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/program_run.h"
#include "record/mseed_export.h"
#include "record/record_session.h"
#include "stations/station_directory.h"
#include "support/mseed_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::MseedBytes;
using testing::MseedChannelFixture;
using testing::StationXmlDocument;
using testing::TempFolder;
using testing::ThreeXmlChannels;

int CountFiles(const std::string& folder, const std::string& extension) {
    int n = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) n += entry.path().extension() == extension;
    return n;
}

MseedChannelFixture Channel(const std::string& station, const std::string& code, int n = 3000) {
    MseedChannelFixture f;
    f.station = station;
    f.channel = code;
    f.counts = testing::FixtureCounts(n, 53, static_cast<std::int32_t>(code.back()));
    return f;
}

std::string Station(const std::string& station, const std::string& band = "HN") {
    return MseedBytes(Channel(station, band + "N")) + MseedBytes(Channel(station, band + "E")) +
           MseedBytes(Channel(station, band + "Z"));
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(BatchMseed, ExportWritesTheWindowsBytes) {
    TempFolder folder;
    for (const char* c : {"NS", "EW", "UD"})
        folder.Write(std::string("in/AIC0012411051012.") + c,
                     testing::ReadWholeFile(testing::SamplePath(std::string("samples/knet/AIC0012411051012.") + c)));
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--export", "mseed", "--out", folder / "out", "--data", testing::SamplePath("data/DATA"),
                 folder / "in/AIC0012411051012.NS"},
        60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    StationDirectory directory;
    testing::ScriptedPlatform platform;
    LoadStationDirectory(testing::SamplePath("data/DATA"), directory, platform);
    RecordSession session(platform, directory);
    ASSERT_EQ(session.LoadPath(folder / "in/AIC0012411051012.NS", LoadSettings{RecordFormat::Knet, true, true}),
              LoadStatus::Loaded);
    const std::optional<MseedExportFiles> window = RecordMseedFiles(session.record(), session.record().eventName);
    ASSERT_TRUE(window);
    EXPECT_EQ(CountFiles(folder / "out", ".mseed"), 1);
    EXPECT_EQ(CountFiles(folder / "out", ".xml"), 1);
    EXPECT_TRUE(testing::ReadWholeFile(folder / ("out/" + window->mseedName)) == window->mseedBytes) << window->mseedName;
    EXPECT_EQ(testing::ReadWholeFile(folder / ("out/" + window->xmlName)), window->xmlText);

    // Read back by the batch with its StationXML: one record, as written.
    const testing::ProgramRun back = testing::RunProgram(
        folder, {"--inventory", folder / ("out/" + window->xmlName), "--summary", folder / "s.csv",
                 folder / ("out/" + window->mseedName)},
        60);
    ASSERT_EQ(back.status, 0) << back.out << back.err;
    const std::vector<std::string> rows = Lines(testing::ReadWholeFile(folder / "s.csv"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[1].find(",mseed,"), std::string::npos) << rows[1];
    EXPECT_NE(rows[1].find("AIC001"), std::string::npos) << rows[1];
}

TEST(BatchMseed, EachStationOfAFileIsARecord) {
    TempFolder folder;
    const std::string file = folder.Write("in/two.mseed", Station("STA01") + Station("STA02"));
    std::vector<testing::XmlChannelFixture> xml = ThreeXmlChannels("STA01");
    for (const auto& c : ThreeXmlChannels("STA02")) xml.push_back(c);
    const std::string inventory = folder.Write("inv/all.xml", StationXmlDocument(xml));
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--inventory", folder / "inv", "--summary", folder / "s.csv", "--export", "mseed", "--out", folder / "out", file}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::vector<std::string> rows = Lines(testing::ReadWholeFile(folder / "s.csv"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[1].find("STA01"), std::string::npos) << rows[1];
    EXPECT_NE(rows[2].find("two.mseed#2"), std::string::npos) << rows[2];
    EXPECT_NE(rows[2].find("STA02"), std::string::npos) << rows[2];
    EXPECT_EQ(CountFiles(folder / "out", ".mseed"), 2);
}

struct BadRun {
    const char* name;
    std::string data;
    std::string xml;  // "": no --inventory
    std::vector<std::string> said;
    std::vector<std::string> extra = {};
};

TEST(BatchMseed, BadInputFailsTheRecordAndWritesNothing) {
    const std::string good = Station("STA01");
    const std::string inventory = StationXmlDocument(ThreeXmlChannels("STA01"));
    std::vector<testing::XmlChannelFixture> zero = ThreeXmlChannels("STA01");
    zero[0].sensitivity = "0";
    MseedChannelFixture fast = Channel("STA01", "HNE");
    fast.sampleRate = 50.0;
    MseedChannelFixture later = Channel("STA01", "HNZ", 1000);
    later.startMicros += 12'000'000;
    const std::vector<BadRun> cases = {
        {"no inventory", good, "", {"data.mseed", "XX.STA01..HNN", "--inventory"}},
        {"channel missing", good, StationXmlDocument(ThreeXmlChannels("STA02")), {"data.mseed", "XX.STA01..HNN"}},
        {"zero sensitivity", good, StationXmlDocument(zero), {"data.mseed", "XX.STA01..HNN", "inv.xml"}},
        {"malformed XML", good, inventory.substr(0, inventory.size() / 2), {"data.mseed", "inv.xml"}},
        {"not StationXML", good, "<?xml version=\"1.0\"?><quakeml/>", {"data.mseed", "inv.xml", "FDSNStationXML"}},
        {"truncated", good.substr(0, good.size() - 300), inventory, {"data.mseed"}},
        {"rates differ", MseedBytes(Channel("STA01", "HNN")) + MseedBytes(fast) + MseedBytes(Channel("STA01", "HNZ")),
         inventory, {"data.mseed", "XX.STA01..HNE"}},
        {"gap", MseedBytes(Channel("STA01", "HNZ", 1000)) + MseedBytes(later), inventory, {"data.mseed", "XX.STA01..HNZ"}},
        {"velocity sensor", Station("STA01", "HH"), StationXmlDocument(ThreeXmlChannels("STA01", "HH")),
         {"data.mseed", "XX.STA01..HH", "--differentiate-velocity"}},
    };
    for (const BadRun& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string data = folder.Write("data.mseed", c.data);
        std::vector<std::string> args = {"--export", "mseed", "--out", folder / "out"};
        if (!c.xml.empty()) {
            args.push_back("--inventory");
            args.push_back(folder.Write("inv.xml", c.xml));
        }
        args.push_back(data);
        const testing::ProgramRun run = testing::RunProgram(folder, args, 60);
        EXPECT_EQ(run.status, 1) << run.out << run.err;
        for (const std::string& words : c.said) EXPECT_NE(run.err.find(words), std::string::npos) << words << "\n" << run.err;
        EXPECT_EQ(CountFiles(folder / "out", ".mseed"), 0);
    }
}

TEST(BatchMseed, VelocitySensorsAreReadWhenAsked) {
    TempFolder folder;
    const std::string data = folder.Write("v.mseed", Station("STA01", "HH"));
    std::vector<testing::XmlChannelFixture> xml = ThreeXmlChannels("STA01", "HH");
    for (auto& c : xml) c.inputUnits = "M/S";
    const std::string inventory = folder.Write("v.xml", StationXmlDocument(xml));
    const testing::ProgramRun refused =
        testing::RunProgram(folder, {"--inventory", inventory, "--summary", folder / "a.csv", data}, 60);
    EXPECT_EQ(refused.status, 1) << refused.err;
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--inventory", inventory, "--differentiate-velocity", "--summary", folder / "b.csv", data}, 60);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
}

}  // namespace
}  // namespace tremblo
