// Checks the committed artwork and sounds under resources/ against the
// formats the game's drawing and sound code rely on.
#include "engine/Geometry.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <QTransform>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString Resources = QStringLiteral(ZENKARA_SOURCE_DIR "/resources/");

constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;

QByteArray readFile(const QString& relative)
{
    QFile file(Resources + relative);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << relative.toStdString();
    return file.readAll();
}

uint32_t le(const QByteArray& b, int at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

uint32_t be16(const QByteArray& b, int at) { return (uint32_t(uint8_t(b[at])) << 8) | uint8_t(b[at + 1]); }

QImage loadImage(const QString& relative)
{
    QImage image;
    image.loadFromData(readFile(relative));
    return image.convertToFormat(QImage::Format_RGB32);
}

// --- bitmap file format ------------------------------------------------------

struct BitmapCase {
    const char* file;
    int width;
    int height;
};

class BitmapFile : public testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapFile, IsUncompressedBottomUp24BitWithPaddedRows)
{
    const BitmapCase c = GetParam();
    const QByteArray b = readFile(QString("bitmaps/") + c.file);
    ASSERT_GE(b.size(), 54);
    EXPECT_EQ(b.left(2), "BM");
    EXPECT_EQ(le(b, 2, 4), uint32_t(b.size()));
    EXPECT_EQ(le(b, 10, 4), 54u) << "pixels follow the two headers directly";
    EXPECT_EQ(le(b, 14, 4), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(int32_t(le(b, 18, 4)), c.width);
    EXPECT_EQ(int32_t(le(b, 22, 4)), c.height) << "a positive height stores the rows bottom-up";
    EXPECT_EQ(le(b, 26, 2), 1u);
    EXPECT_EQ(le(b, 28, 2), 24u);
    EXPECT_EQ(le(b, 30, 4), 0u) << "BI_RGB";
    const int stride = (c.width * 3 + 3) / 4 * 4;
    EXPECT_EQ(b.size(), 54 + stride * c.height);
}

INSTANTIATE_TEST_SUITE_P(Resources, BitmapFile,
                         testing::Values(BitmapCase{"ANIMAL1.bmp", TileSheetWidth, TileSheetHeight}, BitmapCase{"ANIMAL2.bmp", TileSheetWidth, TileSheetHeight},
                                         BitmapCase{"ANIMAL3.bmp", TileSheetWidth, TileSheetHeight}, BitmapCase{"ANIMAL4.bmp", TileSheetWidth, TileSheetHeight},
                                         BitmapCase{"BK.bmp", BackCellWidth, BackStripStyles * BackCellHeight}, BitmapCase{"PauseBall.bmp", 155, 156}));

// --- tile sheets ---------------------------------------------------------------

QImage maskOf(const QImage& sheet, int kind) { return sheet.copy(TileSize, kind * TileSize, TileSize, TileSize); }
QImage pictureOf(const QImage& sheet, int kind) { return sheet.copy(0, kind * TileSize, TileSize, TileSize); }

int whiteCount(const QImage& mask)
{
    int n = 0;
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            n += mask.pixel(x, y) == White;
    return n;
}

double meanDifference(const QImage& a, const QImage& b)
{
    long sum = 0;
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (TileSize * TileSize * 3);
}

// A mask is pure black or white, and its picture black wherever it is white: the mask's AND
// and the picture's OR then leave the cell's background untouched around the figure.
void ExpectMaskOverBlackPicture(const QImage& mask, const QImage& picture, const std::string& what)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(m == Black || m == White) << what << " mask at " << x << "," << y;
            if (m == White) {
                ASSERT_EQ(picture.pixel(x, y), Black) << what << " would tint the cell at " << x << "," << y;
            }
        }
}

class TileSheet : public testing::TestWithParam<int> {
protected:
    QImage sheet = loadImage(QString("bitmaps/ANIMAL%1.bmp").arg(GetParam()));
};

TEST_P(TileSheet, MasksArePureBlackOrWhiteAndPicturesBlackUnderWhite)
{
    ASSERT_EQ(sheet.size(), QSize(2 * TileSize, KindCount * TileSize));
    for (int k = 0; k < KindCount; ++k) {
        ExpectMaskOverBlackPicture(maskOf(sheet, k), pictureOf(sheet, k), "kind " + std::to_string(k));
        EXPECT_GT(TileSize * TileSize - whiteCount(maskOf(sheet, k)), TileSize * TileSize / 5)
            << "kind " << k << " shows almost nothing";
    }
}

