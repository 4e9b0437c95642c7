#pragma once

#include "engine/Link.h"

#include <gtest/gtest.h>

#include <array>

// An independent statement of the link rule for checking the engine against: a breadth-first
// search over (cell, direction) states for a path from one cell to the other of at most three
// straight segments whose cells, the two end cells apart, are empty and inside the grid.
bool ReferenceCanLink(const TGrid& grid, int col1, int row1, int col2, int row2);

// The number of unordered pairs of same-kind tiles that the reference links.
int ReferenceCountMoves(const TGrid& grid);

// Random boards to compare the engine with the reference on: every inner cell holds a tile
// with probability `density`, of a kind in 0..kinds-1; the border ring is empty.
TGrid RandomGrid(std::uint32_t seed, TBoardSize size, double density, int kinds);

// What every board must hold, dealt or played: the border ring empty, every kind an even number
// of times, TilesLeft the tiles on the grid.
testing::AssertionResult BoardIsSound(const TLink& engine);

// LinkPath in its declared order: Start, End, Corner1, Corner2, each (column, row).
using Path = std::array<int, 8>;
Path PathOf(const TLink& link);
