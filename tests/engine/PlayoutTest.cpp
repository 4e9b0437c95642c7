#include "tests/support/BoardText.h"
#include "ReferenceLink.h"

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
