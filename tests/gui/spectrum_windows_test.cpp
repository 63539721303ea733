// The spectrum and Sa-Sd windows headless, with the main window's button and
// menu, and their exports through the scripted platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <filesystem>

#include "app/application.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

// Pixels close to the colour (r, g, b).
int PixelsOf(const RgbImage& picture, int r, int g, int b) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const auto* p = picture.pixel(x, y);
            count += (std::abs(p[0] - r) < 40 && std::abs(p[1] - g) < 40 && std::abs(p[2] - b) < 40) ? 1 : 0;
        }
    return count;
}

std::vector<std::string> CsvLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    return lines;
}

class SpectrumWindowsTest : public ::testing::Test {
protected:
    void Load(const char* file, bool threeComponents = true) {
        app.Form1.CB3Compo->setChecked(threeComponents);
        ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(file)), LoadStatus::Loaded);
    }
    void LoadAndShowSpectra() {
        Load("samples/knet/AIC0012411051012.NS");
        app.Form1.BtnSpect->click();
    }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TSpect& spect = app.Spect;
    TempFolder folder;
};

TEST_F(SpectrumWindowsTest, SpectrumButtonCalculatesNamesTheStationAndShowsTheWindow) {
    EXPECT_FALSE(app.Form1.BtnSpect->isEnabled());
    EXPECT_FALSE(spect.isVisible());
    EXPECT_EQ(spect.windowTitle(), QString::fromUtf8(" K-NET / KiK-net Earthquake Response Spectrum"));
    EXPECT_EQ(spect.MyGraph1->size(), QSize(897, 305));
    EXPECT_FALSE(spect.CBLarge->isChecked());
    Load("samples/knet/AIC0012411051012.NS");
    EXPECT_TRUE(app.Form1.BtnSpect->isEnabled());
    platform.events.clear();
    app.Form1.BtnSpect->click();

    EXPECT_TRUE(spect.isVisible());
    EXPECT_EQ(platform.events, (std::vector<std::string>{"wait:応答スペクトルを計算しています・・・・", "close-wait"}));
    EXPECT_EQ(spect.Label2->text(), "AIC001");
    EXPECT_EQ(spect.Label5->text(), QString::fromUtf8("名古屋港"));
    EXPECT_EQ(spect.Label3->text(), QString::fromUtf8("愛知県名古屋市港区港町"));
    EXPECT_EQ(spect.Label4->text(), QString::fromUtf8("標高 3m"));
    EXPECT_EQ(spect.ProgressBar1->maximum(), 15);
    EXPECT_EQ(spect.ProgressBar2->maximum(), 200);
    EXPECT_EQ(spect.RGCompo->button(1)->text(), "EW");
    // The window of the waveform view went into every component's spectrum.
    const SeismicRecord& record = app.Form1.session().record();
    EXPECT_EQ(spect.model().source().eventName, record.eventName);
    for (int c = 0; c < 3; ++c) EXPECT_GT(spect.model().spectrum().at(c, 3, SA, 100), 1.0f) << c;
    // Coloured curves: red (0 %), blue (1 %), green (10 %).
    const RgbImage picture = spect.MyGraph1->Picture();
    EXPECT_GT(PixelsOf(picture, 255, 0, 0), 100);
    EXPECT_GT(PixelsOf(picture, 0, 0, 255), 100);
    EXPECT_GT(PixelsOf(picture, 0, 128, 0), 100);

    // Every control redraws from the table without calculating again.
    platform.events.clear();
    int redraws = spect.redrawCount();
    spect.RGXScale->setItemIndex(0);
    spect.RGXUnit->setItemIndex(1);
    spect.RGYScale->setItemIndex(0);
    spect.RGCompo->setItemIndex(2);
    spect.D02->click();
    spect.CBColor->click();
    spect.UpDown1->setValue(4);
    spect.Button3->click();
    EXPECT_EQ(spect.redrawCount(), redraws + 8);
    EXPECT_TRUE(platform.events.empty());
    EXPECT_LT(PixelsOf(spect.MyGraph1->Picture(), 255, 0, 0), 10);  // all black now

    spect.Button1->click();
    EXPECT_FALSE(spect.isVisible());
}

