#include "ReferenceLink.h"

#include "tests/support/EnginePlay.h"

#include <array>
#include <deque>
#include <random>
#include <vector>

namespace {

constexpr std::array<int, 4> StepCol{1, -1, 0, 0};
constexpr std::array<int, 4> StepRow{0, 0, -1, 1};
constexpr int MaxTurns = 2;

struct State {
    int col, row, dir, turns;
};

}  // namespace

bool ReferenceCanLink(const TGrid& grid, int col1, int row1, int col2, int row2)
{
    const int rows = static_cast<int>(grid.size());
    const int cols = static_cast<int>(grid.front().size());
    // Fewest turns seen on arriving at (row, col) heading in dir.
    std::vector<int> best(static_cast<std::size_t>(rows * cols * 4), MaxTurns + 1);
    const auto index = [&](int col, int row, int dir) { return (row * cols + col) * 4 + dir; };

    std::deque<State> queue;
    for (int dir = 0; dir < 4; ++dir)
        queue.push_back({col1, row1, dir, 0});
    while (!queue.empty()) {
        const State s = queue.front();
        queue.pop_front();
        const int col = s.col + StepCol[s.dir];
        const int row = s.row + StepRow[s.dir];
        if (col < 0 || row < 0 || col >= cols || row >= rows)
            continue;
        if (col == col2 && row == row2)
            return true;
        if (grid[row][col] != EmptyCell)
            continue;
        for (int dir = 0; dir < 4; ++dir) {
            const int turns = s.turns + (dir != s.dir);
            if (turns > MaxTurns || turns >= best[index(col, row, dir)])
                continue;
            best[index(col, row, dir)] = turns;
            // Going straight costs no turn: search it first.
            if (dir == s.dir)
                queue.push_front({col, row, dir, turns});
            else
                queue.push_back({col, row, dir, turns});
        }
    }
    return false;
}

int ReferenceCountMoves(const TGrid& grid)
{
    struct Cell {
        int col, row, kind;
    };
    std::vector<Cell> tiles;
    for (int row = 0; row < static_cast<int>(grid.size()); ++row)
        for (int col = 0; col < static_cast<int>(grid[row].size()); ++col)
            if (grid[row][col] != EmptyCell)
                tiles.push_back({col, row, grid[row][col]});
    int count = 0;
    for (std::size_t a = 0; a < tiles.size(); ++a)
        for (std::size_t b = a + 1; b < tiles.size(); ++b)
            if (tiles[a].kind == tiles[b].kind &&
                ReferenceCanLink(grid, tiles[a].col, tiles[a].row, tiles[b].col, tiles[b].row))
                ++count;
    return count;
}

TGrid RandomGrid(std::uint32_t seed, TBoardSize size, double density, int kinds)
{
    std::mt19937 random(seed);
    std::bernoulli_distribution occupied(density);
    std::uniform_int_distribution<int> kind(0, kinds - 1);
    TGrid grid(size.Rows, std::vector<std::int32_t>(size.Cols, EmptyCell));
    for (int row = 1; row < size.Rows - 1; ++row)
        for (int col = 1; col < size.Cols - 1; ++col)
            if (occupied(random))
                grid[row][col] = kind(random);
    return grid;
}

testing::AssertionResult BoardIsSound(const TLink& engine)
{
    const int rows = engine.Params->Rows;
    const int cols = engine.Params->Cols;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if ((r == 0 || c == 0 || r == rows - 1 || c == cols - 1) && engine.Grid[r][c] != EmptyCell)
                return testing::AssertionFailure() << "a tile on the border at (" << r << ", " << c << ")";
    int tiles = 0;
    for (const auto& [kind, count] : CountKinds(engine)) {
        if (count % 2 != 0)
            return testing::AssertionFailure() << "kind " << kind << " left " << count << " times";
        tiles += count;
    }
    if (tiles != engine.Params->TilesLeft)
        return testing::AssertionFailure()
            << tiles << " tiles on the grid, TilesLeft " << int(engine.Params->TilesLeft);
    return testing::AssertionSuccess();
}

Path PathOf(const TLink& link)
{
    return {link.PathStartCol, link.PathStartRow, link.PathEndCol, link.PathEndRow,
            link.PathCorner1Col, link.PathCorner1Row, link.PathCorner2Col, link.PathCorner2Row};
}
