#pragma once

#include <QDialog>

class QKeyEvent;

// A dialog of the game, closed only through its own buttons and its close box: Escape, which
// a plain dialog takes for its cancel button, does nothing.
class TGameDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
