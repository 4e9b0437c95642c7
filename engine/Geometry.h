#pragma once

// The board's measures in board pixels (device pixels at scale 1), the tile kinds and the four
// board sizes. The engine, the window, the tests, the benchmarks and the artwork generators all
// take them from here; tests/e2e/play_in_x.sh reads them from this file too.

#include <cstdint>

constexpr int CellWidth = 41;
constexpr int CellHeight = 51;
constexpr int BackCellWidth = 46;   // a cell's background reaches 5 pixels into its neighbours
constexpr int BackCellHeight = 56;
constexpr int TileSize = 39;        // a tile picture is TileSize square at (TileLeft, TileTop) in its cell
constexpr int TileLeft = 1;
constexpr int TileTop = 5;

constexpr int KindCount = 45;        // tile kinds on a sheet, one picture each
constexpr int BackStripStyles = 10;  // cells of the background strip "BK", style 0 unused

// A tile sheet: picture and mask side by side, one row of TileSize pixels per kind.
constexpr int TileSheetWidth = 2 * TileSize;
constexpr int TileSheetHeight = KindCount * TileSize;

// The four board sizes, with the border ring of empty cells.
struct TBoardSize {
    std::uint8_t Rows;
    std::uint8_t Cols;
};
constexpr TBoardSize EasySize{9, 14};
constexpr TBoardSize NormalSize{10, 16};
constexpr TBoardSize HardSize{11, 18};
constexpr TBoardSize SuperSize{12, 20};
constexpr TBoardSize BoardSizes[] = {EasySize, NormalSize, HardSize, SuperSize};

// The board bitmap holds one bevel beyond the last column and the last row.
constexpr int BoardBitmapWidth(int cols) { return cols * CellWidth + (BackCellWidth - CellWidth); }
constexpr int BoardBitmapHeight(int rows) { return rows * CellHeight + (BackCellHeight - CellHeight); }
