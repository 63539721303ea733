// The batch over records of every format: a folder of mixed files accounts
// for each of them, PEER AT2 files written read back as the samples, and a
// damaged agency file fails its record alone, with exit status 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "app/program_run.h"
#include "event/summary_row_parse.h"
#include "record/agency_reading.h"
#include "record/peer_reader.h"
#include "support/archive_writer.h"
#include "support/fixed_format_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/text_fixtures.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string Peer(const std::string& component, double peak, int n = 500) {
    testing::PeerFixture f;
    f.eventLine = "Loma Prieta, 10/18/1989, Gilroy Array #1, " + component;
    f.values = testing::TestSignal(n, peak);
    return testing::PeerText(f);
}

std::string Esm(const char* stream, int n = 500) {
    testing::EsmFixture f = testing::TypicalEsmFixture(testing::TestSignal(n, 300.0));
    testing::SetKey(f.keys, "STREAM", stream);
    return testing::EsmText(f);
}

std::string GeoNet() {
    std::vector<testing::GeoNetFixtureComponent> components(3);
    components[0].direction = "N28E", components[0].bearing = 28;
    components[1].direction = "S62E", components[1].bearing = 118;
    components[2].direction = "UP", components[2].bearing = 0;
    for (auto& c : components) c.acceleration = testing::TestSignal(400, 2000.0);
    return testing::WriteGeoNetFile(components);
}

// A folder as a user gathers records of one event from several agencies.
void WriteMixedFolder(const TempFolder& folder) {
    fs::create_directories(folder / "in");
    for (const char* ext : {"NS", "EW", "UD"})
        fs::copy_file(testing::SamplePath(std::string("samples/knet/AIC0012411051012.") + ext),
                      folder / (std::string("in/AIC0012411051012.") + ext));
    folder.Write("in/RSN763_LOMAP_GIL067.AT2", Peer("67", 0.3));
    folder.Write("in/RSN763_LOMAP_GIL337.AT2", Peer("337", 0.4));
    folder.Write("in/RSN763_LOMAP_GIL-UP.AT2", Peer("UP", 0.1));
    folder.Write("in/esm/IT.AQK..HNE.ACC.ASC", Esm("HNE"));
    folder.Write("in/esm/IT.AQK..HNN.ACC.ASC", Esm("HNN"));
    folder.Write("in/esm/IT.AQK..HNZ.ACC.ASC", Esm("HNZ"));
    folder.Write("in/nz/20100903_163541_LRSC.V2A", GeoNet());
    testing::SmcFixture smc;
    smc.acceleration = testing::TestSignal(300, 150.0);
    folder.Write("in/usgs/NC.C031.HNZ.smc", testing::WriteSmcFile(smc));
    folder.Write("in/MYG004.csv", testing::KnetCsvText(testing::TypicalKnetCsvFixture(
                                      {testing::TestSignal(300, 50.0), testing::TestSignal(300, 40.0),
                                       testing::TestSignal(300, 20.0)})));
    folder.Write("in/notes.txt", "gathered for the report\n");
}

std::vector<std::string> SummaryRows(const std::string& text) {
    std::vector<std::string> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) rows.push_back(line);
    if (!rows.empty()) rows.erase(rows.begin());  // the header
    return rows;
}

TEST(BatchAgency, AMixedFolderAccountsForEveryFile) {
    TempFolder folder;
    WriteMixedFolder(folder);
    const testing::ProgramRun run =
        testing::RunProgram(folder, {"--summary", folder / "s.csv", "--data", testing::SamplePath("data/DATA"), folder / "in"}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.err.find("1 file skipped: not record files"), std::string::npos) << run.err;
    const std::vector<std::string> rows = SummaryRows(testing::ReadWholeFile(folder / "s.csv"));
    // K-NET, PEER, ESM, GeoNet, SMC and K-NET CSV: one row a record.
    std::map<std::string, int> formats;
    for (const std::string& row : rows) formats[SplitCsvLine(row).at(1)] += 1;
    const std::map<std::string, int> expected{{"knet", 1}, {"peer", 1},    {"esm", 1},
                                              {"geonet", 1}, {"smc", 1}, {"knet-csv", 1}};
    EXPECT_EQ(formats, expected) << testing::ReadWholeFile(folder / "s.csv");
    // 12 record files: 6 records and 6 files of a record read before.
    EXPECT_NE(run.out.find("12 of 12 files processed (6 of them the record of an earlier file)"), std::string::npos)
        << run.out;
    // Stated station positions give the distance columns their coordinates.
    for (const std::string& row : rows) {
        const std::vector<std::string> cells = SplitCsvLine(row);
        if (cells.at(1) == "esm") {
            EXPECT_EQ(cells.at(4), "42.34511") << row;  // station_lat
            EXPECT_EQ(cells.at(5), "13.40135") << row;
        }
    }
}

