// The waveform view of the main window: redraws, the start-point controls
// and the exports, driven headless with scripted dialogs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <filesystem>

#include "plot/windows/radio_group.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "wave/waveform_csv.h"
#include "app/main_window/form1.h"
#include "wave/windows/wave_plot_view.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;

int RedPixels(const RgbImage& picture) {
    int red = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const auto* p = picture.pixel(x, y);
            red += (p[0] > 200 && p[1] < 80 && p[2] < 80) ? 1 : 0;
        }
    return red;
}

class WaveformViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
        platform.events.clear();
        platform.messages.clear();
    }

    testing::ScriptedPlatform platform;
    TForm1 form{platform, SamplePath("data/DATA")};
    testing::TempFolder temp;
};

TEST_F(WaveformViewTest, LoadDrawsEveryComponentFromTheAutomaticStart) {
    const WaveformView& view = form.lastView();
    ASSERT_TRUE(view.prepared);
    EXPECT_EQ(view.rowCount, 3);
    EXPECT_EQ(view.windowLength, 5000);  // 50 s at 100 Hz
    EXPECT_TRUE(view.startWasAutomatic);
    EXPECT_EQ(form.TrackBar1->value(), view.windowStart);  // the slider shows the start in use
    EXPECT_EQ(form.EdStart->text().toInt(), view.windowStart);
    EXPECT_EQ(form.TrackBar1->maximum(), 6000);
    EXPECT_GT(RedPixels(form.MyWave1->Picture()), 10);  // the peak circles
    for (QWidget* w : {static_cast<QWidget*>(form.BtnWave), static_cast<QWidget*>(form.BtnCsv),
                       static_cast<QWidget*>(form.BtnGif), static_cast<QWidget*>(form.BtnCopy),
                       static_cast<QWidget*>(form.CBWave), static_cast<QWidget*>(form.BtnSpect)})
        EXPECT_TRUE(w->isEnabled());
}

TEST_F(WaveformViewTest, SettingsRedrawWithTheWaitWindowUnlessQuiet) {
    const int before = form.redrawCount();
    form.RGTime->setItemIndex(0);  // 5 s
    EXPECT_EQ(form.redrawCount(), before + 1);
    EXPECT_EQ(form.lastView().windowLength, 500);
    EXPECT_EQ(platform.events, (std::vector<std::string>{"wait:地震波形データを処理しています・・・・", "close-wait"}));
    const RgbImage withMarkers = form.MyWave1->Picture();
    form.CBMaxPnt->click();
    EXPECT_EQ(RedPixels(form.MyWave1->Picture()), 0);
    EXPECT_GT(RedPixels(withMarkers), 0);
    form.RGWave->setItemIndex(1);  // velocity
    EXPECT_GT(form.lastView().rows[0].peak, 0.5f);
    EXPECT_EQ(form.lastView().rows[0].quantity, WaveQuantity::Velocity);
}

TEST_F(WaveformViewTest, StartFieldAndSlider) {
    form.CBAutoStart->click();
    EXPECT_TRUE(form.EdStart->isEnabled());
    EXPECT_TRUE(form.TrackBar1->isEnabled());
    const int redraws = form.redrawCount();
    // Typed digit by digit: 1, 14, 140, 1400 are each accepted and redrawn quietly.
    form.EdStart->clear();
    EXPECT_EQ(form.redrawCount(), redraws);  // an empty field does nothing
    for (const char* text : {"1", "14", "140", "1400"}) form.EdStart->setText(text);
    EXPECT_EQ(form.TrackBar1->value(), 1400);
    EXPECT_EQ(form.lastView().windowStart, 1400);
    EXPECT_EQ(form.redrawCount(), redraws + 4);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.events.empty());  // quiet: no wait window

    // 6000 - 2000 = 4000 is the limit at 50 s.
    form.EdStart->setText("5000");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "開始点番号が大きすぎます");
    EXPECT_EQ(platform.messages[0].caption, "開始点番号エラー");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Plain);
    EXPECT_EQ(form.TrackBar1->value(), 1400);
    EXPECT_EQ(form.redrawCount(), redraws + 4);

    form.EdStart->setText("12x");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "開始点番号には整数を入力してください");
    EXPECT_EQ(form.redrawCount(), redraws + 4);
    // A redraw with that text in the field is abandoned, nothing else changes.
    form.BtnWave->click();
    EXPECT_EQ(form.redrawCount(), redraws + 4);
    EXPECT_EQ(form.lastView().windowStart, 1400);

    // Automatic start again: the controls are disabled and the plot, slider
    // and field show the automatic start.
    form.CBAutoStart->click();
    EXPECT_FALSE(form.EdStart->isEnabled());
    EXPECT_NE(form.lastView().windowStart, 1400);
    EXPECT_EQ(form.TrackBar1->value(), form.lastView().windowStart);
    EXPECT_EQ(form.EdStart->text().toInt(), form.lastView().windowStart);
}

TEST_F(WaveformViewTest, SliderBeyondTheLimitWarnsButStillRedraws) {
    form.CBAutoStart->click();
    form.TrackBar1->setValue(5500);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().text, "開始点番号が大きすぎます");
    EXPECT_EQ(form.lastView().windowStart, 5500);
    EXPECT_EQ(form.lastView().windowLength, 500);  // cut at the record's end
}

