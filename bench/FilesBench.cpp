// Timings of the high-score files as the game uses them: one table loaded, one table saved
// (a whole table of ten entries, each with a Chinese name, into an existing file), and a table
// loaded from a file grown to 100 MB by lines the game does not read.

#include "platform/System.h"
#include "scores/ScoreTable.h"

#include <QFile>
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

constexpr qsizetype HugeFileBytes = 100 << 20;

// Empty lines (argument 0) or keys of no table (1) after the table's own lines.
void BM_LoadHugeScoreFile(benchmark::State& state)
{
    ScoreFolder folder;
    QFile file(ScorePath);
    if (!file.open(QIODevice::Append)) {
        state.SkipWithError("cannot grow the score file");
        return;
    }
    const QByteArray line = state.range(0) == 0 ? QByteArray("\r\n") : QByteArray("[Name]\r\nkey=value\r\n");
    const QByteArray block = line.repeated((1 << 20) / line.size());
    while (file.size() < HugeFileBytes)
        file.write(block);
    file.close();
    for (auto _ : state) {
        LoadScores(Difficulty);
        benchmark::DoNotOptimize(ScoreTable);
    }
}
BENCHMARK(BM_LoadHugeScoreFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
