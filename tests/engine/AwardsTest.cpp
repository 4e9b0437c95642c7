#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <vector>

namespace {

// Once the pair "zz" is gone, exactly six pairs are linkable: one for each of a..f.
const BoardRows SixPairsAfterZz = EasyBoard({
    "..............",
    ".aa.bb.cc.zz..",
    "..............",
    ".dd.ee.ff.....",
});
constexpr int PairsAfterRemoval = 6;

const QString ThreeResets = QString::fromUtf8("恭喜，赠送3个生命点及1000分！");
const QString OneReset = QString::fromUtf8("恭喜，赠送1个生命点及500分！");
const QString HintAndReset = QString::fromUtf8("恭喜，赠送1个提示点、1个生命点及300分！");
const QString HundredPoints = QString::fromUtf8("恭喜，赠送100分！");
const QString LoseReset = QString::fromUtf8("噢......太差了，减生命点1！");
const QString LoseHint = QString::fromUtf8("噢......太差了，减提示点1！");

// How an award shows in the list of events.
std::string Award(const QString& text)
{
    return "Award: " + text.toStdString();
}

class AwardsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetBoard(engine, SixPairsAfterZz);
        engine.SelRow = 1;
        engine.SelCol = 10;
        engine.ClickRow = 1;
        engine.ClickCol = 11;
        params.SetScore(1000);
        params.SetHints(5);
        params.SetResets(5);
        params.OnScoreChange = [&](TGameParams*) { events.push_back("Score"); };
        params.OnHintsChange = [&](TGameParams*) { events.push_back("Hints"); };
        params.OnResetsChange = [&](TGameParams*) { events.push_back("Resets"); };
        engine.OnAward = [&](TLink*) { events.push_back(Award(engine.AwardText)); };
        engine.OnRedraw = [&](TLink*) { events.push_back("Redraw"); };
    }

    // Removes the pair with the count before it set so that the count changes by `gain`.
    void RemoveWithGain(int gain)
    {
        params.PairsAvailable = PairsAfterRemoval - gain;
        engine.RemovePair();
    }

    TLink engine{nullptr};
    TGameParams& params = *engine.Params;
    std::vector<std::string> events;
};

struct AwardCase {
    int gain;
    int score, resets, hints;          // after, from 1000, 5 and 5
    std::vector<std::string> events;   // setter events and the award, in order
};

class AwardTableTest : public AwardsTest, public ::testing::WithParamInterface<AwardCase> {};

TEST_P(AwardTableTest, AppliesTheFirstRowThatHoldsInItsOrder)
{
    const AwardCase& c = GetParam();
    RemoveWithGain(c.gain);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(params.Score, c.score);
    EXPECT_EQ(params.Resets, c.resets);
    EXPECT_EQ(params.Hints, c.hints);
    EXPECT_EQ(params.PairsAvailable, PairsAfterRemoval);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, AwardTableTest,
    ::testing::Values(
        AwardCase{7, 2000, 8, 5, {"Resets", "Score", Award(ThreeResets)}},
        AwardCase{6, 2000, 8, 5, {"Resets", "Score", Award(ThreeResets)}},
        AwardCase{5, 1500, 6, 5, {"Resets", "Score", Award(OneReset)}},
        AwardCase{4, 1500, 6, 5, {"Resets", "Score", Award(OneReset)}},
        AwardCase{3, 1300, 6, 6, {"Score", "Resets", "Hints", Award(HintAndReset)}},
        AwardCase{2, 1100, 5, 5, {"Score", Award(HundredPoints)}},
        AwardCase{1, 1000, 5, 5, {}},
        AwardCase{0, 1000, 5, 5, {}},
        AwardCase{-5, 1000, 5, 5, {}},
        AwardCase{-6, 1000, 5, 4, {"Hints", Award(LoseHint)}},
        AwardCase{-7, 1000, 5, 4, {"Hints", Award(LoseHint)}},
        AwardCase{-8, 1000, 4, 5, {"Resets", Award(LoseReset)}},
        AwardCase{-9, 1000, 4, 5, {"Resets", Award(LoseReset)}}),
    [](const auto& info) {
        const int gain = info.param.gain;
        return gain >= 0 ? "Gain" + std::to_string(gain) : "Loss" + std::to_string(-gain);
    });

TEST_F(AwardsTest, EmptiesThePairAndCountsTilesWithoutRedrawing)
{
    const int tilesBefore = params.TilesLeft;
    RemoveWithGain(0);
    EXPECT_EQ(BoardText(engine)[1], ".aa.bb.cc.....");
    EXPECT_EQ(params.TilesLeft, tilesBefore - 2);
    EXPECT_TRUE(events.empty()) << "a removal raised " << events.front();
    // The collapse that follows needs the pair.
    EXPECT_EQ(std::pair(engine.SelCol, engine.ClickCol), std::pair(10, 11));
}

TEST_F(AwardsTest, CountersStayInTheirRangeAndAPenaltyAtZeroStillTellsThePlayer)
{
    params.SetHints(0);
    events.clear();
    RemoveWithGain(-6);
    EXPECT_EQ(params.Hints, 0);
    EXPECT_EQ(events.back(), Award(LoseHint));

    SetUp();
    params.SetResets(0);
    events.clear();
    RemoveWithGain(-8);
    EXPECT_EQ(params.Resets, 0);
    EXPECT_EQ(events.back(), Award(LoseReset));

    SetUp();
    params.SetResets(254);
    RemoveWithGain(6);
    EXPECT_EQ(params.Resets, 255);
}

TEST_F(AwardsTest, WithNothingSelectedTouchesNoCell)
{
    engine.SelRow = EmptyCell;
    engine.SelCol = EmptyCell;
#ifdef QT_NO_DEBUG
    engine.RemovePair();
    EXPECT_EQ(BoardText(engine), SixPairsAfterZz);
    EXPECT_TRUE(events.empty());
#else
    EXPECT_DEATH(engine.RemovePair(), "RemovePair");
#endif
}

TEST_F(AwardsTest, RemovingTheLastPairJudgesAgainstAnEmptyBoard)
{
    SetBoard(engine, {"....", ".zz.", "...."});
    engine.SelRow = 1;
    engine.SelCol = 1;
    engine.ClickRow = 1;
    engine.ClickCol = 2;
    params.PairsAvailable = 8;
    engine.RemovePair();
    EXPECT_EQ(params.TilesLeft, 0);
    EXPECT_EQ(params.PairsAvailable, 0);
    EXPECT_EQ(params.Resets, 4);
    EXPECT_EQ(engine.AwardText, LoseReset);
}

}  // namespace
