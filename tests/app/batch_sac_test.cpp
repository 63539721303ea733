// The batch and SAC: --export sac writes the bytes the main window's export
// writes for the same record, and --units gives the unit of SAC files that
// do not state it.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "app/program_run.h"
#include "record/record_session.h"
#include "stations/station_directory.h"
#include "record/sac_export.h"
#include "record/sac_reader.h"
#include "support/sac_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(BatchSac, ExportWritesTheWindowsBytes) {
    TempFolder folder;
    for (const char* c : {"NS", "EW", "UD"})
        folder.Write(std::string("in/AIC0012411051012.") + c,
                     testing::ReadWholeFile(testing::SamplePath(std::string("samples/knet/AIC0012411051012.") + c)));
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--export", "sac", "--out", folder / "out", "--data", testing::SamplePath("data/DATA"),
                 folder / "in/AIC0012411051012.NS"},
        60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    // The main window loads the record as the batch does and offers the
    // record's name; its export writes RecordSacFiles under that name.
    StationDirectory directory;
    testing::ScriptedPlatform platform;
    LoadStationDirectory(testing::SamplePath("data/DATA"), directory, platform);
    RecordSession session(platform, directory);
    ASSERT_EQ(session.LoadPath(folder / "in/AIC0012411051012.NS", LoadSettings{RecordFormat::Knet, true, true}),
              LoadStatus::Loaded);
    const std::vector<SacFile> window = RecordSacFiles(session.record(), session.record().eventName);
    ASSERT_EQ(window.size(), 3u);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder / "out")) files += entry.path().extension() == ".sac";
    EXPECT_EQ(files, 3);
    for (const SacFile& f : window) {
        EXPECT_EQ(f.name.substr(0, 20), "AIC001-202411051012_");
        const std::string batch = testing::ReadWholeFile(folder / ("out/" + f.name));
        EXPECT_TRUE(batch == f.bytes) << f.name << ": " << batch.size() << " bytes, window " << f.bytes.size();
    }
}

// Three component files of one station and event in a folder (here the
// batch's own export of a K-NET record) make one record.
TEST(BatchSac, AFolderOfComponentFilesGivesOneRecord) {
    TempFolder folder;
    const testing::ProgramRun exported = testing::RunProgram(
        folder, {"--export", "sac", "--out", folder / "in", "--data", testing::SamplePath("data/DATA"),
                 testing::SamplePath("samples/knet/AIC0012411051012.NS")},
        60);
    ASSERT_EQ(exported.status, 0) << exported.err;
    const testing::ProgramRun run = testing::RunProgram(folder, {"--summary", folder / "s.csv", folder / "in"}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    std::istringstream summary(testing::ReadWholeFile(folder / "s.csv"));
    std::vector<std::string> rows;
    for (std::string line; std::getline(summary, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 2u) << testing::ReadWholeFile(folder / "s.csv");  // the header and one record
    EXPECT_NE(rows[1].find(",sac,"), std::string::npos) << rows[1];
}

TEST(BatchSac, UnstatedUnitNeedsTheUnitsOption) {
    TempFolder folder;
    testing::SacFixture f;
    f.idep = 5;  // IUNKN
    f.kstnm = "STA01";
    f.kcmpnm = "HNZ";
    for (int i = 0; i < 400; ++i) f.values.push_back(static_cast<float>(0.02 * std::sin(0.05 * i)));
    const std::string file = folder.Write("in/sta01.hnz.sac", testing::SacBytes(f, testing::SacForm::Big));

    const testing::ProgramRun refused =
        testing::RunProgram(folder, {"--components", "1", "--export", "sac", "--out", folder / "no", file}, 60);
    EXPECT_EQ(refused.status, 1) << refused.out << refused.err;
    EXPECT_NE(refused.err.find("sta01.hnz.sac"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--units"), std::string::npos) << refused.err;

    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--components", "1", "--units", "m/s2", "--export", "sac", "--out", folder / "out", file}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    std::string written;
    for (const auto& entry : fs::directory_iterator(folder / "out"))
        if (entry.path().extension() == ".sac") written = testing::ReadWholeFile(entry.path().string());
    std::istringstream in(written);
    const Result<AgencyFile> back = ReadSacFile(in);
    ASSERT_TRUE(back) << back.error().message;
    const std::vector<float>& gal = back.value().channels.front().gal;
    ASSERT_EQ(gal.size(), f.values.size());
    // m/s^2 is 100 gal.
    for (std::size_t i = 0; i < gal.size(); i += 37)
        EXPECT_NEAR(gal[i], 100.0 * static_cast<double>(f.values[i]), 1e-5) << i;
}

}  // namespace
}  // namespace tremblo
