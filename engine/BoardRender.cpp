// Drawing the board into the off-screen bitmap. A cell is a background piece from the strip
// "BK" with the tile's picture laid over it: the mask ANDed in blackens the picture's shape,
// the picture ORed in fills it.

#include "Link.h"

#include <algorithm>

void TLink::DrawTile(int x, int y, std::int32_t kind)
{
    const int sheetY = kind * TileSize;
    BoardDC.blitMasked(x + TileLeft, y + TileTop, TileSize, TileSize, TileDC, QPoint(TileSize, sheetY),
                       QPoint(0, sheetY));
}

void TLink::DrawCell(int row, int col, int style)
{
    const int x = col * CellWidth;
    const int y = row * CellHeight;
    BoardDC.blit(x, y, BackCellWidth, BackCellHeight, BackDC, 0, style * BackCellHeight,
                 platform::RasterOp::Copy);
    DrawTile(x, y, Grid[row][col]);
}

void TLink::DrawCellFramed(int row, int col, int style, int offset, int inset)
{
    const int x = col * CellWidth;
    const int y = row * CellHeight;
    BoardDC.blit(x + offset, y + offset, CellWidth - inset, CellHeight - inset, BackDC, 0,
                 style * BackCellHeight, platform::RasterOp::Copy);
    DrawTile(x, y, Grid[row][col]);
}

// Cells are drawn after their left and upper neighbours: each background reaches into the
// cells to its right and below, so a bevel shows only where those neighbours are empty.
void TLink::RenderBoard()
{
    DrawBoard();
    Changed(true);
}

// Every tile on its plain face.
void TLink::DrawBoard()
{
    FillOutsideCells();
    const int rows = std::min<int>(Params->Rows, static_cast<int>(Grid.size()));
    for (int row = 1; row < rows - 1; ++row)
        for (int col = 1; col < Params->Cols - 1; ++col)
            if (Grid[row][col] != EmptyCell)
                DrawCell(row, col, Params->BackStyle);
}

// Black wherever no cell background is drawn: the border ring, the bevel beyond it and the
// empty cells. Under a tile's background the fill would only be overwritten, and at 4K that
// is most of a full redraw's memory traffic.
void TLink::FillOutsideCells()
{
    const int rows = std::min<int>(Params->Rows, static_cast<int>(Grid.size()));
    const int lastRowTop = std::max(1, rows - 1) * CellHeight;
    const int lastColLeft = std::max(1, Params->Cols - 1) * CellWidth;
    BoardDC.fillBlack(QRect(0, 0, BoardWidth, CellHeight));
    BoardDC.fillBlack(QRect(0, lastRowTop, BoardWidth, BoardHeight - lastRowTop));
    for (int row = 1; row < rows - 1; ++row) {
        const int y = row * CellHeight;
        BoardDC.fillBlack(QRect(0, y, CellWidth, CellHeight));
        BoardDC.fillBlack(QRect(lastColLeft, y, BoardWidth - lastColLeft, CellHeight));
        for (int col = 1; col < Params->Cols - 1;) {
            int end = col;
            while (end < Params->Cols - 1 && Grid[row][end] == EmptyCell)
                ++end;
            if (end > col)
                BoardDC.fillBlack(QRect(col * CellWidth, y, (end - col) * CellWidth, CellHeight));
            col = end + 1;
        }
    }
}

void TLink::Changed(bool flag)
{
    RedrawFlag = flag;
    if (OnRedraw)
        OnRedraw(this);
}