TEST(BatchAgency, At2FilesReadBackAsTheRecord) {
    TempFolder folder;
    WriteMixedFolder(folder);
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--export", "at2", "--out", folder / "out", "--data", testing::SamplePath("data/DATA"),
                 folder / "in/nz/20100903_163541_LRSC.V2A", folder / "in/AIC0012411051012.NS"},
        60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    std::vector<std::string> at2;
    for (const auto& entry : fs::directory_iterator(folder / "out"))
        if (entry.path().extension() == ".AT2") at2.push_back(entry.path().filename().string());
    std::sort(at2.begin(), at2.end());
    ASSERT_EQ(at2.size(), 6u) << run.err;
    EXPECT_EQ(at2[0], "AIC001-202411051012_EW.AT2");
    // Each file read back gives a record's component: the GeoNet file's
    // first (N28E) row read from the file itself, in gal.
    std::ifstream original(folder / "in/nz/20100903_163541_LRSC.V2A");
    const Result<AgencyFile> geonet = ReadAgencyFile(RecordFormat::GeoNet, original);
    ASSERT_TRUE(geonet.ok());
    const std::string name = *std::find_if(at2.begin(), at2.end(), [](const std::string& n) { return n.find("028") != std::string::npos; });
    std::ifstream written(folder / ("out/" + name));
    const Result<AgencyFile> back = ReadPeerFile(written);
    ASSERT_TRUE(back.ok()) << back.error().message;
    const AgencyChannel& channel = back.value().channels.front();
    EXPECT_EQ(channel.header.azimuthDeg, 28.0);
    EXPECT_DOUBLE_EQ(channel.dt, 0.005);
    EXPECT_EQ(channel.gal, geonet.value().channels.front().gal);
}

TEST(BatchAgency, ADamagedFileFailsItsRecordAloneNamingTheLine) {
    const struct {
        const char* what;
        const char* file;
        std::string text;
        const char* named;
    } cases[] = {
        {"null value", "in/A067.AT2", [] {
             std::string t = Peer("67", 0.3);
             const std::size_t line5 = t.find('\n', t.find("NPTS")) + 1;
             return t.replace(line5, 15, "     -999.00000");
         }(), "A067.AT2"},
        {"count", "in/A067.AT2", Peer("67", 0.3, 499).replace(Peer("67", 0.3, 499).find("499"), 3, "600"), "A067.AT2"},
        {"interval", "in/A067.AT2", [] {
             testing::PeerFixture f;
             f.eventLine = "Loma Prieta, 10/18/1989, Gilroy Array #1, 67";
             f.dtText = ".0100";
             f.values = testing::TestSignal(500, 0.3);
             return testing::PeerText(f);
         }(), "A067.AT2"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.Write(c.file, c.text);
        folder.Write("in/A337.AT2", Peer("337", 0.3));
        folder.Write("in/A-UP.AT2", Peer("UP", 0.3));
        folder.Write("in/other/B.V2A", GeoNet());
        const testing::ProgramRun run = testing::RunProgram(
            folder, {"--summary", folder / "s.csv", "--export", "at2", "--out", folder / "out", folder / "in"}, 60);
        EXPECT_EQ(run.status, 1) << c.what << "\n" << run.out << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.what << "\n" << run.err;
        // The GeoNet record is written; nothing of the damaged one.
        int peer = 0, geonet = 0;
        for (const auto& entry : fs::directory_iterator(folder / "out")) {
            const std::string n = entry.path().filename().string();
            peer += n.find("Gilroy") != std::string::npos || n.find("A0") != std::string::npos;
            geonet += n.find("LRSC") != std::string::npos || n.find("-2010") != std::string::npos;
        }
        EXPECT_EQ(peer, 0) << c.what;
        EXPECT_GT(geonet, 0) << c.what << "\n" << run.err;
    }
}

// A KiK-net CSV file's two sets, on disk and in an archive, and a PEER
// triple in the archive: a row each, the second set named FILE#2.
TEST(BatchAgency, EverySetOfComponentsGivesARow) {
    TempFolder folder;
    testing::KnetCsvFixture csv = testing::TypicalKnetCsvFixture(
        {testing::TestSignal(300, 50.0), testing::TestSignal(300, 40.0), testing::TestSignal(300, 20.0),
         testing::TestSignal(300, 5.0), testing::TestSignal(300, 4.0), testing::TestSignal(300, 2.0)});
    csv.firstLine = "#KiK-net CSV";
    csv.columns = {"N-S1(gal)", "E-W1(gal)", "U-D1(gal)", "N-S2(gal)", "E-W2(gal)", "U-D2(gal)"};
    const std::string text = testing::KnetCsvText(csv);
    const std::string plain = folder.Write("IWTH25.csv", text);
    const std::string archive = folder.Write(
        "event.tar.gz", testing::TarBytes({{"e/IWTH25.csv", text},
                                           {"e/RSN763_LOMAP_GIL067.AT2", Peer("67", 0.3)},
                                           {"e/RSN763_LOMAP_GIL337.AT2", Peer("337", 0.3)},
                                           {"e/RSN763_LOMAP_GIL-UP.AT2", Peer("UP", 0.3)},
                                           {"e/readme.txt", "notes\n"}}));
    const testing::ProgramRun run = testing::RunProgram(folder, {"--summary", folder / "s.csv", plain, archive}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    std::vector<std::string> files;
    for (const std::string& row : SummaryRows(testing::ReadWholeFile(folder / "s.csv")))
        files.push_back(SplitCsvLine(row).at(0));
    const std::vector<std::string> expected{plain, plain + "#2", archive + ":e/IWTH25.csv", archive + ":e/IWTH25.csv#2",
                                            archive + ":e/RSN763_LOMAP_GIL067.AT2"};
    EXPECT_EQ(files, expected) << run.err;
    EXPECT_NE(run.err.find("1 member skipped"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace tremblo
