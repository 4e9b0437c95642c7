// Timings of the high-score files as the game uses them: one table loaded, one table saved
// (a whole table of ten entries, each with a Chinese name, into an existing file).

#include "platform/System.h"
#include "ui/LinkRecord.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Difficulty = 1;

// A score folder of its own holding one full table.
struct ScoreFolder {
    ScoreFolder()
    {
        platform::SetDataDirForTesting(dir.path());
        for (int i = 0; i < ScoreCount; ++i)
            ScoreTable[i] = {QStringLiteral("玩家%1").arg(i), 9000 - 500 * i, QStringLiteral("2024/5/%1").arg(i + 1)};
        SaveScores(Difficulty);
    }
    ~ScoreFolder() { platform::SetDataDirForTesting(QString()); }

    QTemporaryDir dir;
};

void BM_SaveScoreTable(benchmark::State& state)
{
    ScoreFolder folder;
    for (auto _ : state) {
        ScoreTable[9].Score = static_cast<std::int32_t>(state.iterations() % 100);
        SaveScores(Difficulty);
    }
}
BENCHMARK(BM_SaveScoreTable)->Unit(benchmark::kMillisecond);

void BM_LoadScoreTable(benchmark::State& state)
{
    ScoreFolder folder;
    for (auto _ : state) {
        LoadScores(Difficulty);
        benchmark::DoNotOptimize(ScoreTable);
    }
}
BENCHMARK(BM_LoadScoreTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
