#pragma once

#include "ui/GameDialog.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The game's own message box, also used for the about text with a clickable e-mail line.
class TForm2 : public TGameDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* btnOk;

    void btnOkClick();
    void Label2Click();
    void Label2MouseDown();
    void Label2MouseEnter();
    void Label2MouseLeave();

    // "\r" in the text starts a new line.
    void SetText(const QString& text);
    // The message layout, widened where a line of the text would not fit.
    void FitMessageToText();
    void UseAboutLayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void SetLinkLook(const QColor& colour, bool underline);
};

inline constexpr int MessageLayout = 0;
inline constexpr int AboutLayout = 1;

// The width of the label's widest line in its font.
int WidestLine(const QLabel* label);

// The address shown after "E-Mail: " and opened by a click on it.
QString ContactAddress();

// Shows the text modally and returns when the box has closed. Layout 1 is the about layout;
// any other value gives the message layout.
void ShowMessageBox(QWidget* owner, const QString& text, int layout);
