#include "engine/Link.h"

#include <QtGlobal>

#include <utility>

// After a match the remaining tiles slide by the rule of the level. Every rule is built from one
// kind of move: a run of cells of a column or row shifts one place towards an emptied cell, so
// that it is filled and the cell at the far end of the run becomes empty.

namespace {

struct Cell {
    int row;
    int col;
};

// Which of the two emptied cells a phase handles first: the one nearer to the side the tiles
// come from, so that the first move never shifts the second emptied cell.
enum class Order {
    SmallerRowFirst,  // tiles come from above
    LargerRowFirst,   // tiles come from below
    SmallerColFirst,  // tiles come from the left
    LargerColFirst,   // tiles come from the right
};

void PutInOrder(Cell& first, Cell& second, Order order)
{
    bool exchange = false;
    switch (order) {
    case Order::SmallerRowFirst: exchange = first.row > second.row; break;
    case Order::LargerRowFirst: exchange = first.row < second.row; break;
    case Order::SmallerColFirst: exchange = first.col > second.col; break;
    case Order::LargerColFirst: exchange = first.col < second.col; break;
    }
    if (exchange)
        std::swap(first, second);
}

class Slider {
public:
    Slider(TGrid& grid, int rows, int cols) : grid_(grid), rows_(rows), cols_(cols) {}

    void Slide(int level, Cell a, Cell b);

private:
    int FirstRow() const { return 1; }
    int LastRow() const { return rows_ - 2; }
    int FirstCol() const { return 1; }
    int LastCol() const { return cols_ - 2; }

    // Level 4 splits the board at row M; row M feeds whichever side lost a tile.
    int SplitRow() const { return (rows_ - 2) / 2 + 1; }
    // Level 5 splits between columns H and H + 1.
    int SplitCol() const { return cols_ / 2 - 1; }
    // Level 8: rows up to T gather downwards, the rest upwards.
    int UpperGroupLastRow() const { return (rows_ - 1) / 2; }
    // Level 9: columns up to L gather to the right, the rest to the left.
    int LeftGroupLastCol() const { return cols_ / 2 - 1; }

    // The cells from the emptied cell to `end` each take the value of their neighbour on the
    // far side; a run that ends at the border ring copies its emptiness into the end cell.
    void MoveDown(Cell emptied, int endRow)
    {
        for (int i = emptied.row; i >= endRow; --i)
            grid_[i][emptied.col] = grid_[i - 1][emptied.col];
    }
    void MoveUp(Cell emptied, int endRow)
    {
        for (int i = emptied.row; i <= endRow; ++i)
            grid_[i][emptied.col] = grid_[i + 1][emptied.col];
    }
    void MoveRight(Cell emptied, int endCol)
    {
        for (int j = emptied.col; j >= endCol; --j)
            grid_[emptied.row][j] = grid_[emptied.row][j - 1];
    }
    void MoveLeft(Cell emptied, int endCol)
    {
        for (int j = emptied.col; j <= endCol; ++j)
            grid_[emptied.row][j] = grid_[emptied.row][j + 1];
    }

    // One phase: order the pair, then move for each cell that lies in the phase's range.
    template <typename InRange, typename Move>
    void Phase(Cell& a, Cell& b, Order order, InRange inRange, Move move)
    {
        PutInOrder(a, b, order);
        if (inRange(a))
            move(a);
        if (inRange(b))
            move(b);
    }

    TGrid& grid_;
    int rows_;
    int cols_;
};

void Slider::Slide(int level, Cell a, Cell b)
{
    const auto everyCell = [](Cell) { return true; };
    switch (level) {
    case 2:
        Phase(a, b, Order::SmallerRowFirst, everyCell, [&](Cell e) { MoveDown(e, FirstRow()); });
        break;
    case 3:
        Phase(a, b, Order::LargerRowFirst, everyCell, [&](Cell e) { MoveUp(e, LastRow()); });
        break;
    case 4: {
        const int m = SplitRow();
        Phase(a, b, Order::LargerRowFirst, [&](Cell e) { return e.row < m; }, [&](Cell e) {
            MoveUp(e, m - 1);
            grid_[m][e.col] = EmptyCell;
        });
        Phase(a, b, Order::SmallerRowFirst, [&](Cell e) { return e.row >= m; }, [&](Cell e) {
            MoveDown(e, m + 1);
            grid_[m][e.col] = EmptyCell;
        });
        break;
    }
    case 5: {
        const int h = SplitCol();
        Phase(a, b, Order::LargerColFirst, [&](Cell e) { return e.col < h; }, [&](Cell e) {
            MoveLeft(e, h - 1);
            grid_[e.row][h] = EmptyCell;
        });
        Phase(a, b, Order::SmallerColFirst, [&](Cell e) { return e.col > h + 1; }, [&](Cell e) {
            MoveRight(e, h + 2);
            grid_[e.row][h + 1] = EmptyCell;
        });
        break;
    }
    case 6:
        Phase(a, b, Order::LargerColFirst, everyCell, [&](Cell e) { MoveLeft(e, LastCol()); });
        break;
    case 7:
        Phase(a, b, Order::SmallerColFirst, everyCell, [&](Cell e) { MoveRight(e, FirstCol()); });
        break;
    case 8: {
        const int t = UpperGroupLastRow();
        Phase(a, b, Order::SmallerRowFirst, [&](Cell e) { return e.row <= t; },
              [&](Cell e) { MoveDown(e, FirstRow()); });
        Phase(a, b, Order::LargerRowFirst, [&](Cell e) { return e.row > t; },
              [&](Cell e) { MoveUp(e, LastRow()); });
        break;
    }
    case 9: {
        const int l = LeftGroupLastCol();
        Phase(a, b, Order::SmallerColFirst, [&](Cell e) { return e.col <= l; },
              [&](Cell e) { MoveRight(e, FirstCol()); });
        Phase(a, b, Order::LargerColFirst, [&](Cell e) { return e.col > l; },
              [&](Cell e) { MoveLeft(e, LastCol()); });
        break;
    }
    default:  // level 1, and any other value: nothing moves
        break;
    }
}

bool IsInnerCell(const TGrid& grid, int rows, int cols, Cell cell)
{
    return static_cast<int>(grid.size()) == rows && rows > 0
        && static_cast<int>(grid.front().size()) == cols
        && cell.row >= 1 && cell.row <= rows - 2 && cell.col >= 1 && cell.col <= cols - 2;
}

}  // namespace

void TLink::CollapseBoard()
{
    const int rows = Params->Rows;
    const int cols = Params->Cols;
    const Cell second{ClickRow, ClickCol};
    const Cell first{SelRow, SelCol};
    // Only a matched pair may be collapsed; anything else would index outside the grid.
    const bool pairOnBoard = IsInnerCell(Grid, rows, cols, second) && IsInnerCell(Grid, rows, cols, first);
    Q_ASSERT_X(pairOnBoard, "TLink::CollapseBoard", "no matched pair of inner cells");
    if (pairOnBoard)
        Slider(Grid, rows, cols).Slide(Params->Level, second, first);

    ClickRow = EmptyCell;
    ClickCol = EmptyCell;
    SelRow = EmptyCell;
    SelCol = EmptyCell;
    RenderBoard();
}
