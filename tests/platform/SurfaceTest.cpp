#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <optional>

using platform::Pen;
using platform::RasterOp;
using platform::Surface;

namespace {

// Every pixel different, so a pixel taken from the wrong place shows.
Surface Pattern(int w, int h, int seed)
{
    Surface s(QSize(w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.image().setPixel(x, y, qRgb((x * 37 + seed) & 0xff, (y * 53 + seed * 3) & 0xff, (x * y + seed * 7) & 0xff));
    return s;
}

Surface Filled(int w, int h, QRgb colour)
{
    Surface s(QSize(w, h));
    s.fillRect(QRect(0, 0, w, h), QColor(colour));
    return s;
}

QRgb Combine(QRgb dst, QRgb src, RasterOp op)
{
    switch (op) {
    case RasterOp::Copy: return src;
    case RasterOp::And: return dst & src;
    case RasterOp::Or: return dst | src;
    }
    return dst;
}

// What a block transfer must do, pixel by pixel: combine where both the destination and the
// source pixel exist, leave everything else alone.
Surface ExpectedBlit(const Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, RasterOp op)
{
    Surface out = dst;
    for (int dy = 0; dy < dst.height(); ++dy) {
        for (int dx = 0; dx < dst.width(); ++dx) {
            const long long i = (long long)dx - x, j = (long long)dy - y;
            const long long fromX = sx + i, fromY = sy + j;
            if (i < 0 || j < 0 || i >= w || j >= h || fromX < 0 || fromY < 0 || fromX >= src.width() ||
                fromY >= src.height())
                continue;
            out.image().setPixel(dx, dy, Combine(dst.pixel(dx, dy), src.pixel(int(fromX), int(fromY)), op));
        }
    }
    return out;
}

std::optional<QPoint> FirstDifference(const Surface& a, const Surface& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QPoint(x, y);
    return std::nullopt;
}

// The device pixels of `s` that have exactly `colour`, as a picture of '#' and '.' rows (at
// scale 1, its pixels).
std::vector<std::string> Picture(const Surface& s, QRgb colour)
{
    std::vector<std::string> rows;
    for (int y = 0; y < s.image().height(); ++y) {
        std::string row;
        for (int x = 0; x < s.image().width(); ++x)
            row += (s.image().pixel(x, y) | 0xff000000u) == colour ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

constexpr QRgb kRed = 0xffff0000u;

}  // namespace

TEST(SurfaceBlit, AndOrCombineEachBitOfEachChannel)
{
    Surface dst = Filled(2, 1, 0xff12f0a5u);
    const Surface src = Filled(2, 1, 0xff3c0fffu);
    dst.blit(0, 0, 1, 1, src, 0, 0, RasterOp::And);
    dst.blit(1, 0, 1, 1, src, 0, 0, RasterOp::Or);
    EXPECT_EQ(dst.pixel(0, 0), 0xff1000a5u);
    EXPECT_EQ(dst.pixel(1, 0), 0xff3effffu);
}

TEST(SurfaceBlit, MaskThenPictureShowsBackgroundAroundTheFigure)
{
    // A 3 x 1 tile: opaque in the middle only. Mask: white where transparent, black where
    // opaque. Picture: black where transparent.
    Surface background = Pattern(3, 1, 5);
    const Surface original = background;
    Surface mask = Filled(3, 1, 0xffffffffu);
    mask.fillBlack(QRect(1, 0, 1, 1));
    Surface picture = Filled(3, 1, 0xff000000u);
    picture.fillRect(QRect(1, 0, 1, 1), QColor(0x12, 0x34, 0x56));

    background.blit(0, 0, 3, 1, mask, 0, 0, RasterOp::And);
    background.blit(0, 0, 3, 1, picture, 0, 0, RasterOp::Or);

    EXPECT_EQ(background.pixel(0, 0), original.pixel(0, 0));
    EXPECT_EQ(background.pixel(1, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(background.pixel(2, 0), original.pixel(2, 0));
}

struct BlitCase {
    const char* name;
    int x, y, w, h, srcX, srcY;
};

class SurfaceBlitClipping : public testing::TestWithParam<BlitCase> {};

TEST_P(SurfaceBlitClipping, TouchesOnlyPixelsInsideBothImages)
{
    const BlitCase c = GetParam();
    const Surface dst = Pattern(20, 15, 1);
    const Surface src = Pattern(12, 10, 90);
    for (RasterOp op : {RasterOp::Copy, RasterOp::And, RasterOp::Or}) {
        Surface actual = dst;
        actual.blit(c.x, c.y, c.w, c.h, src, c.srcX, c.srcY, op);
        const Surface expected = ExpectedBlit(dst, c.x, c.y, c.w, c.h, src, c.srcX, c.srcY, op);
        const auto diff = FirstDifference(actual, expected);
        EXPECT_FALSE(diff) << c.name << " op " << int(op) << " differs at " << diff->x() << "," << diff->y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SurfaceBlitClipping,
    testing::Values(BlitCase{"inside", 3, 4, 5, 6, 2, 1}, BlitCase{"negativeDest", -3, -2, 8, 7, 0, 0},
                    BlitCase{"negativeSource", 4, 4, 8, 7, -3, -5}, BlitCase{"pastDestEdges", 16, 12, 10, 10, 0, 0},
                    BlitCase{"pastSourceEdges", 0, 0, 10, 10, 7, 6},
                    BlitCase{"largerThanBoth", -5, -5, 100, 100, -2, -9},
                    BlitCase{"destFullyOutside", 20, 0, 5, 5, 0, 0}, BlitCase{"destFullyAbove", 0, -10, 5, 10, 0, 0},
                    BlitCase{"sourceFullyOutside", 0, 0, 5, 5, 12, 0}, BlitCase{"zeroSize", 2, 2, 0, 5, 0, 0},
                    BlitCase{"negativeSize", 2, 2, -4, 5, 0, 0},
                    BlitCase{"extremeOffsets", 2147483600, -2147483600, 2147483647, 2147483647, -5, 3}),
    [](const testing::TestParamInfo<BlitCase>& info) { return std::string(info.param.name); });

TEST(SurfaceBlit, OverlappingCopyWithinOneSurfaceUsesTheOriginalPixels)
{
    Surface s = Pattern(10, 4, 3);
    const Surface original = s;
    s.blit(1, 1, 8, 2, s, 0, 0, RasterOp::Copy);
    const Surface expected = ExpectedBlit(original, 1, 1, 8, 2, original, 0, 0, RasterOp::Copy);
    EXPECT_FALSE(FirstDifference(s, expected));
}

TEST(SurfaceBlit, NullSurfacesAreIgnored)
{
    Surface empty;
    Surface s = Pattern(4, 4, 2);
    const Surface original = s;
    s.blit(0, 0, 4, 4, empty, 0, 0, RasterOp::Copy);
    empty.blit(0, 0, 4, 4, s, 0, 0, RasterOp::Or);
    empty.fillBlack(QRect(0, 0, 4, 4));
    empty.strokePath({QPoint(0, 0), QPoint(3, 3)}, Pen{Qt::red, 3});
    EXPECT_FALSE(FirstDifference(s, original));
    EXPECT_TRUE(empty.isNull());
}

TEST(SurfaceFill, FillsOnlyTheRectangleClippedToTheImage)
{
    Surface s = Filled(6, 4, 0xffffffffu);
    s.fillRect(QRect(4, -2, 10, 4), Qt::red);
    s.fillBlack(QRect(-3, 3, 5, 9));
    EXPECT_EQ(Picture(s, kRed), (std::vector<std::string>{"....##", "....##", "......", "......"}));
    EXPECT_EQ(Picture(s, 0xff000000u), (std::vector<std::string>{"......", "......", "......", "##...."}));
}

TEST(SurfaceFrame, ThinOutlineCoversTheRectanglesOutermostPixelsAndAWideOneIsCentredOnThem)
{
    Surface thin(QSize(9, 7));
    thin.frameRect(QRect(QPoint(1, 1), QPoint(6, 4)), Pen{Qt::red, 1});  // right 7, bottom 5 exclusive
    EXPECT_EQ(Picture(thin, kRed), (std::vector<std::string>{".........", ".######..", ".#....#..", ".#....#..",
                                                             ".######..", ".........", "........."}));

    Surface wide(QSize(14, 12));
    wide.frameRect(QRect(QPoint(3, 3), QPoint(10, 8)), Pen{Qt::red, 3});
    // Three pixels wide: one outside and one inside the outermost pixels; the inside stays blank.
    EXPECT_EQ(Picture(wide, kRed), (std::vector<std::string>{"..............",
                                                             "..............",
                                                             "..##########..",
                                                             "..##########..",
                                                             "..##########..",
                                                             "..###....###..",
                                                             "..###....###..",
                                                             "..##########..",
                                                             "..##########..",
                                                             "..##########..",
                                                             "..............",
                                                             ".............."}));
}

TEST(SurfaceStroke, WidePathHasSquareCapsAndRoundJoinsAndAThinOneIsAliasedAndCoversTheLine)
{
    Surface wide(QSize(16, 16));
    wide.strokePath({QPoint(3, 10), QPoint(10, 10), QPoint(10, 3)}, Pen{Qt::red, 7});
    // Square cap at the start: its corner pixel is painted (a round cap would leave it out).
    EXPECT_EQ(wide.pixel(0, 13), kRed);
    EXPECT_EQ(wide.pixel(0, 7), kRed);
    EXPECT_NE(wide.pixel(-1 + 0, 14), kRed);
    // Round join: the outer corner of the bend stays unpainted (a mitred join would fill it),
    // while the pixels straight out from the bend are painted.
    EXPECT_NE(wide.pixel(13, 13), kRed);
    EXPECT_EQ(wide.pixel(13, 10), kRed);
    EXPECT_EQ(wide.pixel(10, 13), kRed);
    // Square cap at the end, three and a half pixels past the last point.
    EXPECT_EQ(wide.pixel(10, 0), kRed);

    Surface thin(QSize(8, 6));
    thin.strokePath({QPoint(1, 1), QPoint(6, 1), QPoint(6, 4)}, Pen{Qt::red, 1});
    for (int y = 0; y < thin.height(); ++y)
        for (int x = 0; x < thin.width(); ++x)
            EXPECT_TRUE(thin.pixel(x, y) == kRed || thin.pixel(x, y) == 0xff000000u)
                << "blended pixel at " << x << "," << y;
    for (int x = 1; x <= 6; ++x)
        EXPECT_EQ(thin.pixel(x, 1), kRed) << x;
    for (int y = 1; y <= 4; ++y)
        EXPECT_EQ(thin.pixel(6, y), kRed) << y;
    EXPECT_NE(thin.pixel(3, 3), kRed);
}

// Source-over of a colour (r, g, b) with alpha a over an opaque pixel d, as QPainter computes it
// in 8 bits: the colour is premultiplied, then out = premultiplied + d * (255 - a) / 255,
// where x * y / 255 is rounded as (t + (t >> 8) + 0x80) >> 8 with t = x * y.
int MulDiv255(int x, int y)
{
    const int t = x * y;
    return (t + (t >> 8) + 0x80) >> 8;
}

TEST(SurfaceTranslucent, BlueAtAlpha32BlendsSourceOverTheTile)
{
    Surface s = Pattern(12, 9, 11);
    const Surface original = s;
    s.fillTranslucent(QRect(2, 1, 20, 5), QColor(0, 0, 255, 32));
    const int premultipliedBlue = MulDiv255(255, 32);
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const QRgb d = original.pixel(x, y);
            const bool inside = x >= 2 && y >= 1 && y <= 5;
            const QRgb expected = inside ? qRgb(MulDiv255(qRed(d), 223), MulDiv255(qGreen(d), 223),
                                                premultipliedBlue + MulDiv255(qBlue(d), 223))
                                         : d;
            ASSERT_EQ(s.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(SurfaceBitmap, UnknownNameKeepsTheImageHeldAndAKnownOneLoadsTopRowFirst)
{
    Surface s = Pattern(5, 4, 8);
    const Surface original = s;
    EXPECT_FALSE(s.loadBitmap("NOSUCHBITMAP"));
    EXPECT_FALSE(s.loadBitmap(""));
    EXPECT_FALSE(FirstDifference(s, original));
    EXPECT_EQ(s.image().size(), QSize(5, 4));

    Surface loaded;
    ASSERT_TRUE(loaded.loadBitmap("TESTTILE"));
    ASSERT_EQ(loaded.image().size(), QSize(3, 2));
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(loaded.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(loaded.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(loaded.pixel(2, 1), qRgb(128, 128, 128));
    EXPECT_EQ(loaded.pixel(3, 0), 0xff000000u);
    EXPECT_EQ(loaded.pixel(0, -1), 0xff000000u);
}

// At scale 2 every logical pixel is a 2 x 2 block of device pixels; a source of scale 1 is
// enlarged to match. An outline is drawn in device pixels.
TEST(SurfaceScale, LogicalCoordinatesCoverTheirDevicePixelsButOutlinesAreDrawnInDevicePixels)
{
    Surface framed(QSize(7, 6), 2);
    framed.frameRect(QRect(QPoint(1, 1), QPoint(4, 3)), Pen{Qt::red, 1});
    EXPECT_EQ(Picture(framed, kRed), (std::vector<std::string>{"..............",
                                                               "..............",
                                                               "..########....",
                                                               "..########....",
                                                               "..##....##....",
                                                               "..##....##....",
                                                               "..########....",
                                                               "..########....",
                                                               "..............",
                                                               "..............",
                                                               "..............",
                                                               ".............."}));

    Surface s(QSize(4, 3), 2);
    ASSERT_EQ(s.image().size(), QSize(8, 6));
    EXPECT_EQ(s.width(), 4);
    EXPECT_EQ(s.height(), 3);
    s.fillRect(QRect(1, 0, 2, 1), Qt::red);
    s.blit(3, 2, 1, 1, s, 1, 0, RasterOp::Copy);
    s.blit(0, 2, 1, 1, Filled(1, 1, kRed), 0, 0, RasterOp::Copy);
    EXPECT_EQ(Picture(s, kRed),
              (std::vector<std::string>{"..####..", "..####..", "........", "........", "##....##", "##....##"}));
}

// At a scale snapped to whole device pixels per cell (41 x 51 as 51 x 64), what is drawn in one
// cell is drawn the same in the next, device pixel for device pixel, and an outline has one
// width on all four sides (the scaled pen's), whatever device pixel its edges fall on.
TEST(SurfaceScale, AtACellPitchScaleEveryCellIsDrawnAlikeAndOutlinesHaveOneWidth)
{
    const platform::SurfaceScale scale(51.0 / 41, 64.0 / 51);
    Surface board(QSize(2 * 41, 2 * 51), scale);
    for (const QPoint cell : {QPoint(0, 0), QPoint(41, 51)}) {
        board.fillTranslucent(QRect(cell + QPoint(1, 1), QSize(40, 50)), QColor(0, 0, 255, 32));
        board.frameRect(QRect(cell + QPoint(1, 1), QSize(40, 50)), Pen{Qt::red, 3});
    }
    const QImage& image = board.image();
    ASSERT_EQ(image.size(), QSize(102, 128));
    EXPECT_EQ(image.copy(0, 0, 51, 64), image.copy(51, 64, 51, 64));

    const auto redRun = [&image](QPoint from, QPoint step) {
        while (image.pixel(from) != qRgb(255, 0, 0))
            from += step;
        int run = 0;
        for (; image.rect().contains(from) && image.pixel(from) == qRgb(255, 0, 0); from += step)
            ++run;
        return run;
    };
    const int width = 4;  // 3 * 1.25, rounded
    EXPECT_EQ(redRun({0, 32}, {1, 0}), width) << "left side";
    EXPECT_EQ(redRun({70, 32}, {-1, 0}), width) << "right side";
    EXPECT_EQ(redRun({25, 0}, {0, 1}), width) << "top side";
    EXPECT_EQ(redRun({25, 90}, {0, -1}), width) << "bottom side";
}

// Rows longer than the four pixels combined at once, odd widths, and areas cut by either edge.
TEST(SurfaceBlit, MaskedBlitDrawsWhatAndThenOrDraw)
{
    const Surface sheet = Pattern(22, 9, 3);
    for (const QRect place : {QRect(2, 1, 11, 7), QRect(-3, -2, 9, 9), QRect(15, 4, 11, 9), QRect(0, 0, 3, 1)}) {
        Surface twoPasses = Pattern(20, 10, 8);
        Surface onePass = twoPasses;
        twoPasses.blit(place.x(), place.y(), place.width(), place.height(), sheet, 11, 0, RasterOp::And);
        twoPasses.blit(place.x(), place.y(), place.width(), place.height(), sheet, 0, 0, RasterOp::Or);
        onePass.blitMasked(place.x(), place.y(), place.width(), place.height(), sheet, QPoint(11, 0), QPoint(0, 0));
        EXPECT_EQ(FirstDifference(onePass, twoPasses), std::nullopt) << place.x() << ", " << place.y();
    }
}
