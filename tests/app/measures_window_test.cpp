// The intensity window headless: opened from the main window's menu, its
// values against the core's, its files against the batch's, its copy, and
// how it empties itself when another record is loaded.
#include <gtest/gtest.h>

#include <QAction>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <map>
#include <sstream>

#include "app/application.h"
#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "pipeline/measure_values.h"
#include "plot/canvas/raster_canvas.h"
#include "plot/windows/graph_view.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "wave/husid_drawing.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;
using Table = std::vector<std::vector<std::string>>;

const char* const kKnetSample = "samples/knet/AIC0012411051012.NS";

// Lines split at `separator` (no cell of these tables is quoted).
Table SplitRows(const std::string& text, char separator) {
    Table rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> cells(1);
        for (char ch : line) {
            if (ch == separator)
                cells.emplace_back();
            else
                cells.back() += ch;
        }
        rows.push_back(cells);
    }
    return rows;
}

std::string CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

class MeasuresWindowTest : public ::testing::Test {
protected:
    void Open(const std::string& path) {
        ASSERT_EQ(app.Form1.OpenRecordFile(path), LoadStatus::Loaded);
        app.Form1.Measures1->trigger();
    }
    const SeismicRecord& record() { return app.Form1.session().record(); }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TMeasures& window = app.Measures;
    TempFolder folder;
};

TEST_F(MeasuresWindowTest, MenuItemShowsTheCoreValuesOfTheRecord) {
    EXPECT_FALSE(app.Form1.Measures1->isEnabled());
    Open(SamplePath(kKnetSample));
    EXPECT_TRUE(app.Form1.Measures1->isEnabled());
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(window.measures().has_value());
    const RecordMeasures expected = ComputeRecordMeasures(record(), BatchMeasureSettings(DEFAULT_BRACKET_THRESHOLD_G));
    ASSERT_EQ(window.measures()->componentCount, 3);
    for (int c = 0; c < 3; ++c) {
        const auto shown = ComponentMeasureValues(window.measures()->components[static_cast<std::size_t>(c)]);
        const auto core = ComponentMeasureValues(expected.components[static_cast<std::size_t>(c)]);
        for (std::size_t i = 0; i < core.size(); ++i) EXPECT_EQ(shown[i].value, core[i].value) << c << core[i].name;
    }
    const auto shownHorizontal = HorizontalMeasureValues(*window.measures());
    const auto coreHorizontal = HorizontalMeasureValues(expected);
    for (std::size_t i = 0; i < coreHorizontal.size(); ++i) {
        ASSERT_TRUE(coreHorizontal[i].value.has_value()) << coreHorizontal[i].name;
        EXPECT_EQ(shownHorizontal[i].value, coreHorizontal[i].value) << coreHorizontal[i].name;
    }

    // The table: components by their labels, the horizontal motion last,
    // units in the row titles, and an empty cell where there is no value.
    const QTableWidget& table = *window.Table;
    ASSERT_EQ(table.columnCount(), 4);
    const char* const columns[] = {"NS", "EW", "UD", "水平動"};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(table.horizontalHeaderItem(c)->text().toStdString(), columns[c]);
    const MeasureTable core = MeasureTableOf(expected);
    ASSERT_EQ(table.rowCount(), static_cast<int>(core.rows.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const std::string title = table.verticalHeaderItem(r)->text().toStdString();
        EXPECT_TRUE(title.find('(') != std::string::npos && title.back() == ')') << title;
        for (int c = 0; c < 4; ++c) {
            const std::optional<double>& value = core.rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)];
            EXPECT_EQ(CellText(table, r, c), MeasureCellText(value)) << r << "," << c;
            EXPECT_EQ(CellText(table, r, c).empty(), !value.has_value()) << r << "," << c;
        }
    }
    EXPECT_EQ(CellText(table, 0, 3), "");  // no Arias intensity of the horizontal motion
    EXPECT_TRUE(window.BtnCopy->isEnabled());
}

TEST_F(MeasuresWindowTest, ThresholdChangesTheBracketedDurationAlone) {
    Open(SamplePath(kKnetSample));
    const RecordMeasures before = *window.measures();
    window.EditThreshold->setValue(0.002);
    window.BtnCalc->click();
    const RecordMeasures expected = ComputeRecordMeasures(record(), BatchMeasureSettings(0.002));
    EXPECT_EQ(window.measures()->bracketThresholdG, 0.002);
    int changed = 0;
    for (int c = 0; c < 3; ++c) {
        const auto& shown = window.measures()->components[static_cast<std::size_t>(c)].time;
        EXPECT_EQ(shown.bracketed, expected.components[static_cast<std::size_t>(c)].time.bracketed) << c;
        changed += shown.bracketed != before.components[static_cast<std::size_t>(c)].time.bracketed ? 1 : 0;
        EXPECT_EQ(shown.cumulative.cav, before.components[static_cast<std::size_t>(c)].time.cumulative.cav) << c;
    }
    EXPECT_GT(changed, 0);
    EXPECT_NE(window.RowTitles()[6].find("0.002"), std::string::npos) << window.RowTitles()[6];
}

