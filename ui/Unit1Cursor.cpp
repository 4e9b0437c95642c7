// The board cursor: the cell framed by the hover highlight, which the mouse and the keys move
// alike, and Space as a click on that cell.
#include "Unit1.h"

#include "BoardAccessible.h"
#include "ClientArea.h"

#include <algorithm>

namespace {

constexpr int FirstTileCell = 1;

bool IsCursorKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

}  // namespace

int TForm1::CursorRow() const { return HoverCell / Engine->Params->Cols; }
int TForm1::CursorCol() const { return HoverCell % Engine->Params->Cols; }

// A freshly dealt board starts with the cursor on its top-left tile cell.
void TForm1::PlaceCursorAtStart()
{
    AnnounceBoardReset(ClientArea);
    MoveCursor(FirstTileCell, FirstTileCell);
}

void TForm1::MoveCursor(int row, int col)
{
    HoverCell = row * Engine->Params->Cols + col;
    HoverCandidate = HoverCell;
    RedrawCursor();
    AnnounceBoardCursor(ClientArea, row, col);
}

// The whole board again, which wipes the frame where it stood, and the frame on the cursor's
// cell. The keys' commands end with it, so that a player on the keys always sees the cursor.
void TForm1::RedrawCursor()
{
    if (!Engine || Engine->Params->Paused)
        return;
    BlitBoard();
    DrawHover(CellRect(CursorCol(), CursorRow()));
}

// Returns whether the key is one of the cursor's; those do nothing while paused or idle.
bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (!IsCursorKey(key) || (shift & ~Qt::KeypadModifier))
        return false;
    if (!Engine || Engine->Params->Paused)
        return true;
    if (key == Qt::Key_Space) {
        ClickCursorCell();
        return true;
    }
    // The cursor stays on the tile cells: it never enters the empty ring.
    const int lastRow = Engine->Params->Rows - 2;
    const int lastCol = Engine->Params->Cols - 2;
    int row = CursorRow();
    int col = CursorCol();
    switch (key) {
    case Qt::Key_Left: col = std::max(FirstTileCell, col - 1); break;
    case Qt::Key_Right: col = std::min(lastCol, col + 1); break;
    case Qt::Key_Up: row = std::max(FirstTileCell, row - 1); break;
    case Qt::Key_Down: row = std::min(lastRow, row + 1); break;
    case Qt::Key_Home: col = FirstTileCell; break;
    case Qt::Key_End: col = lastCol; break;
    case Qt::Key_PageUp: row = FirstTileCell; break;
    case Qt::Key_PageDown: row = lastRow; break;
    }
    MoveCursor(row, col);
    return true;
}

void TForm1::ClickCursorCell()
{
    const int row = CursorRow();
    const int col = CursorCol();
    FormMouseDown(Qt::LeftButton, Qt::NoModifier, BoardRect.Left + col * CellWidth + CellWidth / 2,
                  BoardRect.Top + row * CellHeight + CellHeight / 2);
    // The click's redraw wiped the frame. A cleared level has dealt a new board, with the
    // cursor back at its start.
    if (!Engine || !Engine->Params->Playing || Engine->Params->Paused)
        return;
    MoveCursor(CursorRow(), CursorCol());
    AnnounceBoardCell(ClientArea, CursorRow(), CursorCol());
}
