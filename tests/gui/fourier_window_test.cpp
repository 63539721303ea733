// The Fourier window headless: opened from the main window, its controls,
// its exports through the scripted platform, and a KiK-net pair's ratio.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <map>

#include "app/application.h"
#include "common/format.h"
#include "fourier/fourier_amplitude.h"
#include "fourier/fourier_csv.h"
#include "plot/png_writer.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "support/kiknet_pair.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/knet_fixtures.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

// Pixels of exactly the colour (r, g, b).
int PixelsOf(const RgbImage& picture, int r, int g, int b) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const auto* p = picture.pixel(x, y);
            count += (p[0] == r && p[1] == g && p[2] == b) ? 1 : 0;
        }
    return count;
}

class FourierWindowTest : public ::testing::Test {
protected:
    void Open(const std::string& path) {
        ASSERT_EQ(app.Form1.OpenRecordFile(path), LoadStatus::Loaded);
        app.Form1.BtnFourier->click();
    }
    std::string PngOf(const RgbImage& picture, const std::string& name) {
        EXPECT_TRUE(WritePngFile(folder / name, picture).ok);
        return ReadWholeFile(folder / name);
    }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TFourier& window = app.Fourier;
    TempFolder folder;
};

TEST_F(FourierWindowTest, MainWindowButtonCalculatesAndShowsTheSpectra) {
    EXPECT_FALSE(app.Form1.BtnFourier->isEnabled());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("フーリエスペクトル"));
    EXPECT_EQ(window.MyGraph1->size(), QSize(FOURIER_GRAPH_WIDTH, FOURIER_GRAPH_HEIGHT));
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    EXPECT_TRUE(app.Form1.BtnFourier->isEnabled());
    platform.events.clear();
    app.Form1.BtnFourier->click();

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(platform.events, (std::vector<std::string>{"wait:フーリエスペクトルを計算しています・・・・", "close-wait"}));
    EXPECT_TRUE(window.Label2->text().startsWith("AIC001"));
    const FourierSpectra& s = window.spectra();
    const SeismicRecord& record = app.Form1.session().record();
    EXPECT_EQ(s.componentCount(), 3);
    EXPECT_EQ(s.windowStart, record.windowStart);
    EXPECT_EQ(s.windowLength, record.windowLength);
    EXPECT_EQ(s.length, FourierLength(record.windowLength));
    EXPECT_EQ(s.bandwidth, 40.0);
    EXPECT_FALSE(s.tapered);
    // The three smoothed curves in their colours, and H/V in black.
    const RgbImage picture = window.MyGraph1->Picture();
    EXPECT_GT(PixelsOf(picture, 220, 0, 0), 200);
    EXPECT_GT(PixelsOf(picture, 0, 0, 230), 200);
    EXPECT_GT(PixelsOf(picture, 0, 140, 0), 200);
    EXPECT_FALSE(window.RGRatio->button(1)->isEnabled()) << "a K-NET record has no borehole series";
}

TEST_F(FourierWindowTest, ControlsSmoothAgainTransformAgainOrRedraw) {
    Open(SamplePath("samples/knet/AIC0012411051012.NS"));
    const FourierSpectra first = window.spectra();
    const RgbImage before = window.MyGraph1->Picture();
    const int lightRed = PixelsOf(before, 255, 185, 185);
    EXPECT_GT(lightRed, 100);

    const struct {
        int index;
        double bandwidth;
    } bandwidths[] = {{0, 20.0}, {2, 60.0}, {1, 40.0}};
    for (const auto& b : bandwidths) {
        window.RGBandwidth->setItemIndex(b.index);
        EXPECT_EQ(window.spectra().bandwidth, b.bandwidth);
        EXPECT_EQ(window.spectra().raw, first.raw) << "the transform is kept";
        EXPECT_EQ(window.spectra().smoothed == first.smoothed, b.bandwidth == 40.0);
    }
    window.CBRaw->click();
    EXPECT_EQ(PixelsOf(window.MyGraph1->Picture(), 255, 185, 185), 0) << "no raw curves";
    window.CBRaw->click();
    window.UpDown1->setValue(5);
    EXPECT_GT(PixelsOf(window.MyGraph1->Picture(), 220, 0, 0), PixelsOf(before, 220, 0, 0));

    window.CBTaper->click();
    EXPECT_TRUE(window.spectra().tapered);
    EXPECT_NE(window.spectra().raw, first.raw);
    EXPECT_EQ(FourierCsvText(window.spectra(), true).rfind("# 5 % cosine taper", 0), 0u);
}

