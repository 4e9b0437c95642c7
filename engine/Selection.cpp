// The two-click selection: the first click on a tile selects it, a click on a linkable tile of
// the same kind completes a pair, anything else moves or drops the selection.

#include "Link.h"

namespace {

void DrawSelected(TLink& link, int row, int col)
{
    link.DrawCellFramed(row, col, SelectedStyle, FrameOffset, FrameInset);
}

// The face only: the bevel overlaps the neighbours and is left as it is.
void DrawPlain(TLink& link, int row, int col)
{
    link.DrawCellFramed(row, col, link.Params->BackStyle, 0, 0);
}

bool InsideGrid(const TGrid& grid, int x, int y)
{
    if (x < 0 || y < 0)
        return false;
    const std::size_t row = static_cast<std::size_t>(y / CellHeight);
    const std::size_t col = static_cast<std::size_t>(x / CellWidth);
    return row < grid.size() && col < grid[row].size();
}

}  // namespace

bool TLink::SelectCell(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // The window passes only presses inside the board; anything else is a caller's fault.
    if (!InsideGrid(Grid, x, y)) {
        Q_ASSERT_X(false, "TLink::SelectCell", "point outside the board");
        return false;
    }
    const int row = y / CellHeight;
    const int col = x / CellWidth;
    ClickRow = row;
    ClickCol = col;
    const std::int32_t kind = Grid[row][col];
    if (kind == EmptyCell)
        return false;

    if (SelRow == EmptyCell) {
        Select(row, col);
        return false;
    }
    if (row == SelRow && col == SelCol) {
        SelRow = EmptyCell;
        SelCol = EmptyCell;
        DrawPlain(*this, row, col);
        Changed(true);
        return false;
    }
    if (Grid[SelRow][SelCol] != kind) {
        DrawPlain(*this, SelRow, SelCol);
        Select(row, col);
        return false;
    }
    if (CanLink(SelCol, SelRow, col, row)) {
        PlaySoundIfOn("SNDDISP");
        HintRow1 = EmptyCell;
        HintCol1 = EmptyCell;
        HintRow2 = EmptyCell;
        HintCol2 = EmptyCell;
        DrawSelected(*this, row, col);
        Changed(true);
        return true;
    }
    PlaySoundIfOn("SNDCANNOTDISP");
    DrawPlain(*this, SelRow, SelCol);
    DrawSelected(*this, row, col);
    SelRow = row;
    SelCol = col;
    Changed(true);
    return false;
}

void TLink::Select(int row, int col)
{
    SelRow = row;
    SelCol = col;
    DrawSelected(*this, row, col);
    Changed(true);
    PlaySoundIfOn("SNDCLICK");
}
