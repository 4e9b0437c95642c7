#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

enum class Axis { Column, Row };

// An empty board of that size with `line` (one character per inner cell) in one column or row.
BoardRows LineBoard(TBoardSize size, Axis axis, int index, const std::string& line)
{
    BoardRows rows(size.Rows, std::string(size.Cols, '.'));
    for (int i = 0; i < static_cast<int>(line.size()); ++i) {
        if (axis == Axis::Column)
            rows[i + 1][index] = line[i];
        else
            rows[index][i + 1] = line[i];
    }
    return rows;
}

struct Pair {
    int firstRow, firstCol;    // clicked first: SelRow, SelCol
    int secondRow, secondCol;  // clicked second: ClickRow, ClickCol
};

void Collapse(TLink& engine, int level, Pair pair)
{
    engine.Params->Level = static_cast<std::uint8_t>(level);
    engine.SelRow = pair.firstRow;
    engine.SelCol = pair.firstCol;
    engine.ClickRow = pair.secondRow;
    engine.ClickCol = pair.secondCol;
    engine.CollapseBoard();
}

class CollapseTest : public ::testing::Test {
protected:
    TLink engine{nullptr};
};

// One line of a board, the emptied cells given by their place on the line. When only one place
// is given, the pair's other cell lies in an empty line elsewhere and moves nothing there.
struct LineCase {
    const char* name;
    TBoardSize size;
    int level;
    Axis axis;
    std::string before;
    std::vector<int> emptied;
    std::string after;
};

class CollapseLineTest : public CollapseTest, public ::testing::WithParamInterface<LineCase> {};

constexpr int LineIndex = 3;        // the column or row under test
constexpr int ElsewhereIndex = 10;  // an empty column (or row 6 for rows) for a lone emptied cell
constexpr int ElsewhereRow = 6;

