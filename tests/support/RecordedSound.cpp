// The sound interface for programs that link the engine without the player and the artwork:
// sounds are only noted while recording, and nothing is ever played.
#include "platform/Sound.h"

namespace platform {
namespace {

bool recording = false;
QStringList recorded;

}  // namespace

void LoadSounds() {}

void PlaySound(const QString& name)
{
    if (recording)
        recorded.append(name);
}

void RecordSounds(bool on) { recording = on; }

QStringList RecordedSounds() { return recorded; }

void ClearRecordedSounds() { recorded.clear(); }

}  // namespace platform
