#include "plot/canvas/raster_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <vector>

namespace tremblo {
namespace {

bool IsColor(const RgbImage& image, int x, int y, Color color) {
    const std::uint8_t* p = image.pixel(x, y);
    return p[0] == ColorRed(color) && p[1] == ColorGreen(color) && p[2] == ColorBlue(color);
}

// The pixels of one row (or column) that are not white, as a string of '#' and '.'.
std::string Row(const RgbImage& image, int y, int x0, int x1) {
    std::string s;
    for (int x = x0; x < x1; ++x) s += IsColor(image, x, y, kWhite) ? '.' : '#';
    return s;
}
std::string Column(const RgbImage& image, int x, int y0, int y1) {
    std::string s;
    for (int y = y0; y < y1; ++y) s += IsColor(image, x, y, kWhite) ? '.' : '#';
    return s;
}

TEST(RasterCanvas, StartsWhiteAndFillsWithExclusiveRightAndBottom) {
    RasterCanvas canvas(20, 10);
    RgbImage picture = canvas.Picture();
    ASSERT_EQ(picture.width, 20);
    ASSERT_EQ(picture.height, 10);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(Row(picture, y, 0, 20), std::string(20, '.'));

    canvas.SetBrushColor(kRed);
    canvas.FillRect({2, 3, 5, 7});
    canvas.SetBrushColor(0xFF0000);  // blue: red sits in the low byte
    canvas.FillRect({-5, -5, 1, 1});
    canvas.FillRect({30, 0, 40, 5});  // outside: nothing
    picture = canvas.Picture();
    EXPECT_EQ(Row(picture, 3, 0, 8), "..###...");
    EXPECT_EQ(Column(picture, 4, 0, 10), "...####...");
    EXPECT_TRUE(IsColor(picture, 2, 3, kRed));
    EXPECT_TRUE(IsColor(picture, 0, 0, 0xFF0000));
    EXPECT_TRUE(IsColor(picture, 1, 0, kWhite));
    const std::uint8_t* blue = picture.pixel(0, 0);
    EXPECT_EQ(blue[0], 0);
    EXPECT_EQ(blue[2], 255);
}

TEST(RasterCanvas, ThinLinesLeaveOutTheirEndPixel) {
    RasterCanvas canvas(12, 12);
    canvas.MoveTo(1, 1);
    canvas.LineTo(6, 1);
    canvas.LineTo(6, 5);   // starts on the end pixel of the first line
    canvas.MoveTo(10, 10);
    canvas.LineTo(7, 7);   // backwards diagonal
    canvas.MoveTo(3, 9);
    canvas.LineTo(3, 9);   // no length: nothing
    const RgbImage picture = canvas.Picture();
    EXPECT_EQ(Row(picture, 1, 0, 8), ".######.");
    EXPECT_EQ(Column(picture, 6, 0, 7), ".####..");
    EXPECT_EQ(Row(picture, 10, 0, 12), "..........#.");
    EXPECT_TRUE(IsColor(picture, 8, 8, kBlack));
    EXPECT_TRUE(IsColor(picture, 7, 7, kWhite));
    EXPECT_TRUE(IsColor(picture, 3, 9, kWhite));
}

TEST(RasterCanvas, DottedLinesAndFarEndPoints) {
    RasterCanvas canvas(40, 10);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.MoveTo(0, 2);
    canvas.LineTo(14, 2);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColor(kRed);
    canvas.MoveTo(-1000000000, 5);
    canvas.LineTo(1000000000, 5);  // only the visible part is walked
    canvas.MoveTo(20, -1000000000);
    canvas.LineTo(20, 1000000000);
    const RgbImage picture = canvas.Picture();
    EXPECT_EQ(Row(picture, 2, 0, 16), "###...###...##..");
    EXPECT_EQ(Row(picture, 5, 0, 40), std::string(40, '#'));
    EXPECT_EQ(Column(picture, 20, 0, 10), std::string(10, '#'));
    EXPECT_TRUE(IsColor(picture, 0, 5, kRed));
}

TEST(RasterCanvas, WideLinesCoverTheirLength) {
    RasterCanvas canvas(30, 30);
    canvas.SetPenWidth(2);
    canvas.MoveTo(10, 25);
    canvas.LineTo(10, 5);
    const RgbImage picture = canvas.Picture();
    int columns = 0;
    for (int x = 8; x <= 12; ++x) columns += IsColor(picture, x, 15, kBlack) ? 1 : 0;
    EXPECT_EQ(columns, 2);
    EXPECT_TRUE(IsColor(picture, 10, 6, kBlack) || IsColor(picture, 9, 6, kBlack));
    EXPECT_TRUE(IsColor(picture, 15, 15, kWhite));
}

TEST(RasterCanvas, EllipseStaysInsideItsBox) {
    RasterCanvas canvas(30, 30);
    canvas.SetPenColor(kRed);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Ellipse(12, 12, 18, 18);  // the peak marker: 6 pixels across around (15, 15)
    RgbImage picture = canvas.Picture();
    int red = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (IsColor(picture, x, y, kWhite)) continue;
            EXPECT_TRUE(IsColor(picture, x, y, kRed));
            EXPECT_TRUE(x >= 12 && x <= 17 && y >= 12 && y <= 17) << x << "," << y;
            ++red;
        }
    }
    EXPECT_GE(red, 12);
    for (int edge : {12, 17}) {
        EXPECT_NE(Row(picture, edge, 12, 18), "......") << edge;
        EXPECT_NE(Column(picture, edge, 12, 18), "......") << edge;
    }
    EXPECT_TRUE(IsColor(picture, 15, 15, kWhite));  // not filled

    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(0x00FF00);
    canvas.Ellipse(2, 2, 9, 9);
    picture = canvas.Picture();
    EXPECT_TRUE(IsColor(picture, 5, 5, 0x00FF00));
}

