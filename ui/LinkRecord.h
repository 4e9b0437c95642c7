#pragma once

#include "ui/GameDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTableWidget;

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

// The high-score entry at the end of a game: when the final score (decimal text) beats
// entry 10 of that difficulty's table, asks the player's name and stores the score. A failed
// write is reported in an error box and the game goes on.
void RecordHighScoreFor(QWidget* owner, int difficulty, const QString& scoreText);

// A drop-down list that reports every closing of its list, chosen or dismissed, and drops
// down as soon as the player types.
class TCloseUpComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TCloseUpComboBox(QWidget* parent);

signals:
    void closedUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportCloseUp();
    bool closeUpPending_ = false;
};

// The high-score dialog: the ten entries of one difficulty, a difficulty switch and a clear
// command.
class TTopScore : public TGameDialog {
    Q_OBJECT
public:
    explicit TTopScore(QWidget* owner);

    QTableWidget* StringGrid1;
    QLabel* Label1;
    TCloseUpComboBox* ComboBox1;
    QPushButton* btnClear;
    QPushButton* btnClose;

    void FormCreate();
    void FillGrid();
    void ComboBox1CloseUp();
    void btnClearClick();
    void btnCloseClick();

protected:

private:
    void CreateControls();
    void SetGridRow(int row, const QStringList& texts);
};
