// The files of the batch front end against what the windows export for the
// same record and settings: the main, spectrum and Sa-Sd windows driven
// headless, their save dialogs answered by the scripted platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "app/application.h"
#include "app/batch/batch_runner.h"
#include "plot/windows/radio_group.h"
#include "spectrum/windows/target_chooser.h"
#include "support/scripted_navigator.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "target/target_choice.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

struct Case {
    const char* name;
    const char* file;
    RecordFormat format;
    bool threeComponents;
    WaveQuantity quantity;
    int timeSpanIndex;
    std::optional<int> start;
    std::vector<float> amplitudes = {};  // automatic when empty
    WaveDisplayOptions display = {};
    // The spectrum window's controls and menu, the Sa-Sd window's check box.
    SpectrumDisplaySettings spectrum = {};
    DampingMultiplier multiplier = DampingMultiplier::Times1;
    LinearPeriodRange periodLimit = LinearPeriodRange::Seconds2;
    bool sdsaFull = false;
    // Both built-in targets at Z = 0.9 and the table kTargetTable, chosen in
    // the spectrum window, given to the batch as --target.
    bool targets = false;
};

constexpr const char* kTargetTable = "period,SA\r\n0.1,300\r\n0.4,1200\r\n4,150\r\n";

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// What the windows export after loading `c.file` with `c`'s settings.
struct WindowExports {
    std::string eventName, waveCsv, wavePng, spectrumCsv, spectrumPng, saSdPng;
    std::string saSdName;  // the name the Sa-Sd window proposes
};

// The spectrum window's controls as `c` gives them, then 応答ｽﾍﾟｸﾄﾗﾑ (or the
// damping menu, which runs it).
void ShowSpectra(Application& app, const Case& c, testing::ScriptedPlatform& platform, const TempFolder& folder) {
    TSpect& spect = app.Spect;
    if (c.targets) {
        spect.TargetBox->CBZone->setCurrentIndex(1);  // Z=0.9
        spect.TargetBox->CBSafety->click();
        spect.TargetBox->CBDamage->click();
        platform.openAnswers.push_back(folder.Write("site.csv", kTargetTable));
        spect.TargetBox->BtnTargetFile->click();
    }
    if (c.periodLimit != LinearPeriodRange::Seconds2)
        (c.periodLimit == LinearPeriodRange::Seconds5 ? app.Form1.N6 : app.Form1.N7)->trigger();
    const SpectrumDisplaySettings& s = c.spectrum;
    spect.RGSpect->setItemIndex(static_cast<int>(s.layout));
    spect.RGCompo->setItemIndex(s.component);
    spect.RGResp->setItemIndex(s.quantity);
    spect.RGXScale->setItemIndex(s.linearX ? 0 : 1);
    spect.RGXUnit->setItemIndex(s.frequencyX ? 1 : 0);
    spect.RGYScale->setItemIndex(s.linearY ? 0 : 1);
    QCheckBox* boxes[] = {spect.D00, spect.D01, spect.D02, spect.D05, spect.D10};
    for (int k = 0; k < DAMPING_COUNT; ++k)
        if (boxes[k]->isChecked() != s.dampingEnabled[static_cast<std::size_t>(k)]) boxes[k]->click();
    if (spect.CBColor->isChecked() != s.colorByDamping) spect.CBColor->click();
    spect.UpDown1->setValue(s.lineWidth);
    app.SdSa.UpDown1->setValue(s.lineWidth);
    app.SdSa.CheckBox1->setChecked(!c.sdsaFull);
    if (c.multiplier == DampingMultiplier::Times1) app.Form1.BtnSpect->click();
    else (c.multiplier == DampingMultiplier::Times5 ? app.Form1.N2 : app.Form1.N3)->trigger();
}