TEST_F(SpectrumWindowsTest, LayoutDecidesWhichChoicesAndTheSaSdButtonAreEnabled) {
    LoadAndShowSpectra();
    EXPECT_TRUE(spect.RGCompo->isEnabled());
    EXPECT_FALSE(spect.RGResp->isEnabled());
    EXPECT_EQ(spect.RGResp->itemIndex(), 1);
    EXPECT_TRUE(spect.BtnSdSa->isEnabled());
    spect.RGSpect->setItemIndex(1);
    EXPECT_FALSE(spect.RGCompo->isEnabled());
    EXPECT_TRUE(spect.RGResp->isEnabled());
    EXPECT_FALSE(spect.BtnSdSa->isEnabled());
    spect.RGSpect->setItemIndex(0);
    EXPECT_TRUE(spect.BtnSdSa->isEnabled());

    // A one-component record: one label and two blank items, the first chosen.
    spect.RGCompo->setItemIndex(2);
    Load("samples/knet/AIC0012411051012.EW", false);
    EXPECT_EQ(spect.RGCompo->itemIndex(), 0);
    EXPECT_EQ(spect.RGCompo->button(0)->text(), "EW");
    EXPECT_EQ(spect.RGCompo->button(1)->text(), " ");
    EXPECT_FALSE(spect.RGCompo->button(1)->isEnabled());
    EXPECT_FALSE(spect.RGCompo->button(2)->isEnabled());
    app.Form1.BtnSpect->click();
    EXPECT_EQ(spect.model().source().componentCount, 1);
}

// A new load takes the spectra of the record before with it: no picture,
// file or Sa-Sd graph mixes the old spectra with the new record's labels.
TEST_F(SpectrumWindowsTest, NewLoadClearsTheSpectraUntilCalculatedAgain) {
    LoadAndShowSpectra();
    spect.BtnSdSa->click();
    ASSERT_TRUE(app.SdSa.isVisible());
    app.Form1.ChooseFormat(RecordFormat::Hiroshima);
    Load("samples/hiroshima/HFD01_241105.ns");
    EXPECT_FALSE(spect.model().hasSpectra());
    EXPECT_FALSE(app.SdSa.isVisible());
    EXPECT_EQ(spect.RGCompo->button(0)->text(), "NS");
    EXPECT_EQ(spect.Label3->text(), QString::fromUtf8("広島市中区国泰寺町"));  // the new station line
    for (QWidget* control : std::initializer_list<QWidget*>{spect.BtnGIF, spect.BtnCSV, spect.Button2,
                                                            spect.BtnSdSa, spect.CBLarge})
        EXPECT_FALSE(control->isEnabled());
    spect.Button3->click();
    const RgbImage blank = spect.MyGraph1->Picture();
    EXPECT_EQ(PixelsOf(blank, 255, 255, 255), blank.width * blank.height);
    spect.BtnCalc->click();
    EXPECT_TRUE(spect.BtnGIF->isEnabled() && spect.BtnSdSa->isEnabled());
    spect.BtnGIF->click();
    EXPECT_EQ(platform.saveRequests.back().initialName, "HFD01_241105rsp.png");
}

// The open Sa-Sd graph, its caption and its proposed file name follow the
// component and the damping ratio actually drawn.
TEST_F(SpectrumWindowsTest, SaSdGraphNameAndCaptionDescribeWhatIsDrawn) {
    LoadAndShowSpectra();
    spect.BtnSdSa->click();
    TSdSa& sdsa = app.SdSa;
    const RgbImage ns = sdsa.MyGraph1->Picture();
    spect.RGCompo->setItemIndex(2);
    EXPECT_NE(sdsa.MyGraph1->Picture().rgb, ns.rgb);  // redrawn for UD
    sdsa.Button2->click();
    EXPECT_EQ(platform.saveRequests.back().initialName, "AIC001-202411051012_UD_SdSa.png");
    const struct { QAction* item; const char* caption; } multipliers[] = {
        {app.Form1.N2, "Sa-Sdスペクトラム　h=0.25"},
        {app.Form1.N3, "Sa-Sdスペクトラム　h=0.5"},
        {app.Form1.N11, "Sa-Sdスペクトラム　h=0.05"}};
    for (const auto& m : multipliers) {
        m.item->trigger();
        EXPECT_EQ(sdsa.Label2->text(), QString::fromUtf8(m.caption));
    }
}

