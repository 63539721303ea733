// The event window on a delivery as NIED hands one out: filled in the
// background, its table and exports equal to what the batch writes for the
// same archive, sorted and filtered, and its rows opened in the main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QSettings>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <set>
#include <sstream>

#include "app/application.h"
#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "record/windows/record_info_panel.h"
#include "event_window_fixture.h"
#include "support/archive_writer.h"
#include "support/mseed_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

TEST_F(EventWindowTest, TableAndExportsEqualWhatTheBatchWritesForTheDelivery) {
    ASSERT_TRUE(app.EventList.OpenEvent(delivery));
    WaitUntilRead();
    // Five records: three K-NET (one failing for its missing UD), KiK-net borehole and surface.
    EXPECT_EQ(table().readCount(), 5u);
    EXPECT_EQ(table().failedCount(), 1u);
    EXPECT_EQ(app.EventList.LabelCount->text(), QString::fromUtf8("表示 5 / 読込 5 / 失敗 1"));
    EXPECT_TRUE(app.EventList.LabelStatus->text().contains(QString::fromUtf8("地震記録でないファイル 3 個")))
        << app.EventList.LabelStatus->text().toStdString();
    const auto surface = RowOfCode("AICH01", Network::KikSurface);
    const auto borehole = RowOfCode("AICH01", Network::KikBorehole);
    ASSERT_TRUE(surface && borehole);
    EXPECT_EQ(table().rows()[*surface].file, delivery + ":20241105101200.kik.tar.gz:AICH012411051012.NS2");  // named by its first member

    RunBatch(folder / "batch.csv", folder / "batch.png");
    platform.saveAnswers = {folder / "window.csv", folder / "window.png"};
    app.EventList.BtnCsv->click();
    app.EventList.BtnPng->click();
    EXPECT_EQ(platform.saveRequests.at(0).initialName, "20241105101200_summary.csv");
    EXPECT_TRUE(ReadWholeFile(folder / "window.csv") == ReadWholeFile(folder / "batch.csv"));
    EXPECT_TRUE(ReadWholeFile(folder / "window.png") == ReadWholeFile(folder / "batch.png"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EventWindowTest, SortsFiltersAndFollowsTheMap) {
    app.EventList.OpenEvent(delivery);
    WaitUntilRead();
    QTableView& grid = *app.EventList.Grid;
    EventTableModel& model = *app.EventList.model();
    // PGA (the largest component), descending: the strongest record first, the failed one (no value) last.
    grid.horizontalHeader()->setSortIndicator(6, Qt::DescendingOrder);
    ASSERT_EQ(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), "PGA [Gal]");
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "AIC001");
    for (int r = 1; r < 4; ++r)
        EXPECT_GE(*table().rows()[model.RecordAt(r - 1)].pgaMax, *table().rows()[model.RecordAt(r)].pgaMax);
    EXPECT_TRUE(table().rows()[model.RecordAt(4)].failed());

    app.EventList.CBNetwork->setCurrentIndex(3);  // KiK-net 地中
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.RecordAt(0), *RowOfCode("AICH01", Network::KikBorehole));
    app.EventList.CBNetwork->setCurrentIndex(0);
    app.EventList.EdFilter->setText("aic00");
    EXPECT_EQ(model.rowCount(), 3);  // the failed record's code comes from its file's name
    EXPECT_EQ(app.EventList.LabelCount->text(), QString::fromUtf8("表示 3 / 読込 5 / 失敗 1"));
    app.EventList.EdFilter->clear();

    // A click on AIC002's station selects its row; selecting a row rings its station.
    const std::size_t aic002 = *RowOfCode("AIC002", Network::Knet);
    const Point at = app.EventList.Map->mapLayout().ToPixel(35.12, 136.91);
    QTest::mouseClick(app.EventList.Map, Qt::LeftButton, {}, QPoint(at.x, at.y));
    ASSERT_TRUE(grid.currentIndex().isValid());
    EXPECT_EQ(model.RecordAt(grid.currentIndex().row()), aic002);
    EXPECT_FALSE(app.EventList.Map->Picture().rgb == app.EventList.Map->ExportPicture().rgb);  // the ring
}

