#include "tests/support/BoardText.h"
#include "ReferenceLink.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

constexpr Path Untouched{-7, -7, -7, -7, -7, -7, -7, -7};

class LinkRuleTest : public ::testing::Test {
protected:
    void Board(const BoardRows& rows)
    {
        SetBoard(link, EasyBoard(rows));
        link.StorePath4(-7, -7, -7, -7, -7, -7, -7, -7);
    }

    // Links (col1, row1) to (col2, row2) and returns the path recorded.
    Path Linked(int col1, int row1, int col2, int row2)
    {
        EXPECT_TRUE(link.CanLink(col1, row1, col2, row2));
        return PathOf(link);
    }

    TLink link{nullptr};
};

TEST_F(LinkRuleTest, NeighboursInAColumnLinkStraightInEitherOrder)
{
    Board({"..............",
           "..............",
           "..............",
           "...a..........",
           "...a.........."});
    const Path straight{3, 3, 3, 3, 3, 4, 3, 4};
    EXPECT_EQ(Linked(3, 3, 3, 4), straight);
    EXPECT_EQ(Linked(3, 4, 3, 3), straight);
}

TEST_F(LinkRuleTest, OneTurnPrefersTheCornerInTheLeftTilesRowAndTakesTheOtherWhenItIsBlocked)
{
    BoardRows board{"..............",
                    "..............",
                    "..a...........",
                    "..............",
                    "..............",
                    "..............",
                    ".....a........"};
    Board(board);
    EXPECT_EQ(Linked(2, 2, 5, 6), (Path{2, 2, 5, 6, 5, 2, 5, 2}));
    EXPECT_EQ(Linked(5, 6, 2, 2), (Path{2, 2, 5, 6, 5, 2, 5, 2}));
    board[2][5] = 'b';  // blocks the corner in the left tile's row
    Board(board);
    EXPECT_EQ(Linked(2, 2, 5, 6), (Path{2, 2, 5, 6, 2, 6, 2, 6}));

    Board({"..............",
           "..............",
           ".....a........",
           "..............",
           "..............",
           "..............",
           "..a..........."});
    EXPECT_EQ(Linked(2, 6, 5, 2), (Path{2, 6, 5, 2, 5, 6, 5, 6}));
}

TEST_F(LinkRuleTest, BlockedColumnLinksRoundANeighbouringColumn)
{
    Board({"..............",
           "..............",
           "...a..........",
           "..............",
           "...b..........",
           "..............",
           "...a.........."});
    // The first empty cell walking right from the first tile, then down its column.
    EXPECT_EQ(Linked(3, 2, 3, 6), (Path{3, 2, 3, 6, 4, 2, 4, 6}));
}

TEST_F(LinkRuleTest, TwoTurnsWalkRightThenLeftThenUpThenDown)
{
    // Every walk from the left tile reaches its partner; blocking the first cell of the walk that
    // won hands the link to the next walk, whose corners the player then sees flashed.
    BoardRows board{"..............",
                    "..............",
                    "..............",
                    "...a.b........",
                    "..............",
                    "...c..........",
                    "......a......."};
    const struct {
        int firstCol, firstRow;
        Path path;
    } walks[] = {{4, 3, {3, 3, 6, 6, 4, 3, 4, 6}},
                 {2, 3, {3, 3, 6, 6, 2, 3, 2, 6}},
                 {3, 2, {3, 3, 6, 6, 3, 2, 6, 2}},
                 {3, 4, {3, 3, 6, 6, 3, 4, 6, 4}}};
    for (const auto& walk : walks) {
        Board(board);
        EXPECT_EQ(Linked(6, 6, 3, 3), walk.path);
        board[walk.firstRow][walk.firstCol] = 'd';
    }
}

TEST_F(LinkRuleTest, LinksRunThroughTheBorderRowAndColumn)
{
    Board({"..............",
           "..a.b.a......."});
    const Path overTheTop{2, 1, 6, 1, 2, 0, 6, 0};
    EXPECT_EQ(Linked(2, 1, 6, 1), overTheTop);
    EXPECT_EQ(Linked(6, 1, 2, 1), overTheTop);

    // Within one column the order picks the start.
    Board({"..............",
           "..............",
           ".ab...........",
           "..............",
           ".c............",
           "..............",
           ".ad..........."});
    EXPECT_EQ(Linked(1, 2, 1, 6), (Path{1, 2, 1, 6, 0, 2, 0, 6}));
    EXPECT_EQ(Linked(1, 6, 1, 2), (Path{1, 6, 1, 2, 0, 6, 0, 2}));
}

