#pragma once

class QWidget;

// The board as assistive technology reads it. The client area is a table of the board's tile
// cells, the empty ring left out (row 0 and column 0 of the table are grid row 1 and column 1),
// followed by the client area's own controls. Each cell is named after its tile or "空"; the
// cursor's cell is the focused cell, the selected tile is selected and the hinted pair is
// marqueed and described as "提示". While the game is paused the cells are invisible and unnamed.

// Makes the main window's client area that table; call before the window is created.
void InstallBoardAccessibility();
// The cursor landed on grid cell (row, col): a screen reader announces that cell.
void AnnounceBoardCursor(QWidget* clientArea, int row, int col);
// Grid cell (row, col) changed its tile or its selection.
void AnnounceBoardCell(QWidget* clientArea, int row, int col);
// A board was dealt or the game ended: the table's size and every cell may have changed.
void AnnounceBoardReset(QWidget* clientArea);
