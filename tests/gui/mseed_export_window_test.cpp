// The main window and miniSEED: 書き出し → miniSEED writes, byte for byte, the
// files tremblo-batch --export mseed writes for the same record, and a
// miniSEED file opens with the StationXML beside it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window/form1.h"
#include "app/program_run.h"
#include "record/record_session.h"
#include "support/mseed_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::SamplePath;

// Exports the record open in `form` as NAME.mseed into `folder`.
void ExportFromWindow(TForm1& form, testing::ScriptedPlatform& platform, const std::string& path) {
    ASSERT_TRUE(form.ExportMseed->isEnabled());
    fs::create_directories(fs::path(path).parent_path());
    platform.saveAnswers.push_back(path);
    form.ExportMseedClick();
}

void ExpectSameFiles(const std::string& batch, const std::string& window, int expected) {
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(batch)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".mseed" && ext != ".xml") continue;
        const std::string name = entry.path().filename().string();
        ASSERT_TRUE(fs::exists(window + "/" + name)) << name;
        EXPECT_TRUE(testing::ReadWholeFile(entry.path().string()) == testing::ReadWholeFile(window + "/" + name)) << name;
        ++compared;
    }
    EXPECT_EQ(compared, expected);
}

TEST(MseedExportWindow, WritesTheBatchsBytes) {
    testing::TempFolder folder;
    const std::string record = SamplePath("samples/knet/AIC0012411051012.NS");
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--export", "mseed", "--out", folder / "batch", "--data", SamplePath("data/DATA"), record}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    testing::ScriptedPlatform platform;
    TForm1 form(platform, SamplePath("data/DATA"));
    platform.openAnswers.push_back(record);
    form.BtnFileClick();
    // The name the dialog proposes: the record's name with .mseed.
    ASSERT_EQ(platform.saveRequests.size(), 0u);
    ExportFromWindow(form, platform, folder / "window/AIC001-202411051012.mseed");
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialName, "AIC001-202411051012.mseed");
    ExpectSameFiles(folder / "batch", folder / "window", 2);
}

TEST(MseedExportWindow, AMiniSeedFileOpensWithItsStationXmlAndExportsAsTheBatchDoes) {
    testing::TempFolder folder;
    const std::string data = folder.Write("in/sta01.mseed", testing::ThreeChannelMseed("STA01", 4000, 31));
    const std::string xml = folder.Write("in/sta01.xml", testing::StationXmlDocument(testing::ThreeXmlChannels()));
    const testing::ProgramRun run = testing::RunProgram(
        folder, {"--inventory", xml, "--export", "mseed", "--out", folder / "batch", data}, 60);
    ASSERT_EQ(run.status, 0) << run.out << run.err;

    testing::ScriptedPlatform platform;
    TForm1 form(platform, SamplePath("data/DATA"));
    platform.openAnswers.push_back(data);
    form.BtnFileClick();
    ASSERT_TRUE(form.session().record().recordLoaded) << (platform.messages.empty() ? "" : platform.messages[0].text);
    EXPECT_EQ(platform.openFilters.size(), 1u);  // the record file only: its StationXML was found
    EXPECT_FLOAT_EQ(form.session().record().stationLat, 35.5f);
    std::string name;
    for (const auto& entry : fs::directory_iterator(folder / "batch"))
        if (entry.path().extension() == ".mseed") name = entry.path().filename().string();
    ASSERT_FALSE(name.empty());
    ExportFromWindow(form, platform, folder / ("window/" + name));
    ExpectSameFiles(folder / "batch", folder / "window", 2);
}

}  // namespace
}  // namespace tremblo
