// The main window's 書き出し → SAC writes, byte for byte, the files that
// tremblo-batch --export sac writes for the same record.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window/form1.h"
#include "app/program_run.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::SamplePath;

TEST(SacExportWindow, WritesTheBatchsBytes) {
    testing::TempFolder folder;
    const std::string record = SamplePath("samples/knet/AIC0012411051012.NS");
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--export", "sac", "--out", folder / "batch", "--data", SamplePath("data/DATA"), record}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;

    testing::ScriptedPlatform platform;
    TForm1 form(platform, SamplePath("data/DATA"));
    platform.openAnswers.push_back(record);
    form.BtnFileClick();
    ASSERT_TRUE(form.ExportSac->isEnabled());
    fs::create_directories(folder / "window");
    // The name the dialog proposes, the record's name with .sac.
    platform.saveAnswers.push_back(folder / "window/AIC001-202411051012.sac");
    form.ExportSacClick();

    int compared = 0;
    for (const auto& entry : fs::directory_iterator(folder / "batch")) {
        if (entry.path().extension() != ".sac") continue;
        const std::string name = entry.path().filename().string();
        const std::string window = folder / ("window/" + name);
        ASSERT_TRUE(fs::exists(window)) << name;
        EXPECT_TRUE(testing::ReadWholeFile(entry.path().string()) == testing::ReadWholeFile(window)) << name;
        ++compared;
    }
    EXPECT_EQ(compared, 3);
    int windowFiles = 0;
    for (const auto& entry : fs::directory_iterator(folder / "window")) windowFiles += entry.path().extension() == ".sac";
    EXPECT_EQ(windowFiles, 3);
}

}  // namespace
}  // namespace tremblo