TEST_P(TileSheet, NoTwoPicturesAlike)
{
    std::vector<QImage> pictures;
    for (int k = 0; k < KindCount; ++k)
        pictures.push_back(pictureOf(sheet, k));
    for (int a = 0; a < KindCount; ++a)
        for (int b = a + 1; b < KindCount; ++b)
            EXPECT_GT(meanDifference(pictures[a], pictures[b]), 12.0) << "kinds " << a << " and " << b;
}

INSTANTIATE_TEST_SUITE_P(Resources, TileSheet, testing::Values(1, 2, 3, 4));

class OutlineSheet : public TileSheet {};

TEST_P(OutlineSheet, EachMaskFollowsItsOwnFigure)
{
    std::set<QByteArray> distinct;
    for (int k = 0; k < KindCount; ++k) {
        const QImage mask = maskOf(sheet, k);
        EXPECT_GT(whiteCount(mask), 0) << "kind " << k << " covers its whole cell";
        distinct.insert(QByteArray(reinterpret_cast<const char*>(mask.constBits()), int(mask.sizeInBytes())));
    }
    EXPECT_EQ(distinct.size(), size_t(KindCount));
}

INSTANTIATE_TEST_SUITE_P(Resources, OutlineSheet, testing::Values(1, 2));

class PlateSheet : public TileSheet {};

// How many white pixels the mask shows from its left edge inward, along each row.
std::vector<int> leftDepths(const QImage& mask)
{
    std::vector<int> depths;
    for (int y = 0; y < TileSize; ++y) {
        int x = 0;
        while (x < TileSize && mask.pixel(x, y) == White)
            ++x;
        depths.push_back(x);
    }
    return depths;
}

// The white pixels reached from an edge of the mask along a row or a column without crossing black.
int whiteSeenFromEdges(const QImage& mask)
{
    std::set<std::pair<int, int>> seen;
    const auto look = [&](int x, int y, int dx, int dy) {
        for (; x >= 0 && y >= 0 && x < TileSize && y < TileSize && mask.pixel(x, y) == White; x += dx, y += dy)
            seen.insert({x, y});
    };
    for (int i = 0; i < TileSize; ++i) {
        look(0, i, 1, 0);
        look(TileSize - 1, i, -1, 0);
        look(i, 0, 0, 1);
        look(i, TileSize - 1, 0, -1);
    }
    return int(seen.size());
}

// A square plate with rounded corners in a white margin: seen from each side, the white
// reaches in the margin's depth along the middle half of the side and deeper towards both
// corners, never shallower, and nothing inside the plate is white.
TEST_P(PlateSheet, OneRoundedSquarePlateMaskWith497WhitePixels)
{
    const QImage plate = maskOf(sheet, 0);
    EXPECT_EQ(whiteCount(plate), 497);
    for (int k = 1; k < KindCount; ++k)
        EXPECT_EQ(maskOf(sheet, k), plate) << "kind " << k;

    QImage side = plate;
    for (int turn = 0; turn < 4; ++turn, side = side.transformed(QTransform().rotate(90))) {
        const std::vector<int> depths = leftDepths(side);
        const int margin = depths[TileSize / 2];
        EXPECT_GE(margin, 1) << "side " << turn << " has no margin";
        for (int y = TileSize / 4; y <= TileSize - 1 - TileSize / 4; ++y)
            EXPECT_EQ(depths[y], margin) << "side " << turn << " is not straight at " << y;
        for (int y = 0; y < TileSize / 4; ++y) {
            EXPECT_GE(depths[y], depths[y + 1]) << "side " << turn << " at " << y;
            EXPECT_GE(depths[TileSize - 1 - y], depths[TileSize - 2 - y]) << "side " << turn << " at " << TileSize - 1 - y;
        }
        EXPECT_GT(depths[margin], margin + 1) << "side " << turn << " has a square corner";
    }
    EXPECT_EQ(whiteSeenFromEdges(plate), whiteCount(plate)) << "white inside the plate";
}

