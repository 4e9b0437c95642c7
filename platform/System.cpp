#include "platform/System.h"

#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <cmath>
#include <utility>

namespace platform {
namespace {

const QString ShortDateFormat = QStringLiteral("yyyy/M/d");
QString dataDirOverride;
int screenHeightOverride = 0;
double sleepScale = 1.0;
std::function<void(int)> sleepObserver;

QString WithSeparator(const QString& dir)
{
    return dir.isEmpty() || dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

}  // namespace

QString ExecutableDir()
{
    return WithSeparator(QCoreApplication::applicationDirPath());
}

QString ChooseDataDir(const QString& executableDir, const QString& userDataDir)
{
    // With no home to go to, the executable's folder stays the place, and a save there reports
    // that it cannot write.
    if (CanCreateFilesIn(executableDir) || userDataDir.isEmpty())
        return WithSeparator(executableDir);
    // Where the folder cannot be made either, saving reports the file it could not write.
    QDir().mkpath(userDataDir);
    return WithSeparator(userDataDir);
}

QString DataDir()
{
    if (!dataDirOverride.isEmpty())
        return dataDirOverride;
    static const QString chosen =
        ChooseDataDir(ExecutableDir(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return chosen;
}

void SetDataDirForTesting(const QString& dir)
{
    dataDirOverride = WithSeparator(dir);
}

QString FindInstructions(const QString& fileName)
{
    // Started from a terminal, an installed game's current directory is the player's: the
    // instructions are then found where the install put them.
    const QString packageDataDir = ExecutableDir() + QStringLiteral("../share/games/zenkara");
    return FindFileIn(fileName, {QDir::currentPath(), ExecutableDir(), packageDataDir});
}

QString FindFileIn(const QString& fileName, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), fileName);
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

int ScreenHeight()
{
    if (screenHeightOverride > 0)
        return screenHeightOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : 0;
}

void SetScreenHeightForTesting(int height)
{
    screenHeightOverride = height;
}

QString CurrentShortDate()
{
    return QDate::currentDate().toString(ShortDateFormat);
}

void Sleep(int milliseconds)
{
    if (sleepObserver)
        sleepObserver(milliseconds);
    const double scaled = std::round(milliseconds * sleepScale);
    if (scaled >= 1.0)
        QThread::msleep(static_cast<unsigned long>(scaled));
}

void SetSleepScaleForTesting(double scale)
{
    sleepScale = scale < 0.0 ? 0.0 : scale;
}

void SetSleepObserverForTesting(std::function<void(int)> observer)
{
    sleepObserver = std::move(observer);
}

}  // namespace platform
