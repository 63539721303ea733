// The batch's Fourier files against the Fourier window's exports for the
// same record and settings, and the surface/borehole ratio of a KiK-net pair.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <sstream>

#include "app/application.h"
#include "app/batch/batch_runner.h"
#include "plot/windows/radio_group.h"
#include "support/kiknet_pair.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

struct Case {
    const char* name;
    bool threeComponents;
    int bandwidthIndex;  // RGBandwidth: 20, 40, 60
    bool taper;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class BatchFourierAgainstWindow : public ::testing::TestWithParam<Case> {};

TEST_P(BatchFourierAgainstWindow, WritesWhatTheWindowSaves) {
    const Case& c = GetParam();
    TempFolder folder;
    testing::ScriptedPlatform platform;
    Application app(platform, SamplePath("data/DATA"));
    app.Form1.CB3Compo->setChecked(c.threeComponents);
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    app.Form1.BtnFourier->click();
    app.Fourier.RGBandwidth->setItemIndex(c.bandwidthIndex);
    if (c.taper) app.Fourier.CBTaper->click();
    platform.saveAnswers.push_back(folder / "window.csv");
    app.Fourier.BtnCSVClick();
    platform.saveAnswers.push_back(folder / "window.png");
    app.Fourier.BtnGIFClick();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front().text;

    BatchOptions options;
    options.files = {SamplePath("samples/knet/AIC0012411051012.NS")};
    options.outFolder = folder / "batch";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.threeComponents = c.threeComponents;
    options.fas = options.hv = true;
    options.fasTaper = c.taper;
    options.koBandwidth = FOURIER_BANDWIDTHS[static_cast<std::size_t>(c.bandwidthIndex)];
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const std::string base = folder / "batch/AIC001-202411051012";
    EXPECT_TRUE(ReadWholeFile(base + "fas.csv") == ReadWholeFile(folder / "window.csv")) << "CSV differs";
    EXPECT_TRUE(ReadWholeFile(base + "fas.png") == ReadWholeFile(folder / "window.png")) << "picture differs";
    // One component has no H/V column, and the batch says so.
    EXPECT_EQ(err.str().find("no HV column") != std::string::npos, !c.threeComponents);
}

INSTANTIATE_TEST_SUITE_P(SampleRecord, BatchFourierAgainstWindow,
                         ::testing::Values(Case{"Defaults", true, 1, false}, Case{"NarrowTapered", true, 0, true},
                                           Case{"OneComponentWide", false, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchBoreholeRatioTest, WritesTheRatioTheWindowSavesForThePair) {
    TempFolder folder;
    const testing::KikNetPair pair = testing::WriteKikNetPair(folder);
    testing::ScriptedPlatform platform;
    Application app(platform, SamplePath("data/DATA"));
    for (const std::string& file : {pair.borehole, pair.surface}) {
        ASSERT_EQ(app.Form1.OpenRecordFile(file), LoadStatus::Loaded);
        app.Form1.BtnFourier->click();
    }
    app.Fourier.RGRatio->setItemIndex(1);
    platform.saveAnswers.push_back(folder / "window_ratio.csv");
    app.Fourier.BtnCSVClick();
    const std::string window = ReadWholeFile(folder / "window_ratio.csv");
    ASSERT_GT(window.size(), 1000u);

    // The pair in either order, with a K-NET record that has no pair.
    BatchOptions options;
    options.files = {pair.surface, SamplePath("samples/knet/AIC0012411051012.NS"), pair.borehole};
    options.outFolder = folder / "batch";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.boreholeRatio = true;
    options.jobs = 2;
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_TRUE(ReadWholeFile(folder / "batch/AIC001-202411051012ratio.csv") == window);
    EXPECT_NE(err.str().find("ratio: wrote"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("not a KiK-net record"), std::string::npos) << err.str();

    // A surface record alone: a note, no ratio, and the run still succeeds.
    TempFolder alone;
    options.files = {pair.surface};
    options.outFolder = alone / "batch";
    std::ostringstream out2, err2;
    EXPECT_EQ(RunBatch(options, out2, err2, false), 0);
    EXPECT_NE(err2.str().find("borehole (X.NS1) series was not given"), std::string::npos) << err2.str();
    EXPECT_FALSE(std::filesystem::exists(alone / "batch/AIC001-202411051012ratio.csv"));
}

}  // namespace
}  // namespace tremblo