TEST_F(EventWindowTest, EnterOpensTheRowsRecordInTheMainWindowFromTheArchive) {
    app.EventList.OpenEvent(delivery);
    WaitUntilRead();
    EventTableModel& model = *app.EventList.model();
    const std::size_t surface = *RowOfCode("AICH01", Network::KikSurface);
    app.EventList.Grid->setCurrentIndex(model.index(*model.RowOf(surface), 0));
    QTest::keyClick(app.EventList.Grid, Qt::Key_Return);
    EXPECT_TRUE(platform.messages.empty());
    const SeismicRecord& record = app.Form1.session().record();
    EXPECT_EQ(record.stationCode.str(), "AICH01");
    EXPECT_EQ(record.componentCount, 3);
    EXPECT_EQ(record.componentLabel[0].str(), "NS2");
    EXPECT_EQ(app.Form1.infoPanel()->valueLabel("Label13")->text(), "AICH01");
    // Synthesis reads the record's files from disk: not for a record in an archive.
    EXPECT_FALSE(app.Form1.Button3->isEnabled());
    // The failed record has nothing to open, and says why in its row.
    const std::size_t failed = *RowOfCode("AIC003", Network::Knet);
    ASSERT_TRUE(table().rows()[failed].failed());
    EXPECT_NE(table().rows()[failed].error.find("AIC0032411051012.ud"), std::string::npos) << table().rows()[failed].error;
}

TEST_F(EventWindowTest, ASecondEventReplacesAStillFillingOneOnlyAfterYes) {
    ASSERT_TRUE(app.EventList.OpenEvent(delivery));
    platform.messageAnswers = {MessageAnswer::No};
    EXPECT_FALSE(app.EventList.OpenEvent(folder.path().string()));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, MessageStyle::QuestionYesNo);
    WaitUntilRead();
    EXPECT_EQ(table().readCount(), 5u);

    // A folder holding the delivery reads the same records; a finished table is replaced without a question.
    ASSERT_TRUE(app.EventList.OpenEvent(folder.path().string()));
    EXPECT_EQ(platform.messages.size(), 1u);
    WaitUntilRead();
    EXPECT_EQ(table().readCount(), 5u);
}

TEST_F(EventWindowTest, StopEndsTheReadingKeepingTheRowsRead) {
    ASSERT_TRUE(app.EventList.OpenEvent(delivery));
    app.EventList.BtnStop->click();
    EXPECT_FALSE(app.EventList.BtnStop->isEnabled());
    WaitUntilRead();
    EXPECT_LE(table().readCount(), 5u);
    EXPECT_TRUE(app.EventList.LabelStatus->text().startsWith(QString::fromUtf8("中止しました")))
        << app.EventList.LabelStatus->text().toStdString();
}

TEST_F(EventWindowTest, AListNamesRecordFilesBesideItAndMissingOnesFailInTheirRows) {
    for (const char* component : {"NS", "EW", "UD"})
        folder.Write(std::string("list/AIC0012411051012.") + component,
                     ReadWholeFile(SamplePath(kSample + "." + component)));
    const std::string list = folder.Write("list/event.txt", "AIC0012411051012.NS\r\n\nGONE0012411051012.NS\n");
    ASSERT_TRUE(app.EventList.OpenEvent(list));
    WaitUntilRead();
    ASSERT_EQ(table().readCount(), 2u);
    EXPECT_EQ(table().rows()[0].stationCode, "AIC001");
    EXPECT_TRUE(table().rows()[1].failed());
    EXPECT_NE(table().rows()[1].error.find("GONE0012411051012"), std::string::npos) << table().rows()[1].error;
}

