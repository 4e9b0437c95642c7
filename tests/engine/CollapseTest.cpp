#include "BoardText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct BoardSize {
    int rows;
    int cols;
};
constexpr BoardSize Easy{9, 14};
constexpr BoardSize Normal{10, 16};
constexpr BoardSize Hard{11, 18};
constexpr BoardSize Super{12, 20};

enum class Axis { Column, Row };

// An empty board of that size with `line` (one character per inner cell) in one column or row.
BoardRows LineBoard(BoardSize size, Axis axis, int index, const std::string& line)
{
    BoardRows rows(size.rows, std::string(size.cols, '.'));
    for (int i = 0; i < static_cast<int>(line.size()); ++i) {
        if (axis == Axis::Column)
            rows[i + 1][index] = line[i];
        else
            rows[index][i + 1] = line[i];
    }
    return rows;
}

std::string Line(const TLink& engine, Axis axis, int index)
{
    std::string line;
    const int length = axis == Axis::Column ? engine.Params->Rows - 2 : engine.Params->Cols - 2;
    for (int i = 1; i <= length; ++i)
        line += CharOfKind(axis == Axis::Column ? engine.Grid[i][index] : engine.Grid[index][i]);
    return line;
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

// One line of an Easy board, the emptied cells given by their place on the line. When only one
// place is given, the pair's other cell lies in an empty line elsewhere and moves nothing there.
struct LineCase {
    const char* name;
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
        SetBoard(engine, LineBoard(Easy, c.axis, LineIndex, c.before));
        Collapse(engine, c.level, pair);
        EXPECT_EQ(BoardText(engine), LineBoard(Easy, c.axis, LineIndex, c.after))
            << "first click at (" << pair.firstRow << ", " << pair.firstCol << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EasyBoard, CollapseLineTest,
    ::testing::Values(
        LineCase{"NothingMovesAtLevel1", 1, Axis::Column, "ab.de.g", {3, 6}, "ab.de.g"},
        LineCase{"NothingMovesAtAnUnknownLevel", 10, Axis::Column, "ab.de.g", {3, 6}, "ab.de.g"},
        LineCase{"Level2FallsDown", 2, Axis::Column, "ab.de.g", {3, 6}, "..abdeg"},
        LineCase{"Level3RisesUp", 3, Axis::Column, "ab.de.g", {3, 6}, "abdeg.."},
        LineCase{"Level4AboveTheSplitRises", 4, Axis::Column, "a.cdefg", {2}, "acd.efg"},
        LineCase{"Level4BelowTheSplitSinks", 4, Axis::Column, "abcde.g", {6}, "abc.deg"},
        LineCase{"Level4AtTheSplitOnlyEmpties", 4, Axis::Column, "abc.efg", {4}, "abc.efg"},
        LineCase{"Level4BothSidesOfTheSplit", 4, Axis::Column, "a.cde.g", {2, 6}, "acd..eg"},
        LineCase{"Level5LeftHalfMovesLeft", 5, Axis::Row, "ab.defghijkl", {3}, "abdef.ghijkl"},
        LineCase{"Level5RightHalfMovesRight", 5, Axis::Row, "abcdefgh.jkl", {9}, "abcdef.ghjkl"},
        LineCase{"Level5LastLeftColumnMovesNothing", 5, Axis::Row, "abcde.ghijkl", {6}, "abcde.ghijkl"},
        LineCase{"Level5FirstRightColumnMovesNothing", 5, Axis::Row, "abcdef.hijkl", {7}, "abcdef.hijkl"},
        LineCase{"Level5TwoInTheLeftHalf", 5, Axis::Row, "a.c.efghijkl", {2, 4}, "acef..ghijkl"},
        LineCase{"Level5TwoInTheRightHalf", 5, Axis::Row, "abcdefg.ij.l", {8, 11}, "abcdef..gijl"},
        LineCase{"Level6MovesLeft", 6, Axis::Row, "a.cd.fghijkl", {2, 5}, "acdfghijkl.."},
        LineCase{"Level7MovesRight", 7, Axis::Row, "a.cd.fghijkl", {2, 5}, "..acdfghijkl"},
        LineCase{"Level8GathersRows", 8, Axis::Column, "a.cde.g", {2, 6}, ".acdeg."},
        LineCase{"Level9GathersColumns", 9, Axis::Row, "ab.defghi.kl", {3, 10}, ".abdefghikl."}),
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

TEST_F(CollapseTest, NormalBoardSplitsBelowRow5AndGathersAroundRows4And5)
{
    const std::string column = "abcdefgh";
    const Pair top{1, LineIndex, 2, ElsewhereIndex};
    const Pair bottom{8, LineIndex, 2, ElsewhereIndex};
    const auto expectAfter = [&](int level, Pair pair, const std::string& expected) {
        std::string line = column;
        line[pair.firstRow - 1] = '.';
        SetBoard(engine, LineBoard(Normal, Axis::Column, LineIndex, line));
        Collapse(engine, level, pair);
        EXPECT_EQ(Line(engine, Axis::Column, LineIndex), expected) << "level " << level;
    };
    // Level 4: rows 1..4 are the upper side, row 5 feeds both sides, rows 6..8 the lower side.
    expectAfter(4, top, "bcde.fgh");
    expectAfter(4, bottom, "abcd.efg");
    expectAfter(4, Pair{5, LineIndex, 2, ElsewhereIndex}, "abcd.fgh");
    // Level 8: rows 1..4 fall, rows 5..8 rise.
    expectAfter(8, Pair{4, LineIndex, 2, ElsewhereIndex}, ".abcefgh");
    expectAfter(8, Pair{5, LineIndex, 2, ElsewhereIndex}, "abcdfgh.");
}

// The split row and columns of every board size: M (level 4), H (level 5), T (level 8) and
// L (level 9), checked by emptying the cells on either side of each split in a full line.
struct Splits {
    BoardSize size;
    int m, h, t, l;
};

class CollapseSplitTest : public CollapseTest, public ::testing::WithParamInterface<Splits> {
protected:
    // Empties `place` in a full column or row and collapses; returns the line.
    std::string EmptyAndCollapse(int level, Axis axis, int place)
    {
        const BoardSize size = GetParam().size;
        const int length = axis == Axis::Column ? size.rows - 2 : size.cols - 2;
        std::string line = std::string("abcdefghijklmnopqr").substr(0, length);
        line[place - 1] = '.';
        SetBoard(engine, LineBoard(size, axis, LineIndex, line));
        // The pair's other cell lies in an empty line, where a move changes nothing.
        const Pair pair = axis == Axis::Column ? Pair{place, LineIndex, 1, LineIndex + 2}
                                               : Pair{LineIndex, place, LineIndex + 2, 1};
        Collapse(engine, level, pair);
        return Line(engine, axis, LineIndex);
    }
    static std::string Full(int length) { return std::string("abcdefghijklmnopqr").substr(0, length); }
};

TEST_P(CollapseSplitTest, Level4SplitsAtRowM)
{
    const auto [size, m, h, t, l] = GetParam();
    std::string atM = Full(size.rows - 2);
    atM[m - 1] = '.';
    EXPECT_EQ(EmptyAndCollapse(4, Axis::Column, m), atM);

    std::string aboveM = Full(size.rows - 2);
    aboveM.erase(m - 2, 1);            // row M - 1 takes row M ...
    aboveM.insert(m - 1, 1, '.');      // ... and row M empties
    EXPECT_EQ(EmptyAndCollapse(4, Axis::Column, m - 1), aboveM);
}

TEST_P(CollapseSplitTest, Level5SplitsBetweenColumnsHAndHPlus1)
{
    const auto [size, m, h, t, l] = GetParam();
    for (int place : {h, h + 1}) {
        std::string unmoved = Full(size.cols - 2);
        unmoved[place - 1] = '.';
        EXPECT_EQ(EmptyAndCollapse(5, Axis::Row, place), unmoved) << "column " << place;
    }
    std::string leftOfH = Full(size.cols - 2);
    leftOfH.erase(h - 2, 1);
    leftOfH.insert(h - 1, 1, '.');
    EXPECT_EQ(EmptyAndCollapse(5, Axis::Row, h - 1), leftOfH);

    std::string rightOfH1 = Full(size.cols - 2);
    rightOfH1.erase(h + 1, 1);
    rightOfH1.insert(h, 1, '.');
    EXPECT_EQ(EmptyAndCollapse(5, Axis::Row, h + 2), rightOfH1);
}

TEST_P(CollapseSplitTest, Level8GathersRowsUpToTDownwards)
{
    const auto [size, m, h, t, l] = GetParam();
    std::string atT = Full(size.rows - 2);
    atT.erase(t - 1, 1);
    atT.insert(0, 1, '.');
    EXPECT_EQ(EmptyAndCollapse(8, Axis::Column, t), atT);

    std::string belowT = Full(size.rows - 2);
    belowT.erase(t, 1);
    belowT.push_back('.');
    EXPECT_EQ(EmptyAndCollapse(8, Axis::Column, t + 1), belowT);
}

TEST_P(CollapseSplitTest, Level9GathersColumnsUpToLRightwards)
{
    const auto [size, m, h, t, l] = GetParam();
    std::string atL = Full(size.cols - 2);
    atL.erase(l - 1, 1);
    atL.insert(0, 1, '.');
    EXPECT_EQ(EmptyAndCollapse(9, Axis::Row, l), atL);

    std::string rightOfL = Full(size.cols - 2);
    rightOfL.erase(l, 1);
    rightOfL.push_back('.');
    EXPECT_EQ(EmptyAndCollapse(9, Axis::Row, l + 1), rightOfL);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, CollapseSplitTest,
                         ::testing::Values(Splits{Easy, 4, 6, 4, 6}, Splits{Normal, 5, 7, 4, 7},
                                           Splits{Hard, 5, 8, 5, 8}, Splits{Super, 6, 9, 5, 9}),
                         [](const auto& info) {
                             return "Rows" + std::to_string(info.param.size.rows);
                         });

TEST_F(CollapseTest, ClearsTheSelectionAndRedrawsTheWholeBoardOnce)
{
    SetBoard(engine, LineBoard(Easy, Axis::Column, LineIndex, "ab.de.g"));
    engine.Params->BackStyle = 1;
    engine.BoardDC.fillRect(QRect(0, 0, engine.BoardWidth, engine.BoardHeight), Qt::white);
    int redraws = 0;
    engine.OnRedraw = [&](TLink*) { ++redraws; };

    Collapse(engine, 2, Pair{3, LineIndex, 6, LineIndex});

    EXPECT_EQ(engine.SelRow, EmptyCell);
    EXPECT_EQ(engine.SelCol, EmptyCell);
    EXPECT_EQ(engine.ClickRow, EmptyCell);
    EXPECT_EQ(engine.ClickCol, EmptyCell);
    EXPECT_EQ(redraws, 1);
    // The empty border was painted black again: the bitmap was rendered afresh.
    EXPECT_EQ(engine.BoardDC.pixel(2, 2), qRgb(0, 0, 0));
}

TEST_F(CollapseTest, WithNothingSelectedTouchesNoCell)
{
    const BoardRows board = LineBoard(Easy, Axis::Column, LineIndex, "abcdefg");
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
