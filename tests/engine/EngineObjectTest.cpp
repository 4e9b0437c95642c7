#include "tests/support/BoardText.h"

#include "platform/Resources.h"

#include <gtest/gtest.h>

namespace {

// The tile sheets are generated artwork; these tests need them embedded.
bool TileSheetsEmbedded()
{
    for (const char* name : {"ANIMAL1", "ANIMAL2", "ANIMAL3", "ANIMAL4"})
        if (platform::LoadBitmapResource(QString::fromLatin1(name)).isNull())
            return false;
    return true;
}

QImage Sheet(const char* name)
{
    return platform::LoadBitmapResource(QString::fromLatin1(name)).convertToFormat(QImage::Format_RGB32);
}

class EngineObjectTest : public ::testing::Test {
protected:
    void TearDown() override { PatternSetting = 0; }
};

TEST_F(EngineObjectTest, NewEngineHasNothingSelectedNoGridIsNotPlayingAndHasTheBackgroundStrip)
{
    const TLink link(nullptr);
    for (std::int32_t field : {link.SelRow, link.SelCol, link.ClickRow, link.ClickCol, link.HintRow1,
                               link.HintCol1, link.HintRow2, link.HintCol2})
        EXPECT_EQ(field, EmptyCell);
    EXPECT_TRUE(link.Grid.empty());
    EXPECT_FALSE(link.Params->Playing);
    EXPECT_EQ(link.Params->Score, 0);
    EXPECT_TRUE(link.BoardDC.isNull());
    EXPECT_FALSE(link.RedrawFlag);
    ASSERT_FALSE(link.BackDC.isNull());
    EXPECT_EQ(link.BackDC.width(), BackCellWidth);
    EXPECT_EQ(link.BackDC.height(), 10 * BackCellHeight);
}

TEST_F(EngineObjectTest, PatternSettingChoosesTheTileSheet)
{
    if (!TileSheetsEmbedded())
        GTEST_SKIP() << "tile sheets not generated";
    // Sheets 2 to 4 by their number; anything else, out of range included, the first.
    const std::pair<int, const char*> choices[] = {
        {0, "ANIMAL1"}, {1, "ANIMAL1"}, {2, "ANIMAL2"}, {3, "ANIMAL3"},
        {4, "ANIMAL4"}, {5, "ANIMAL1"}, {255, "ANIMAL1"}};
    for (const auto& [pattern, expected] : choices) {
        PatternSetting = static_cast<std::uint8_t>(pattern);
        const TLink link(nullptr);
        EXPECT_EQ(link.LoadedBitmap, QString::fromLatin1(expected)) << pattern;
        EXPECT_EQ(link.TileDC.image(), Sheet(expected)) << pattern;
    }
}

// Every tile's picture square shows the sheet's picture over the face of its background.
void ExpectTilesDrawnFrom(const TLink& link, const QImage& sheet)
{
    const QImage& strip = link.BackDC.image();
    const int faceTop = link.Params->BackStyle * BackCellHeight;
    for (int row = 1; row < link.Params->Rows - 1; ++row) {
        for (int col = 1; col < link.Params->Cols - 1; ++col) {
            const std::int32_t kind = link.Grid[row][col];
            for (int dy = 0; dy < TileSize; ++dy) {
                for (int dx = 0; dx < TileSize; ++dx) {
                    const QRgb face = strip.pixel(1 + dx, faceTop + 5 + dy);
                    const QRgb mask = sheet.pixel(TileSize + dx, kind * TileSize + dy);
                    const QRgb picture = sheet.pixel(dx, kind * TileSize + dy);
                    ASSERT_EQ(link.BoardDC.pixel(col * CellWidth + 1 + dx, row * CellHeight + 5 + dy),
                              (face & mask) | picture | 0xff000000)
                        << "cell " << row << ", " << col;
                }
            }
        }
    }
}

TEST_F(EngineObjectTest, ChangingTheSheetDuringPlayRedrawsEveryTile)
{
    if (!TileSheetsEmbedded())
        GTEST_SKIP() << "tile sheets not generated";
    PatternSetting = 1;
    TLink link(nullptr);
    SetBoard(link, {"......",
                    ".aSbA.",
                    ".cdef.",
                    "......"});
    link.Params->BackStyle = 4;
    link.Params->Playing = true;
    link.RenderBoard();
    ExpectTilesDrawnFrom(link, Sheet("ANIMAL1"));

    int redraws = 0;
    link.OnRedraw = [&](TLink*) { ++redraws; };
    PatternSetting = 3;
    link.LoadTileSheet();
    EXPECT_EQ(redraws, 1);
    ExpectTilesDrawnFrom(link, Sheet("ANIMAL3"));
}

TEST_F(EngineObjectTest, ChangingTheSheetWithoutABoardOnlyReplacesIt)
{
    if (!TileSheetsEmbedded())
        GTEST_SKIP() << "tile sheets not generated";
    TLink link(nullptr);
    SetBoard(link, {"....", ".ab.", "...."});
    int redraws = 0;
    link.OnRedraw = [&](TLink*) { ++redraws; };
    const QImage before = link.BoardDC.image().copy();
    PatternSetting = 4;
    link.LoadTileSheet();
    EXPECT_EQ(link.TileDC.image(), Sheet("ANIMAL4"));
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(link.BoardDC.image(), before);
}

}  // namespace