WindowExports ExportFromTheWindow(const Case& c, const TempFolder& folder) {
    testing::ScriptedPlatform platform;
    Application app(platform, SamplePath("data/DATA"));
    TForm1& form = app.Form1;
    form.ChooseFormat(c.format);
    form.CB3Compo->setChecked(c.threeComponents);
    EXPECT_EQ(form.OpenRecordFile(SamplePath(c.file)), LoadStatus::Loaded);
    form.RGWave->setItemIndex(static_cast<int>(c.quantity));
    form.RGTime->setItemIndex(c.timeSpanIndex);
    if (c.start) {
        // The slider takes every start up to the sample count; the start
        // field warns about late ones but the plot still follows the slider.
        form.CBAutoStart->setChecked(false);
        form.CBAutoStartClick();
        form.TrackBar1->setValue(*c.start);
        platform.messages.clear();
    }
    if (!c.amplitudes.empty()) {
        form.CBAmp->setChecked(false);
        form.CBAmpClick();
        form.CB1ch->setChecked(c.amplitudes.size() == 1);
        QLineEdit* fields[] = {form.EdAmp0, form.EdAmp1, form.EdAmp2};
        for (std::size_t i = 0; i < c.amplitudes.size(); ++i)
            fields[i]->setText(QString::number(static_cast<double>(c.amplitudes[i])));
    }
    form.CBTitle->setChecked(c.display.title);
    form.CBDataCount->setChecked(c.display.dataCount);
    form.CBMax->setChecked(c.display.max);
    form.CBMaxPnt->setChecked(c.display.maxPoint);
    form.BtnWaveClick();

    WindowExports exports;
    exports.eventName = form.session().record().eventName;
    platform.saveAnswers.push_back(folder / "window.csv");
    form.BtnCsvClick();
    platform.saveAnswers.push_back(folder / "window.png");
    form.BtnGifClick();
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
    exports.waveCsv = ReadWholeFile(folder / "window.csv");
    exports.wavePng = ReadWholeFile(folder / "window.png");

    // The spectrum window computes on the window the last redraw left.
    ShowSpectra(app, c, platform, folder);
    platform.saveAnswers.push_back(folder / "window_rsp.csv");
    app.Spect.BtnCSVClick();
    platform.saveAnswers.push_back(folder / "window_rsp.png");
    app.Spect.BtnGIFClick();
    app.Spect.BtnSdSaClick();  // also in the per-response layout, where its button is off
    platform.saveAnswers.push_back(folder / "window_sdsa.png");
    app.SdSa.Button2Click();
    exports.saSdName = platform.saveRequests.back().initialName;
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
    exports.spectrumCsv = ReadWholeFile(folder / "window_rsp.csv");
    exports.spectrumPng = ReadWholeFile(folder / "window_rsp.png");
    exports.saSdPng = ReadWholeFile(folder / "window_sdsa.png");
    return exports;
}

class BatchAgainstWindows : public ::testing::TestWithParam<Case> {};

TEST_P(BatchAgainstWindows, WritesTheFilesTheWindowsExport) {
    const Case& c = GetParam();
    TempFolder folder;
    const WindowExports window = ExportFromTheWindow(c, folder);
    ASSERT_FALSE(window.eventName.empty());
    ASSERT_GT(window.waveCsv.size(), 100u);

    // The batch is not told the format: it recognises it.
    BatchOptions options;
    options.files = {SamplePath(c.file)};
    options.outFolder = folder / "batch";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.threeComponents = c.threeComponents;
    options.quantity = c.quantity;
    options.timeSpanIndex = c.timeSpanIndex;
    options.start = c.start;
    options.amplitudes = c.amplitudes;
    options.display = c.display;
    options.spectrum = c.spectrum;
    options.dampingMultiplier = c.multiplier;
    options.periodLimit = c.periodLimit;
    options.sdsaFull = c.sdsaFull;
    if (c.targets) {
        for (const std::string& name : std::vector<std::string>{"bsl-safety", "bsl-damage", folder / "site.csv"})
            options.spectrum.targets.push_back(TargetOfName(name, 0.9).value());
        ASSERT_EQ(options.spectrum.targets.size(), 3u);
    }
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();

    const std::string base = folder / ("batch/" + window.eventName);
    EXPECT_TRUE(ReadWholeFile(base + ".csv") == window.waveCsv) << "waveform CSV differs";
    EXPECT_TRUE(ReadWholeFile(base + ".png") == window.wavePng) << "waveform picture differs";
    EXPECT_TRUE(ReadWholeFile(base + "rsp.csv") == window.spectrumCsv) << "spectrum CSV differs";
    EXPECT_TRUE(ReadWholeFile(base + "rsp.png") == window.spectrumPng) << "spectrum picture differs";
    EXPECT_TRUE(ReadWholeFile(folder / ("batch/" + window.saSdName)) == window.saSdPng)
        << "Sa-Sd picture differs";
}

SpectrumDisplaySettings PerResponseLinearFrequency() {
    SpectrumDisplaySettings s;
    s.layout = SpectrumLayout::PerResponse;
    s.component = 1;
    s.quantity = SA;
    s.linearX = true;
    s.frequencyX = true;
    s.dampingEnabled = {false, true, false, false, true};
    s.colorByDamping = false;
    s.lineWidth = 3;
    return s;
}

