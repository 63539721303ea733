// The event window's columns and map colours: measure columns holding the
// batch's --measures values (the event read again when one is chosen), the
// choice kept across sessions, and the map coloured by a column as the
// batch's --map-column draws it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <cmath>
#include <cstdlib>
#include <map>

#include "app/windows/event_column_chooser.h"
#include "app/windows/station_map_view.h"
#include "event/event_column_number.h"
#include "event/summary_row_parse.h"
#include "event/value_legend.h"
#include "event_window_fixture.h"
#include "pipeline/measure_table.h"
#include "plot/recording_canvas.h"

namespace tremblo {
namespace {

int SectionOf(EventColumn column) {
    const std::vector<EventColumn>& all = EventColumnsInTableOrder();
    return static_cast<int>(std::find(all.begin(), all.end(), column) - all.begin());
}

// The summary file's cells by record file and column name, read apart from
// the window's parser.
std::map<std::string, std::map<std::string, std::string>> SummaryCells(const std::string& csv) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < csv.size();) {
        const std::size_t end = csv.find("\r\n", at);
        lines.push_back(csv.substr(at, end - at));
        at = end == std::string::npos ? csv.size() : end + 2;
    }
    const std::vector<std::string> names = SplitCsvLine(lines.at(0).substr(lines[0].rfind('\xEF', 0) == 0 ? 3 : 0));
    std::map<std::string, std::map<std::string, std::string>> cells;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> row = SplitCsvLine(lines[i]);
        if (row.size() != names.size()) continue;
        for (std::size_t c = 0; c < names.size(); ++c) cells[row[0]][names[c]] = row[c];
    }
    return cells;
}

TEST_F(EventWindowTest, AMeasureColumnChosenReadsTheEventAgainWithTheBatchsValues) {
    ReadDelivery();
    EXPECT_FALSE(app.EventList.readWithMeasures());
    const EventColumn arias = *EventColumnOfKey("c1_arias"), si = *EventColumnOfKey("si_horizontal");
    EXPECT_TRUE(app.EventList.Grid->isColumnHidden(SectionOf(arias)));
    std::set<EventColumn> columns = app.EventList.shownColumns();
    columns.insert({arias, si});
    app.EventList.SetShownColumns(columns);
    EXPECT_TRUE(app.EventList.LabelStatus->text().contains(QString::fromUtf8("読み直しています")))
        << app.EventList.LabelStatus->text().toStdString();
    WaitUntilRead();
    ASSERT_TRUE(app.EventList.readWithMeasures());
    EXPECT_EQ(table().readCount(), 5u);
    EXPECT_FALSE(app.EventList.Grid->isColumnHidden(SectionOf(arias)));
    EXPECT_FALSE(app.EventList.Grid->isColumnHidden(SectionOf(si)));
    EXPECT_TRUE(app.EventList.Grid->isColumnHidden(SectionOf(*EventColumnOfKey("c2_arias"))));

    RunBatch(folder / "batch.csv", "", true);
    const auto batch = SummaryCells(ReadWholeFile(folder / "batch.csv"));
    EventTableModel& model = *app.EventList.model();
    int compared = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const EventRow& shown = table().rows()[model.RecordAt(row)];
        ASSERT_TRUE(batch.contains(shown.file)) << shown.file;
        for (const EventColumn column : {arias, si}) {
            const std::string& cell = batch.at(shown.file).at(EventColumnKey(column));
            const QString text = model.data(model.index(row, SectionOf(column)), Qt::DisplayRole).toString();
            if (cell.empty()) {
                EXPECT_TRUE(text.isEmpty()) << shown.file;
                continue;
            }
            const double value = static_cast<double>(std::strtof(cell.c_str(), nullptr));
            EXPECT_EQ(EventColumnNumber(shown, column), value) << shown.file << " " << cell;
            EXPECT_EQ(text.toStdString(), MeasureCellText(value)) << shown.file;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 8);  // four records read, each with both values
    // The table saved is the batch's summary with --measures.
    platform.saveAnswers = {folder / "window.csv"};
    app.EventList.BtnCsv->click();
    EXPECT_TRUE(ReadWholeFile(folder / "window.csv") == ReadWholeFile(folder / "batch.csv"));
}