TEST_F(FourierWindowTest, ExportsThePictureTheSpectraAndTheClipboard) {
    Open(SamplePath("samples/knet/AIC0012411051012.NS"));
    const RgbImage picture = window.MyGraph1->Picture();
    platform.saveAnswers.push_back(folder / "chosen");  // no extension: .png is appended
    window.BtnGIF->click();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialName, "AIC001-202411051012fas.png");
    EXPECT_EQ(ReadWholeFile(folder / "chosen.png"), PngOf(picture, "expected.png"));
    EXPECT_EQ(window.saveDir, folder.path().string());

    platform.saveAnswers.push_back(folder / "spectra.csv");
    window.BtnCSV->click();
    EXPECT_EQ(platform.saveRequests[1].initialName, "AIC001-202411051012fas.csv");
    EXPECT_EQ(ReadWholeFile(folder / "spectra.csv"), FourierCsvText(window.spectra(), true));

    platform.saveAnswers.push_back(std::nullopt);  // cancelled: nothing written
    window.BtnCSV->click();
    window.Button2->click();
    ASSERT_EQ(platform.clipboard.size(), 1u);
    EXPECT_EQ(platform.clipboard[0].rgb, picture.rgb);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FourierWindowTest, SurfaceOverBoreholeOnceBothSeriesWereShown) {
    const testing::KikNetPair pair = testing::WriteKikNetPair(folder);
    Open(pair.borehole);
    EXPECT_EQ(window.spectra().series, 1);
    EXPECT_FALSE(window.RGRatio->button(1)->isEnabled());
    EXPECT_EQ(window.partner(), nullptr);
    Open(pair.surface);
    EXPECT_EQ(window.spectra().series, 2);
    ASSERT_NE(window.partner(), nullptr);
    EXPECT_TRUE(window.RGRatio->button(1)->isEnabled());
    const RgbImage hv = window.MyGraph1->Picture();
    window.RGRatio->setItemIndex(1);
    EXPECT_NE(window.MyGraph1->Picture().rgb, hv.rgb);

    platform.saveAnswers.push_back(folder / "ratio.csv");
    window.BtnCSV->click();
    EXPECT_EQ(platform.saveRequests.back().initialName, "AIC001-202411051012ratio.csv");
    const std::string text = ReadWholeFile(folder / "ratio.csv");
    EXPECT_EQ(text, SurfaceBoreholeCsvText(window.spectra(), *window.partner()));
    EXPECT_EQ(text.substr(0, 68), "# Konno-Ohmachi smoothing b = 40\r\nFrequency,NS2/NS1,EW2/EW1,UD2/UD1\r");
    EXPECT_NE(text.find(",4.000000e+00"), std::string::npos) << text.substr(0, 300);

    // Another record of another station: the pair is gone, H/V again.
    Open(SamplePath("samples/knet/AIC0012411051012.NS"));
    EXPECT_FALSE(window.RGRatio->button(1)->isEnabled());
    EXPECT_EQ(window.RGRatio->itemIndex(), 0);
}

