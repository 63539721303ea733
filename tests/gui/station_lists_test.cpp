// The station list windows through the main window's 観測点リスト, headless.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "app/application.h"
#include "common/shift_jis.h"
#include "stations/data_folder.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

// A copy of the sample directory, with `extraHiroshima` more Hiroshima stations.
std::string DataCopy(const TempFolder& temp, int extraHiroshima = 0) {
    std::string shobo = ReadWholeFile(SamplePath("data/DATA/SHOBONAME.CSV"));
    for (int i = 0; i < extraHiroshima; ++i)
        shobo += "HX" + std::to_string(10 + i) + ",N" + std::to_string(i) + ",L,132.5,34.4\r\n";
    temp.Write("DATA/SHOBONAME.CSV", shobo);
    temp.Write("DATA/SITENAME.CSV", ReadWholeFile(SamplePath("data/DATA/SITENAME.CSV")));
    return temp / "DATA";
}

class StationListsTest : public ::testing::Test {
protected:
    StationListsTest() { app.Form1.Button2->click(); }

    TempFolder temp;
    testing::ScriptedPlatform platform;
    Application app{platform, DataCopy(temp)};
    TSiteList& list = app.SiteList;
};

QString Cell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

TEST_F(StationListsTest, ListsBothNetworksAndFindsCodesByPrefix) {
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.windowTitle(), QString::fromUtf8("K-NET / KiK-net 観測点リスト"));
    const StationDirectory& d = app.Form1.directory();
    EXPECT_EQ(list.StringGrid1->rowCount(), d.knetStationCount);
    EXPECT_EQ(list.Label3->text(), QString::number(d.knetStationCount) + QString::fromUtf8(" 地点"));
    EXPECT_EQ(Cell(*list.StringGrid1, 0, 1), QString::fromUtf8(" 名古屋港"));
    EXPECT_EQ(list.StringGrid1->columnWidth(3), 313);
    EXPECT_EQ(list.StringGrid2->columnWidth(0), 49);

    list.Edit1->setText("aic00");
    list.Button2->click();
    EXPECT_TRUE(Cell(*list.StringGrid1, list.StringGrid1->currentRow(), 0).startsWith("AIC00"));
    list.StringGrid1->setCurrentCell(2, 0);
    list.Edit1->setText("");
    list.Button2->click();
    EXPECT_EQ(list.StringGrid1->currentRow(), 0);
    list.Edit2->setText("zzz");
    list.Button3->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "そのような観測点コードはありません");
    EXPECT_EQ(platform.messages[0].caption, "観測点コードエラー");
}

TEST_F(StationListsTest, ClosingAfterTickingEditAsksEvenWithoutChanges) {
    list.CBEdit2->click();
    EXPECT_TRUE(list.BtnSave2->isEnabled());
    platform.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    list.Button1->click();
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(platform.messages.back().caption, "観測点リストを閉じる");
    list.Button1->click();
    EXPECT_FALSE(list.isVisible());
}

TEST_F(StationListsTest, SavingWritesEveryColumnWhereTheDirectoryCameFrom) {
    list.CBEdit2->click();
    list.StringGrid1->item(0, 4)->setText(QString::fromUtf8("標高 4m"));
    list.BtnSave2->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string path = temp / "DATA/SITENAME.CSV";
    EXPECT_EQ(platform.messages[0].text, "観測点リストを " + path + " に保存しました");
    EXPECT_FALSE(list.BtnSave2->isEnabled());
    EXPECT_FALSE(list.edited);
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), Utf8ToSjis("AIC001, 名古屋港,ﾅｺﾞﾔｺｳ,愛知県名古屋市港区港町,標高 4m"));
    // Closing asks nothing now.
    list.Button1->click();
    EXPECT_EQ(platform.messages.size(), 1u);
}

