#pragma once

#include <QString>
#include <QStringList>

// Wave sounds embedded in the executable (":/sounds/<name>.wav").
namespace platform {

// Loads every embedded sound, once, so that the first play of each starts at once.
// Does nothing while recording.
void LoadSounds();

// Plays the named sound asynchronously. A new sound stops the one still playing; an unknown
// name gives the desktop's default beep. Never blocks, and is silent without an audio device.
// The sound plays also while the calling thread waits.
void PlaySound(const QString& name);

// While recording, sounds are only noted (in the order asked for), never played.
// Tests use this to see which sounds the game asked for.
void RecordSounds(bool on);
QStringList RecordedSounds();
void ClearRecordedSounds();

}  // namespace platform