// miniSEED files without their StationXML beside them: the window asks for
// one before it reads, once for the session, and its stations come with
// the positions the chosen file gives.
TEST_F(EventWindowTest, AStationXmlIsAskedForOnceAndServesEveryLaterEvent) {
    for (const char* station : {"STA01", "STA02"}) {
        const std::string bytes = testing::ThreeChannelMseed(station, 3000, 29);
        folder.Write(std::string("ms/a/") + station + ".mseed", bytes);
        folder.Write(std::string("ms/b/") + station + ".mseed", bytes);
    }
    std::vector<testing::XmlChannelFixture> channels = testing::ThreeXmlChannels("STA01");
    for (auto c : testing::ThreeXmlChannels("STA02")) {
        c.latitude = "36.125";
        channels.push_back(c);
    }
    platform.openAnswers.push_back(folder.Write("elsewhere/inventory.xml", testing::StationXmlDocument(channels)));
    for (const char* event : {"ms/a", "ms/b"}) {
        SCOPED_TRACE(event);
        ASSERT_TRUE(app.EventList.OpenEvent(folder / event));
        WaitUntilRead();
        ASSERT_EQ(table().readCount(), 2u);
        EXPECT_EQ(table().failedCount(), 0u) << table().rows()[0].error;
        const std::optional<std::size_t> second = RowOfCode("STA02", table().rows()[0].network);
        ASSERT_TRUE(second.has_value());
        EXPECT_DOUBLE_EQ(table().rows()[*second].stationLat.value_or(0.0), 36.125);
    }
    EXPECT_EQ(platform.openFilters.size(), 1u);  // asked before the first event only
}

TEST_F(EventWindowTest, DamagedAndMissingInputKeepsWhatWasReadAndSaysWhy) {
    // The delivery cut in the middle of its second inner archive.
    const std::string bytes = ReadWholeFile(delivery);
    const std::string cut = folder.Write("cut.tar", bytes.substr(0, bytes.size() * 3 / 4));
    ASSERT_TRUE(app.EventList.OpenEvent(cut));
    WaitUntilRead();
    EXPECT_GE(table().readCount() - table().failedCount(), 2u);  // the K-NET records before the cut
    EXPECT_GE(table().failedCount(), 1u);

    ASSERT_TRUE(app.EventList.OpenEvent(folder / "nothing-here.tar"));
    WaitUntilRead();
    EXPECT_EQ(table().readCount(), 0u);
    EXPECT_TRUE(app.EventList.LabelStatus->text().contains("nothing-here.tar"));
}


// A new event shows all its rows and stations, whatever the last one was
// filtered by; 波形表示 without a row chosen says what to do.
TEST_F(EventWindowTest, ANewEventShowsAllItsRowsAndAWaveformNeedsARow) {
    ReadDelivery();
    app.EventList.EdFilter->setText("ZZZ");
    app.EventList.CBNetwork->setCurrentIndex(3);
    ASSERT_FALSE(app.EventList.Map->mapLayout().hasPoints());
    ReadDelivery();
    EXPECT_EQ(app.EventList.EdFilter->text(), QString());
    EXPECT_EQ(app.EventList.CBNetwork->currentIndex(), 0);
    EXPECT_EQ(app.EventList.LabelCount->text(), QString::fromUtf8("表示 5 / 読込 5 / 失敗 1"));
    EXPECT_TRUE(app.EventList.Map->mapLayout().hasPoints());

    app.EventList.Grid->setCurrentIndex(QModelIndex());
    app.EventList.BtnOpen->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "波形を表示する記録の行を表で選んでください");
}

// The count line keeps its width: the filter's box and the network choice
// stay where they are whatever the counts say.
TEST_F(EventWindowTest, TheCountLineKeepsTheFilterInPlace) {
    app.EventList.show();
    const auto place = [&](const char* counts) {
        app.EventList.LabelCount->setText(QString::fromUtf8(counts));
        app.EventList.layout()->activate();
        return std::pair{app.EventList.EdFilter->geometry(), app.EventList.CBNetwork->geometry()};
    };
    const auto first = place("表示 0 / 読込 0 / 失敗 0");
    for (const char* counts : {"表示 123456 / 読込 123456 / 失敗 99999", ""}) EXPECT_EQ(place(counts), first) << counts;
}

