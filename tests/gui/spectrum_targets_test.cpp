// The spectrum window's target spectra headless: the choice of built-in
// curves and files (scripted open dialog), the limit of three, a table that
// is no table, the one-click clearing, and the choice kept for the session.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/application.h"
#include "plot/windows/graph_view.h"
#include "spectrum/target_drawing.h"
#include "spectrum/windows/large.h"
#include "spectrum/windows/super.h"
#include "spectrum/windows/target_chooser.h"
#include "support/scripted_navigator.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::SamplePath;
using testing::TempFolder;

int PixelsOfColor(const RgbImage& picture, Color color) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const auto* p = picture.pixel(x, y);
            count += (p[0] == ColorRed(color) && p[1] == ColorGreen(color) && p[2] == ColorBlue(color)) ? 1 : 0;
        }
    return count;
}

class SpectrumTargetsTest : public ::testing::Test {
protected:
    void LoadAndShowSpectra(const char* file = "samples/knet/AIC0012411051012.NS",
                            RecordFormat format = RecordFormat::Knet) {
        app.Form1.ChooseFormat(format);
        ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(file)), LoadStatus::Loaded);
        app.Form1.BtnSpect->click();
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const TargetSpectrum& t : chooser.Targets()) keys.push_back(t.key);
        return keys;
    }
    void AddFile(const std::string& path) {
        platform.openAnswers.push_back(path);
        chooser.BtnTargetFile->click();
    }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TSpect& spect = app.Spect;
    TargetChooser& chooser = *app.Spect.TargetBox;
    TempFolder folder;
};

TEST_F(SpectrumTargetsTest, ChosenTargetsAreDrawnEverywhereAndClearedInOneClick) {
    LoadAndShowSpectra();
    const RgbImage without = spect.MyGraph1->Picture();
    EXPECT_EQ(PixelsOfColor(without, TargetColor(0)), 0);
    const int redraws = spect.redrawCount();
    chooser.CBSafety->click();
    chooser.CBZone->setCurrentIndex(2);  // Z=0.8
    AddFile(folder.Write("site.csv", "0.1,300\n0.4,1200\n4,150\n"));
    EXPECT_EQ(spect.redrawCount(), redraws + 3);
    EXPECT_EQ(chooser.LabelTargetFiles->text(), "site.csv");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"bsl-safety", "site"}));
    EXPECT_DOUBLE_EQ(*chooser.Targets()[0].SaAt(1.0), 0.8 * 512.0);

    const RgbImage shown = spect.MyGraph1->Picture();
    EXPECT_GT(PixelsOfColor(shown, TargetColor(0)), 100);
    EXPECT_GT(PixelsOfColor(shown, TargetColor(1)), 100);

    // The Sa-Sd graph draws them as demand curves.
    spect.BtnSdSaClick();
    EXPECT_GT(PixelsOfColor(app.SdSa.MyGraph1->Picture(), TargetColor(0)), 50);
    // One click clears them all; the pictures are those without targets.
    chooser.BtnTargetClear->click();
    EXPECT_TRUE(chooser.Targets().empty());
    EXPECT_FALSE(chooser.CBSafety->isChecked());
    EXPECT_TRUE(chooser.LabelTargetFiles->text().isEmpty());
    EXPECT_TRUE(spect.MyGraph1->Picture().rgb == without.rgb);
    EXPECT_EQ(PixelsOfColor(app.SdSa.MyGraph1->Picture(), TargetColor(0)), 0);
}

TEST_F(SpectrumTargetsTest, AtMostThreeAndATableThatIsNoTableAddsNothing) {
    const std::string site = folder.Write("site.csv", "0.2,500\n2,100\n");
    chooser.CBSafety->click();
    AddFile(folder.Write("bad.csv", "period,SA\n0.2,500\n0.1,600\n"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("bad.csv の 3 行目"), std::string::npos) << platform.messages[0].text;
    EXPECT_EQ(platform.messages[0].caption, "目標スペクトル");
    EXPECT_EQ(Keys(), std::vector<std::string>{"bsl-safety"});
    AddFile(site);
    AddFile(site);  // the same table twice: a key of its own each
    EXPECT_EQ(Keys(), (std::vector<std::string>{"bsl-safety", "site", "site_2"}));

    // A fourth choice is refused: no dialog, the box unticked again.
    const std::size_t dialogs = platform.openFilters.size();
    chooser.BtnTargetFile->click();
    chooser.CBDamage->click();
    EXPECT_EQ(platform.openFilters.size(), dialogs);
    EXPECT_FALSE(chooser.CBDamage->isChecked());
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_NE(platform.messages[2].text.find("3 つまで"), std::string::npos);
    EXPECT_EQ(Keys().size(), 3u);
}

TEST_F(SpectrumTargetsTest, TheChoiceStaysForTheSessionAndReachesEveryView) {
    chooser.CBDamage->click();  // before any record
    LoadAndShowSpectra("samples/hiroshima/HFD01_241105.ns", RecordFormat::Hiroshima);
    LoadAndShowSpectra();
    EXPECT_TRUE(chooser.CBDamage->isChecked());
    EXPECT_EQ(spect.ReadDisplaySettings().targets.size(), 1u);
    EXPECT_GT(PixelsOfColor(spect.MyGraph1->Picture(), TargetColor(0)), 100);

    // The enlarged view and a superposed drawing started from it.
    testing::ScriptedNavigator navigator;
    spect.navigator = &navigator;
    int enlargedPixels = 0;
    navigator.onShow = [&] { enlargedPixels = PixelsOfColor(app.Large.MyGraph1->Picture(), TargetColor(0)); };
    navigator.choices = {kChoiceNewSuperposed, kChoiceClose};
    spect.CBLarge->click();
    EXPECT_GT(enlargedPixels, 100);
    EXPECT_GT(PixelsOfColor(app.Super.MyGraph1->Picture(), TargetColor(0)), 50);
    EXPECT_TRUE(chooser.CBDamage->isChecked());
}

}  // namespace
}  // namespace tremblo
