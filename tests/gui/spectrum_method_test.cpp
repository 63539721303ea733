// The spectrum window's choice of oscillator (計算方法) and its pseudo
// display, headless: the choice reaches the model and stays for the session,
// spectra on show follow it at once, the pictures and files say which
// oscillator made them, the pseudo values replace SA and SV in every graph
// and file name, and a calculation the oscillators refuse shows why and no
// spectra.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/application.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "support/scripted_navigator.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

const char* const kComment = "# oscillator: exact (Nigam-Jennings, ground acceleration linear between samples)";

// Dark pixels in the box [x0, x1) x [y0, y1).
int DarkPixels(const RgbImage& picture, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const auto* p = picture.pixel(x, y);
            count += p[0] + p[1] + p[2] < 3 * 128;
        }
    return count;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

class SpectrumMethodTest : public ::testing::Test {
protected:
    void Load(const std::string& path, bool threeComponents = true) {
        app.Form1.CB3Compo->setChecked(threeComponents);
        ASSERT_EQ(app.Form1.OpenRecordFile(path), LoadStatus::Loaded);
    }
    void LoadAndShowSpectra() {
        Load(SamplePath("samples/knet/AIC0012411051012.NS"));
        app.Form1.BtnSpect->click();
        ASSERT_TRUE(spect.model().hasSpectra());
    }
    // Saves the spectrum CSV as `name` in the folder; its text.
    std::string SaveCsv(const std::string& name) {
        platform.saveAnswers.push_back(folder / name);
        spect.BtnCSV->click();
        return ReadWholeFile(folder / name);
    }
    int WaitWindows() const { return static_cast<int>(std::count(platform.events.begin(), platform.events.end(), "close-wait")); }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TSpect& spect = app.Spect;
    TempFolder folder;
};

TEST_F(SpectrumMethodTest, TheChoiceReachesTheModelAndStaysForTheSession) {
    ASSERT_EQ(spect.CBMethod->count(), 2);
    EXPECT_EQ(spect.CBMethod->itemText(0), QString::fromUtf8("Newmark β=1/6"));
    EXPECT_EQ(spect.CBMethod->itemText(1), QString::fromUtf8("厳密解(区分線形)"));
    EXPECT_EQ(spect.CBMethod->currentIndex(), 0);
    EXPECT_EQ(spect.model().oscillatorMethod(), OscillatorMethod::Newmark);

    // Without spectra the choice waits for the next calculation.
    spect.CBMethod->setCurrentIndex(1);
    EXPECT_EQ(spect.model().oscillatorMethod(), OscillatorMethod::Exact);
    EXPECT_TRUE(platform.events.empty());
    LoadAndShowSpectra();
    EXPECT_EQ(spect.model().source().method, OscillatorMethod::Exact);
    const auto exact = std::make_unique<SpectrumTable>(spect.model().spectrum());

    // Spectra on show are calculated again at once with the other oscillator.
    platform.events.clear();
    spect.CBMethod->setCurrentIndex(0);
    EXPECT_EQ(WaitWindows(), 1);
    EXPECT_EQ(spect.model().source().method, OscillatorMethod::Newmark);
    EXPECT_NE(spect.model().spectrum().values, exact->values);

    // Another record keeps the choice, and its spectra are that oscillator's.
    spect.CBMethod->setCurrentIndex(1);
    Load(SamplePath("samples/knet/AIC0012411051012.EW"), false);
    EXPECT_EQ(spect.CBMethod->currentIndex(), 1);
    EXPECT_FALSE(spect.model().hasSpectra());
    app.Form1.BtnSpect->click();
    EXPECT_EQ(spect.model().source().method, OscillatorMethod::Exact);
    EXPECT_EQ(spect.model().source().componentCount, 1);
    EXPECT_TRUE(platform.messages.empty());
}

