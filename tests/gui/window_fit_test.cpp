// The event window and the station list on the screens of small laptops:
// every button whole on the screen, the table, the map and the grids giving
// way instead. Each ctest gives the offscreen platform its screen
// (screen_WxH.json) and runs the case named after it.
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
#include "app/windows/station_map_view.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

QRect ScreenRect(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

// On the screen, inside its window and, on a scrolled page, in sight.
void ExpectWhollyShown(const QRect& screen, std::initializer_list<const QWidget*> controls) {
    for (const QWidget* control : controls) {
        const QRect rect = ScreenRect(*control);
        const std::string what = control->objectName().toStdString() + " " + control->metaObject()->className();
        EXPECT_TRUE(control->isVisible() && screen.contains(rect) && ScreenRect(*control->window()).contains(rect))
            << what << " at " << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
        for (const QWidget* parent = control->parentWidget(); parent != nullptr; parent = parent->parentWidget())
            if (const auto* scroll = qobject_cast<const QScrollArea*>(parent)) {
                EXPECT_TRUE(ScreenRect(*scroll->viewport()).contains(rect)) << what << " scrolled out of sight";
            }
    }
}

void ExpectBothWindowsFit(QSize expected) {
    testing::ScriptedPlatform platform;
    Application app{platform, testing::SamplePath("data/DATA")};
    app.Form1.show();
    const QRect screen = app.Form1.screen()->availableGeometry();
    ASSERT_EQ(screen.size(), expected) << "the ctest gives the offscreen platform this screen";

    TEventList& event = app.EventList;
    ASSERT_TRUE(event.OpenEvent(testing::SamplePath("samples/knet")));
    QElapsedTimer clock;
    clock.start();
    while (event.reading() && clock.elapsed() < 60000) QTest::qWait(20);
    EXPECT_TRUE(screen.contains(event.frameGeometry()));
    ExpectWhollyShown(screen, {event.BtnStop, event.BtnOpen, event.BtnCsv, event.BtnPng, event.BtnClose,
                               event.ProgressBar1, event.EdFilter, event.LabelCount, event.Grid, event.Map});
    EXPECT_GE(event.Map->width(), 300);
    // Opening it moved no other window: the main window's title stays on the screen.
    EXPECT_GE(app.Form1.frameGeometry().top(), screen.top());

    app.Form1.Button2->click();
    TSiteList& list = app.SiteList;
    EXPECT_TRUE(screen.contains(list.frameGeometry()));
    ExpectWhollyShown(screen, {list.Button1, list.BtnSave2, list.CBEdit2, list.Button2, list.Button3,
                               list.StringGrid1, list.StringGrid2});
}

TEST(Screen1024x600, EventWindowAndStationListFit) { ExpectBothWindowsFit({1024, 600}); }
TEST(Screen1366x768, EventWindowAndStationListFit) { ExpectBothWindowsFit({1366, 768}); }

}  // namespace
}  // namespace tremblo
