#pragma once

#include <QString>

class QWidget;

namespace platform {

// The desktop's modal message box with one OK button. "\r" in the text starts a new line.
void ShowDesktopMessageBox(QWidget* parent, const QString& text, const QString& caption);

// Shows an error (such as a failed settings write) the way the application reports errors, under
// the title of the parent's window.
void ShowErrorBox(QWidget* parent, const QString& text);
// The error box of a file that could not be written: "Unable to write to <full path>".
void ShowWriteError(QWidget* parent, const QString& path);

}  // namespace platform