// Before any record the menu 表示単位 keeps its choices for the first
// calculation and opens no window of zeros.
TEST_F(SpectrumWindowsTest, DisplayMenuBeforeAnySpectraOnlySetsItsChoice) {
    app.Form1.N2->trigger();
    app.Form1.N6->trigger();
    EXPECT_FALSE(spect.isVisible());
    EXPECT_TRUE(app.Form1.N2->isChecked() && app.Form1.N6->isChecked());
    EXPECT_EQ(spect.D01->text(), " 5%");
    Load("samples/knet/AIC0012411051012.NS");
    app.Form1.BtnSpect->click();
    EXPECT_TRUE(spect.isVisible());
    EXPECT_FLOAT_EQ(spect.model().dampingRatios()[1], 0.05f);
    EXPECT_FLOAT_EQ(spect.model().linearPeriodAxis().limit, 5.0f);
    EXPECT_TRUE(platform.messages.empty());
}

// Every damping box shows its tick in strong contrast to what is behind it
// (the red "0 %" box painted its indicator red too, with a pale tick).
TEST_F(SpectrumWindowsTest, EveryDampingBoxShowsItsTick) {
    for (QCheckBox* box : {spect.D00, spect.D01, spect.D02, spect.D05, spect.D10}) {
        box->setChecked(true);
        const QImage checked = box->grab().toImage();
        box->setChecked(false);
        const QImage unchecked = box->grab().toImage();
        int contrasting = 0;  // tick pixels far in lightness from the empty box
        for (int y = 0; y < checked.height(); ++y)
            for (int x = 0; x < checked.width(); ++x)
                contrasting += std::abs(qGray(checked.pixel(x, y)) - qGray(unchecked.pixel(x, y))) > 150;
        EXPECT_GT(contrasting, 8) << box->text().toStdString();
    }
}

// The captions keep one form: after x5 and back to x1 they read as at start.
TEST_F(SpectrumWindowsTest, DampingCaptionsReadTheSameAfterARoundTrip) {
    Load("samples/knet/AIC0012411051012.NS");
    const auto captions = [&] {
        QStringList texts;
        for (QCheckBox* box : {spect.D00, spect.D01, spect.D02, spect.D05, spect.D10}) texts << box->text();
        return texts;
    };
    const QStringList atStart = captions();
    EXPECT_EQ(atStart, (QStringList{" 0%", " 1%", " 2%", " 5%", "10%"}));
    app.Form1.N2->trigger();
    EXPECT_EQ(captions(), (QStringList{" 0%", " 5%", "10%", "25%", "50%"}));
    app.Form1.N11->trigger();
    EXPECT_EQ(captions(), atStart);
}

TEST_F(SpectrumWindowsTest, TenfoldDampingMenuRecalculatesWithNewCaptionsAndCsvHeader) {
    Load("samples/knet/AIC0012411051012.NS");
    QAction* times10 = app.Form1.N3;
    EXPECT_TRUE(app.Form1.N11->isChecked());
    times10->trigger();
    EXPECT_TRUE(times10->isChecked());
    EXPECT_FALSE(app.Form1.N11->isChecked());
    EXPECT_TRUE(spect.isVisible());
    EXPECT_EQ(spect.D00->text(), " 0%");
    EXPECT_EQ(spect.D01->text(), "10%");
    EXPECT_EQ(spect.D10->text(), "100%");
    EXPECT_FLOAT_EQ(spect.model().dampingRatios()[4], 1.0f);
    EXPECT_EQ(spect.Label2->text(), "AIC001");

    platform.saveAnswers.push_back(folder / "spectra");  // no extension: ".csv" is appended
    spect.BtnCSV->click();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialName, "AIC001-202411051012rsp.csv");
    EXPECT_EQ(platform.saveRequests[0].filter, "CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*");
    const std::vector<std::string> lines = CsvLines(ReadWholeFile(folder / "spectra.csv"));
    ASSERT_EQ(lines.size(), 9u * 209u);
    EXPECT_EQ(lines[5], "Period,Frequency,0.00,0.10,0.20,0.50,1.00");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SpectrumWindowsTest, LongestPeriodMenuTurnsToALinearPeriodAxis) {
    LoadAndShowSpectra();
    spect.RGXUnit->setItemIndex(1);
    const int redraws = spect.redrawCount();
    app.Form1.N7->trigger();
    EXPECT_TRUE(app.Form1.N7->isChecked());
    EXPECT_FALSE(app.Form1.N5->isChecked());
    EXPECT_EQ(spect.RGXScale->itemIndex(), 0);
    EXPECT_EQ(spect.RGXUnit->itemIndex(), 0);
    EXPECT_EQ(spect.redrawCount(), redraws + 3);  // the menu, then each group's change
    EXPECT_EQ(spect.model().linearPeriodCount(), 200);
    TMyGraph& graph = spect.MyGraph1->graph();
    EXPECT_EQ(graph.SubX, 4);
    EXPECT_FLOAT_EQ(graph.VValueX, 2.0f);
    EXPECT_EQ(graph.NGridX, 5);
}

