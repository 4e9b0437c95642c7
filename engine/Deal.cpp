#include "engine/Link.h"

#include "platform/System.h"

#include <QSize>

#include <cstdint>
#include <vector>

// Deals and reshuffles draw tiles at random from a pool: each filled cell draws a number in
// 0..9999 and takes the pool entry at that number modulo the entries left.

namespace {

constexpr int CopiesPerKind = 4;
constexpr int BackStyleCount = 6;   // plain backgrounds 1..6 of the strip "BK"
constexpr int DrawRange = 10000;
constexpr int ReshuffleSettleMs = 100;

using Pool = std::vector<std::int32_t>;

// Takes the entry at `draw` modulo the entries left; the later entries move down and keep
// their order.
std::int32_t TakeFromPool(Pool& pool, std::int32_t draw)
{
    const auto at = pool.begin() + draw % static_cast<std::int32_t>(pool.size());
    const std::int32_t kind = *at;
    pool.erase(at);
    return kind;
}

}  // namespace

void TLink::DealBoard()
{
    const int rows = Params->Rows;
    const int cols = Params->Cols;

    BoardDC = platform::Surface(QSize(BoardBitmapWidth(cols), BoardBitmapHeight(rows)), scale_);
    BoardWidth = BoardDC.width();
    BoardHeight = BoardDC.height();
    Grid.assign(rows, std::vector<std::int32_t>(cols, EmptyCell));

    Reseed();
    Params->BackStyle = Random(BackStyleCount) + 1;
    Params->TilesLeft = static_cast<std::uint8_t>((cols - 2) * (rows - 2));

    Pool pool;
    const int kinds = Params->TilesLeft / CopiesPerKind;
    for (std::int32_t kind = 0; kind < kinds; ++kind)
        pool.insert(pool.end(), CopiesPerKind, kind);
    for (int r = 1; r <= rows - 2; ++r)
        for (int c = 1; c <= cols - 2; ++c)
            Grid[r][c] = TakeFromPool(pool, Random(DrawRange));

    CountMoves();
    RenderBoard();
    Params->Playing = true;
}

void TLink::Reshuffle()
{
    PlaySoundIfOn("SNDRESET");
    Reseed();

    const int rows = Params->Rows;
    const int cols = Params->Cols;
    Pool pool;
    for (int r = 1; r <= rows - 2; ++r)
        for (int c = 1; c <= cols - 2; ++c)
            if (Grid[r][c] != EmptyCell)
                pool.push_back(Grid[r][c]);
    for (int r = 1; r <= rows - 2; ++r)
        for (int c = 1; c <= cols - 2; ++c)
            if (Grid[r][c] != EmptyCell)
                Grid[r][c] = TakeFromPool(pool, Random(DrawRange));

    RenderBoard();
    CountMoves();
    // The player sees the new board for a moment before the game goes on.
    platform::Sleep(ReshuffleSettleMs);
    Changed(true);
}