TEST_F(EventWindowTest, TheChooserListsEveryColumnGroupedAndGivesTheChecked) {
    TEventColumnChooser chooser(DefaultShownColumns());
    EXPECT_EQ(chooser.Tree->topLevelItemCount(), 5);
    for (const EventColumn column : EventColumnsInTableOrder())
        EXPECT_EQ(chooser.ItemOf(column)->checkState(0) == Qt::Checked, DefaultShownColumns().contains(column));
    // The measures by component under their group.
    const QTreeWidgetItem* measures = chooser.Tree->topLevelItem(4);
    EXPECT_EQ(measures->childCount(), 4);
    EXPECT_EQ(chooser.ItemOf(*EventColumnOfKey("c2_cav"))->parent()->parent(), measures);
    chooser.ItemOf(*EventColumnOfKey("c2_cav"))->setCheckState(0, Qt::Checked);
    chooser.ItemOf(EventColumn::Pga1)->setCheckState(0, Qt::Unchecked);
    std::set<EventColumn> expected = DefaultShownColumns();
    expected.erase(EventColumn::Pga1);
    expected.insert(*EventColumnOfKey("c2_cav"));
    EXPECT_EQ(chooser.Chosen(), expected);
    // Every column off: nothing to accept.
    for (const EventColumn column : EventColumnsInTableOrder()) chooser.ItemOf(column)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(chooser.BtnOk->isEnabled());
    chooser.BtnDefault->click();
    EXPECT_EQ(chooser.Chosen(), DefaultShownColumns());
    EXPECT_TRUE(chooser.BtnOk->isEnabled());
}

TEST_F(EventWindowTest, TheChoiceOfColumnsAndColoursSurvivesClosingAndReopening) {
    const EventColumn cav = *EventColumnOfKey("c2_cav");
    const std::set<EventColumn> columns{EventColumn::Code, EventColumn::PgaMax, EventColumn::Jma, cav};
    app.EventList.SetShownColumns(columns);
    app.EventList.SetMapColumn(EventColumn::Pgv);  // not shown: the classes stay
    EXPECT_FALSE(app.EventList.mapColumn());
    app.EventList.SetMapColumn(cav);
    app.EventList.close();

    testing::ScriptedPlatform otherPlatform;
    Application again{otherPlatform, SamplePath("data/DATA")};
    TEventList& list = again.EventList;
    EXPECT_EQ(list.shownColumns(), columns);
    EXPECT_EQ(list.mapColumn(), cav);
    for (const EventColumn column : EventColumnsInTableOrder())
        EXPECT_EQ(list.Grid->isColumnHidden(SectionOf(column)), !columns.contains(column)) << EventColumnKey(column);
    // The map's choice: the classes, then the numeric columns shown.
    ASSERT_EQ(list.CBMapColumn->count(), 4);
    EXPECT_EQ(list.CBMapColumn->itemText(1), QString::fromUtf8("計測震度"));
    EXPECT_EQ(list.CBMapColumn->itemText(2), QString::fromUtf8("PGA [Gal]"));
    EXPECT_EQ(list.CBMapColumn->currentText(), QString::fromUtf8("CAV EW [cm/s]"));
    // Hidden again, the map goes back to the classes.
    list.SetShownColumns({EventColumn::Code, EventColumn::PgaMax});
    EXPECT_FALSE(list.mapColumn());
    EXPECT_EQ(list.CBMapColumn->currentIndex(), 0);
}

