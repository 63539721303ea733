#include <gtest/gtest.h>

#include <vector>

#include <QMouseEvent>
#include <QTest>

#include "plot/windows/mat_grid.h"
#include "plot/windows/radio_group.h"
#include "plot/windows/window_placement.h"
#include "plot/windows/tk_btn.h"

#include <QRadioButton>

namespace tremblo {
namespace {

TEST(TMatGrid, NumbersRowsAndColumnsAndFormatsEachElement) {
    TMatGrid grid;
    const float data[] = {1.5f, 2.25f, -3.0f, 99.0f, 4.0f, 5.0f, 6.0f, 99.0f};
    grid.Display(data, 4, 2, 3, "%.2f");  // the stride skips the fourth stored column
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cellText(0, 1), "   1");
    EXPECT_EQ(grid.cellText(0, 2), "   2");
    EXPECT_EQ(grid.cellText(3, 0), "     3");
    EXPECT_EQ(grid.cellText(3, 1), "-3.00");
    EXPECT_EQ(grid.cellText(1, 2), "4.00");

    grid.InitZero = true;
    const double wide[] = {7.0, 8.0};
    grid.display(wide, 2, 1, 2, "%g");
    EXPECT_EQ(grid.cellText(0, 1), "   0");
    EXPECT_EQ(grid.cellText(1, 0), "     0");
    EXPECT_EQ(grid.cellText(2, 1), "8");

    grid.Clear();
    EXPECT_EQ(grid.cellText(2, 1), "");
    EXPECT_EQ(grid.cellText(1, 0), "     0");  // headings stay

    grid.ElementNumber = false;
    grid.Display(data, 4, 1, 2, "%.1f");
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.cellText(0, 0), "1.5");  // elements overwrite the headings
}

TEST(TTkBtn, LeftButtonLowersTheBevelUntilReleasedOtherButtonsDoNothing) {
    TTkBtn button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    int clicks = 0;
    QObject::connect(&button, &TTkBtn::clicked, [&] { ++clicks; });
    QTest::mousePress(&button, Qt::RightButton);
    EXPECT_EQ(button.BevelOuter, Bevel::Raised);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.BevelOuter, Bevel::Lowered);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(button.BevelOuter, Bevel::Raised);
    EXPECT_EQ(clicks, 1);
}

TEST(TTkBtn, PaintsItsPictureUnderTheCaption) {
    TTkBtn button;
    button.resize(40, 20);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(0, 200, 0));
    button.Set_Picture(picture);
    button.Caption = "";
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 10), QColor(0, 200, 0));
    EXPECT_NE(shown.pixelColor(0, 0), QColor(0, 200, 0));  // the bevel frames it
}

TEST(RadioGroup, ProgramSelectionRunsTheClickHandlerOnlyOnChange) {
    RadioGroup group("t", {"a", "b", "c"});
    int clicks = 0;
    QObject::connect(&group, &RadioGroup::clicked, [&] { ++clicks; });
    group.setItemIndex(2);
    group.setItemIndex(2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group.itemIndex(), 2);
    group.button(0)->click();
    EXPECT_EQ(group.itemIndex(), 0);
    EXPECT_EQ(clicks, 2);
}

// A new window goes beside the one it was opened from, clear of the
// control that opened it, inside the screen.
TEST(WindowPlacement, BesideTheAnchorClearOfTheOpenerAndOnTheScreen) {
    const QRect screen(0, 0, 1400, 1000);
    const struct {
        const char* what;
        QRect anchor, avoid;
        QSize frame;
        QPoint expected;
    } cases[] = {
        {"room on the right", {0, 0, 600, 500}, {100, 400, 80, 25}, {500, 400}, {600, 0}},
        {"no room on the right: below", {500, 0, 850, 600}, {600, 500, 90, 25}, {930, 400}, {470, 600}},
        {"too big to miss the anchor: above, clear of the button", {250, 150, 850, 650}, {350, 620, 90, 25}, {930, 560}, {250, 0}},
        {"wider than the screen: its left edge, below the anchor", {0, 0, 600, 500}, {}, {1448, 640}, {0, 360}},
        {"no room right or below: left of the anchor", {900, 700, 400, 250}, {}, {600, 500}, {300, 500}},
    };
    for (const auto& c : cases) {
        const QPoint at = PlacementBeside(screen, c.frame, c.anchor, c.avoid);
        EXPECT_EQ(at, c.expected) << c.what;
        const QRect placed(at, c.frame);
        if (c.frame.width() <= screen.width()) {
            EXPECT_TRUE(screen.contains(placed)) << c.what;
        }
        EXPECT_FALSE(placed.intersects(c.avoid)) << c.what;
    }
}

// The superposed graph on a small screen: clear of the enlarged graph, the
// navigator and the spectrum window's controls where one place is, else the
// place covering least of them all.
TEST(WindowPlacement, ClearOfSeveralRectanglesOrCoveringLeastOfThem) {
    const QRect screen(0, 0, 1366, 768);
    const QRect large(851, 60, 515, 534), navigator(851, 594, 426, 163), controls(0, 500, 851, 170);
    const struct {
        const char* what;
        std::vector<QRect> avoid;
        QSize frame;
        QPoint expected;
    } cases[] = {
        {"left of the anchor, above the controls", {large, navigator, controls}, {411, 421}, {440, 60}},
        {"every place covers something: the least", {large, navigator, controls}, {411, 521}, {440, 60}},
        {"the anchor itself is no obstacle unless named: least of it", {navigator, controls}, {411, 521}, {851, 0}},
    };
    for (const auto& c : cases) {
        const QPoint at = PlacementBeside(screen, c.frame, large, c.avoid);
        EXPECT_EQ(at, c.expected) << c.what;
        EXPECT_TRUE(screen.contains(QRect(at, c.frame))) << c.what;
    }
}

// A window centred on its screen, shrunk to it first when larger (never
// below its minimum), its title bar never above the screen's top; one the
// window manager left with its title bar above the screen is moved down.
TEST(WindowPlacement, CentredOnTheScreenWithItsTitleBarOnIt) {
    const QRect screen(0, 0, 1024, 600);
    const QSize title(8, 28);  // what the window manager adds
    const struct {
        const char* what;
        QSize size, minimum;
        QRect expected;  // the frame
    } cases[] = {
        {"smaller: centred", {800, 400}, {100, 100}, {108, 86, 808, 428}},
        {"larger: shrunk to the screen", {1320, 700}, {600, 400}, {0, 0, 1024, 600}},
        {"its minimum taller than the screen: the top on the screen", {900, 700}, {900, 640}, {58, 0, 908, 668}},
    };
    for (const auto& c : cases) EXPECT_EQ(CentredOnScreen(screen, c.size, c.minimum, title), c.expected) << c.what;
    EXPECT_EQ(TitleBarOnScreen(screen, {82, -20, 868, 628}), QPoint(82, 0));
    EXPECT_EQ(TitleBarOnScreen(screen, {-30, 300, 300, 200}), QPoint(0, 300));
    EXPECT_EQ(TitleBarOnScreen(screen, {900, 500, 300, 200}), QPoint(900, 500));
}

}  // namespace
}  // namespace tremblo