TEST(RasterCanvas, TextInIpaPGothicWithItsCellFilled) {
    RasterCanvas canvas(200, 40);
    EXPECT_EQ(QFontInfo(ToQFont(canvas.Font())).family(), QStringLiteral("IPAPGothic"));
    const int width = canvas.TextWidth("加速度");
    const int height = canvas.TextHeight("加速度");
    EXPECT_GE(width, 3 * 10);
    EXPECT_GE(height, 12);
    EXPECT_LT(canvas.TextWidth("ii"), canvas.TextWidth("WW"));  // proportional face

    canvas.SetBrushColor(0x00FFFF);  // yellow cell
    canvas.TextOut(10, 5, "加速度");
    RgbImage picture = canvas.Picture();
    int ink = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool inside = x >= 10 && x < 10 + width && y >= 5 && y < 5 + height;
            if (!inside) {
                EXPECT_TRUE(IsColor(picture, x, y, kWhite)) << x << "," << y;
            } else if (IsColor(picture, x, y, kBlack)) {
                ++ink;
            } else {
                EXPECT_TRUE(IsColor(picture, x, y, 0x00FFFF)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(ink, 30);

    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont({"ＭＳ Ｐゴシック", 12, 0, kRed, true});
    canvas.TextOut(120, 5, "NS");
    picture = canvas.Picture();
    bool redInk = false;
    for (int y = 5; y < 20; ++y) {
        for (int x = 120; x < 140; ++x) redInk = redInk || IsColor(picture, x, y, kRed);
    }
    EXPECT_TRUE(redInk);
    EXPECT_TRUE(IsColor(picture, 119, 5, kWhite));
}

TEST(RasterCanvas, CopiesAndStretchesPictures) {
    RasterCanvas source(10, 10);
    source.SetBrushColor(kRed);
    source.FillRect({0, 0, 5, 5});
    RasterCanvas target(20, 20);
    target.CopyRect({10, 10, 20, 20}, source, {0, 0, 10, 10});
    RgbImage picture = target.Picture();
    EXPECT_TRUE(IsColor(picture, 10, 10, kRed));
    EXPECT_TRUE(IsColor(picture, 14, 14, kRed));
    EXPECT_TRUE(IsColor(picture, 15, 15, kWhite));
    EXPECT_TRUE(IsColor(picture, 9, 9, kWhite));

    RgbImage dot;
    dot.width = 1;
    dot.height = 1;
    dot.rgb = {0, 0, 255};
    target.StretchDraw({0, 0, 4, 4}, dot);
    picture = target.Picture();
    EXPECT_TRUE(IsColor(picture, 3, 3, 0xFF0000));
    EXPECT_TRUE(IsColor(picture, 4, 4, kWhite));
}

}  // namespace
}  // namespace tremblo
