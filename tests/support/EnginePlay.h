#pragma once

#include "engine/Link.h"

#include <cstdint>
#include <map>
#include <optional>

// How many tiles of each kind the grid holds.
std::map<std::int32_t, int> CountKinds(const TLink& engine);

// A random source for deals and reshuffles that gives the same board for the same seed.
TLink::RandomSource SeededRandom(std::uint32_t seed);

// A left press on the centre of board cell (row, col), as the window passes it to the engine.
bool ClickCell(TLink& engine, int row, int col);

struct CellPair {
    int row1, col1, row2, col2;
    std::int32_t kind;
};

// The pair a hint would show, or none when no pair can be linked.
std::optional<CellPair> HintedPair(TLink& engine);

// One turn as the window plays it, on the engine alone: reshuffles while no pair is left (at
// most maxReshuffles times), clicks the hinted pair, removes it and collapses the board. None
// when the reshuffles ran out or the clicks did not select and then match the pair.
std::optional<CellPair> PlayHintedPair(TLink& engine, int maxReshuffles = 200);
