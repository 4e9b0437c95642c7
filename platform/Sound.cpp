#include "platform/Sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace platform {
namespace {

const QString SoundFolder = QStringLiteral(":/sounds/");
const QString SoundSuffix = QStringLiteral(".wav");

bool recording = false;
QStringList recorded;

QString SoundPath(const QString& name)
{
    return SoundFolder + name + SoundSuffix;
}

// One loaded effect per sound name. It lives on the sound thread: the audio output is fed by
// the event loop of the thread its effect lives in, and the game's waits block the main one.
class SoundBank : public QObject {
public:
    explicit SoundBank(const QAudioDevice& device) : device_(device) {}

    void load(const QString& name)
    {
        QSoundEffect*& effect = effects_[name];
        if (!effect) {
            effect = new QSoundEffect(device_, this);
            effect->setSource(QUrl(QStringLiteral("qrc") + SoundPath(name)));
        }
    }

    // Only one sound plays at a time: a new one stops the one still playing. An effect still
    // loading starts as soon as it is loaded.
    void play(const QString& name)
    {
        load(name);
        QSoundEffect* effect = effects_.value(name);
        if (current_ && current_ != effect)
            current_->stop();
        effect->stop();
        effect->play();
        current_ = effect;
    }

private:
    QAudioDevice device_;
    QHash<QString, QSoundEffect*> effects_;
    QPointer<QSoundEffect> current_;
};

// Runs the sound bank on a thread of its own for as long as the application object lives.
// A child of the application object: the thread ends, and the effects are released on it,
// before the application is gone.
class SoundThread : public QObject {
public:
    explicit SoundThread(QObject* parent) : QObject(parent)
    {
        // The device list is made here, on the main thread, where the audio backend expects it.
        bank_ = new SoundBank(QMediaDevices::defaultAudioOutput());
        bank_->moveToThread(&thread_);
        connect(&thread_, &QThread::finished, bank_, &QObject::deleteLater);
        thread_.start();
    }

    ~SoundThread() override
    {
        thread_.quit();
        thread_.wait();
    }

    void load(const QString& name)
    {
        QMetaObject::invokeMethod(bank_, [bank = bank_, name] { bank->load(name); }, Qt::QueuedConnection);
    }

    void play(const QString& name)
    {
        QMetaObject::invokeMethod(bank_, [bank = bank_, name] { bank->play(name); }, Qt::QueuedConnection);
    }

private:
    QThread thread_;
    SoundBank* bank_ = nullptr;
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
    const QStringList files = QDir(SoundFolder).entryList({QStringLiteral("*") + SoundSuffix}, QDir::Files);
    for (const QString& file : files)
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