// The map coloured by PGA: each station's disc in the colour value_colors
// gives its value on the logarithmic scale of the stations' range, the
// legend naming the column.
TEST_F(EventWindowTest, TheMapColouredByAColumnTakesTheScalesColoursAndNamesIt) {
    ReadDelivery();
    app.EventList.CBMapColumn->setCurrentIndex(app.EventList.CBMapColumn->findText(QString::fromUtf8("PGA [Gal]")));
    EXPECT_EQ(app.EventList.mapColumn(), EventColumn::PgaMax);
    const EventMapPoints& points = app.EventList.Map->points();
    ASSERT_TRUE(points.colouring);
    EXPECT_EQ(points.colouring->title, "PGA [Gal]");
    double low = INFINITY, high = -INFINITY;
    for (const std::size_t row : points.rows) {
        const double logarithm = std::log10(static_cast<double>(*table().rows()[row].pgaMax));
        low = std::min(low, logarithm);
        high = std::max(high, logarithm);
    }
    ASSERT_LT(low, high);
    RecordingCanvas canvas(520, 560);
    const StationMapLayout layout = DrawEventMap(canvas, points, std::nullopt);
    EXPECT_NE(canvas.FindText("PGA [Gal]"), nullptr);
    ASSERT_EQ(points.stations.size(), 4u);
    for (std::size_t s = 0; s < points.stations.size(); ++s) {
        const double pga = static_cast<double>(*table().rows()[points.rows[s]].pgaMax);
        const Color expected = ValueScaleColor(std::log10(pga), ValueRange{low, high});
        const Point p = layout.ToPixel(points.stations[s].lat, points.stations[s].lon);
        bool found = false;
        for (const CanvasCall& call : canvas.Calls(CanvasOp::Ellipse))
            found = found || (call.x1 == p.x - kStationRadius && call.y1 == p.y - kStationRadius &&
                              call.brushStyle == BrushStyle::Solid && call.brushColor == expected);
        EXPECT_TRUE(found) << s << " " << pga;
    }
}

// A column some stations have no value in: those are hollow grey rings.
TEST_F(EventWindowTest, StationsWithoutAValueAreDrawnHollow) {
    const EventColumn bracketed = *EventColumnOfKey("c3_bracketed");
    std::set<EventColumn> columns = DefaultShownColumns();
    columns.insert(bracketed);
    app.EventList.SetShownColumns(columns);
    ReadDelivery();
    app.EventList.SetMapColumn(bracketed);
    const EventMapPoints& points = app.EventList.Map->points();
    RecordingCanvas canvas(520, 560);
    const StationMapLayout layout = DrawEventMap(canvas, points, std::nullopt);
    int hollow = 0, filled = 0;
    for (const MapStation& station : points.stations) {
        const Point p = layout.ToPixel(station.lat, station.lon);
        for (const CanvasCall& call : canvas.Calls(CanvasOp::Ellipse)) {
            if (call.x1 != p.x - kStationRadius || call.y1 != p.y - kStationRadius) continue;
            if (station.value) {
                filled += call.brushStyle == BrushStyle::Solid;
            } else {
                EXPECT_EQ(call.brushStyle, BrushStyle::Clear);
                EXPECT_EQ(call.penColor, kNoValueColor);
                ++hollow;
            }
        }
    }
    EXPECT_GT(hollow, 0);  // AIC002 UD, a third of the sample's 141 gal, never reaches 0.05 g
    EXPECT_GT(filled, 0);
    EXPECT_NE(canvas.FindText(kNoValueLegendText), nullptr);
}

// The map saved in a column's colours is the batch's --map with
// --map-column naming it, byte for byte.
TEST_F(EventWindowTest, TheSavedMapInAColumnsColoursIsTheBatchs) {
    const struct {
        const char* key;
        bool measures;
    } cases[] = {{"pga_max", false}, {"si_horizontal", true}, {"c3_d5_95", true}};
    for (const auto& c : cases) {
        const EventColumn column = *EventColumnOfKey(c.key);
        std::set<EventColumn> columns = DefaultShownColumns();
        columns.insert(column);
        app.EventList.SetShownColumns(columns);
        WaitUntilRead();  // the event read again for a measure column
        ReadDelivery();
        app.EventList.SetMapColumn(column);
        ASSERT_EQ(app.EventList.mapColumn(), column);
        const std::string name = std::string(c.key);
        RunBatch(folder / (name + ".csv"), folder / (name + "_batch.png"), c.measures, c.key);
        platform.saveAnswers = {folder / (name + "_window.png")};
        app.EventList.BtnPng->click();
        EXPECT_TRUE(ReadWholeFile(folder / (name + "_window.png")) == ReadWholeFile(folder / (name + "_batch.png"))) << c.key;
        EXPECT_FALSE(ReadWholeFile(folder / (name + "_window.png")) == ReadWholeFile(folder / "pga_max_batch.png") &&
                     name != "pga_max") << c.key;
    }
}

}  // namespace
}  // namespace tremblo
