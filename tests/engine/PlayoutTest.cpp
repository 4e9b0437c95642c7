#include "tests/support/BoardText.h"

#include "tests/support/EnginePlay.h"
#include "tests/support/TestSwitches.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
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

class PlayoutTest : public ::testing::TestWithParam<Playout> {
protected:
    TestSwitches switches_;
};

TEST_P(PlayoutTest, ClearsTheBoardKeepingItSoundAfterEveryMove)
{
    const auto [rows, cols, level] = GetParam();
    TLink engine(nullptr);
    engine.SetRandomSource(SeededRandom(rows * 100 + level));
    engine.Params->Rows = static_cast<std::uint8_t>(rows);
    engine.Params->Cols = static_cast<std::uint8_t>(cols);
    engine.Params->Level = static_cast<std::uint8_t>(level);
    engine.Params->SoundOn = true;
    engine.DealBoard();
    ASSERT_TRUE(BoardIsSound(engine));

    int moves = 0;
    while (engine.Params->TilesLeft > 0) {
        std::map<std::int32_t, int> expected = CountKinds(engine);
        const std::optional<CellPair> pair = PlayHintedPair(engine);
        ASSERT_TRUE(pair) << "no pair found and matched after reshuffling, move " << moves;
        ++moves;
        if ((expected[pair->kind] -= 2) == 0)
            expected.erase(pair->kind);
        ASSERT_EQ(CountKinds(engine), expected) << "the turn lost or made a tile, move " << moves;
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
