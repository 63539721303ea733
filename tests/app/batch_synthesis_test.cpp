// --azimuth: the synthesised component files of the batch against the
// synthesis window's file for the same record.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <sstream>

#include "app/application.h"
#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;

const std::string kKnet = "samples/knet/AIC0012411051012.NS";

std::optional<BatchOptions> Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "tremblo-batch");
    std::ostringstream out, err;
    return ParseBatchCommandLine(static_cast<int>(args.size()), args.data(), out, err).options;
}

TEST(BatchSynthesis, AzimuthTakesWholeDegreesAndRepeats) {
    const auto options = Parse({"--azimuth", "45", "--azimuth", "-90", "x.ns"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->azimuths, (std::vector<int>{45, -90}));
    EXPECT_EQ(options->files, std::vector<std::string>{"x.ns"});
    EXPECT_FALSE(Parse({"--azimuth", "4.5", "x.ns"}));
    EXPECT_FALSE(Parse({"--azimuth", "north", "x.ns"}));
}

TEST(BatchSynthesis, WritesWhatTheWindowWritesAndNotesOtherRecords) {
    testing::TempFolder folder;
    // The window, with the DC option off as the batch's --no-dc.
    testing::ScriptedPlatform platform;
    Application app(platform, SamplePath("data/DATA"));
    app.Form1.CBDC->setChecked(false);
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(kKnet)), LoadStatus::Loaded);
    app.Form1.Button3->click();
    app.Synthe.Edit1->setText("30");
    platform.saveAnswers.push_back(folder / "AIC0012411051012.030");
    app.Synthe.Button3->click();
    app.Synthe.Button1->click();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text;

    BatchOptions options;
    options.files = {SamplePath(kKnet), SamplePath("samples/hiroshima/HFD01_241105.ns")};
    options.outFolder = folder / "out";
    options.outGiven = true;
    options.removeDc = false;
    options.dataFolder = SamplePath("data/DATA");
    options.azimuths = {30, 300};
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_EQ(ReadWholeFile(folder / "out/AIC0012411051012.030"), ReadWholeFile(folder / "AIC0012411051012.030"));
    EXPECT_NE(err.str().find("HFD01_241105.ns: note: "), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(folder / "out/HFD01_241105.030"));

    // The batch's file loads as a one-component record; a one-component
    // record gets a note and no file.
    const int samples = app.Form1.session().record().sampleCount;
    app.Form1.CB3Compo->setChecked(false);
    ASSERT_EQ(app.Form1.OpenRecordFile(folder / "out/AIC0012411051012.300"), LoadStatus::Loaded);
    EXPECT_EQ(app.Form1.session().record().componentCount, 1);
    EXPECT_EQ(app.Form1.session().record().sampleCount, samples);
    options.threeComponents = false;
    options.files = {SamplePath(kKnet)};
    options.outFolder = folder / "one";
    std::ostringstream oneErr;
    ASSERT_EQ(RunBatch(options, out, oneErr, false), 0) << oneErr.str();
    EXPECT_NE(oneErr.str().find("note: "), std::string::npos) << oneErr.str();
    EXPECT_FALSE(std::filesystem::exists(folder / "one/AIC0012411051012.030"));
}

}  // namespace
}  // namespace tremblo
