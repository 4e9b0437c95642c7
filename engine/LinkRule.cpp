// The link rule: two tiles are joined by at most three straight segments (two turns) that run
// through empty cells only; the border ring is always empty, so paths may go round the outside.
// Every test writes LinkPath only when it succeeds.

#include "Link.h"

#include <algorithm>

namespace {

// The two points of a link test as the rule names them: A has the smaller column, and on equal
// columns A is the first argument.
struct Ends {
    int xa, ya, xb, yb;
};

Ends OrderEnds(int col1, int row1, int col2, int row2)
{
    if (col2 < col1)
        return {col2, row2, col1, row1};
    return {col1, row1, col2, row2};
}

}  // namespace

bool TLink::CanLink(int col1, int row1, int col2, int row2)
{
    if (col1 == col2) {
        if (LinkStraightVertical(col1, row1, row2))
            return true;
    } else if (row1 == row2) {
        if (LinkStraightHorizontal(col1, col2, row1))
            return true;
    }
    return LinkOneTurn(col1, row1, col2, row2) || LinkTwoTurns(col1, row1, col2, row2);
}

bool TLink::LinkStraightVertical(int col, int rowA, int rowB)
{
    const auto [lo, hi] = std::minmax(rowA, rowB);
    if (lo == hi)
        return false;
    for (int r = lo + 1; r < hi; ++r)
        if (Grid[r][col] != EmptyCell)
            return false;
    StorePath4(col, lo, col, lo, col, hi, col, hi);
    return true;
}

bool TLink::LinkStraightHorizontal(int colA, int colB, int row)
{
    const auto [lo, hi] = std::minmax(colA, colB);
    if (lo == hi)
        return false;
    for (int c = lo + 1; c < hi; ++c)
        if (Grid[row][c] != EmptyCell)
            return false;
    StorePath4(lo, row, lo, row, hi, row, hi, row);
    return true;
}

bool TLink::ColumnClear(int col, int rowA, int rowB) const
{
    const auto [lo, hi] = std::minmax(rowA, rowB);
    for (int r = lo; r <= hi; ++r)
        if (Grid[r][col] != EmptyCell)
            return false;
    return true;
}

bool TLink::RowClear(int colA, int colB, int row) const
{
    const auto [lo, hi] = std::minmax(colA, colB);
    for (int c = lo; c <= hi; ++c)
        if (Grid[row][c] != EmptyCell)
            return false;
    return true;
}

bool TLink::LinkOneTurn(int col1, int row1, int col2, int row2)
{
    const auto [xa, ya, xb, yb] = OrderEnds(col1, row1, col2, row2);
    // Each corner's column test stops one cell short of the end cell in that column.
    const int towardB = ya > yb ? 1 : -1;  // from B's row one step back towards A's row
    if (RowClear(xa + 1, xb, ya) && ColumnClear(xb, ya, yb + towardB)) {
        StorePath4(xa, ya, xb, yb, xb, ya, xb, ya);
        return true;
    }
    if (RowClear(xb - 1, xa, yb) && ColumnClear(xa, yb, ya - towardB)) {
        StorePath4(xa, ya, xb, yb, xa, yb, xa, yb);
        return true;
    }
    return false;
}

bool TLink::LinkTwoTurns(int col1, int row1, int col2, int row2)
{
    // Plain names, not a structured binding: clang before 16 cannot capture those in a lambda.
    const Ends ends = OrderEnds(col1, row1, col2, row2);
    const int xa = ends.xa, ya = ends.ya, xb = ends.xb, yb = ends.yb;
    const int lastCol = Params->Cols - 1;
    const int lastRow = Params->Rows - 1;

    // Walks from A over the empty cells in one direction, trying each as the first corner. The
    // order of the walks decides which of several paths the player sees flashed.
    const auto walk = [&](int dc, int dr) {
        for (int c = xa + dc, r = ya + dr; c >= 0 && c <= lastCol && r >= 0 && r <= lastRow;
             c += dc, r += dr) {
            if (Grid[r][c] != EmptyCell)
                return false;
            if (LinkOneTurn(c, r, xb, yb)) {
                // The second corner is the one the nested one-turn test stored; only the
                // ends and the first corner are replaced.
                StorePath3(xa, ya, xb, yb, c, r);
                return true;
            }
        }
        return false;
    };
    return walk(1, 0) || walk(-1, 0) || walk(0, -1) || walk(0, 1);
}

void TLink::StorePath4(int startCol, int startRow, int endCol, int endRow,
                       int corner1Col, int corner1Row, int corner2Col, int corner2Row)
{
    StorePath3(startCol, startRow, endCol, endRow, corner1Col, corner1Row);
    PathCorner2Col = corner2Col;
    PathCorner2Row = corner2Row;
}

void TLink::StorePath3(int startCol, int startRow, int endCol, int endRow, int corner1Col, int corner1Row)
{
    PathStartCol = startCol;
    PathStartRow = startRow;
    PathEndCol = endCol;
    PathEndRow = endRow;
    PathCorner1Col = corner1Col;
    PathCorner1Row = corner1Row;
}