TEST_F(WaveformViewTest, ManualAmplitudesAndComponentMode) {
    form.CBAmp->click();
    EXPECT_TRUE(form.CB1ch->isEnabled());
    EXPECT_FLOAT_EQ(form.lastView().rows[1].valuePerDivision, 200.0f);  // 400 at the band top
    form.EdAmp1->setText("abc");
    form.BtnWave->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "振幅軸目盛エラー");

    form.CBWave->click();  // componentMode resets the fields
    EXPECT_EQ(form.EdAmp0->text(), "400");
    EXPECT_EQ(form.EdAmp1->text(), "100");
    EXPECT_EQ(form.EdAmp2->text(), "10");
    EXPECT_TRUE(form.RGCompo->isEnabled());
    EXPECT_FALSE(form.RGWave->isEnabled());
    EXPECT_FALSE(form.BtnCsv->isEnabled());
    form.RGCompo->setItemIndex(2);
    const WaveformView& view = form.lastView();
    EXPECT_EQ(view.rows[2].component, 2);
    EXPECT_EQ(view.rows[2].quantity, WaveQuantity::Displacement);
    EXPECT_FLOAT_EQ(view.rows[2].valuePerDivision, 5.0f);
}

TEST_F(WaveformViewTest, OnlyTheAmplitudeFieldsTheRowsUseAreRead) {
    form.CBAmp->click();
    form.CB1ch->setChecked(true);
    form.EdAmp0->setText("800");
    form.EdAmp1->setText("abc");  // unused with 1ch指定
    form.EdAmp2->setText("");
    form.BtnWave->click();
    EXPECT_TRUE(platform.messages.empty());
    for (int r = 0; r < 3; ++r) EXPECT_FLOAT_EQ(form.lastView().rows[r].valuePerDivision, 400.0f) << r;

    // A one-component record draws one row: only the first field counts.
    form.CB1ch->setChecked(false);
    form.CB3Compo->setChecked(false);
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.EW")), LoadStatus::Loaded);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FLOAT_EQ(form.lastView().rows[0].valuePerDivision, 400.0f);
    // Three rows of one component read all three.
    form.CBWave->click();
    form.EdAmp2->setText("x");
    form.BtnWave->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "振幅軸目盛エラー");
}

TEST_F(WaveformViewTest, HeaderFollowsTheLoadedFormatNotTheMenu) {
    const RgbImage knet = form.MyWave1->Picture();
    form.HiroshimaClick();
    form.BtnWave->click();
    EXPECT_TRUE(form.MyWave1->Picture().rgb == knet.rgb);

    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/hiroshima/HFD01_241105.ns")), LoadStatus::Loaded);
    const RgbImage hiroshima = form.MyWave1->Picture();
    EXPECT_FALSE(hiroshima.rgb == knet.rgb);
    form.KNETClick();
    form.BtnWave->click();
    EXPECT_TRUE(form.MyWave1->Picture().rgb == hiroshima.rgb);
}

TEST_F(WaveformViewTest, OneComponentRecordInComponentMode) {
    form.CB3Compo->setChecked(false);
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.EW")), LoadStatus::Loaded);
    form.CBWave->click();
    EXPECT_FALSE(form.RGCompo->isEnabled());
    EXPECT_EQ(form.lastView().rowCount, 3);
    EXPECT_EQ(form.lastView().rows[1].component, 0);
    EXPECT_GT(form.lastView().rows[1].peak, 0.0f);  // the velocity is derived
}

TEST_F(WaveformViewTest, ExportsWriteWhatIsShown) {
    platform.saveAnswers.push_back(temp / "wave");  // no extension: ".csv" is added
    form.BtnCsvClick();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialName, "AIC001-202411051012.csv");
    EXPECT_EQ(platform.saveRequests[0].filter, "KELDOR CSV ﾌｧｲﾙ (*.csv)|*.csv");
    EXPECT_EQ(ReadWholeFile(temp / "wave.csv"), WaveformCsvText(form.session().record(), WaveQuantity::Acceleration));
    EXPECT_EQ(ReadWholeFile(temp / "wave.csv").substr(0, 10), "NS,EW,UD\r\n");

    platform.saveAnswers.push_back(temp / "picture");  // no extension: ".png" is added
    form.BtnGifClick();
    EXPECT_EQ(platform.saveRequests[1].filter, "PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*");
    EXPECT_EQ(platform.saveRequests[1].initialName, "AIC001-202411051012.png");
    EXPECT_EQ(platform.saveRequests[1].defaultExtension, "png");
    EXPECT_EQ(ReadWholeFile(temp / "picture.png").substr(0, 4), "\x89PNG");

    form.BtnCopyClick();
    ASSERT_EQ(platform.clipboard.size(), 1u);
    EXPECT_EQ(platform.clipboard[0].width, 593);
    EXPECT_EQ(platform.clipboard[0].height, 409);
    EXPECT_EQ(platform.clipboard[0].rgb, form.MyWave1->Picture().rgb);

    // A cancelled dialog writes nothing; a file that cannot be written is reported.
    form.BtnCsvClick();
    platform.saveAnswers.push_back(temp / "missing/wave.csv");
    form.BtnCsvClick();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイル " + (temp / "missing/wave.csv") + " を作成できません");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 2);
}

}  // namespace
}  // namespace tremblo
