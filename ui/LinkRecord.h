#pragma once

#include "scores/ScoreTable.h"
#include "ui/GameDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTableWidget;

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
