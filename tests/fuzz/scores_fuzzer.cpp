// Feeds any bytes to the high-score loader as the easy table's file, then checks that the
// table comes out sorted, and that saving it and loading it again gives the same table, but
// for carriage returns inside a text, which are never written and become spaces.
#include "FuzzFiles.h"

#include "platform/System.h"
#include "scores/ScoreTable.h"

namespace {

bool SortedBestFirst()
{
    for (int i = 1; i < ScoreCount; ++i)
        if (ScoreTable[i - 1].Score < ScoreTable[i].Score)
            return false;
    return true;
}

QString AsWritten(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '));
}

QString Describe(const ScoreEntry& entry)
{
    return QStringLiteral("[%1|%2|%3]").arg(entry.Name).arg(entry.Score).arg(entry.RecordTime);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::SetDataDirForTesting(fuzz::ScratchDir());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static const QString fileName = fuzz::ScratchDir() + QStringLiteral("Score0.ini");
    fuzz::WriteInput(fileName, data, size);

    LoadScores(0);
    fuzz::Check(SortedBestFirst(), "a loaded table is sorted best first");
    const auto loaded = ScoreTable;

    SaveScores(0);
    ResetScores();
    LoadScores(0);
    for (int i = 0; i < ScoreCount; ++i)
        fuzz::Check(ScoreTable[i].Name == AsWritten(loaded[i].Name) && ScoreTable[i].Score == loaded[i].Score
                        && ScoreTable[i].RecordTime == AsWritten(loaded[i].RecordTime),
                    "a saved table loads back unchanged", [&] {
                        return QStringLiteral("entry %1: %2 became %3")
                            .arg(i + 1)
                            .arg(Describe(loaded[i]), Describe(ScoreTable[i]));
                    });
    return 0;
}