SpectrumDisplaySettings PerComponentLinear() {
    SpectrumDisplaySettings s;
    s.component = 2;
    s.linearX = true;
    s.linearY = true;
    s.lineWidth = 1;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    SampleRecords, BatchAgainstWindows,
    ::testing::Values(
        Case{"KnetDefaults", "samples/knet/AIC0012411051012.NS", RecordFormat::Knet, true,
             WaveQuantity::Acceleration, 3, std::nullopt},
        Case{"KnetVelocityFrom1200Over25s", "samples/knet/AIC0012411051012.NS", RecordFormat::Knet,
             true, WaveQuantity::Velocity, 2, 1200},
        Case{"KnetLateStartFromTheSlider", "samples/knet/AIC0012411051012.EW", RecordFormat::Knet, true,
             WaveQuantity::Displacement, 3, 5900},
        Case{"KnetOneComponentDisplacement100s", "samples/knet/AIC0012411051012.UD",
             RecordFormat::Knet, false, WaveQuantity::Displacement, 4, std::nullopt},
        Case{"HiroshimaVelocity", "samples/hiroshima/HFD01_241105.ns", RecordFormat::Hiroshima,
             true, WaveQuantity::Velocity, 3, std::nullopt},
        Case{"CdpcDisplacementFrom300Over10s", "samples/cdpc/CDPC_SYNTH.ew", RecordFormat::Cdpc,
             true, WaveQuantity::Displacement, 1, 300},
        Case{"KnetRowAmplitudesWithoutTitleAndMaxima", "samples/knet/AIC0012411051012.EW",
             RecordFormat::Knet, true, WaveQuantity::Acceleration, 3, std::nullopt, {500, 250, 125},
             WaveDisplayOptions{false, true, false, false, true}},
        Case{"HiroshimaOneAmplitudeWithoutDataCount", "samples/hiroshima/HFD01_241105.ud",
             RecordFormat::Hiroshima, true, WaveQuantity::Velocity, 3, std::nullopt, {20},
             WaveDisplayOptions{true, false, true, true, true}},
        Case{"KnetSpectraPerResponseLinearHzTenfoldFullSaSd", "samples/knet/AIC0012411051012.NS",
             RecordFormat::Knet, true, WaveQuantity::Acceleration, 3, std::nullopt, {}, {},
             PerResponseLinearFrequency(), DampingMultiplier::Times10, LinearPeriodRange::Seconds10, true},
        Case{"CdpcSpectraPerComponentLinear5sFivefold", "samples/cdpc/CDPC_SYNTH.ns", RecordFormat::Cdpc,
             true, WaveQuantity::Acceleration, 3, std::nullopt, {}, {}, PerComponentLinear(),
             DampingMultiplier::Times5, LinearPeriodRange::Seconds5},
        Case{"KnetTargetsFullSaSd", "samples/knet/AIC0012411051012.NS", RecordFormat::Knet, true,
             WaveQuantity::Acceleration, 3, std::nullopt, {}, {}, {}, DampingMultiplier::Times1,
             LinearPeriodRange::Seconds2, true, true},
        Case{"HiroshimaTargetsPerResponseHz", "samples/hiroshima/HFD01_241105.ns", RecordFormat::Hiroshima,
             true, WaveQuantity::Acceleration, 3, std::nullopt, {}, {}, PerResponseLinearFrequency(),
             DampingMultiplier::Times1, LinearPeriodRange::Seconds2, false, true}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The superposed picture of the three formats' samples: in the windows, each
// record's SV item (the second) enlarged, the first starting a new drawing
// and the others added; in the batch, --superpose with the same records.
// The CDPC record comes first: a CDPC file names no station nor origin, and
// the window keeps those of the record loaded before, where the batch loads
// every record as the first after start-up.
TEST(BatchAgainstWindows, SuperposesTheRecordsAsTheEnlargedViewsDo) {
    TempFolder folder;
    struct Record {
        const char* file;
        RecordFormat format;
    };
    const Record records[] = {{"samples/cdpc/CDPC_SYNTH.ud", RecordFormat::Cdpc},
                              {"samples/knet/AIC0012411051012.NS", RecordFormat::Knet},
                              {"samples/hiroshima/HFD01_241105.ns", RecordFormat::Hiroshima}};
    testing::ScriptedPlatform platform;
    Application app(platform, SamplePath("data/DATA"));
    testing::ScriptedNavigator navigator;
    app.Spect.navigator = &navigator;
    bool first = true;
    for (const Record& r : records) {
        app.Form1.ChooseFormat(r.format);
        ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(r.file)), LoadStatus::Loaded);
        app.Form1.BtnSpect->click();
        navigator.choices = {kChoiceNext, first ? kChoiceNewSuperposed : kChoiceAddSuperposed, kChoiceClose};
        app.Spect.CBLarge->click();
        first = false;
    }
    EXPECT_EQ(app.Spect.enlargedState.overlayCount, 2);
    platform.saveAnswers.push_back(folder / "window_super.png");
    app.Super.BtnSPGIFClick();

    BatchOptions options;
    for (const Record& r : records) options.files.push_back(SamplePath(r.file));
    options.outFolder = folder / "batch";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.superposeFile = folder / "batch_super";
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_NE(err.str().find("superposed: wrote " + folder / "batch_super.png" + " (records 1-3 of 3)"),
              std::string::npos) << err.str();
    EXPECT_TRUE(ReadWholeFile(folder / "batch_super.png") == ReadWholeFile(folder / "window_super.png"));
}

}  // namespace
}  // namespace tremblo
