#include "engine/Link.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <climits>
#include <cstdint>
#include <vector>

// A removal is judged by how the number of linkable pairs changed: opening up new pairs earns
// points, reshuffles and hints; destroying many of them costs a hint or a reshuffle.

namespace {

enum class Counter { Score, Resets, Hints };

struct Change {
    Counter counter;
    int amount;
};

struct AwardRule {
    int minGain;  // the rule holds for minGain <= gain <= maxGain
    int maxGain;
    std::vector<Change> changes;  // made in this order, each through the field's setter
    const char* message;          // UTF-8, translated when posted
};

// The first rule that holds applies; a gain between -5 and 1 earns nothing.
const std::vector<AwardRule>& AwardRules()
{
    static const std::vector<AwardRule> rules = {
        {6, INT_MAX, {{Counter::Resets, 3}, {Counter::Score, 1000}},
         QT_TRANSLATE_NOOP("Awards", "恭喜，赠送3个生命点及1000分！")},
        {4, 5, {{Counter::Resets, 1}, {Counter::Score, 500}}, QT_TRANSLATE_NOOP("Awards", "恭喜，赠送1个生命点及500分！")},
        {3, 3, {{Counter::Score, 300}, {Counter::Resets, 1}, {Counter::Hints, 1}},
         QT_TRANSLATE_NOOP("Awards", "恭喜，赠送1个提示点、1个生命点及300分！")},
        {2, 2, {{Counter::Score, 100}}, QT_TRANSLATE_NOOP("Awards", "恭喜，赠送100分！")},
        {INT_MIN, -8, {{Counter::Resets, -1}}, QT_TRANSLATE_NOOP("Awards", "噢......太差了，减生命点1！")},
        {-7, -6, {{Counter::Hints, -1}}, QT_TRANSLATE_NOOP("Awards", "噢......太差了，减提示点1！")},
    };
    return rules;
}

void Apply(TGameParams& params, Change change)
{
    switch (change.counter) {
    case Counter::Score: params.SetScore(params.Score + change.amount); break;
    case Counter::Resets: params.SetResets(CounterPlus(params.Resets, change.amount)); break;
    case Counter::Hints: params.SetHints(CounterPlus(params.Hints, change.amount)); break;
    }
}

bool HoldsTile(const TGrid& grid, int row, int col)
{
    return row >= 0 && row < static_cast<int>(grid.size()) && col >= 0
        && col < static_cast<int>(grid[row].size()) && grid[row][col] != EmptyCell;
}

}  // namespace

void TLink::RemovePair()
{
    // Only a matched pair may be removed; anything else would index outside the grid.
    const bool pairOnBoard = HoldsTile(Grid, ClickRow, ClickCol) && HoldsTile(Grid, SelRow, SelCol);
    Q_ASSERT_X(pairOnBoard, "TLink::RemovePair", "no matched pair of tiles");
    if (!pairOnBoard)
        return;

    // Nothing is drawn: the board is redrawn by the collapse that follows.
    Grid[ClickRow][ClickCol] = EmptyCell;
    Grid[SelRow][SelCol] = EmptyCell;
    Params->TilesLeft -= 2;

    const std::int32_t before = Params->PairsAvailable;
    CountMoves();
    const std::int32_t gain = Params->PairsAvailable - before;

    for (const AwardRule& rule : AwardRules()) {
        if (gain < rule.minGain || gain > rule.maxGain)
            continue;
        for (const Change& change : rule.changes)
            Apply(*Params, change);
        PostAward(QCoreApplication::translate("Awards", rule.message));
        return;
    }
}

void TLink::PostAward(const QString& text)
{
    AwardText = text;
    if (OnAward)
        OnAward(this);
}
