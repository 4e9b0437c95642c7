#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The high-score tables, one file per difficulty in the game's data folder; no widget code.
// One row of a high-score table.
struct ScoreEntry {
    QString Name;
    std::int32_t Score = 0;
    QString RecordTime;
    // The bytes the file held for Name and RecordTime (empty for an entry not read from it).
    QByteArray NameBytes{};
    QByteArray RecordTimeBytes{};
};

inline constexpr int ScoreCount = 10;

// The ten best scores of the difficulty loaded last, best first; entry i (1..10) is
// ScoreTable[i - 1].
extern std::array<ScoreEntry, ScoreCount> ScoreTable;
// The folder of the game's files and the score file last loaded or saved.
extern QString ScoreDir, ScorePath;

// Fills the table with the default entries; writes nothing.
void ResetScores();
// Reads ScoreN.ini in the game's data folder; whatever is missing or unreadable gets its default.
void LoadScores(int difficulty);
// Writes the whole table in one replace of the file. Throws platform::IniWriteError when it
// cannot; the file then keeps its previous contents.
void SaveScores(int difficulty);
// Places `entry` in the table as the file holds it now, as the end of a game would, and saves
// it, all in one update of the file: another copy of the game may have recorded a score since
// this one loaded the table. The table is then the one saved. Throws platform::IniWriteError.
void RecordScore(int difficulty, const ScoreEntry& entry);
// Orders the table by score, highest first, with the game's own exchange procedure, which
// decides where equal scores end up.
void SortScores();
// Whether `score` would enter the table, beating entry 10.
bool BeatsEntryTen(std::int32_t score);