// Edits need 編集・コピー, and every edit after a save is unsaved again: closing
// asks, and a reopened list shows what was saved, not the start-up tables.
TEST_F(StationListsTest, EditsAreTrackedBeforeAndAfterASave) {
    EXPECT_EQ(list.StringGrid2->editTriggers(), QAbstractItemView::NoEditTriggers);
    list.CBEdit2->click();
    list.StringGrid2->item(0, 1)->setText(QString::fromUtf8(" 変更1"));
    list.BtnSave2->click();
    EXPECT_FALSE(list.edited);
    list.StringGrid2->item(0, 1)->setText(QString::fromUtf8(" 変更2"));
    EXPECT_TRUE(list.edited);
    EXPECT_TRUE(list.BtnSave2->isEnabled());
    const std::size_t before = platform.messages.size();
    platform.messageAnswers = {MessageAnswer::Yes};
    list.Button1->click();
    ASSERT_EQ(platform.messages.size(), before + 1);
    EXPECT_EQ(platform.messages.back().caption, "観測点リストを閉じる");
    EXPECT_FALSE(list.isVisible());
    app.Form1.Button2->click();
    EXPECT_EQ(Cell(*list.StringGrid2, 0, 1), QString::fromUtf8(" 変更1"));
    EXPECT_FALSE(list.edited);
    EXPECT_EQ(list.StringGrid2->editTriggers(), QAbstractItemView::NoEditTriggers);
}

