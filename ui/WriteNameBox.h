#pragma once

#include "ui/GameDialog.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the player's name after a top-ten score.
class TWriteNameBox : public TGameDialog {
    Q_OBJECT
public:
    explicit TWriteNameBox(QWidget* owner);

    bool Accepted = false;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* btnWrite;
    QPushButton* btnNotWrite;

    void FormCreate();
    void btnWriteClick();
    void btnNotWriteClick();

protected:

private:
    void CreateControls();
};

// Shows the name box modally. The name is always set to the box's text, also when the player
// declined; returns whether the player chose to record it.
bool AskPlayerName(QString& name, QWidget* owner);
