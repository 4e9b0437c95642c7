#include "tests/support/BoardText.h"
#include "ReferenceLink.h"

#include "tests/support/EnginePlay.h"
#include "tests/support/TestSwitches.h"

#include "platform/Sound.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct DealtSize {
    TBoardSize board;
    int tiles;
    int kinds;
    int width;   // board bitmap in pixels
    int height;
};

const std::vector<DealtSize> AllSizes{
    {EasySize, 84, 21, 579, 464},
    {NormalSize, 112, 28, 661, 515},
    {HardSize, 144, 36, 743, 566},
    {SuperSize, 180, 45, 825, 617},
};

class DealTest : public ::testing::Test {
protected:
    void SetUp() override { engine.OnRedraw = [&](TLink*) { ++redraws; }; }

    void SetSize(TBoardSize size)
    {
        engine.Params->Rows = size.Rows;
        engine.Params->Cols = size.Cols;
    }

    // A random source that answers from a list, and notes each range it was asked for.
    void AnswerWith(std::vector<std::int32_t> answers)
    {
        engine.SetRandomSource([this, answers, next = std::size_t{0}](std::int32_t n) mutable {
            ranges.push_back(n);
            return answers.empty() ? 0 : answers[next++ % answers.size()] % n;
        });
    }

    TestSwitches switches_;
    TLink engine{nullptr};
    int redraws = 0;
    std::vector<std::int32_t> ranges;
};

// One engine deals all four sizes in turn, as the next game or level would.
TEST_F(DealTest, FillsEverySizeWithFourTilesOfEachKind)
{
    for (const DealtSize& size : AllSizes) {
        SCOPED_TRACE(testing::Message() << int(size.board.Rows) << " x " << int(size.board.Cols));
        SetSize(size.board);
        redraws = 0;
        engine.DealBoard();

        ASSERT_EQ(static_cast<int>(engine.Grid.size()), size.board.Rows);
        ASSERT_EQ(static_cast<int>(engine.Grid.front().size()), size.board.Cols);
        EXPECT_TRUE(BoardIsSound(engine));
        const auto counts = CountKinds(engine);
        EXPECT_EQ(static_cast<int>(counts.size()), size.kinds);
        EXPECT_EQ(counts.begin()->first, 0);
        EXPECT_EQ(counts.rbegin()->first, size.kinds - 1);
        for (const auto& [kind, count] : counts)
            EXPECT_EQ(count, 4) << "kind " << kind;
        EXPECT_EQ(engine.Params->TilesLeft, size.tiles);
        EXPECT_GE(engine.Params->BackStyle, 1);
        EXPECT_LE(engine.Params->BackStyle, 6);
        EXPECT_EQ(engine.BoardWidth, size.width);
        EXPECT_EQ(engine.BoardHeight, size.height);
        EXPECT_EQ(engine.BoardDC.width(), size.width);
        EXPECT_EQ(engine.BoardDC.height(), size.height);
        EXPECT_TRUE(engine.Params->Playing);
        EXPECT_EQ(redraws, 1);
        const std::int32_t counted = engine.Params->PairsAvailable;
        EXPECT_EQ(engine.CountMoves(), counted);
    }
}

TEST_F(DealTest, DrawsTheBackgroundThenOneNumberBelow10000PerCell)
{
    SetSize(EasySize);
    AnswerWith({});
    engine.DealBoard();
    ASSERT_EQ(ranges.size(), 1u + 84u);
    EXPECT_EQ(ranges.front(), 6);
    for (std::size_t i = 1; i < ranges.size(); ++i)
        EXPECT_EQ(ranges[i], 10000) << "draw " << i;
}