// On a screen smaller than the window the list shrinks to the screen and
// scrolls to every control; the columns start at their widths and can be
// widened, and a cell's tooltip holds its whole text.
TEST_F(StationListsTest, FitsASmallScreenAndColumnsCanBeWidened) {
    list.hide();
    const QRect screen = list.screen()->availableGeometry();
    ASSERT_LT(screen.width(), 1448) << "the offscreen screen is expected to be smaller than the list";
    app.Form1.Button2->click();
    EXPECT_LE(list.width(), screen.width());
    EXPECT_LE(list.height(), screen.height());
    EXPECT_TRUE(screen.contains(list.geometry().topLeft()));
    list.Scroll->ensureWidgetVisible(list.Button1);
    const QPoint closeButton = list.Button1->mapTo(&list, QPoint(list.Button1->width() - 1, list.Button1->height() - 1));
    EXPECT_TRUE(list.rect().contains(closeButton));
    EXPECT_EQ(list.StringGrid1->columnWidth(1), 49);
    EXPECT_FALSE(list.StringGrid1->horizontalHeader()->isHidden());
    EXPECT_EQ(list.StringGrid1->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    EXPECT_EQ(list.StringGrid1->item(0, 1)->toolTip(), QString::fromUtf8("名古屋港"));
}

// Cells the next start would read otherwise: refused with their row and
// column, the file left as it was.
TEST_F(StationListsTest, SavingRefusesCellsTheNextStartWouldReadOtherwise) {
    const std::string path = temp / "DATA/SITENAME.CSV";
    const std::string before = ReadWholeFile(path);
    const QString firstKnet = Cell(*list.StringGrid1, 0, 0);
    const QString firstKiknet = Cell(*list.StringGrid2, 0, 0);
    const struct { bool knet; int row; int column; QString text; std::string reason; } cases[] = {
        {true, 0, 3, QString::fromUtf8("愛知県,名古屋市"), "コンマ（,）は使えません"},
        {true, 1, 0, firstKnet.toLower(), "1 行目と同じコードです（大文字・小文字は区別しません）"},
        {false, 0, 0, QString(), "コードが空です"},
        {false, 1, 0, QStringLiteral("  "), "コードが空です"},
        {true, 0, 0, firstKiknet, "K-NETのコードは4文字目が数字です"},
        {false, 0, 0, firstKnet, "KiK-netのコードは4文字目が数字ではありません"},
        {true, 0, 1, QString::fromUtf8(" 名古屋😀"), "Shift-JISにない文字があります"},
        {false, 1, 4, QString(343, QChar('x')), "長すぎます（49 バイトまで）"},
        {true, 1, 2, QStringLiteral("a\nb"), "改行や制御文字は使えません"},
        {false, 1, 0, QString(300, QChar(' ')) + firstKiknet, "長すぎます（9 バイトまで）"},
    };
    list.CBEdit2->click();
    for (const auto& c : cases) {
        QTableWidget& grid = c.knet ? *list.StringGrid1 : *list.StringGrid2;
        const QString old = Cell(grid, c.row, c.column);
        grid.item(c.row, c.column)->setText(c.text);
        platform.messages.clear();
        list.BtnSave2->click();
        ASSERT_EQ(platform.messages.size(), 1u) << c.reason;
        const char* columns[] = {"コード", "観測点名", "3列目", "所在地", "5列目"};
        EXPECT_EQ(platform.messages[0].text, std::string(c.knet ? "K-NET " : "KiK-net ") + std::to_string(c.row + 1) +
                                                 " 行目、" + columns[c.column] + "の列: " + c.reason + "\n保存しませんでした");
        EXPECT_TRUE(list.BtnSave2->isEnabled());
        EXPECT_EQ(ReadWholeFile(path), before) << c.reason;
        grid.item(c.row, c.column)->setText(old);
    }
    platform.messages.clear();
    list.BtnSave2->click();  // every cell put back: saved
    EXPECT_EQ(platform.messages.at(0).text, "観測点リストを " + path + " に保存しました");
}

// ./DATA cannot take the file: the save goes to the user's data folder, the
// next start shows it, and the next save keeps it.
TEST(StationListSave, WhatWasSavedIsWhatTheNextStartShowsAndKeeps) {
    TempFolder temp;
    setenv("XDG_DATA_HOME", (temp / "home").c_str(), 1);
    const std::string original = ReadWholeFile(SamplePath("data/DATA/SITENAME.CSV"));
    temp.Write("work/DATA/SITENAME.CSV", original);
    temp.Write("work/DATA/SHOBONAME.CSV", ReadWholeFile(SamplePath("data/DATA/SHOBONAME.CSV")));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(temp / "work");
    const std::string user = temp / "home/tremblo/DATA/SITENAME.CSV";
    const struct { int row; int column; const char* text; } edits[] = {{0, 4, "標高 4m"}, {1, 3, "別の所在地"}, {0, 2, "ｶﾅ"}};
    for (std::size_t round = 0; round <= std::size(edits); ++round) {
        testing::ScriptedPlatform platform;
        Application app{platform, FindDataFolder()};  // a new start, as the program makes it
        app.Form1.Button2->click();
        TSiteList& list = app.SiteList;
        for (std::size_t k = 0; k < round; ++k)  // every earlier edit is shown
            EXPECT_EQ(Cell(*list.StringGrid1, edits[k].row, edits[k].column), QString::fromUtf8(edits[k].text)) << round;
        if (round == std::size(edits)) break;
        list.CBEdit2->click();
        list.StringGrid1->item(edits[round].row, edits[round].column)->setText(QString::fromUtf8(edits[round].text));
        // The working folder's copy cannot be replaced during the first save.
        if (round == 0) {
            std::filesystem::rename("DATA/SITENAME.CSV", "held");
            std::filesystem::create_directory("DATA/SITENAME.CSV");
        }
        list.BtnSave2->click();
        if (round == 0) {
            std::filesystem::remove("DATA/SITENAME.CSV");
            std::filesystem::rename("held", "DATA/SITENAME.CSV");
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "観測点リストを " + user + " に保存しました");
        EXPECT_EQ(ReadWholeFile("DATA/SITENAME.CSV"), original);
    }
    std::filesystem::current_path(previous);
    unsetenv("XDG_DATA_HOME");
}

TEST(HiroshimaList, ShowsEveryStationWithItsPlace) {
    TempFolder temp;
    testing::ScriptedPlatform platform;
    Application app{platform, DataCopy(temp, 22)};
    app.Form1.HiroshimaClick();
    app.Form1.Button2->click();
    ASSERT_TRUE(app.HRSMList.isVisible());
    EXPECT_FALSE(app.SiteList.isVisible());
    const QTableWidget& grid = *app.HRSMList.StringGrid1;
    const int count = app.Form1.directory().hiroshimaStationCount;
    ASSERT_EQ(count, 27);
    ASSERT_EQ(grid.rowCount(), count);
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), QString::fromUtf8("　　観測点名称"));
    EXPECT_EQ(Cell(grid, 2, 0), " 3");
    EXPECT_EQ(Cell(grid, 2, 1), "HFD03");
    EXPECT_EQ(Cell(grid, 2, 2), QString::fromUtf8("南消防署"));
    EXPECT_EQ(Cell(grid, 2, 4), "132.470");
    EXPECT_EQ(Cell(grid, 2, 5), " 34.380");
    // Every row fits in the grid: nothing needs scrolling.
    EXPECT_GE(grid.viewport()->height(), 20 * count);
    app.HRSMList.Button1->click();
    EXPECT_FALSE(app.HRSMList.isVisible());
}

}  // namespace
}  // namespace tremblo
