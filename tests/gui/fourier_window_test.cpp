// The Fourier window headless: opened from the main window, its controls,
// its exports through the scripted platform, and a KiK-net pair's ratio.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/application.h"
#include "fourier/fourier_amplitude.h"
#include "fourier/fourier_csv.h"
#include "plot/png_writer.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "support/kiknet_pair.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

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
    EXPECT_EQ(text.substr(0, 34), "Frequency,NS2/NS1,EW2/EW1,UD2/UD1\r");
    EXPECT_NE(text.find(",4.000000e+00"), std::string::npos) << text.substr(0, 300);

    // Another record of another station: the pair is gone, H/V again.
    Open(SamplePath("samples/knet/AIC0012411051012.NS"));
    EXPECT_FALSE(window.RGRatio->button(1)->isEnabled());
    EXPECT_EQ(window.RGRatio->itemIndex(), 0);
}

}  // namespace
}  // namespace tremblo