TEST_P(CollapseLineTest, SlidesTheLineInEitherClickOrder)
{
    const LineCase& c = GetParam();
    const auto cellOf = [&](int place) {
        return c.axis == Axis::Column ? std::pair{place, LineIndex} : std::pair{LineIndex, place};
    };
    const auto [r1, c1] = cellOf(c.emptied[0]);
    const auto [r2, c2] = c.emptied.size() == 2
        ? cellOf(c.emptied[1])
        : (c.axis == Axis::Column ? std::pair{2, ElsewhereIndex} : std::pair{ElsewhereRow, 2});

    for (const Pair pair : {Pair{r1, c1, r2, c2}, Pair{r2, c2, r1, c1}}) {
        SetBoard(engine, LineBoard(c.size, c.axis, LineIndex, c.before));
        Collapse(engine, c.level, pair);
        EXPECT_EQ(BoardText(engine), LineBoard(c.size, c.axis, LineIndex, c.after))
            << "first click at (" << pair.firstRow << ", " << pair.firstCol << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EasyBoard, CollapseLineTest,
    ::testing::Values(
        LineCase{"NothingMovesAtLevel1", EasySize, 1, Axis::Column, "ab.de.g", {3, 6}, "ab.de.g"},
        LineCase{"NothingMovesAtAnUnknownLevel", EasySize, 10, Axis::Column, "ab.de.g", {3, 6}, "ab.de.g"},
        LineCase{"Level2FallsDown", EasySize, 2, Axis::Column, "ab.de.g", {3, 6}, "..abdeg"},
        LineCase{"Level3RisesUp", EasySize, 3, Axis::Column, "ab.de.g", {3, 6}, "abdeg.."},
        LineCase{"Level4AboveTheSplitRises", EasySize, 4, Axis::Column, "a.cdefg", {2}, "acd.efg"},
        LineCase{"Level4BelowTheSplitSinks", EasySize, 4, Axis::Column, "abcde.g", {6}, "abc.deg"},
        LineCase{"Level4AtTheSplitOnlyEmpties", EasySize, 4, Axis::Column, "abc.efg", {4}, "abc.efg"},
        LineCase{"Level4BothSidesOfTheSplit", EasySize, 4, Axis::Column, "a.cde.g", {2, 6}, "acd..eg"},
        LineCase{"Level5LeftHalfMovesLeft", EasySize, 5, Axis::Row, "ab.defghijkl", {3}, "abdef.ghijkl"},
        LineCase{"Level5RightHalfMovesRight", EasySize, 5, Axis::Row, "abcdefgh.jkl", {9}, "abcdef.ghjkl"},
        LineCase{"Level5LastLeftColumnMovesNothing", EasySize, 5, Axis::Row, "abcde.ghijkl", {6}, "abcde.ghijkl"},
        LineCase{"Level5FirstRightColumnMovesNothing", EasySize, 5, Axis::Row, "abcdef.hijkl", {7}, "abcdef.hijkl"},
        LineCase{"Level5TwoInTheLeftHalf", EasySize, 5, Axis::Row, "a.c.efghijkl", {2, 4}, "acef..ghijkl"},
        LineCase{"Level5TwoInTheRightHalf", EasySize, 5, Axis::Row, "abcdefg.ij.l", {8, 11}, "abcdef..gijl"},
        LineCase{"Level6MovesLeft", EasySize, 6, Axis::Row, "a.cd.fghijkl", {2, 5}, "acdfghijkl.."},
        LineCase{"Level7MovesRight", EasySize, 7, Axis::Row, "a.cd.fghijkl", {2, 5}, "..acdfghijkl"},
        LineCase{"Level8GathersRows", EasySize, 8, Axis::Column, "a.cde.g", {2, 6}, ".acdeg."},
        LineCase{"Level9GathersColumns", EasySize, 9, Axis::Row, "ab.defghi.kl", {3, 10}, ".abdefghikl."}),
    [](const auto& info) { return std::string(info.param.name); });

// Both sides of the split row M (level 4) and T (level 8), and of the split columns H (level 5)
// and L (level 9), on the other board sizes.
INSTANTIATE_TEST_SUITE_P(
    Splits, CollapseLineTest,
    ::testing::Values(
        LineCase{"NormalLevel4UpperSideRises", NormalSize, 4, Axis::Column, ".bcdefgh", {1}, "bcde.fgh"},
        LineCase{"NormalLevel4LowerSideSinks", NormalSize, 4, Axis::Column, "abcdefg.", {8}, "abcd.efg"},
        LineCase{"NormalLevel4AtM", NormalSize, 4, Axis::Column, "abcd.fgh", {5}, "abcd.fgh"},
        LineCase{"NormalLevel8AtT", NormalSize, 8, Axis::Column, "abc.efgh", {4}, ".abcefgh"},
        LineCase{"NormalLevel8BelowT", NormalSize, 8, Axis::Column, "abcd.fgh", {5}, "abcdfgh."},
        LineCase{"NormalLevel5LeftOfH", NormalSize, 5, Axis::Row, "abcde.ghijklmn", {6}, "abcdeg.hijklmn"},
        LineCase{"NormalLevel5AtH", NormalSize, 5, Axis::Row, "abcdef.hijklmn", {7}, "abcdef.hijklmn"},
        LineCase{"NormalLevel5RightOfH1", NormalSize, 5, Axis::Row, "abcdefgh.jklmn", {9}, "abcdefg.hjklmn"},
        LineCase{"NormalLevel9AtL", NormalSize, 9, Axis::Row, "abcdef.hijklmn", {7}, ".abcdefhijklmn"},
        LineCase{"NormalLevel9RightOfL", NormalSize, 9, Axis::Row, "abcdefg.ijklmn", {8}, "abcdefgijklmn."},
        LineCase{"EasyLevel9AtL", EasySize, 9, Axis::Row, "abcde.ghijkl", {6}, ".abcdeghijkl"},
        LineCase{"EasyLevel9RightOfL", EasySize, 9, Axis::Row, "abcdef.hijkl", {7}, "abcdefhijkl."},
        LineCase{"HardLevel4AboveM", HardSize, 4, Axis::Column, "abc.efghi", {4}, "abce.fghi"},
        LineCase{"HardLevel4AtM", HardSize, 4, Axis::Column, "abcd.fghi", {5}, "abcd.fghi"},
        LineCase{"HardLevel8AtT", HardSize, 8, Axis::Column, "abcd.fghi", {5}, ".abcdfghi"},
        LineCase{"HardLevel8BelowT", HardSize, 8, Axis::Column, "abcde.ghi", {6}, "abcdeghi."},
        LineCase{"HardLevel5LeftOfH", HardSize, 5, Axis::Row, "abcdef.hijklmnop", {7}, "abcdefh.ijklmnop"},
        LineCase{"HardLevel5AtH", HardSize, 5, Axis::Row, "abcdefg.ijklmnop", {8}, "abcdefg.ijklmnop"},
        LineCase{"HardLevel5RightOfH1", HardSize, 5, Axis::Row, "abcdefghi.klmnop", {10}, "abcdefgh.iklmnop"},
        LineCase{"HardLevel9AtL", HardSize, 9, Axis::Row, "abcdefg.ijklmnop", {8}, ".abcdefgijklmnop"},
        LineCase{"HardLevel9RightOfL", HardSize, 9, Axis::Row, "abcdefgh.jklmnop", {9}, "abcdefghjklmnop."},
        LineCase{"SuperLevel4AboveM", SuperSize, 4, Axis::Column, "abcd.fghij", {5}, "abcdf.ghij"},
        LineCase{"SuperLevel4AtM", SuperSize, 4, Axis::Column, "abcde.ghij", {6}, "abcde.ghij"},
        LineCase{"SuperLevel8AtT", SuperSize, 8, Axis::Column, "abcd.fghij", {5}, ".abcdfghij"},
        LineCase{"SuperLevel8BelowT", SuperSize, 8, Axis::Column, "abcde.ghij", {6}, "abcdeghij."},
        LineCase{"SuperLevel5LeftOfH", SuperSize, 5, Axis::Row, "abcdefg.ijklmnopqr", {8}, "abcdefgi.jklmnopqr"},
        LineCase{"SuperLevel5AtH1", SuperSize, 5, Axis::Row, "abcdefghi.klmnopqr", {10}, "abcdefghi.klmnopqr"},
        LineCase{"SuperLevel5RightOfH1", SuperSize, 5, Axis::Row, "abcdefghij.lmnopqr", {11}, "abcdefghi.jlmnopqr"},
        LineCase{"SuperLevel9AtL", SuperSize, 9, Axis::Row, "abcdefgh.jklmnopqr", {9}, ".abcdefghjklmnopqr"},
        LineCase{"SuperLevel9RightOfL", SuperSize, 9, Axis::Row, "abcdefghi.klmnopqr", {10}, "abcdefghiklmnopqr."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CollapseTest, PairInTwoColumnsGivesTheSameBoardInEitherClickOrder)
{
    const BoardRows before{
        "..............",
        ".abcdefghijkl.",
        ".bcdefghijkla.",
        ".cd.fghijklab.",
        ".defghijklabc.",
        ".efghijk.abcd.",
        ".fghijklabcde.",
        ".ghijklabcdef.",
        "..............",
    };
    const BoardRows after{
        "..............",
        ".ab.defg.ijkl.",
        ".bccefghhjkla.",
        ".cddfghiiklab.",
        ".defghijjlabc.",
        ".efghijkkabcd.",
        ".fghijklabcde.",
        ".ghijklabcdef.",
        "..............",
    };
    for (const Pair pair : {Pair{3, 3, 5, 8}, Pair{5, 8, 3, 3}}) {
        SetBoard(engine, before);
        Collapse(engine, 2, pair);
        EXPECT_EQ(BoardText(engine), after);
    }
}

TEST_F(CollapseTest, ClearsTheSelectionAndRedrawsTheWholeBoardOnce)
{
    SetBoard(engine, LineBoard(EasySize, Axis::Column, LineIndex, "ab.de.g"));
    engine.Params->BackStyle = 1;
    engine.BoardDC.fillRect(QRect(0, 0, engine.BoardWidth, engine.BoardHeight), Qt::white);
    int redraws = 0;
    engine.OnRedraw = [&](TLink*) { ++redraws; };

    Collapse(engine, 2, Pair{3, LineIndex, 6, LineIndex});

    EXPECT_EQ((std::array{engine.SelRow, engine.SelCol, engine.ClickRow, engine.ClickCol}),
              (std::array<std::int32_t, 4>{EmptyCell, EmptyCell, EmptyCell, EmptyCell}));
    EXPECT_EQ(redraws, 1);
    // The empty border was painted black again: the bitmap was rendered afresh.
    EXPECT_EQ(engine.BoardDC.pixel(2, 2), qRgb(0, 0, 0));
}

TEST_F(CollapseTest, WithNothingSelectedTouchesNoCell)
{
    const BoardRows board = LineBoard(EasySize, Axis::Column, LineIndex, "abcdefg");
    SetBoard(engine, board);
#ifdef QT_NO_DEBUG
    Collapse(engine, 2, Pair{EmptyCell, EmptyCell, EmptyCell, EmptyCell});
    EXPECT_EQ(BoardText(engine), board);
    EXPECT_EQ(engine.SelRow, EmptyCell);
#else
    EXPECT_DEATH(Collapse(engine, 2, Pair{EmptyCell, EmptyCell, EmptyCell, EmptyCell}), "CollapseBoard");
#endif
}

}  // namespace
