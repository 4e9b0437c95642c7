#include "platform/Sound.h"

#include "platform/SoundOutput.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <map>
#include <memory>

namespace platform {
namespace {

const QString SoundFolder = QStringLiteral(":/sounds/");
const QString SoundSuffix = QStringLiteral(".wav");
// The output closes this long after the last sound ended: a desktop's sound server suspends
// only a quiet sink, and a player clicking on keeps the stream and so starts each sound at once.
constexpr int CloseAfterMs = 1000;

bool recording = false;
QStringList recorded;

QString SoundPath(const QString& name)
{
    return SoundFolder + name + SoundSuffix;
}

// The loaded sounds and the output they play through. They live on the sound thread, so that
// opening the output never holds up the game, whose waits block the main thread.
class SoundBank : public QObject {
public:
    SoundBank()
    {
        closeTimer_.setSingleShot(true);
        connect(&closeTimer_, &QTimer::timeout, this, [this] { output_.close(); });
    }

    // Keeps the wave file as it is: the output converts a sound only while it plays.
    const QByteArray& load(const QString& name)
    {
        output_.prepare();
        const auto known = waves_.find(name);
        if (known != waves_.end())
            return known->second;
        QFile file(SoundPath(name));
        QByteArray wave;
        if (file.open(QIODevice::ReadOnly))
            wave = file.readAll();
        return waves_.emplace(name, wave).first->second;
    }

    // Only one sound plays at a time: a new one stops the one still playing.
    void play(const QString& name)
    {
        if (const int durationMs = output_.play(load(name)))
            closeTimer_.start(durationMs + CloseAfterMs);
    }

    // Stops the output from the sound thread, where its timer lives, before the thread ends.
    void quiet()
    {
        closeTimer_.stop();
        output_.shutDown();
    }

private:
    std::map<QString, QByteArray> waves_;
    SoundOutput output_;
    QTimer closeTimer_{this};
};

// Runs the sound bank on a thread of its own for as long as the application object lives.
// A child of the application object: the thread ends, and the sounds are released, before the
// application is gone.
class SoundThread : public QObject {
public:
    explicit SoundThread(QObject* parent) : QObject(parent)
    {
        bank_->moveToThread(thread_.get());
        connect(thread_.get(), &QThread::finished, bank_.get(), [bank = bank_.get()] { bank->quiet(); },
                Qt::DirectConnection);
        thread_->start();
    }

    // The bank goes once its thread has ended. A deferred or queued delete would never run here:
    // the application object is already being destroyed and posts no more events.
    ~SoundThread() override
    {
        thread_->quit();
        if (thread_->wait(QDeadlineTimer(EndWaitMs)))
            return;
        // A sound server that stopped answering holds the thread inside the audio library, and
        // deleting a running thread would abort the game: both are left to the end of the process.
        bank_.release();
        thread_.release();
    }

    void load(const QString& name)
    {
        QMetaObject::invokeMethod(bank_.get(), [bank = bank_.get(), name] { bank->load(name); },
                                  Qt::QueuedConnection);
    }

    void play(const QString& name)
    {
        QMetaObject::invokeMethod(bank_.get(), [bank = bank_.get(), name] { bank->play(name); },
                                  Qt::QueuedConnection);
    }

private:
    // Closing the output and leaving the audio library take milliseconds on a server that answers.
    static constexpr int EndWaitMs = 3000;

    std::unique_ptr<QThread> thread_ = std::make_unique<QThread>();
    std::unique_ptr<SoundBank> bank_ = std::make_unique<SoundBank>();
};

SoundThread* Sounds()
{
    static QPointer<SoundThread> sounds;
    if (!sounds && QCoreApplication::instance())
        sounds = new SoundThread(QCoreApplication::instance());
    return sounds;
}

bool SoundExists(const QString& name)
{
    return !name.isEmpty() && QFile::exists(SoundPath(name));
}

void Beep()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

}  // namespace

void LoadSounds()
{
    if (recording)
        return;
    SoundThread* sounds = Sounds();
    if (!sounds)
        return;
    // Picked by suffix, not by a name filter: a filter is a regular expression, and its library
    // would stay in the game's memory for this one use.
    const QStringList files = QDir(SoundFolder).entryList(QDir::Files);
    for (const QString& file : files)
        if (file.endsWith(SoundSuffix))
            sounds->load(file.chopped(SoundSuffix.size()));
}

void PlaySound(const QString& name)
{
    if (recording) {
        recorded.append(name);
        return;
    }
    if (!SoundExists(name)) {
        Beep();
        return;
    }
    if (SoundThread* sounds = Sounds())
        sounds->play(name);
}

void RecordSounds(bool on)
{
    recording = on;
}

QStringList RecordedSounds()
{
    return recorded;
}

void ClearRecordedSounds()
{
    recorded.clear();
}

}  // namespace platform