TEST_F(SpectrumWindowsTest, PictureFolderIsRememberedAcrossTheSpectrumWindows) {
    LoadAndShowSpectra();
    std::filesystem::create_directory(folder.path() / "pictures");
    // A cancelled dialog writes nothing and remembers nothing.
    spect.BtnGIF->click();
    EXPECT_EQ(spect.spectrumSaveDir, "");

    platform.saveAnswers.push_back(folder / "pictures/spectra");
    spect.BtnGIF->click();
    ASSERT_EQ(platform.saveRequests.size(), 2u);
    EXPECT_EQ(platform.saveRequests[1].initialName, "AIC001-202411051012rsp.png");
    // With no folder remembered the dialog starts in the record's folder.
    EXPECT_EQ(platform.saveRequests[1].initialFolder, SamplePath("samples/knet"));
    EXPECT_EQ(platform.saveRequests[1].filter, "PNGﾌｧｲﾙ (*,png)|*.png|すべて (*.*)|*.*");
    const std::string png = ReadWholeFile(folder / "pictures/spectra.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(spect.spectrumSaveDir, folder / "pictures");

    spect.RGCompo->setItemIndex(1);
    spect.BtnSdSa->click();
    ASSERT_TRUE(app.SdSa.isVisible());
    app.SdSa.Button2->click();  // cancelled
    ASSERT_EQ(platform.saveRequests.size(), 3u);
    EXPECT_EQ(platform.saveRequests[2].initialName, "AIC001-202411051012_EW_SdSa.png");
    EXPECT_EQ(platform.saveRequests[2].initialFolder, folder / "pictures");
    app.Form1.BtnGif->click();  // the waveform picture starts there too
    EXPECT_EQ(platform.saveRequests[3].initialFolder, folder / "pictures");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "pictures"), {}), 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SpectrumWindowsTest, SaSdWindowRedrawsWithItsOwnControls) {
    LoadAndShowSpectra();
    spect.BtnSdSa->click();
    TSdSa& sdsa = app.SdSa;
    EXPECT_EQ(sdsa.windowTitle(), QString::fromUtf8("Sa-Sdスペクトラム"));
    EXPECT_EQ(sdsa.Label2->text(), QString::fromUtf8("Sa-Sdスペクトラム　h=0.05"));
    EXPECT_GT(PixelsOf(sdsa.MyGraph1->Picture(), 255, 0, 0), 100);
    EXPECT_EQ(PixelsOf(sdsa.MyGraph1->Picture(), 0, 0, 255), 0);
    sdsa.CheckBox1->click();  // 変位調整 off: the full curve in blue
    EXPECT_GT(PixelsOf(sdsa.MyGraph1->Picture(), 0, 0, 255), 100);
    const int blue = PixelsOf(sdsa.MyGraph1->Picture(), 0, 0, 255);
    sdsa.UpDown1->setValue(6);
    EXPECT_GT(PixelsOf(sdsa.MyGraph1->Picture(), 0, 0, 255), blue);
    sdsa.Button1->click();
    EXPECT_FALSE(sdsa.isVisible());
}

TEST_F(SpectrumWindowsTest, CsvThatCannotBeWrittenIsReportedAndLeavesNothing) {
    LoadAndShowSpectra();
    const std::string path = folder / "missing/spectra.csv";
    platform.saveAnswers.push_back(path);
    spect.BtnCSV->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイル " + path + " を作成できません");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace tremblo
