// Timings of the board engine on the largest board (Super, 12 x 20), where every removal
// recounts all linkable pairs and redraws the whole board.

#include "engine/Link.h"
#include "tests/support/EnginePlay.h"
#include "tests/support/TestSwitches.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <limits>

namespace {

// A Super engine with a deal of a fixed seed, silent and without waits.
struct SuperEngine {
    explicit SuperEngine(unsigned seed = 1, int level = 1)
    {
        engine.SetRandomSource(SeededRandom(seed));
        engine.Params->Rows = SuperSize.Rows;
        engine.Params->Cols = SuperSize.Cols;
        engine.Params->Level = static_cast<std::uint8_t>(level);
        engine.Params->SoundOn = true;
        engine.OnRedraw = [this](TLink*) { ++redraws; };
        engine.DealBoard();
    }

    bool Click(int row, int col) { return ClickCell(engine, row, col); }

    // One turn of the window: reshuffle while dead, take the hinted pair, remove, collapse.
    void PlayOnePair() { PlayHintedPair(engine, std::numeric_limits<int>::max()); }

    TestSwitches switches;
    TLink engine{nullptr};
    long redraws = 0;
};

// A two-turn link whose turning cell is the last but one of the last walk: right and up are
// blocked at once, left finds only the border, and the walk down column 1 succeeds at row 10.
void BM_CanLinkTwoTurnsFoundLate(benchmark::State& state)
{
    SuperEngine s;
    TGrid& grid = s.engine.Grid;
    for (int r = 3; r <= 10; ++r)
        grid[r][1] = EmptyCell;
    for (int c = 1; c <= 17; ++c)
        grid[10][c] = EmptyCell;
    for (int r = 6; r <= 10; ++r)
        grid[r][18] = EmptyCell;
    grid[5][18] = grid[2][1];
    for (auto _ : state)
        benchmark::DoNotOptimize(s.engine.CanLink(1, 2, 18, 5));
    if (!s.engine.CanLink(1, 2, 18, 5) || s.engine.PathCorner1Row != 10)
        state.SkipWithError("the board does not give the intended two-turn link");
}
BENCHMARK(BM_CanLinkTwoTurnsFoundLate);

void BM_CountMovesFullSuper(benchmark::State& state)
{
    SuperEngine s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.engine.CountMoves());
}
BENCHMARK(BM_CountMovesFullSuper);

void BM_CountMovesHalfClearedSuper(benchmark::State& state)
{
    SuperEngine s(1, 2);
    while (s.engine.Params->TilesLeft > 90)
        s.PlayOnePair();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.engine.CountMoves());
}
BENCHMARK(BM_CountMovesHalfClearedSuper);

void BM_RenderBoardFullSuper(benchmark::State& state)
{
    SuperEngine s;
    for (auto _ : state)
        s.engine.RenderBoard();
}
BENCHMARK(BM_RenderBoardFullSuper)->Unit(benchmark::kMicrosecond);

// Two clicks per iteration: select a tile (framed, click sound, OnRedraw), then drop it again.
void BM_SelectAndDeselect(benchmark::State& state)
{
    SuperEngine s;
    for (auto _ : state) {
        s.Click(4, 7);
        s.Click(4, 7);
    }
    if (s.redraws < 2 * static_cast<long>(state.iterations()))
        state.SkipWithError("a click raised no OnRedraw");
}
BENCHMARK(BM_SelectAndDeselect);

void BM_DealBoardSuper(benchmark::State& state)
{
    SuperEngine s;
    for (auto _ : state)
        s.engine.DealBoard();
}
BENCHMARK(BM_DealBoardSuper)->Unit(benchmark::kMicrosecond);

void BM_ReshuffleSuperWithoutWait(benchmark::State& state)
{
    SuperEngine s;
    for (auto _ : state)
        s.engine.Reshuffle();
}
BENCHMARK(BM_ReshuffleSuperWithoutWait)->Unit(benchmark::kMicrosecond);

// A full board with two cells emptied in different rows and columns, so that every level
// moves something; the board is restored outside the timing.
void BM_CollapseBoardSuper(benchmark::State& state)
{
    SuperEngine s(1, static_cast<int>(state.range(0)));
    const TGrid full = s.engine.Grid;
    for (auto _ : state) {
        state.PauseTiming();
        s.engine.Grid = full;
        s.engine.Grid[3][4] = EmptyCell;
        s.engine.Grid[8][14] = EmptyCell;
        s.engine.SelRow = 3;
        s.engine.SelCol = 4;
        s.engine.ClickRow = 8;
        s.engine.ClickCol = 14;
        state.ResumeTiming();
        s.engine.CollapseBoard();
    }
}
BENCHMARK(BM_CollapseBoardSuper)->DenseRange(1, 9)->Unit(benchmark::kMicrosecond);

// Deal, then play every pair off the board as the window would, waits shortened to nothing.
void BM_AutoPlaySuperLevel(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    unsigned seed = 1;
    for (auto _ : state) {
        SuperEngine s(seed++, level);
        while (s.engine.Params->TilesLeft > 0)
            s.PlayOnePair();
    }
}
BENCHMARK(BM_AutoPlaySuperLevel)->Arg(1)->Arg(2)->Arg(5)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
