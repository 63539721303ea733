// The station list windows through the main window's 観測点リスト, headless.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>

#include "app/application.h"
#include "common/shift_jis.h"
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
