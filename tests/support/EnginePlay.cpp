#include "EnginePlay.h"

#include <random>

std::map<std::int32_t, int> CountKinds(const TLink& engine)
{
    std::map<std::int32_t, int> counts;
    for (const auto& row : engine.Grid)
        for (std::int32_t kind : row)
            if (kind != EmptyCell)
                ++counts[kind];
    return counts;
}

TLink::RandomSource SeededRandom(std::uint32_t seed)
{
    return [generator = std::mt19937(seed)](std::int32_t n) mutable {
        return static_cast<std::int32_t>(generator() % static_cast<std::uint32_t>(n));
    };
}

bool ClickCell(TLink& engine, int row, int col)
{
    return engine.SelectCell(Qt::LeftButton, Qt::NoModifier, col * CellWidth + CellWidth / 2,
                             row * CellHeight + CellHeight / 2);
}

std::optional<CellPair> HintedPair(TLink& engine)
{
    engine.Params->HintRequest = true;
    if (!engine.FindMove())
        return std::nullopt;
    return CellPair{engine.HintRow1, engine.HintCol1, engine.HintRow2, engine.HintCol2,
                    engine.Grid[engine.HintRow1][engine.HintCol1]};
}

std::optional<CellPair> PlayHintedPair(TLink& engine, int maxReshuffles)
{
    std::optional<CellPair> pair = HintedPair(engine);
    for (int reshuffles = 0; !pair; ++reshuffles) {
        if (reshuffles == maxReshuffles)
            return std::nullopt;
        engine.Reshuffle();
        pair = HintedPair(engine);
    }
    engine.ShowHint();
    if (ClickCell(engine, pair->row1, pair->col1) || !ClickCell(engine, pair->row2, pair->col2))
        return std::nullopt;
    engine.RemovePair();
    engine.CollapseBoard();
    return pair;
}
