#include "BoardText.h"

#include "platform/Sound.h"
#include "platform/System.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

// Whole levels played by the engine alone, as the window would: hint, click both tiles,
// remove, collapse, reshuffle while the board is dead. After every move the board must still be
// a board the rules can hold.

namespace {

struct Playout {
    int rows;
    int cols;
    int level;
};

using KindCounts = std::map<std::int32_t, int>;

KindCounts CountKinds(const TLink& engine)
{
    KindCounts counts;
    for (const auto& row : engine.Grid)
        for (std::int32_t kind : row)
            if (kind != EmptyCell)
                ++counts[kind];
    return counts;
}

// The border ring empty, every kind an even number of times, TilesLeft the tiles on the grid.
testing::AssertionResult BoardIsSound(const TLink& engine)
{
    const int rows = engine.Params->Rows;
    const int cols = engine.Params->Cols;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if ((r == 0 || c == 0 || r == rows - 1 || c == cols - 1) && engine.Grid[r][c] != EmptyCell)
                return testing::AssertionFailure() << "a tile on the border at (" << r << ", " << c << ")";
    int tiles = 0;
    for (const auto& [kind, count] : CountKinds(engine)) {
        if (count % 2 != 0)
            return testing::AssertionFailure() << "kind " << kind << " left " << count << " times";
        tiles += count;
    }
    if (tiles != engine.Params->TilesLeft)
        return testing::AssertionFailure()
            << tiles << " tiles on the grid, TilesLeft " << int(engine.Params->TilesLeft);
    return testing::AssertionSuccess();
}

bool Click(TLink& engine, int row, int col)
{
    return engine.SelectCell(Qt::LeftButton, Qt::NoModifier, col * CellWidth + CellWidth / 2,
                             row * CellHeight + CellHeight / 2);
}

class PlayoutTest : public ::testing::TestWithParam<Playout> {
protected:
    void SetUp() override
    {
        platform::SetSleepScaleForTesting(0);
        platform::RecordSounds(true);
    }
    void TearDown() override
    {
        platform::SetSleepScaleForTesting(1);
        platform::RecordSounds(false);
    }
};

constexpr int MaxReshufflesPerDeadBoard = 200;

TEST_P(PlayoutTest, ClearsTheBoardKeepingItSoundAfterEveryMove)
{
    const auto [rows, cols, level] = GetParam();
    TLink engine(nullptr);
    engine.SetRandomSource([generator = std::mt19937(rows * 100 + level)](std::int32_t n) mutable {
        return static_cast<std::int32_t>(generator() % static_cast<std::uint32_t>(n));
    });
    engine.Params->Rows = static_cast<std::uint8_t>(rows);
    engine.Params->Cols = static_cast<std::uint8_t>(cols);
    engine.Params->Level = static_cast<std::uint8_t>(level);
    engine.Params->SoundOn = true;
    engine.DealBoard();
    ASSERT_TRUE(BoardIsSound(engine));

    int moves = 0;
    while (engine.Params->TilesLeft > 0) {
        for (int reshuffles = 0; !engine.FindMove(); ++reshuffles) {
            ASSERT_LT(reshuffles, MaxReshufflesPerDeadBoard) << "no move found after reshuffling";
            engine.Reshuffle();
            ASSERT_TRUE(BoardIsSound(engine)) << "after a reshuffle, move " << moves;
        }
        engine.ShowHint();
        const int row1 = engine.HintRow1, col1 = engine.HintCol1;
        const int row2 = engine.HintRow2, col2 = engine.HintCol2;
        ASSERT_NE(row1, EmptyCell) << "the hint found no pair, move " << moves;
        const std::int32_t kind = engine.Grid[row1][col1];
        ASSERT_EQ(engine.Grid[row2][col2], kind);

        ASSERT_FALSE(Click(engine, row1, col1));
        ASSERT_TRUE(Click(engine, row2, col2)) << "the hinted pair did not match, move " << moves;
        engine.RemovePair();
        KindCounts expected = CountKinds(engine);
        engine.CollapseBoard();
        ++moves;

        ASSERT_EQ(CountKinds(engine), expected) << "the collapse lost or made a tile, move " << moves;
        ASSERT_TRUE(BoardIsSound(engine)) << "after move " << moves;
        ASSERT_EQ(engine.SelRow, EmptyCell);
    }
    EXPECT_EQ(moves * 2, (rows - 2) * (cols - 2));
    EXPECT_TRUE(CountKinds(engine).empty());
}

std::vector<Playout> EverySizeAndLevel()
{
    std::vector<Playout> playouts;
    for (const TBoardSize size : BoardSizes)
        for (int level = 1; level <= 9; ++level)
            playouts.push_back({size.Rows, size.Cols, level});
    return playouts;
}

INSTANTIATE_TEST_SUITE_P(EverySizeAndLevel, PlayoutTest, ::testing::ValuesIn(EverySizeAndLevel()),
                         [](const auto& info) {
                             return std::to_string(info.param.rows) + "x" + std::to_string(info.param.cols)
                                 + "Level" + std::to_string(info.param.level);
                         });

}  // namespace
