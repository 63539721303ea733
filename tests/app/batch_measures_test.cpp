// --measures, --bracket-threshold and --husid of the batch: the summary's
// columns and --info's values are those the core computes for the record
// loaded and prepared as the batch prepares it; records without two
// perpendicular horizontals, failed records and thresholds never reached
// leave their cells empty; the Husid files are the core's CSV and a picture
// of the graph's size.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "pipeline/measure_values.h"
#include "record/record_session.h"
#include "stations/station_directory.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "wave/husid_csv.h"
#include "wave/husid_drawing.h"
#include "wave/motion_derivation.h"
#include "wave/record_filter.h"
#include "wave/waveform_preparation.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;
using Table = std::vector<std::vector<std::string>>;

// Rows of the summary (RFC 4180 quotes; no cell of these records is quoted).
Table ParseRows(const std::string& text) {
    Table rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> cells(1);
        for (char ch : line) {
            if (ch == ',') cells.emplace_back();
            else cells.back() += ch;
        }
        rows.push_back(cells);
    }
    return rows;
}

// The record as the batch loads it and prepares its waveform view by default.
struct PreparedRecord {
    testing::ScriptedPlatform platform;
    StationDirectory directory;
    std::unique_ptr<RecordSession> session;
    DerivationWorkspace workspace;
    explicit PreparedRecord(const std::string& path, bool threeComponents = true) {
        session = std::make_unique<RecordSession>(platform, directory);
        session->setFilterDesigner(RecordFilterDesigner());
        EXPECT_EQ(session->LoadPath(path, LoadSettings{RecordFormat::Knet, threeComponents, true}), LoadStatus::Loaded);
        WaveformSettings settings;
        settings.workers = 1;
        EXPECT_TRUE(PrepareWaveform(session->record(), settings, workspace).prepared);
    }
    const SeismicRecord& record() const { return session->record(); }
};

BatchOptions MeasureOptions(const TempFolder& folder, const std::vector<std::string>& files) {
    BatchOptions options;
    options.files = files;
    options.dataFolder = SamplePath("data/DATA");
    options.summaryFile = folder / "summary.csv";
    options.info = true;
    options.rotd = true;
    options.measures = true;
    return options;
}

std::vector<std::string> MeasureColumns() {
    std::vector<std::string> names;
    for (int c = 1; c <= 3; ++c)
        for (const std::string& name : ComponentMeasureNames()) names.push_back("c" + std::to_string(c) + "_" + name);
    for (const std::string& name : HorizontalMeasureNames()) names.push_back(name);
    return names;
}

TEST(BatchMeasures, SummaryAndInfoHoldTheCoreValuesOfTheRecord) {
    TempFolder folder;
    const std::string sample = SamplePath("samples/knet/AIC0012411051012.NS");
    const BatchOptions options = MeasureOptions(folder, {sample});
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const Table summary = ParseRows(ReadWholeFile(options.summaryFile));
    ASSERT_EQ(summary.size(), 2u);
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < summary[0].size(); ++i) column[summary[0][i]] = i;
    ASSERT_EQ(summary[1].size(), summary[0].size());
    // The columns in their order, after the RotD columns, before `error`.
    const std::vector<std::string> names = MeasureColumns();
    ASSERT_EQ(names.size(), 34u);
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(column.count(names[i])) << names[i];
        EXPECT_EQ(column[names[i]], column["rotd100_sa5_5.022s"] + 1 + i) << names[i];
    }
    const nlohmann::json info = nlohmann::json::parse(out.str().substr(0, out.str().find('\n')));

    const PreparedRecord loaded(sample);
    const RecordMeasures core = ComputeRecordMeasures(loaded.record(), BatchMeasureSettings(0.05));
    ASSERT_EQ(core.componentCount, 3);
    ASSERT_TRUE(core.horizontalSi && core.rotatedPeaks);
    auto expect = [&](const std::string& cell, const nlohmann::json& json, const std::optional<double>& value,
                      const std::string& name) {
        ASSERT_TRUE(value.has_value()) << name;
        EXPECT_EQ(json.get<double>(), *value) << name;
        EXPECT_EQ(std::stof(cell), static_cast<float>(*value)) << name;
    };
    for (int c = 0; c < 3; ++c) {
        const nlohmann::json& component = info["components"][static_cast<std::size_t>(c)];
        for (const NamedMeasure& m : ComponentMeasureValues(core.components[static_cast<std::size_t>(c)])) {
            const std::string name = "c" + std::to_string(c + 1) + "_" + m.name;
            expect(summary[1][column[name]], component[m.name], m.value, name);
        }
    }
    for (const NamedMeasure& m : HorizontalMeasureValues(core)) expect(summary[1][column[m.name]], info[m.name], m.value, m.name);
    EXPECT_EQ(info["si_horizontal_azimuth"].get<int>(), core.horizontalSi->azimuth);
    EXPECT_EQ(info["bracket_threshold_g"].get<double>(), 0.05);
    // The rotated peaks bound the single components' peaks of the same row.
    for (const char* q : {"pga_gal", "pgv_kine", "pgd_cm"}) {
        const std::string rotated = std::string(q).substr(0, 3) + "_rotd100";
        for (int c = 1; c <= 2; ++c)
            EXPECT_GE(std::stof(summary[1][column[rotated]]), std::stof(summary[1][column["c" + std::to_string(c) + "_" + q]]))
                << rotated;
    }
}

