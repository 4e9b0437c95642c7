#include "platform/Sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QThread>
#include <QtEndian>

#include <map>
#include <memory>
#include <optional>

namespace platform {
namespace {

const QString SoundFolder = QStringLiteral(":/sounds/");
const QString SoundSuffix = QStringLiteral(".wav");
// Silence played after each sound. The sound server starts a stream only once it holds enough
// data; a click of 40 ms alone could stay unheard.
constexpr int TrailingSilenceMs = 300;

bool recording = false;
QStringList recorded;

QString SoundPath(const QString& name)
{
    return SoundFolder + name + SoundSuffix;
}

// The samples of a PCM wave file and their format.
struct Wave {
    QAudioFormat format;
    QByteArray samples;
};

// Reads an uncompressed PCM RIFF WAVE file of 8 or 16 bits per sample.
std::optional<Wave> ReadWave(const QByteArray& file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    int bits = 0;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(file.size() - body))
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            const char* f = file.constData() + body;
            if (qFromLittleEndian<quint16>(f) != 1)  // PCM
                return std::nullopt;
            wave.format.setChannelCount(qFromLittleEndian<quint16>(f + 2));
            wave.format.setSampleRate(int(qFromLittleEndian<quint32>(f + 4)));
            bits = qFromLittleEndian<quint16>(f + 14);
            haveFormat = true;
        } else if (id == "data") {
            wave.samples = file.mid(body, size);
        }
        at = body + size + (size & 1);  // chunks are padded to an even size
    }
    if (!haveFormat || wave.samples.isEmpty() || (bits != 8 && bits != 16))
        return std::nullopt;
    wave.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return wave;
}

// One sound ready to play: its samples followed by silence, and an output stream of its format.
// The stream is declared last, so that it goes before the data it reads.
struct Voice {
    QByteArray samples;
    QBuffer source;
    std::unique_ptr<QAudioSink> sink;
};

// The loaded sounds. They live on the sound thread: an output stream is fed from the event
// loop of the thread it lives in, and the game's waits block the main one.
class SoundBank : public QObject {
public:
    explicit SoundBank(const QAudioDevice& device) : device_(device) {}

    Voice* load(const QString& name)
    {
        // Without an audio device the game is silent.
        if (device_.isNull())
            return nullptr;
        std::unique_ptr<Voice>& voice = voices_[name];
        if (voice)
            return voice.get();
        QFile file(SoundPath(name));
        std::optional<Wave> wave;
        if (file.open(QIODevice::ReadOnly))
            wave = ReadWave(file.readAll());
        if (!wave)
            return nullptr;
        voice = std::make_unique<Voice>();
        const char silence = wave->format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
        voice->samples = wave->samples + QByteArray(wave->format.bytesForDuration(TrailingSilenceMs * 1000), silence);
        voice->source.setBuffer(&voice->samples);
        voice->sink = std::make_unique<QAudioSink>(device_, wave->format);
        QAudioSink* sink = voice->sink.get();
        connect(sink, &QAudioSink::stateChanged, this, [sink](QAudio::State state) {
            if (state == QAudio::IdleState)
                sink->stop();
        });
        return voice.get();
    }

    // Only one sound plays at a time: a new one stops the one still playing.
    void play(const QString& name)
    {
        Voice* voice = load(name);
        if (current_)
            stop(current_);
        current_ = voice;
        if (!voice)
            return;
        voice->source.open(QIODevice::ReadOnly);
        voice->sink->start(&voice->source);
    }

private:
    static void stop(Voice* voice)
    {
        voice->sink->stop();
        voice->source.close();
    }

    QAudioDevice device_;
    std::map<QString, std::unique_ptr<Voice>> voices_;
    Voice* current_ = nullptr;
};

// Runs the sound bank on a thread of its own for as long as the application object lives.
// A child of the application object: the thread ends, and the sounds are released, before the
// application is gone.
class SoundThread : public QObject {
public:
    explicit SoundThread(QObject* parent) : QObject(parent)
    {
        // The device list is made here, on the main thread, where the audio backend expects it.
        bank_ = new SoundBank(QMediaDevices::defaultAudioOutput());
        bank_->moveToThread(&thread_);
        thread_.start();
    }

    // The bank goes once its thread has ended. A deferred or queued delete would never run here:
    // the application object is already being destroyed and posts no more events.
    ~SoundThread() override
    {
        thread_.quit();
        thread_.wait();
        delete bank_;
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
