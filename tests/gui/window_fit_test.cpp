// The event window and the station list on the screens of small laptops,
// 1024x600 and 1366x768: every button on the screen and whole, the table and
// the map giving way instead. Each ctest gives the offscreen platform its
// screen (screen_WxH.json) and runs the cases named after it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "app/application.h"
#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::SamplePath;

QRect ScreenRect(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

// The control lies whole on the screen, inside its window and, in a
// scrolled page, inside the part of the page shown.
void ExpectWhollyShown(const QWidget& control, const QRect& screen, const char* what) {
    ASSERT_TRUE(control.isVisible()) << what;
    const QRect rect = ScreenRect(control);
    EXPECT_TRUE(screen.contains(rect)) << what << " at " << rect.x() << "," << rect.y() << " " << rect.width() << "x"
                                       << rect.height();
    EXPECT_TRUE(ScreenRect(*control.window()).contains(rect)) << what;
    for (const QWidget* parent = control.parentWidget(); parent != nullptr; parent = parent->parentWidget())
        if (const auto* scroll = qobject_cast<const QScrollArea*>(parent))
            EXPECT_TRUE(ScreenRect(*scroll->viewport()).contains(rect)) << what << " scrolled out of sight";
}

class WindowFit : public ::testing::Test {
protected:
    QRect Screen() const { return app.Form1.screen()->availableGeometry(); }

    void ExpectTheEventWindowFits() {
        app.Form1.show();
        const QRect screen = Screen();
        ASSERT_TRUE(app.EventList.OpenEvent(SamplePath("samples/knet")));
        QElapsedTimer clock;
        clock.start();
        while (app.EventList.reading() && clock.elapsed() < 60000) QTest::qWait(20);
        ASSERT_FALSE(app.EventList.reading());
        TEventList& window = app.EventList;
        EXPECT_TRUE(screen.contains(window.frameGeometry()));
        ExpectWhollyShown(*window.BtnStop, screen, "中止");
        ExpectWhollyShown(*window.BtnOpen, screen, "波形表示");
        ExpectWhollyShown(*window.BtnCsv, screen, "CSV");
        ExpectWhollyShown(*window.BtnPng, screen, "PNG");
        ExpectWhollyShown(*window.BtnClose, screen, "閉じる");
        ExpectWhollyShown(*window.ProgressBar1, screen, "progress bar");
        ExpectWhollyShown(*window.EdFilter, screen, "filter");
        ExpectWhollyShown(*window.LabelCount, screen, "counts");
        ExpectWhollyShown(*window.Grid, screen, "table");
        ExpectWhollyShown(*window.Map, screen, "map");
        EXPECT_GE(window.Map->width(), 300);
        EXPECT_GE(window.Grid->height(), 120);
        // Opening it moved no other window: the main window's title stays on the screen.
        EXPECT_GE(app.Form1.frameGeometry().top(), screen.top());
        EXPECT_GE(app.Form1.frameGeometry().left(), screen.left());
    }

    void ExpectTheStationListFits() {
        app.Form1.show();
        const QRect screen = Screen();
        app.Form1.Button2->click();
        TSiteList& list = app.SiteList;
        ASSERT_TRUE(list.isVisible());
        EXPECT_TRUE(screen.contains(list.frameGeometry()));
        ExpectWhollyShown(*list.Button1, screen, "閉じる");
        ExpectWhollyShown(*list.BtnSave2, screen, "保存");
        ExpectWhollyShown(*list.CBEdit2, screen, "編集・コピー");
        ExpectWhollyShown(*list.Button2, screen, "K-NET 検索");
        ExpectWhollyShown(*list.Button3, screen, "KiK-net 検索");
        ExpectWhollyShown(*list.StringGrid1, screen, "K-NET grid");
        ExpectWhollyShown(*list.StringGrid2, screen, "KiK-net grid");
    }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
};

using Screen1024x600 = WindowFit;
using Screen1366x768 = WindowFit;

TEST_F(Screen1024x600, TheEventWindowFits) {
    ASSERT_EQ(Screen().size(), QSize(1024, 600)) << "run by the ctest window_fit_1024x600";
    ExpectTheEventWindowFits();
}

TEST_F(Screen1024x600, TheStationListFits) {
    ASSERT_EQ(Screen().size(), QSize(1024, 600)) << "run by the ctest window_fit_1024x600";
    ExpectTheStationListFits();
}

TEST_F(Screen1366x768, TheEventWindowFits) {
    ASSERT_EQ(Screen().size(), QSize(1366, 768)) << "run by the ctest window_fit_1366x768";
    ExpectTheEventWindowFits();
}

TEST_F(Screen1366x768, TheStationListFits) {
    ASSERT_EQ(Screen().size(), QSize(1366, 768)) << "run by the ctest window_fit_1366x768";
    ExpectTheStationListFits();
}

}  // namespace
}  // namespace tremblo