// 平滑化 b and 5%テーパー changed while 地表/地中 is shown, and a series
// calculated again with other settings: both series' spectra follow the
// settings shown, and the ratio saved is that of the two records' spectra
// computed with those settings.
TEST_F(FourierWindowTest, SurfaceOverBoreholeFollowsTheSettingsShown) {
    const testing::KikNetPair pair = testing::WriteKikNetPair(folder, testing::Borehole::OtherShape);
    const FourierSettings settings[] = {{false, 40.0}, {false, 20.0}, {true, 20.0}, {true, 60.0}, {false, 60.0}};
    std::map<std::pair<bool, double>, FourierSpectra> surface, borehole;
    for (const auto& [file, spectra] : {std::pair{pair.surface, &surface}, std::pair{pair.borehole, &borehole}}) {
        ASSERT_EQ(app.Form1.OpenRecordFile(file), LoadStatus::Loaded);
        for (const FourierSettings& s : settings)
            ASSERT_TRUE(ComputeFourierSpectra(app.Form1.session().record(), s, (*spectra)[{s.taper, s.bandwidth}]));
    }
    const auto expectRatioOf = [&](const FourierSettings& s, const char* step) {
        const FourierSpectra& top = surface.at({s.taper, s.bandwidth});
        const FourierSpectra& bottom = borehole.at({s.taper, s.bandwidth});
        ASSERT_NE(window.partner(), nullptr) << step;
        EXPECT_EQ(window.RGRatio->itemIndex(), 1) << step;
        platform.saveAnswers.push_back(folder / "ratio.csv");
        window.BtnCSV->click();
        const std::string text = ReadWholeFile(folder / "ratio.csv");
        ASSERT_GT(text.size(), 1000u) << step;
        EXPECT_TRUE(text == SurfaceBoreholeCsvText(top, bottom)) << step << "\n" << text.substr(0, 400);
        EXPECT_EQ(text.find("# Konno-Ohmachi smoothing b = " + StringPrintf("%g", s.bandwidth)) != std::string::npos, true) << step;
        EXPECT_EQ(text.rfind("# 5 % cosine taper", 0) == 0, s.taper) << step;
    };

    Open(pair.borehole);
    Open(pair.surface);
    window.RGRatio->setItemIndex(1);
    expectRatioOf(settings[0], "at first");
    window.RGBandwidth->setItemIndex(0);
    expectRatioOf(settings[1], "b = 20");
    window.CBTaper->click();
    expectRatioOf(settings[2], "tapered");
    window.RGBandwidth->setItemIndex(2);
    expectRatioOf(settings[3], "b = 60, tapered");
    // The borehole shown again, calculated with the settings shown; then
    // the taper taken off while it is shown.
    Open(pair.borehole);
    EXPECT_EQ(window.spectra().series, 1);
    expectRatioOf(settings[3], "borehole again");
    window.CBTaper->click();
    expectRatioOf(settings[4], "borehole, no taper");
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
}

// A vertical component of zeros: H/V has no value anywhere; the CSV leaves
// its cells empty, says so in its first lines, and the window says so.
TEST_F(FourierWindowTest, HorizontalOverASilentVerticalIsLeftEmptyAndSaidSo) {
    std::string ud = ReadWholeFile(SamplePath("samples/knet/AIC0012411051012.UD"));
    std::size_t at = 0;
    for (int line = 0; line < 17; ++line) at = ud.find('\n', at) + 1;
    for (std::size_t i = at; i < ud.size(); ++i)
        if (ud[i] >= '1' && ud[i] <= '9') ud[i] = '0';
    for (const char* c : {"NS", "EW"})
        folder.Write(std::string("q/AIC0012411051012.") + c, ReadWholeFile(SamplePath(std::string("samples/knet/AIC0012411051012.") + c)));
    folder.Write("q/AIC0012411051012.UD", testing::WithStatedPeak(ud));
    Open(folder / "q/AIC0012411051012.NS");
    platform.messages.clear();
    platform.saveAnswers.push_back(folder / "fas.csv");
    window.BtnCSV->click();
    const std::string text = ReadWholeFile(folder / "fas.csv");
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find("# HV empty at"), std::string::npos) << text.substr(0, 300);
    EXPECT_NE(text.find(",\r\n"), std::string::npos) << "an empty HV cell ends the rows";
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("HV"), std::string::npos) << platform.messages[0].text;
}

}  // namespace
}  // namespace tremblo