// One component has no horizontal values (a note says why); a file that
// fails has every measure cell empty; a threshold above the record's peak
// leaves the bracketed durations empty.
TEST(BatchMeasures, MissingValuesLeaveTheirCellsEmpty) {
    TempFolder folder;
    BatchOptions options = MeasureOptions(folder, {SamplePath("samples/knet/AIC0012411051012.EW"), folder / "missing.NS"});
    options.threeComponents = false;
    options.bracketThresholdG = 2.0;
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 1) << err.str();
    const Table summary = ParseRows(ReadWholeFile(options.summaryFile));
    ASSERT_EQ(summary.size(), 3u);
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < summary[0].size(); ++i) column[summary[0][i]] = i;
    for (const auto& row : summary) EXPECT_EQ(row.size(), summary[0].size());
    EXPECT_NE(err.str().find("(--measures)"), std::string::npos) << err.str();
    const std::vector<std::string>& one = summary[1];
    EXPECT_EQ(one[column["c1_label"]], "EW");
    for (const char* name : {"c1_arias", "c1_d5_75", "c1_d5_95", "c1_cav", "c1_cav5", "c1_cavstd", "c1_housner_si", "c1_si"})
        EXPECT_FALSE(one[column[name]].empty()) << name;
    EXPECT_TRUE(one[column["c1_bracketed"]].empty());  // 2 g is never reached
    for (const std::string& name : MeasureColumns())
        if (name.rfind("c1_", 0) != 0) {
            EXPECT_TRUE(one[column[name]].empty()) << name;
        }
    for (const std::string& name : MeasureColumns()) EXPECT_TRUE(summary[2][column[name]].empty()) << name;
    EXPECT_FALSE(summary[2][column["error"]].empty());
    const nlohmann::json info = nlohmann::json::parse(out.str().substr(0, out.str().find('\n')));
    EXPECT_TRUE(info["si_horizontal"].is_null());
    EXPECT_TRUE(info["pga_rotd100"].is_null());
    EXPECT_TRUE(info["components"][0]["bracketed"].is_null());
    EXPECT_EQ(info["bracket_threshold_g"].get<double>(), 2.0);
}

TEST(BatchMeasures, BracketThresholdTakesAccelerationsInG) {
    const struct {
        const char* value;
        bool accepted;
    } cases[] = {{"0.05", true}, {"0.2", true}, {"10", true}, {"0.0001", true}, {"0", false}, {"-0.05", false},
                 {"nan", false}, {"inf", false}, {"11", false}, {"0.05g", false}};
    for (const auto& c : cases) {
        const char* argv[] = {"tremblo-batch", "--measures", "--bracket-threshold", c.value, "x.NS"};
        std::ostringstream out, err;
        const ParsedCommandLine parsed = ParseBatchCommandLine(5, argv, out, err);
        EXPECT_EQ(parsed.options.has_value(), c.accepted) << c.value << ": " << err.str();
        if (parsed.options) {
            EXPECT_EQ(parsed.options->bracketThresholdG, std::stod(c.value));
            EXPECT_TRUE(parsed.options->measures);
        } else {
            EXPECT_EQ(parsed.exitStatus, kUsageErrorStatus) << c.value;
        }
    }
}

// --husid writes the core's CSV of the record and a picture of the graph's
// size beside the other files, and nothing when no files are written.
TEST(BatchMeasures, HusidFilesBesideTheOtherFiles) {
    TempFolder folder;
    const std::string sample = SamplePath("samples/knet/AIC0012411051012.NS");
    BatchOptions options;
    options.files = {sample};
    options.outFolder = folder / "out";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.husid = true;
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const std::string base = folder / "out/AIC001-202411051012";
    const PreparedRecord loaded(sample);
    EXPECT_EQ(ReadWholeFile(base + "husid.csv"), HusidCsvText(loaded.record(), RecordHusidCurves(loaded.record())));
    const QImage picture(QString::fromStdString(base + "husid.png"));
    EXPECT_EQ(picture.width(), HUSID_GRAPH_WIDTH);
    EXPECT_EQ(picture.height(), HUSID_GRAPH_HEIGHT);
    EXPECT_TRUE(fs::exists(base + "rsp.csv"));

    BatchOptions summaryOnly = options;
    summaryOnly.outGiven = false;
    summaryOnly.outFolder = folder / "none";
    summaryOnly.summaryFile = folder / "summary.csv";
    ASSERT_EQ(RunBatch(summaryOnly, out, err, false), 0) << err.str();
    EXPECT_FALSE(fs::exists(folder / "none"));
}

}  // namespace
}  // namespace tremblo