// The picture's mark above the first title and the CSV's first line say
// "exact" only for the exact oscillator; Newmark files stay as they were.
TEST_F(SpectrumMethodTest, PicturesAndFilesOfTheExactOscillatorSaySo) {
    LoadAndShowSpectra();
    const int left = 60, right = 130, top = 0, bottom = 16;  // above the first panel's title
    EXPECT_EQ(DarkPixels(spect.MyGraph1->Picture(), left, top, right, bottom), 0);
    const std::string newmark = SaveCsv("newmark.csv");
    EXPECT_EQ(FirstLine(newmark), "AIC001");

    spect.CBMethod->setCurrentIndex(1);
    EXPECT_GT(DarkPixels(spect.MyGraph1->Picture(), left, top, right, bottom), 20);
    const std::string exact = SaveCsv("exact.csv");
    EXPECT_EQ(FirstLine(exact), kComment);
    EXPECT_EQ(exact.substr(exact.find("\r\n") + 2, 8), "AIC001\r\n");
    EXPECT_NE(exact.substr(exact.find("\r\n") + 2), newmark);  // other values

    spect.BtnSdSa->click();
    const RgbImage sasd = app.SdSa.MyGraph1->Picture();
    EXPECT_GT(DarkPixels(sasd, sasd.width - 60, sasd.height - 14, sasd.width, sasd.height), 20);
    spect.CBMethod->setCurrentIndex(0);  // the open Sa-Sd graph follows
    const RgbImage plain = app.SdSa.MyGraph1->Picture();
    EXPECT_EQ(DarkPixels(plain, plain.width - 60, plain.height - 14, plain.width, plain.height), 0);
    EXPECT_EQ(SaveCsv("again.csv"), newmark);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SpectrumMethodTest, PseudoValuesReplaceSaAndSvInGraphsAndFiles) {
    LoadAndShowSpectra();
    spect.BtnSdSa->click();
    const RgbImage panels = spect.MyGraph1->Picture();
    const RgbImage sasd = app.SdSa.MyGraph1->Picture();
    platform.events.clear();

    spect.CBPseudo->click();
    EXPECT_TRUE(platform.events.empty());  // drawn from the table, not calculated again
    EXPECT_NE(spect.MyGraph1->Picture().rgb, panels.rgb);
    EXPECT_NE(app.SdSa.MyGraph1->Picture().rgb, sasd.rgb);
    EXPECT_EQ(app.SdSa.MyGraph1->graph().TitleY, "擬似加速度 pSa [gal]");
    EXPECT_EQ(app.SdSa.Label2->text(), QString::fromUtf8("pSa-Sdスペクトラム　h=0.05"));
    // The files are named for what is shown; the CSV holds the pSA and pSV blocks.
    spect.BtnGIF->click();
    EXPECT_EQ(platform.saveRequests.back().initialName, "AIC001-202411051012psa.png");
    const std::string pseudo = SaveCsv("pseudo.csv");
    EXPECT_EQ(platform.saveRequests.back().initialName, "AIC001-202411051012psa.csv");
    EXPECT_EQ(pseudo.substr(0, 45), "AIC001\r\n2024/11/05\r\n10:12:00\r\nNS\r\npSA\r\nPeriod");
    EXPECT_NE(pseudo.find("\r\npSV\r\n"), std::string::npos);
    EXPECT_EQ(pseudo.find("\r\nSA\r\n"), std::string::npos);

    // Off again: the pictures and the file are those of before.
    spect.CBPseudo->click();
    EXPECT_EQ(spect.MyGraph1->Picture().rgb, panels.rgb);
    EXPECT_EQ(app.SdSa.MyGraph1->Picture().rgb, sasd.rgb);
    EXPECT_EQ(app.SdSa.Label2->text(), QString::fromUtf8("Sa-Sdスペクトラム　h=0.05"));
    EXPECT_EQ(FirstLine(SaveCsv("plain.csv")), "AIC001");
    EXPECT_EQ(platform.saveRequests.back().initialName, "AIC001-202411051012rsp.csv");
}

// The enlarged and superposed views take the pseudo values and the mark too.
TEST_F(SpectrumMethodTest, EnlargedAndSuperposedViewsFollowBothChoices) {
    LoadAndShowSpectra();
    testing::ScriptedNavigator navigator;
    spect.navigator = &navigator;
    spect.CBMethod->setCurrentIndex(1);
    spect.CBPseudo->click();
    navigator.choices = {kChoiceNewSuperposed, kChoiceNext, kChoiceAddSuperposed, kChoiceClose};
    spect.CBLarge->click();
    EXPECT_EQ(app.Large.MyGraph1->graph().TitleY, "pSV AIC001 NS   2024/11/05 10:12:00（厳密解）");
    EXPECT_EQ(app.Super.MyGraph1->graph().TitleY, "pSA");
}

// A record sampled every 2 s: the oscillators refuse it, the window says
// why in the program's words and shows no spectra.
TEST_F(SpectrumMethodTest, ARefusedCalculationShowsTheProblemAndNoSpectra) {
    std::string text = ReadWholeFile(SamplePath("samples/hiroshima/HFD01_241105.ns"));
    const std::size_t interval = text.find("\n10,") + 1;
    ASSERT_EQ(text.substr(0, interval), "HFD01,\r\n2024/11/05,\r\n10:12:25,\r\n6000,\r\n");
    text.replace(interval, 3, "2000,");
    const std::string path = folder.Write("HFD01_SLOW.ns", text);
    for (int method : {0, 1}) {
        SCOPED_TRACE(method);
        LoadAndShowSpectra();
        spect.CBMethod->setCurrentIndex(method);
        app.Form1.ChooseFormat(RecordFormat::Hiroshima);
        Load(path, false);
        ASSERT_FLOAT_EQ(app.Form1.session().record().dt, 2.0f);
        platform.messages.clear();
        app.Form1.BtnSpect->click();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, spect.model().problem());
        EXPECT_NE(platform.messages[0].text.find("サンプリング間隔 2 秒"), std::string::npos) << platform.messages[0].text;
        EXPECT_EQ(platform.messages[0].caption, "応答スペクトルを計算できません");
        EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
        EXPECT_FALSE(spect.model().hasSpectra());
        const RgbImage blank = spect.MyGraph1->Picture();
        EXPECT_EQ(DarkPixels(blank, 0, 0, blank.width, blank.height), 0);
        for (QWidget* control : std::initializer_list<QWidget*>{spect.BtnGIF, spect.BtnCSV, spect.BtnSdSa,
                                                                spect.CBLarge})
            EXPECT_FALSE(control->isEnabled());
        app.Form1.ChooseFormat(RecordFormat::Knet);
    }
}

}  // namespace
}  // namespace tremblo
