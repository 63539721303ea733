#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "plot/windows/mat_grid.h"
#include "plot/windows/radio_group.h"
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

}  // namespace
}  // namespace tremblo
