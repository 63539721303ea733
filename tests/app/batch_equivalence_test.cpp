// The files of the batch front end against what the windows export for the
// same record and settings: the main window driven headless, its save
// dialogs answered by the scripted platform.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "app/batch/batch_runner.h"
#include "plot/windows/radio_group.h"
#include "spectrum/spectrum_calculation.h"
#include "spectrum/spectrum_csv.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "wave/windows/form1.h"

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
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// What the main window exports after loading `c.file` with `c`'s settings.
struct WindowExports {
    std::string eventName, waveCsv, wavePng, spectrumCsv;
};

WindowExports ExportFromTheWindow(const Case& c, const TempFolder& folder) {
    testing::ScriptedPlatform platform;
    TForm1 form(platform, SamplePath("data/DATA"));
    form.ChooseFormat(c.format);
    form.CB3Compo->setChecked(c.threeComponents);
    EXPECT_EQ(form.OpenRecordFile(SamplePath(c.file)), LoadStatus::Loaded);
    form.RGWave->setItemIndex(static_cast<int>(c.quantity));
    form.RGTime->setItemIndex(c.timeSpanIndex);
    if (c.start) {
        form.CBAutoStart->setChecked(false);
        form.CBAutoStartClick();
        form.EdStart->setText(QString::number(*c.start));
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
    const SeismicRecord& record = form.session().record();
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    auto table = std::make_unique<SpectrumTable>();
    SpectrumCalculation calculation;
    EXPECT_EQ(calculation.Run(record, periods, ratios, *table), CalculationStatus::Done);
    exports.spectrumCsv = SpectrumCsvText(SpectrumSourceOf(record), periods, ratios, *table);
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
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();

    const std::string base = folder / ("batch/" + window.eventName);
    EXPECT_TRUE(ReadWholeFile(base + ".csv") == window.waveCsv) << "waveform CSV differs";
    EXPECT_TRUE(ReadWholeFile(base + ".png") == window.wavePng) << "waveform picture differs";
    EXPECT_TRUE(ReadWholeFile(base + "rsp.csv") == window.spectrumCsv) << "spectrum CSV differs";
}

INSTANTIATE_TEST_SUITE_P(
    SampleRecords, BatchAgainstWindows,
    ::testing::Values(
        Case{"KnetDefaults", "samples/knet/AIC0012411051012.NS", RecordFormat::Knet, true,
             WaveQuantity::Acceleration, 3, std::nullopt},
        Case{"KnetVelocityFrom1200Over25s", "samples/knet/AIC0012411051012.NS", RecordFormat::Knet,
             true, WaveQuantity::Velocity, 2, 1200},
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
             WaveDisplayOptions{true, false, true, true, true}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tremblo
