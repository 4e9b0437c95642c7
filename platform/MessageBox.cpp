#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

namespace platform {
namespace {

// A carriage return starts a new line in the game's texts.
QString WithLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

void ShowDesktopMessageBox(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Information, caption, WithLineBreaks(text), QMessageBox::Ok, parent);
    box.exec();
}

void ShowErrorBox(QWidget* parent, const QString& text)
{
    // The program's title is its windows' title: an error names the program, as its windows do.
    const QString caption = parent ? parent->window()->windowTitle() : QGuiApplication::applicationDisplayName();
    QMessageBox box(QMessageBox::Critical, caption, WithLineBreaks(text), QMessageBox::Ok, parent);
    box.exec();
}

void ShowWriteError(QWidget* parent, const QString& path)
{
    ShowErrorBox(parent, QCoreApplication::translate("IniFile", "Unable to write to %1").arg(path));
}

}  // namespace platform