INSTANTIATE_TEST_SUITE_P(Resources, PlateSheet, testing::Values(3, 4));

// --- artwork at twice and four times the size, for HiDPI screens and large windows ------

// Each file beside its larger versions: a bitmap's are PNGs, a JPEG's JPEGs.
class DoubleSizeArtwork : public testing::TestWithParam<const char*> {};

TEST_P(DoubleSizeArtwork, IsTwiceTheSizeAndSheetMasksStayPure)
{
    const QString file = GetParam();
    const QImage small = loadImage(file);
    for (int scale : {2, 4}) {
        const QString suffix = QStringLiteral("@%1x").arg(scale);
        const QString larger = QString(file).replace(".bmp", suffix + ".png").replace(".jpg", suffix + ".jpg");
        const QImage large = loadImage(larger);
        ASSERT_EQ(large.size(), small.size() * scale) << larger.toStdString();
        const int tile = scale * TileSize;
        if (file.contains("ANIMAL"))
            ExpectMaskOverBlackPicture(large.copy(tile, 0, tile, large.height()), large.copy(0, 0, tile, large.height()),
                                       larger.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, DoubleSizeArtwork,
                         testing::Values("bitmaps/ANIMAL1.bmp", "bitmaps/ANIMAL2.bmp", "bitmaps/ANIMAL3.bmp",
                                         "bitmaps/ANIMAL4.bmp", "bitmaps/BK.bmp", "bitmaps/PauseBall.bmp",
                                         "bitmaps/PauseBallPlain.bmp", "pictures/Start.jpg"));

// --- background strip ------------------------------------------------------------

bool near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance
        && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
        && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

TEST(BackgroundStrip, RaisedBlocksHaveTheirFaceColourBevelAndBlackCorners)
{
    const QImage bk = loadImage("bitmaps/BK.bmp");
    ASSERT_EQ(bk.size(), QSize(BackCellWidth, 10 * BackCellHeight));
    const QRgb faces[] = {0xffdecae6, 0xffe1fcc7, 0xfff7c499, 0xffd3fdfc, 0xfff9fed6, 0xfffedbfc};
    for (int s = 1; s <= 6; ++s) {
        const int top = s * BackCellHeight;
        const QRgb face = faces[s - 1];
        EXPECT_TRUE(near(bk.pixel(20, top + 25), face, 6)) << "style " << s;
        EXPECT_TRUE(near(bk.pixel(39, top + 49), face, 6)) << "style " << s << ": the face fills 41 x 51";
        EXPECT_EQ(bk.pixel(BackCellWidth - 1, top), Black) << "style " << s << " top-right corner";
        EXPECT_EQ(bk.pixel(0, top + BackCellHeight - 1), Black) << "style " << s << " bottom-left corner";
        for (QPoint bevel : {QPoint(43, top + 28), QPoint(20, top + 53), QPoint(BackCellWidth - 1, top + BackCellHeight - 1)}) {
            const QRgb b = bk.pixel(bevel);
            EXPECT_NE(b, Black) << "style " << s << " bevel at " << bevel.x() << "," << bevel.y() - top;
            EXPECT_LT(qGray(b), qGray(face) - 40) << "style " << s << ": the bevel is darker than the face";
        }
    }
}

TEST(BackgroundStrip, FlatStylesAndBlackStyle)
{
    const QImage bk = loadImage("bitmaps/BK.bmp");
    struct Flat { int style; QRgb fill, border; };
    for (Flat f : {Flat{0, Black, Black}, Flat{7, 0xff666666, Black}, Flat{8, 0xff008080, Black},
                   Flat{9, White, 0xff808080}})
        for (int y = 0; y < BackCellHeight; ++y)
            for (int x = 0; x < BackCellWidth; ++x) {
                const bool edge = x == 0 || y == 0 || x == BackCellWidth - 1 || y == BackCellHeight - 1;
                ASSERT_EQ(bk.pixel(x, f.style * BackCellHeight + y), edge ? f.border : f.fill)
                    << "style " << f.style << " at " << x << "," << y;
            }
}

// --- pictures and icons ---------------------------------------------------------

TEST(Pictures, PauseBallIsAGreenBallWithARedCaptionOnBlack)
{
    const QImage ball = loadImage("bitmaps/PauseBall.bmp");
    ASSERT_EQ(ball.size(), QSize(155, 156));
    for (QPoint corner : {QPoint(0, 0), QPoint(154, 0), QPoint(0, 155), QPoint(154, 155)})
        EXPECT_EQ(ball.pixel(corner), Black);
    int green = 0, red = 0;
    for (int y = 0; y < ball.height(); ++y)
        for (int x = 0; x < ball.width(); ++x) {
            const QRgb p = ball.pixel(x, y);
            green += qGreen(p) > 2 * qRed(p) && qGreen(p) > 100;
            red += qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
        }
    EXPECT_GT(green, 155 * 156 / 4);
    EXPECT_GT(red, 150);
}

TEST(Pictures, StartPictureIsBaselineJfifWithThreeComponents)
{
    const QByteArray jpeg = readFile("pictures/Start.jpg");
    ASSERT_GT(jpeg.size(), 20);
    EXPECT_EQ(be16(jpeg, 0), 0xFFD8u);
    EXPECT_EQ(be16(jpeg, 2), 0xFFE0u) << "APP0 comes first";
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF", 5));
    int at = 2;
    bool baseline = false;
    while (at + 4 <= jpeg.size() && uint8_t(jpeg[at]) == 0xFF) {
        const uint8_t marker = uint8_t(jpeg[at + 1]);
        EXPECT_FALSE(marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            << "frame type " << std::hex << int(marker) << " is not baseline";
        if (marker == 0xC0) {
            baseline = true;
            EXPECT_EQ(uint8_t(jpeg[at + 4]), 8) << "sample precision";
            EXPECT_EQ(be16(jpeg, at + 5), 450u);
            EXPECT_EQ(be16(jpeg, at + 7), 640u);
            EXPECT_EQ(uint8_t(jpeg[at + 9]), 3) << "components";
        }
        if (marker == 0xDA)
            break;
        at += 2 + int(be16(jpeg, at + 2));
    }
    EXPECT_TRUE(baseline) << "no SOF0 frame";
    EXPECT_EQ(loadImage("pictures/Start.jpg").size(), QSize(640, 450));
}

class IconFile : public testing::TestWithParam<const char*> {};

TEST_P(IconFile, HoldsOne32x32ImageOf256Colours)
{
    const QByteArray ico = readFile(QString("icons/") + GetParam());
    ASSERT_GT(ico.size(), 22 + 40);
    EXPECT_EQ(le(ico, 0, 2), 0u);
    EXPECT_EQ(le(ico, 2, 2), 1u) << "icon type";
    EXPECT_EQ(le(ico, 4, 2), 1u) << "image count";
    EXPECT_EQ(uint8_t(ico[6]), 32);
    EXPECT_EQ(uint8_t(ico[7]), 32);
    EXPECT_EQ(uint8_t(ico[8]), 0) << "0 stands for 256 colours";
    const uint32_t size = le(ico, 14, 4), offset = le(ico, 18, 4);
    ASSERT_EQ(offset + size, uint32_t(ico.size()));
    EXPECT_EQ(le(ico, offset, 4), 40u);
    EXPECT_EQ(le(ico, offset + 4, 4), 32u);
    EXPECT_EQ(le(ico, offset + 8, 4), 64u) << "colour rows and mask rows";
    EXPECT_EQ(le(ico, offset + 14, 2), 8u) << "bits per pixel";
    const uint32_t palette = 256 * 4, colourRows = 32 * 32, maskRows = 4 * 32;
    EXPECT_EQ(size, 40 + palette + colourRows + maskRows);
    EXPECT_EQ(loadImage(QString("icons/") + GetParam()).size(), QSize(32, 32));
}

INSTANTIATE_TEST_SUITE_P(Resources, IconFile, testing::Values("MAINICON.ico", "MessageIcon.ico"));

TEST(Pictures, MessageIconIsAVariantAndTheMenuPictureIs128Square)
{
    EXPECT_NE(readFile("icons/MessageIcon.ico"), readFile("icons/MAINICON.ico"));
    QImage png;
    ASSERT_TRUE(png.loadFromData(readFile("icons/zenkara.png"), "PNG"));
    EXPECT_EQ(png.size(), QSize(128, 128));
    EXPECT_TRUE(png.hasAlphaChannel());
}

// --- sounds -----------------------------------------------------------------------

struct WaveCase {
    const char* name;
    int channels;
    int rate;
    double seconds;
};

class WaveFile : public testing::TestWithParam<WaveCase> {};

TEST_P(WaveFile, Is8BitPcmOfItsRateChannelsAndLength)
{
    const WaveCase c = GetParam();
    const QByteArray w = readFile(QString("sounds/%1.wav").arg(c.name));
    ASSERT_GE(w.size(), 44);
    EXPECT_EQ(w.left(4), "RIFF");
    EXPECT_EQ(le(w, 4, 4) + 8, uint32_t(w.size()));
    EXPECT_EQ(w.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(le(w, 16, 4), 16u);
    EXPECT_EQ(le(w, 20, 2), 1u) << "PCM";
    EXPECT_EQ(int(le(w, 22, 2)), c.channels);
    EXPECT_EQ(int(le(w, 24, 4)), c.rate);
    EXPECT_EQ(int(le(w, 28, 4)), c.rate * c.channels) << "byte rate";
    EXPECT_EQ(int(le(w, 32, 2)), c.channels) << "block align";
    EXPECT_EQ(le(w, 34, 2), 8u);
    ASSERT_EQ(w.mid(36, 4), "data");
    const int bytes = int(le(w, 40, 4));
    ASSERT_LE(44 + bytes, w.size());
    EXPECT_EQ(bytes % c.channels, 0);
    EXPECT_NEAR(double(bytes) / c.channels / c.rate, c.seconds, c.seconds * 0.1);
}

TEST_P(WaveFile, FadesInAndOutWithoutClipping)
{
    const WaveCase c = GetParam();
    const QByteArray w = readFile(QString("sounds/%1.wav").arg(c.name));
    ASSERT_GE(w.size(), 44);
    const QByteArray samples = w.mid(44, int(le(w, 40, 4)));
    int low = 255, high = 0;
    for (char s : samples) {
        low = std::min(low, int(uint8_t(s)));
        high = std::max(high, int(uint8_t(s)));
    }
    EXPECT_GT(low, 0);
    EXPECT_LT(high, 255);
    EXPECT_GT(high - low, 60) << "audible";
    // The first and last samples sit at the silent midpoint and leave it gently.
    for (int i = 0; i < 3 * c.channels; ++i) {
        const int tolerance = 3 + 3 * (i / c.channels);
        EXPECT_NEAR(uint8_t(samples[i]), 128, tolerance) << "start " << i;
        EXPECT_NEAR(uint8_t(samples[samples.size() - 1 - i]), 128, tolerance) << "end " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, WaveFile,
                         testing::Values(WaveCase{"SNDCLICK", 1, 8860, 0.04}, WaveCase{"SNDDISP", 1, 11025, 0.15},
                                         WaveCase{"SNDCANNOTDISP", 1, 8000, 0.40},
                                         WaveCase{"SNDPROMPT", 1, 11025, 0.55},
                                         WaveCase{"SNDRESET", 1, 11025, 1.12}, WaveCase{"SNDAWARD", 2, 22050, 0.67},
                                         WaveCase{"SNDUPLEVEAL", 1, 11025, 2.88},
                                         WaveCase{"SNDGAMEOVER", 1, 11025, 2.14}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- texts ---------------------------------------------------------------------------

TEST(Texts, CreditsNameTheSourcesAndTheirLicencesAndTheInstructionsAreUtf8NamingEveryLevelAndKey)
{
    const QString credits = QString::fromUtf8(readFile("CREDITS.md"));
    for (const char* word : {"Noto Color Emoji", "AR PL UMing", "OFL", "Arphic"})
        EXPECT_TRUE(credits.contains(QString::fromUtf8(word))) << word;

    const QByteArray bytes = readFile("ReadMe.txt");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    ASSERT_FALSE(utf8.hasError());
    for (const char* word : {"容易", "普通", "困难", "超级", "无变化", "从上到下", "从下到上", "上下分离", "左右分离",
                             "从右到左", "从左到右", "上下集中", "左右集中", "F1", "F4", "F5", "F6", "F8", "F11", "1000",
                             "方向键", "Home", "PgUp", "空格"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
}

} // namespace
