// Block transfers as the board drawing uses them: the whole board bitmap copied to the window,
// and one tile drawn as its mask ANDed and its picture ORed onto the background, in two passes
// and in one. QPainter's
// composition and raster-op modes doing the same work are measured alongside for comparison.
#include "platform/Surface.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using platform::RasterOp;
using platform::Surface;

namespace {

constexpr QSize kSuperBoard(825, 617);  // 20 columns x 41 + 5 by 12 rows x 51 + 5
constexpr int kTileSide = 39;

Surface Noise(QSize size, int seed)
{
    Surface s(size);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            s.image().setPixel(x, y, qRgb((x * 31 + seed) & 0xff, (y * 17 + seed) & 0xff, (x ^ y) & 0xff));
    return s;
}

void BoardCopyBlit(benchmark::State& state)
{
    const Surface board = Noise(kSuperBoard, 1);
    Surface window(kSuperBoard + QSize(40, 80));
    for (auto _ : state) {
        window.blit(20, 60, board.width(), board.height(), board, 0, 0, RasterOp::Copy);
        benchmark::DoNotOptimize(window.image().constBits());
    }
}
BENCHMARK(BoardCopyBlit);

void BoardCopyQPainter(benchmark::State& state)
{
    const Surface board = Noise(kSuperBoard, 1);
    Surface window(kSuperBoard + QSize(40, 80));
    for (auto _ : state) {
        QPainter painter(&window.image());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(20, 60, board.image());
        painter.end();
        benchmark::DoNotOptimize(window.image().constBits());
    }
}
BENCHMARK(BoardCopyQPainter);

void TileMaskAndPictureBlit(benchmark::State& state)
{
    const Surface sheet = Noise(QSize(2 * kTileSide, 45 * kTileSide), 2);
    Surface board = Noise(kSuperBoard, 3);
    for (auto _ : state) {
        board.blit(42, 56, kTileSide, kTileSide, sheet, kTileSide, 10 * kTileSide, RasterOp::And);
        board.blit(42, 56, kTileSide, kTileSide, sheet, 0, 10 * kTileSide, RasterOp::Or);
        benchmark::DoNotOptimize(board.image().constBits());
    }
}
BENCHMARK(TileMaskAndPictureBlit);

// The same tile in the one pass the board drawing uses.
void TileMaskedBlit(benchmark::State& state)
{
    const Surface sheet = Noise(QSize(2 * kTileSide, 45 * kTileSide), 2);
    Surface board = Noise(kSuperBoard, 3);
    for (auto _ : state) {
        board.blitMasked(42, 56, kTileSide, kTileSide, sheet, QPoint(kTileSide, 10 * kTileSide), QPoint(0, 10 * kTileSide));
        benchmark::DoNotOptimize(board.image().constBits());
    }
}
BENCHMARK(TileMaskedBlit);

void TileMaskAndPictureQPainter(benchmark::State& state)
{
    const Surface sheet = Noise(QSize(2 * kTileSide, 45 * kTileSide), 2);
    Surface board = Noise(kSuperBoard, 3);
    const QRect mask(kTileSide, 10 * kTileSide, kTileSide, kTileSide);
    const QRect picture(0, 10 * kTileSide, kTileSide, kTileSide);
    for (auto _ : state) {
        QPainter painter(&board.image());
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(QPoint(42, 56), sheet.image(), mask);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(QPoint(42, 56), sheet.image(), picture);
        painter.end();
        benchmark::DoNotOptimize(board.image().constBits());
    }
}
BENCHMARK(TileMaskAndPictureQPainter);

}  // namespace

BENCHMARK_MAIN();
