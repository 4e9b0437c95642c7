// Plays the game's sounds through the platform layer on a schedule, for sound_plays.sh and the
// soak script: each argument "NAME:COUNT:GAP_MS" plays the sound NAME COUNT times, GAP_MS apart,
// after the plays of the arguments before it. It prints "play NAME MS" for each play, in
// milliseconds since the epoch, and quits a while after the last.
//
// Usage: sound_plays_app NAME:COUNT:GAP_MS...
#include "platform/Sound.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

// Time for the last sound to be heard to its end before the program quits.
constexpr int LastSoundMs = 3500;

struct Play {
    QString name;
    int atMs;
};

bool ParseSchedule(const QStringList& args, QList<Play>& plays)
{
    int at = 0;
    for (const QString& arg : args) {
        const QStringList parts = arg.split(QLatin1Char(':'));
        bool countOk = false;
        bool gapOk = false;
        const int count = parts.value(1).toInt(&countOk);
        const int gap = parts.value(2).toInt(&gapOk);
        if (parts.size() != 3 || !countOk || !gapOk || count < 1 || gap < 0)
            return false;
        for (int i = 0; i < count; ++i, at += gap)
            plays.append({parts[0], at});
    }
    return !plays.isEmpty();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QList<Play> plays;
    if (!ParseSchedule(app.arguments().mid(1), plays)) {
        std::fprintf(stderr, "usage: %s NAME:COUNT:GAP_MS...\n", argv[0]);
        return 2;
    }
    platform::LoadSounds();
    for (const Play& play : plays) {
        QTimer::singleShot(play.atMs, Qt::PreciseTimer, &app, [name = play.name] {
            platform::PlaySound(name);
            std::printf("play %s %lld\n", qPrintable(name), QDateTime::currentMSecsSinceEpoch());
            std::fflush(stdout);
        });
    }
    QTimer::singleShot(plays.last().atMs + LastSoundMs, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
