#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Small services of the desktop that the game asks for, with hooks for tests.
namespace platform {

// The directory of the executable, with a trailing separator.
QString ExecutableDir();

// Where the game keeps its settings and score files, with a trailing separator: the
// executable's directory when a file can be created there (a per-user install, a build folder,
// a portable copy), otherwise the player's data folder (~/.local/share/<application name>),
// created when missing. Chosen once, at the first call. Tests may point it elsewhere.
QString DataDir();
void SetDataDirForTesting(const QString& dir);  // empty restores the chosen one
// The choice DataDir makes, between the two folders given.
QString ChooseDataDir(const QString& executableDir, const QString& userDataDir);

// The full path of the game's instructions file `fileName`, or empty when there is none: the
// current directory first, then the executable's directory, then the package's data folder
// (/usr/share/games/zenkara beside /usr/games), as a system-wide install lays them out.
QString FindInstructions(const QString& fileName);
// The first of `folders` that holds a file `fileName`, as its full path; empty when none does.
QString FindFileIn(const QString& fileName, const QStringList& folders);

// The primary screen's height in pixels. Tests may set it.
int ScreenHeight();
void SetScreenHeightForTesting(int height);  // 0 restores the real one

// Today's date in the short form of the Simplified Chinese desktop, "2026/12/10" or "2027/1/5",
// whatever the player's language: one score table may be filled under several languages.
QString CurrentShortDate();

// A blocking wait. Tests may scale every wait (0 makes them instant); the game keeps 1.
void Sleep(int milliseconds);
void SetSleepScaleForTesting(double scale);
// Runs before each wait with its unscaled length, so a test can look at the screen during it.
void SetSleepObserverForTesting(std::function<void(int milliseconds)> observer);  // empty removes it

}  // namespace platform