// The bar says how far the reading came: all the way, as far as it came
// before 中止 (and that it was stopped), or nowhere for a path that is not there.
TEST_F(EventWindowTest, TheProgressBarSaysHowFarTheReadingCame) {
    QProgressBar& bar = *app.EventList.ProgressBar1;
    ReadDelivery();
    EXPECT_EQ(bar.text(), "100%");
    ASSERT_TRUE(app.EventList.OpenEvent(delivery));
    app.EventList.BtnStop->click();
    WaitUntilRead();
    EXPECT_GT(bar.maximum(), 0);  // no longer the busy indicator
    EXPECT_TRUE(bar.text().startsWith(QString::fromUtf8("中止"))) << bar.text().toStdString();
    if (table().readCount() < 5) {
        EXPECT_LT(bar.value(), bar.maximum());
    }
    ASSERT_TRUE(app.EventList.OpenEvent(folder / "nothing-here.tar"));
    WaitUntilRead();
    EXPECT_GT(bar.maximum(), 0);
    EXPECT_EQ(bar.value(), bar.minimum());
    EXPECT_EQ(bar.text(), QString::fromUtf8("エラー"));
}

// The map saved: the batch's --map picture however the table is sorted;
// filtered, the map of the rows shown under a name that says so.
TEST_F(EventWindowTest, TheSavedMapIsTheBatchsOrSaysItIsFiltered) {
    ReadDelivery();
    RunBatch(folder / "batch.csv", folder / "batch.png");
    app.EventList.Grid->horizontalHeader()->setSortIndicator(6, Qt::DescendingOrder);
    platform.saveAnswers = {folder / "sorted.png", folder / "filtered.png"};
    app.EventList.BtnPng->click();
    app.EventList.CBNetwork->setCurrentIndex(1);  // K-NET
    app.EventList.BtnPng->click();
    EXPECT_EQ(platform.saveRequests.at(0).initialName, "20241105101200_map.png");
    EXPECT_TRUE(ReadWholeFile(folder / "sorted.png") == ReadWholeFile(folder / "batch.png"));
    EXPECT_EQ(platform.saveRequests.at(1).initialName, "20241105101200_map_filtered.png");
    EXPECT_FALSE(ReadWholeFile(folder / "filtered.png") == ReadWholeFile(folder / "batch.png"));
}

// Clicks on the place KiK-net's surface and borehole records share select
// one, the other, then the first again. A failed row names the record's
// file first, then the archives it lies in (not the delivery's folder), and
// the station its name tells.
TEST_F(EventWindowTest, TheMapAndTheRowsReachEveryRecord) {
    ReadDelivery();
    EventTableModel& model = *app.EventList.model();
    const Point at = app.EventList.Map->mapLayout().ToPixel(35.13, 137.07);
    std::vector<std::size_t> selected;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(app.EventList.Map, Qt::LeftButton, {}, QPoint(at.x, at.y));
        selected.push_back(model.RecordAt(app.EventList.Grid->currentIndex().row()));
    }
    EXPECT_EQ(std::set<std::size_t>(selected.begin(), selected.begin() + 2),
              (std::set<std::size_t>{*RowOfCode("AICH01", Network::KikSurface), *RowOfCode("AICH01", Network::KikBorehole)}));
    EXPECT_EQ(selected[2], selected[0]);

    const int row = *model.RowOf(*RowOfCode("AIC003", Network::Knet));
    EXPECT_EQ(model.data(model.index(row, 1), Qt::DisplayRole).toString(),
              QString::fromUtf8("AIC0032411051012.NS  (20241105101200.tar:20241105101200.knt.tar.gz)"));
    EXPECT_TRUE(model.data(model.index(row, 1), Qt::ToolTipRole).toString().startsWith(QString::fromStdString(delivery)));
}

}  // namespace
}  // namespace tremblo
