#include "platform/Sound.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {

bool recording = false;
QStringList recorded;

// Owns one loaded effect per sound name. It is a child of the application object, so the
// effects are released with the application and never outlive the audio backend.
class SoundBank : public QObject {
public:
    explicit SoundBank(QObject* parent) : QObject(parent) {}

    QSoundEffect* effect(const QString& name)
    {
        QSoundEffect*& effect = effects_[name];
        if (!effect) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl(QStringLiteral("qrc:/sounds/") + name + QStringLiteral(".wav")));
        }
        return effect;
    }

    // Only one sound plays at a time: a new one stops the one still playing.
    void play(QSoundEffect* effect)
    {
        if (current_ && current_ != effect)
            current_->stop();
        effect->stop();
        effect->play();
        current_ = effect;
    }

private:
    QHash<QString, QSoundEffect*> effects_;
    QPointer<QSoundEffect> current_;
};

SoundBank* Bank()
{
    static QPointer<SoundBank> bank;
    if (!bank && QCoreApplication::instance())
        bank = new SoundBank(QCoreApplication::instance());
    return bank;
}

bool SoundExists(const QString& name)
{
    return !name.isEmpty() && QFile::exists(QStringLiteral(":/sounds/") + name + QStringLiteral(".wav"));
}

void Beep()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

}  // namespace

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
    if (SoundBank* bank = Bank())
        bank->play(bank->effect(name));
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
