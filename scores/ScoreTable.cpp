#include "scores/ScoreTable.h"

#include "platform/GbkText.h"
#include "platform/IniFile.h"
#include "platform/Resources.h"
#include "platform/System.h"

#include <optional>
#include <utility>

std::array<ScoreEntry, ScoreCount> ScoreTable;
QString ScoreDir, ScorePath;

namespace {

const QString DefaultName = QStringLiteral("无名氏");
const QString DefaultRecordTime = QStringLiteral("2008年");

std::int32_t DefaultScore(int entry)
{
    return 11000 - 1000 * entry;
}

// The key of entry `entry` (1 to 10) in each section of a table's file.
const QString& EntryKey(int entry)
{
    static const std::array<QString, ScoreCount> keys = [] {
        std::array<QString, ScoreCount> numbers;
        for (int i = 1; i <= ScoreCount; ++i)
            numbers[i - 1] = QString::number(i);
        return numbers;
    }();
    return keys[entry - 1];
}

QString ScoreFileFor(int difficulty)
{
    ScoreDir = platform::DataDir();
    ScorePath = ScoreDir + QStringLiteral("Score") + QString::number(difficulty) + QStringLiteral(".ini");
    return ScorePath;
}

}  // namespace

void ResetScores()
{
    for (int i = 1; i <= ScoreCount; ++i)
        ScoreTable[i - 1] = {DefaultName, DefaultScore(i), DefaultRecordTime};
}

namespace {

// The sections of a table's file.
struct ScoreSections {
    QString name = platform::LoadResString(platform::StringId::Name);
    QString score = platform::LoadResString(platform::StringId::Score);
    QString time = platform::LoadResString(platform::StringId::RecordTime);
};

void ReadText(const platform::IniText& file, const QString& section, const QString& key,
              const QString& defaultValue, QString& text, QByteArray& bytes)
{
    const std::optional<QByteArray> stored = file.ReadBytes(section, key);
    bytes = stored.value_or(QByteArray());
    text = stored ? platform::FromGbk(bytes) : defaultValue;
}

// A text goes back as the bytes it was read from while it still reads as them, so that bytes
// that are no GBK (a file of another encoding, a character cut off) never become the U+FFFD
// they show as.
QByteArray StoredBytes(const QString& text, const QByteArray& readBytes)
{
    return platform::FromGbk(readBytes) == text ? readBytes : platform::ToGbk(text);
}

void ReadTable(const platform::IniText& file)
{
    const ScoreSections sections;
    for (int i = 1; i <= ScoreCount; ++i) {
        const QString& key = EntryKey(i);
        ScoreEntry& entry = ScoreTable[i - 1];
        ReadText(file, sections.name, key, DefaultName, entry.Name, entry.NameBytes);
        entry.Score = file.ReadInteger(sections.score, key, DefaultScore(i));
        ReadText(file, sections.time, key, DefaultRecordTime, entry.RecordTime, entry.RecordTimeBytes);
    }
    SortScores();
}

void WriteTable(platform::IniText& file)
{
    const ScoreSections sections;
    for (int i = 1; i <= ScoreCount; ++i) {
        const QString& key = EntryKey(i);
        const ScoreEntry& entry = ScoreTable[i - 1];
        file.WriteBytes(sections.name, key, StoredBytes(entry.Name, entry.NameBytes));
        file.WriteInteger(sections.score, key, entry.Score);
        file.WriteBytes(sections.time, key, StoredBytes(entry.RecordTime, entry.RecordTimeBytes));
    }
}

bool PlaceInTable(const ScoreEntry& entry)
{
    if (!BeatsEntryTen(entry.Score))
        return false;
    ScoreTable[ScoreCount - 1] = entry;
    SortScores();
    return true;
}

}  // namespace

void LoadScores(int difficulty)
{
    ReadTable(platform::IniFile(ScoreFileFor(difficulty)).Read());
}

void SaveScores(int difficulty)
{
    platform::IniFile(ScoreFileFor(difficulty)).Update(WriteTable);
}

void RecordScore(int difficulty, const ScoreEntry& entry)
{
    platform::IniFile(ScoreFileFor(difficulty)).Update([&](platform::IniText& file) {
        ReadTable(file);
        if (PlaceInTable(entry))
            WriteTable(file);
    });
}

bool BeatsEntryTen(std::int32_t score)
{
    return score > ScoreTable[ScoreCount - 1].Score;
}

void SortScores()
{
    // Entries are numbered 1..10 as in the file; after the pass for i, entry i holds the
    // lowest score of entries 1..i.
    for (int i = ScoreCount; i >= 2; --i)
        for (int j = i - 1; j >= 1; --j)
            if (ScoreTable[i - 1].Score > ScoreTable[j - 1].Score)
                std::swap(ScoreTable[i - 1], ScoreTable[j - 1]);
}
