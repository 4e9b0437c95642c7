#include "platform/System.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QThread>

#include <cmath>
#include <utility>

namespace platform {
namespace {

QString executableDirOverride;
int screenHeightOverride = 0;
double sleepScale = 1.0;
std::function<void(int)> sleepObserver;

}  // namespace

QString ExecutableDir()
{
    if (!executableDirOverride.isEmpty())
        return executableDirOverride;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void SetExecutableDirForTesting(const QString& dir)
{
    executableDirOverride = dir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        executableDirOverride += QLatin1Char('/');
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
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
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