TEST_F(DealTest, KnownDrawsDealKnownBoards)
{
    const struct {
        const char* draws;
        TLink::RandomSource random;
        std::int32_t backStyle;
        BoardRows board;
    } deals[] = {
        // Drawing 0 every time takes the pool in its order: four of each kind, row by row.
        {"always 0", [](std::int32_t) { return 0; }, 1,
         {"..............",
          ".aaaabbbbcccc.",
          ".ddddeeeeffff.",
          ".gggghhhhiiii.",
          ".jjjjkkkkllll.",
          ".mmmmnnnnoooo.",
          ".ppppqqqqrrrr.",
          ".ssssttttuuuu.",
          ".............."}},
        // Drawing 1 every time takes the second entry left: the first 0 stays in the pool until
        // the last cell, and the entries behind a taken one keep their order.
        {"always 1", [](std::int32_t) { return 1; }, 2,
         {"..............",
          ".aaabbbbccccd.",
          ".dddeeeeffffg.",
          ".ggghhhhiiiij.",
          ".jjjkkkkllllm.",
          ".mmmnnnnoooop.",
          ".pppqqqqrrrrs.",
          ".sssttttuuuua.",
          ".............."}},
        // A seeded generator's deal, pinned so that any change in how a deal draws shows up.
        {"seed 2024", SeededRandom(2024), 3,
         {"..............",
          ".pnhlfisnhoaq.",
          ".aifrjhjgnukk.",
          ".sislmrlfghtm.",
          ".dstbqqpccmgl.",
          ".tuujfmrjtoeu.",
          ".rcgqbpecadia.",
          ".deonbeobpkkd.",
          ".............."}},
    };
    SetSize(EasySize);
    for (const auto& deal : deals) {
        SCOPED_TRACE(deal.draws);
        engine.SetRandomSource(deal.random);
        engine.DealBoard();
        EXPECT_EQ(engine.Params->BackStyle, deal.backStyle);
        EXPECT_EQ(BoardText(engine), deal.board);
    }
}

class ReshuffleTest : public DealTest {
protected:
    const BoardRows halfCleared{
        "..............",
        ".ab..cd..ee...",
        "..ba.dc.......",
        ".....fg.gf....",
        "..............",
        "...hh.....ii..",
        "..............",
        "..j......j....",
        "..............",
    };

    static std::vector<bool> Occupied(const TLink& engine)
    {
        std::vector<bool> occupied;
        for (const auto& row : engine.Grid)
            for (std::int32_t kind : row)
                occupied.push_back(kind != EmptyCell);
        return occupied;
    }
};

TEST_F(ReshuffleTest, KeepsTheCellsKindsAndSelection)
{
    SetBoard(engine, halfCleared);
    engine.Params->SoundOn = true;
    engine.Params->BackStyle = 5;
    engine.SelRow = 2;
    engine.SelCol = 3;
    const auto occupied = Occupied(engine);
    const auto counts = CountKinds(engine);
    AnswerWith({7, 4242, 13, 9998, 1, 500});

    engine.Reshuffle();

    EXPECT_EQ(Occupied(engine), occupied);
    EXPECT_EQ(CountKinds(engine), counts);
    EXPECT_NE(BoardText(engine), halfCleared);
    EXPECT_EQ(engine.SelRow, 2);
    EXPECT_EQ(engine.SelCol, 3);
    EXPECT_EQ(engine.Params->BackStyle, 5);
    EXPECT_EQ(ranges, std::vector<std::int32_t>(20, 10000));
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(platform::RecordedSounds(), QStringList{"SNDRESET"});
    const std::int32_t counted = engine.Params->PairsAvailable;
    EXPECT_EQ(engine.CountMoves(), counted);
}

// The pool is collected row by row and handed out in the same order: drawing 1 each time
// on "abab" gives b (from a b a b), a (from a a b), b (from a b), a.
TEST_F(ReshuffleTest, HandsOutThePoolRowByRow)
{
    SetBoard(engine, {"......", ".ab...", "...ab.", "......"});
    AnswerWith({1});
    engine.Reshuffle();
    EXPECT_EQ(BoardText(engine), (BoardRows{"......", ".ba...", "...ba.", "......"}));
}

TEST_F(ReshuffleTest, TwoTilesStayPutAnEmptyBoardCountsNoPairsAndBothAreStillRedrawnTwice)
{
    SetBoard(engine, {"......", ".c....", "....c.", "......"});
    engine.Params->SoundOn = false;
    engine.Reshuffle();
    EXPECT_EQ(BoardText(engine), (BoardRows{"......", ".c....", "....c.", "......"}));
    EXPECT_EQ(engine.Params->PairsAvailable, 1);
    EXPECT_EQ(redraws, 2);
    EXPECT_TRUE(platform::RecordedSounds().isEmpty());

    SetBoard(engine, {"......", "......", "......", "......"});
    engine.Params->PairsAvailable = 3;
    redraws = 0;
    engine.Reshuffle();
    EXPECT_EQ(engine.Params->PairsAvailable, 0);
    EXPECT_EQ(redraws, 2);
}

}  // namespace