TEST_F(MeasuresWindowTest, FilesEqualTheBatchFilesOfTheRecord) {
    const std::string sample = SamplePath(kKnetSample);
    BatchOptions options;
    options.files = {sample};
    options.outFolder = folder / "out";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.husid = true;
    options.measures = true;
    options.summaryFile = folder / "summary.csv";
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const std::string base = folder / "out/AIC001-202411051012";

    Open(sample);
    platform.saveAnswers = {folder / "window.csv", folder / "window.png", folder / "table.csv"};
    window.BtnHusidCsv->click();
    window.BtnHusidPng->click();
    window.BtnTableCsv->click();
    ASSERT_EQ(platform.saveRequests.size(), 3u);
    EXPECT_EQ(platform.saveRequests[0].initialName, "AIC001-202411051012husid.csv");
    EXPECT_EQ(platform.saveRequests[1].initialName, "AIC001-202411051012husid.png");
    EXPECT_EQ(ReadWholeFile(folder / "window.csv"), ReadWholeFile(base + "husid.csv"));
    EXPECT_EQ(ReadWholeFile(folder / "window.png"), ReadWholeFile(base + "husid.png"));

    // The table's file: the summary's --measures columns, with the summary's cells.
    const Table summary = SplitRows(ReadWholeFile(options.summaryFile), ',');
    const Table shown = SplitRows(ReadWholeFile(folder / "table.csv"), ',');
    ASSERT_EQ(summary.size(), 2u);
    ASSERT_EQ(shown.size(), 2u);
    ASSERT_EQ(shown[0].size(), 3 * ComponentMeasureNames().size() + HorizontalMeasureNames().size());
    ASSERT_EQ(shown[1].size(), shown[0].size());
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < summary[0].size(); ++i) column[summary[0][i]] = i;
    int filled = 0;
    for (std::size_t i = 0; i < shown[0].size(); ++i) {
        ASSERT_TRUE(column.count(shown[0][i])) << shown[0][i];
        EXPECT_EQ(shown[1][i], summary[1][column[shown[0][i]]]) << shown[0][i];
        filled += shown[1][i].empty() ? 0 : 1;
    }
    EXPECT_GT(filled, 20);
}

TEST_F(MeasuresWindowTest, CopyPutsTheShownTableOnTheClipboard) {
    Open(SamplePath(kKnetSample));
    window.BtnCopy->click();
    ASSERT_EQ(platform.clipboardTexts.size(), 1u);
    const Table copied = SplitRows(platform.clipboardTexts[0], '\t');
    const QTableWidget& table = *window.Table;
    ASSERT_EQ(copied.size(), static_cast<std::size_t>(table.rowCount()) + 1);
    EXPECT_EQ(copied[0], (std::vector<std::string>{"", "NS", "EW", "UD", "水平動"}));
    for (int r = 0; r < table.rowCount(); ++r) {
        const std::vector<std::string>& line = copied[static_cast<std::size_t>(r) + 1];
        ASSERT_EQ(line.size(), 5u) << r;
        EXPECT_EQ(line[0], table.verticalHeaderItem(r)->text().toStdString());
        for (int c = 0; c < 4; ++c) EXPECT_EQ(line[static_cast<std::size_t>(c) + 1], CellText(table, r, c)) << r << "," << c;
    }
    // A view of the window for whoever looks at it (TREMBLO_SHOT_FOLDER).
    if (const char* shots = std::getenv("TREMBLO_SHOT_FOLDER"))
        window.grab().save(QString::fromUtf8(shots) + "/measures_window.png");
}

TEST_F(MeasuresWindowTest, AnotherRecordEmptiesTheWindow) {
    Open(SamplePath(kKnetSample));
    ASSERT_TRUE(window.measures().has_value());
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/hiroshima/HFD01_241105.ns")), LoadStatus::Loaded);
    EXPECT_FALSE(window.measures().has_value());
    for (int r = 0; r < window.Table->rowCount(); ++r)
        for (int c = 0; c < window.Table->columnCount(); ++c) EXPECT_EQ(CellText(*window.Table, r, c), "") << r << "," << c;
    for (QPushButton* button : {window.BtnCopy, window.BtnTableCsv, window.BtnHusidCsv, window.BtnHusidPng})
        EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(window.Label2->text().isEmpty());
    RasterCanvas blank(HUSID_GRAPH_WIDTH, HUSID_GRAPH_HEIGHT);
    TMyGraph graph(blank, platform);
    PrepareHusidGraph(graph);
    EXPECT_EQ(window.MyGraph1->Picture().rgb, blank.Picture().rgb);
    // The next calculation is of the record now loaded.
    window.BtnCalc->click();
    ASSERT_TRUE(window.measures().has_value());
    EXPECT_EQ(window.measures()->components[0].time.ariasIntensity,
              ComputeRecordMeasures(record(), BatchMeasureSettings(DEFAULT_BRACKET_THRESHOLD_G)).components[0].time.ariasIntensity);
}

}  // namespace
}  // namespace tremblo
