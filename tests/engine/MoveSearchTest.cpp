#include "tests/support/BoardText.h"
#include "ReferenceLink.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::array<int, 4> HintOf(const TLink& link)
{
    return {link.HintRow1, link.HintCol1, link.HintRow2, link.HintCol2};
}

class MoveSearchTest : public ::testing::Test {
protected:
    // Runs a hint search and returns the pair found as row1, col1, row2, col2.
    std::array<int, 4> Hint()
    {
        link.Params->HintRequest = true;
        EXPECT_TRUE(link.FindMove());
        EXPECT_FALSE(link.Params->HintRequest);
        return HintOf(link);
    }

    TLink link{nullptr};
};

TEST_F(MoveSearchTest, HintTakesTheEarliestFirstCellInRowMajorOrder)
{
    SetBoard(link, {"..............",
                    "........bb....",
                    ".aa...........",
                    ".............."});
    EXPECT_EQ(Hint(), (std::array<int, 4>{1, 8, 1, 9}));

    // The partner may lie in a later row, to the left.
    SetBoard(link, {"..............",
                    "...a.bb.......",
                    ".a............",
                    ".............."});
    EXPECT_EQ(Hint(), (std::array<int, 4>{1, 3, 2, 1}));
}

TEST_F(MoveSearchTest, SearchesLeaveTheLinkPathAndWithoutARequestTheHintCells)
{
    SetBoard(link, {"......",
                    ".aa...",
                    "......"});
    EXPECT_TRUE(link.FindMove());
    EXPECT_EQ(HintOf(link), (std::array<int, 4>{EmptyCell, EmptyCell, EmptyCell, EmptyCell}));

    SetBoard(link, {"........",
                    ".ab.ab..",
                    ".cd.dc..",
                    "........"});
    link.StorePath4(1, 2, 3, 4, 5, 6, 7, 8);
    const auto before = PathOf(link);
    link.Params->HintRequest = true;
    EXPECT_TRUE(link.FindMove());
    EXPECT_EQ(link.CountMoves(), 4);
    EXPECT_EQ(PathOf(link), before);
}

TEST_F(MoveSearchTest, CountsSameKindPairsOnce)
{
    // A 2 x 2 block: the diagonals are blocked by the other two tiles.
    SetBoard(link, {"........",
                    "........",
                    "...aa...",
                    "...aa...",
                    "........",
                    "........"});
    EXPECT_EQ(link.CountMoves(), 4);
    EXPECT_EQ(link.Params->PairsAvailable, 4);

    SetBoard(link, {"........",
                    ".a......",
                    "......a.",
                    "...a....",
                    "......a.",
                    "........"});
    EXPECT_EQ(link.CountMoves(), 6);
}

TEST_F(MoveSearchTest, BoxedInBoardHasNoMoveAndTheHintWaitsForOne)
{
    // The ring's kinds occur once each; inside it no two tiles of a kind touch.
    SetBoard(link, {"........",
                    ".abcdef.",
                    ".gststh.",
                    ".iuvuvj.",
                    ".kststl.",
                    ".mnopqr.",
                    "........"});
    link.Params->PairsAvailable = 9;
    int redraws = 0;
    link.OnRedraw = [&](TLink*) { ++redraws; };
    EXPECT_FALSE(link.FindMove());
    EXPECT_EQ(link.CountMoves(), 0);
    EXPECT_EQ(link.Params->PairsAvailable, 0);

    const QImage before = link.BoardDC.image().copy();
    link.ShowHint();
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(link.BoardDC.image(), before);
    EXPECT_TRUE(link.Params->HintRequest);

    // The next search that succeeds answers the waiting request.
    link.Grid[2][3] = EmptyCell;
    EXPECT_TRUE(link.FindMove());
    EXPECT_FALSE(link.Params->HintRequest);
    EXPECT_EQ(HintOf(link), (std::array<int, 4>{2, 2, 2, 4}));
}

TEST_F(MoveSearchTest, EmptyOrUndealtBoardHasNoMove)
{
    EXPECT_FALSE(link.FindMove());
    EXPECT_EQ(link.CountMoves(), 0);
    SetBoard(link, {"....", "....", "...."});
    EXPECT_FALSE(link.FindMove());
}

TEST(MoveSearchDifferentialTest, CountAndFirstPairAgreeWithAPathSearch)
{
    TLink link(nullptr);
    for (const TBoardSize size : BoardSizes) {
        for (std::uint32_t seed = 0; seed < 25; ++seed) {
            const int kinds = (size.Rows - 2) * (size.Cols - 2) / 4;
            SetBoard(link, TextFromGrid(RandomGrid(seed, size, 0.3 + 0.025 * seed, kinds / 3)));
            const int expected = ReferenceCountMoves(link.Grid);
            ASSERT_EQ(link.CountMoves(), expected) << "seed " << seed;
            link.Params->HintRequest = true;
            ASSERT_EQ(link.FindMove(), expected > 0);
            if (expected == 0)
                continue;
            // No pair whose first cell comes earlier in row-major order, nor an earlier partner.
            const int first = link.HintRow1 * size.Cols + link.HintCol1;
            const int partner = link.HintRow2 * size.Cols + link.HintCol2;
            ASSERT_LT(first, partner);
            for (int a = size.Cols; a <= first; ++a) {
                for (int b = a + 1; b < (a == first ? partner : size.Rows * size.Cols); ++b) {
                    const int ra = a / size.Cols, ca = a % size.Cols, rb = b / size.Cols, cb = b % size.Cols;
                    if (link.Grid[ra][ca] != EmptyCell && link.Grid[ra][ca] == link.Grid[rb][cb]) {
                        ASSERT_FALSE(ReferenceCanLink(link.Grid, ca, ra, cb, rb))
                            << "earlier pair (" << ra << ", " << ca << ") (" << rb << ", " << cb << ")";
                    }
                }
            }
        }
    }
}

}  // namespace