TEST_F(LinkRuleTest, BoxedInTilesDoNotLinkAndKeepThePath)
{
    Board({"..............",
           "..............",
           "..bbbb........",
           "..bacb........",
           "..bcab........",
           "..bbbb........"});
    EXPECT_FALSE(link.CanLink(3, 3, 4, 4));
    EXPECT_FALSE(link.CanLink(4, 4, 3, 3));
    EXPECT_EQ(PathOf(link), Untouched);
}

TEST_F(LinkRuleTest, RangeTestsIncludeBothBoundsInEitherOrder)
{
    Board({"..............",
           "..a..........."});
    EXPECT_TRUE(link.ColumnClear(2, 2, 8));
    EXPECT_FALSE(link.ColumnClear(2, 8, 1));
    EXPECT_TRUE(link.RowClear(3, 13, 1));
    EXPECT_FALSE(link.RowClear(13, 2, 1));
    EXPECT_FALSE(link.LinkStraightVertical(5, 4, 4));
    EXPECT_EQ(PathOf(link), Untouched);
}

// Every segment of the recorded path Start, Corner1, Corner2, End is horizontal or vertical,
// passes both end cells and crosses only empty cells otherwise.
void ExpectPathValid(const TLink& link, int col1, int row1, int col2, int row2)
{
    const Path p = PathOf(link);
    const std::array<std::array<int, 2>, 4> points{
        {{p[0], p[1]}, {p[4], p[5]}, {p[6], p[7]}, {p[2], p[3]}}};
    bool visitsFirst = false;
    bool visitsSecond = false;
    for (int s = 0; s < 3; ++s) {
        auto [c, r] = points[s];
        const auto [ec, er] = points[s + 1];
        ASSERT_TRUE(c == ec || r == er) << "segment " << s << " is not straight";
        for (;;) {
            const bool endCell = (c == col1 && r == row1) || (c == col2 && r == row2);
            visitsFirst |= c == col1 && r == row1;
            visitsSecond |= c == col2 && r == row2;
            if (!endCell) {
                ASSERT_EQ(link.Grid.at(r).at(c), EmptyCell) << "path crosses (" << c << ", " << r << ")";
            }
            if (c == ec && r == er)
                break;
            c += (ec > c) - (ec < c);
            r += (er > r) - (er < r);
        }
    }
    EXPECT_TRUE(visitsFirst && visitsSecond);
}

TEST(LinkRuleDifferentialTest, AgreesWithAPathSearchOnRandomBoardsOfEverySize)
{
    TLink link(nullptr);
    std::mt19937 pick(12345);
    int linked = 0;
    int notLinked = 0;
    for (const TBoardSize size : BoardSizes) {
        for (std::uint32_t seed = 0; seed < 60; ++seed) {
            const double density = 0.15 + 0.8 * (seed % 10) / 10.0;
            SetBoard(link, TextFromGrid(RandomGrid(seed, size, density, KindCount)));
            std::uniform_int_distribution<int> row(1, size.Rows - 2);
            std::uniform_int_distribution<int> col(1, size.Cols - 2);
            for (int trial = 0; trial < 200; ++trial) {
                const int r1 = row(pick), c1 = col(pick), r2 = row(pick), c2 = col(pick);
                if ((r1 == r2 && c1 == c2) || link.Grid[r1][c1] == EmptyCell ||
                    link.Grid[r2][c2] == EmptyCell)
                    continue;
                const bool expected = ReferenceCanLink(link.Grid, c1, r1, c2, r2);
                link.StorePath4(-7, -7, -7, -7, -7, -7, -7, -7);
                ASSERT_EQ(link.CanLink(c1, r1, c2, r2), expected)
                    << "(" << c1 << ", " << r1 << ") to (" << c2 << ", " << r2 << ") on seed " << seed;
                if (expected) {
                    ExpectPathValid(link, c1, r1, c2, r2);
                    ++linked;
                } else {
                    EXPECT_EQ(PathOf(link), Untouched);
                    ++notLinked;
                }
                ASSERT_EQ(link.CanLink(c2, r2, c1, r1), expected);
            }
        }
    }
    // Both outcomes must be well represented for the comparison to mean something.
    EXPECT_GT(linked, 2000);
    EXPECT_GT(notLinked, 2000);
}

}  // namespace
