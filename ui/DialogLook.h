#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <Qt>

#include <functional>

class QWidget;

// What every dialog of the game shares: its title, its fonts and how its outer size is set.

// A fixed single border with only the system menu's close box.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                                  | Qt::MSWindowsFixedSizeDialogHint;

// The title of every dialog and of the main window.
QString ProgramTitle();

// Fonts are asked for by the names the game was designed with; "宋体" is mapped to the
// shipped Song face the first time a font is made.
inline constexpr const char16_t* SongFamily = u"宋体";
inline constexpr const char16_t* SansSerifFamily = u"MS Sans Serif";
QFont PixelFont(const QString& family, int pixelSize);

// A widget's text colour, and a background it fills in one colour. Both are set in its palette,
// not by a style sheet: the first style sheet brings a style engine of its own into the game's
// memory.
void SetTextColour(QWidget* widget, const QColor& colour);
void FillBackground(QWidget* widget, const QColor& colour);

// Holds a top-level window at `size`, its frame excluded. A Wayland compositor may maximise,
// tile or fullscreen even a window of fixed size, and the protocol then obliges the window to
// take the size it is given; there the window is only held at no less than `size`.
void HoldSize(QWidget* window, QSize size);

// Holds a top-level window at a size that measures `outer` including its frame, now and each time
// the platform reports another frame: an X11 window manager frames a window after it is shown,
// and a Wayland window has its decoration only once it is on the screen.
void KeepOuterSize(QWidget* window, QSize outer);
// The same, where `apply` sizes the window for the frame it is given.
void KeepOuterSize(QWidget* window, std::function<void(QSize frame)> apply);

// When a dialog is given more room than its layout, its controls stay together, centred, on black.
void CentreOnBlack(QWidget* dialog);
