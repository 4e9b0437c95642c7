#pragma once

#include "engine/Link.h"

#include <string>
#include <vector>

// Test boards as little text pictures: one string per grid row, border ring included, one
// character per cell. '.' is EmptyCell, 'a'..'z' are kinds 0..25 and 'A'..'S' kinds 26..44.
//
//   SetBoard(engine, {"......",
//                     ".ab...",
//                     ".ba...",
//                     "......"});
//
// SetBoard fills Grid, sets Params->Rows, Params->Cols and Params->TilesLeft (the tiles drawn),
// BoardWidth and BoardHeight, and gives BoardDC a black board bitmap of that size, as a deal
// would. BackStyle, Playing and PairsAvailable are left to the test.
using BoardRows = std::vector<std::string>;

std::int32_t KindOfChar(char c);  // EmptyCell for '.'
char CharOfKind(std::int32_t kind);

TGrid GridFromText(const BoardRows& rows);
BoardRows TextFromGrid(const TGrid& grid);

void SetBoard(TLink& engine, const BoardRows& rows);
// An easy board with `rows` at its top: the rows not given are empty.
BoardRows EasyBoard(BoardRows rows);
BoardRows BoardText(const TLink& engine);  // the engine's Grid as a text picture

// An easy board whose only tiles, "ab" over "ba", can never be linked: each tile is walled in by
// the two of the other kind. A dead board for any test that needs one.
extern const BoardRows EasyBoardDeadBlock;
