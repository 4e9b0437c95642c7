#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

// What every dialog of the game shares: its title, its fonts and how its outer size is set.

// A fixed single border with only the system menu's close box.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                                  | Qt::MSWindowsFixedSizeDialogHint;

// The title of every dialog and of the main window.
QString ProgramTitle();

// Fonts are asked for by the names the game was designed with; the application maps
// "宋体" to an installed Song face.
inline constexpr const char16_t* SongFamily = u"宋体";
inline constexpr const char16_t* SansSerifFamily = u"MS Sans Serif";
QFont PixelFont(const QString& family, int pixelSize);

// Sizes a top-level window so that it measures `outer` including its frame, as far as the
// frame is known at the time of the call.
void SetOuterSize(QWidget* window, QSize outer);
