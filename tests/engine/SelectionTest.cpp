#include "tests/support/BoardText.h"
#include "tests/support/TestSwitches.h"
#include "TestSheets.h"

#include "platform/Sound.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Cell = std::pair<int, int>;  // row, column
const Cell Nothing{EmptyCell, EmptyCell};

// a: a linkable pair side by side; x: a diagonal pair in a 2 x 2 block, not linkable.
const BoardRows Board{"........",
                      ".aa.....",
                      "...xy...",
                      "...yx...",
                      "........",
                      "........"};

// One row of the selection table: clicks before, the click under test, and what it does.
struct Step {
    const char* name;
    std::vector<Cell> before;
    Cell click;
    Cell selectedAfter;
    bool matched;
    const char* sound;  // null: none
    int redraws;
};

const std::vector<Step> SelectionTable{
    {"nothing selected, empty cell", {}, {4, 4}, Nothing, false, nullptr, 0},
    {"nothing selected, border ring", {}, {0, 0}, Nothing, false, nullptr, 0},
    {"nothing selected, tile", {}, {1, 1}, {1, 1}, false, "SNDCLICK", 1},
    {"tile selected, empty cell", {{1, 1}}, {4, 2}, {1, 1}, false, nullptr, 0},
    {"tile selected, the same tile", {{1, 1}}, {1, 1}, Nothing, false, nullptr, 1},
    {"tile selected, another kind", {{1, 1}}, {2, 4}, {2, 4}, false, "SNDCLICK", 1},
    {"tile selected, same kind not linkable", {{2, 3}}, {3, 4}, {3, 4}, false, "SNDCANNOTDISP", 1},
    {"tile selected, same kind linkable", {{1, 2}}, {1, 1}, {1, 2}, true, "SNDDISP", 1},
};

class SelectionTest : public ::testing::Test {
protected:
    TestSwitches switches_;
    void SetUp() override
    {
        UseTestSheets(link);
        SetBoard(link, Board);
        link.Params->BackStyle = 1;
        link.RenderBoard();
        link.OnRedraw = [this](TLink*) { ++redraws; };
        platform::ClearRecordedSounds();
    }

    bool Click(Cell cell)
    {
        return link.SelectCell(Qt::LeftButton, Qt::NoModifier, cell.second * CellWidth + 7,
                               cell.first * CellHeight + 30);
    }

    // Plays one table row on a fresh board.
    void Play(const Step& step, bool soundOn)
    {
        SCOPED_TRACE(testing::Message() << step.name << (soundOn ? ", sound on" : ", sound off"));
        SetUp();
        link.Params->SoundOn = soundOn;
        link.SelRow = link.SelCol = link.ClickRow = link.ClickCol = EmptyCell;
        link.HintRow1 = link.HintCol1 = link.HintRow2 = link.HintCol2 = 3;
        for (const Cell& cell : step.before)
            Click(cell);
        platform::ClearRecordedSounds();
        redraws = 0;
        const TGrid grid = link.Grid;

        EXPECT_EQ(Click(step.click), step.matched);
        EXPECT_EQ(Cell(link.ClickRow, link.ClickCol), step.click);
        EXPECT_EQ(Cell(link.SelRow, link.SelCol), step.selectedAfter);
        EXPECT_EQ(redraws, step.redraws);
        EXPECT_EQ(link.Grid, grid);
        QStringList expectedSounds;
        if (soundOn && step.sound)
            expectedSounds << QString::fromLatin1(step.sound);
        EXPECT_EQ(platform::RecordedSounds(), expectedSounds);
        EXPECT_EQ(link.HintRow1 == EmptyCell, step.matched);
        EXPECT_EQ(link.HintCol2 == EmptyCell, step.matched);
    }

    TLink link{nullptr};
    int redraws = 0;
};

TEST_F(SelectionTest, EveryRowOfTheTableWithSoundOnAndOff)
{
    for (bool soundOn : {true, false})
        for (const Step& step : SelectionTable)
            Play(step, soundOn);
}

TEST_F(SelectionTest, ClickOnAnEmptyCellKeepsTheSelectionFramed)
{
    Click({1, 1});
    const QImage framed = link.BoardDC.image().copy();
    Click({5, 6});
    EXPECT_EQ(link.BoardDC.image(), framed);
}

TEST_F(SelectionTest, FailedMatchDrawsTheFirstTilePlainAndFramesTheSecond)
{
    const QImage rendered = link.BoardDC.image().copy();
    const QRect first(3 * CellWidth, 2 * CellHeight, CellWidth, CellHeight);
    Click({2, 3});
    Click({3, 4});
    EXPECT_EQ(link.BoardDC.image().copy(first), rendered.copy(first));
    EXPECT_EQ(link.BoardDC.pixel(4 * CellWidth + 10, 3 * CellHeight + 10), PanelColour(SelectedStyle));
}

TEST_F(SelectionTest, MatchFramesBothTilesAndRecordsThePath)
{
    EXPECT_FALSE(Click({1, 1}));
    EXPECT_TRUE(Click({1, 2}));
    EXPECT_EQ(link.BoardDC.pixel(1 * CellWidth + 10, CellHeight + 10), PanelColour(SelectedStyle));
    EXPECT_EQ(link.BoardDC.pixel(2 * CellWidth + 10, CellHeight + 10), PanelColour(SelectedStyle));
    EXPECT_EQ(link.PathStartCol, 1);
    EXPECT_EQ(link.PathCorner1Col, 2);
}

TEST_F(SelectionTest, CellBoundariesFallOnTheCellPitch)
{
    link.SelectCell(Qt::LeftButton, Qt::NoModifier, CellWidth - 1, CellHeight - 1);
    EXPECT_EQ(Cell(link.ClickRow, link.ClickCol), Cell(0, 0));
    link.SelectCell(Qt::LeftButton, Qt::NoModifier, CellWidth, CellHeight);
    EXPECT_EQ(Cell(link.ClickRow, link.ClickCol), Cell(1, 1));
    EXPECT_EQ(Cell(link.SelRow, link.SelCol), Cell(1, 1));
}

#ifdef QT_NO_DEBUG
TEST_F(SelectionTest, PointsOutsideTheBoardAreIgnored)
{
    Click({1, 1});
    const TGrid grid = link.Grid;
    const QImage image = link.BoardDC.image().copy();
    redraws = 0;
    const int width = 8 * CellWidth;
    const int height = 6 * CellHeight;
    for (auto [x, y] : {std::pair{width, 10}, {width + 3, 10}, {10, height}, {-1, 10}, {10, -60},
                        {100000, 100000}}) {
        EXPECT_FALSE(link.SelectCell(Qt::LeftButton, Qt::NoModifier, x, y));
        EXPECT_EQ(Cell(link.ClickRow, link.ClickCol), Cell(1, 1));
    }
    EXPECT_EQ(Cell(link.SelRow, link.SelCol), Cell(1, 1));
    EXPECT_EQ(link.Grid, grid);
    EXPECT_EQ(link.BoardDC.image(), image);
    EXPECT_EQ(redraws, 0);
}

TEST(SelectionWithoutBoardTest, ClickBeforeTheFirstDealIsIgnored)
{
    TLink link(nullptr);
    EXPECT_FALSE(link.SelectCell(Qt::LeftButton, Qt::NoModifier, 50, 60));
    EXPECT_EQ(link.ClickRow, EmptyCell);
}
#else
TEST_F(SelectionTest, PointsOutsideTheBoardAssert)
{
    EXPECT_DEATH(link.SelectCell(Qt::LeftButton, Qt::NoModifier, 8 * CellWidth, 10), "outside the board");
}
#endif

}  // namespace
