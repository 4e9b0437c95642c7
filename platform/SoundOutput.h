#pragma once

#include <QByteArray>

#include <SDL2/SDL_audio.h>

namespace platform {

// The one output stream every sound plays through, fed by the audio library's own thread.
// It opens when a sound starts and closes on request once the game is quiet, so that nothing
// runs and the sound server may suspend its sink meanwhile. Without a sound server it stays
// silent, and it finds the server again when one appears or after the server restarted.
class SoundOutput {
public:
    SoundOutput() = default;
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Starts the audio library and finds the sound server ahead of the first sound, which then
    // starts on time (finding a PipeWire server takes some 25 ms). Opens no stream.
    void prepare();
    // Plays a wave file, stopping at once the sound still playing. Returns how long it plays,
    // in milliseconds; 0 when it cannot play.
    int play(const QByteArray& waveFile);
    void close();
    // Closes the stream and stops the audio library, releasing what it keeps for the calling
    // thread: the thread that used the output calls it before it ends.
    void shutDown();

private:
    bool open();
    bool openDevice();
    void shutDownAudio();
    static void Feed(void* self, Uint8* stream, int length);

    bool audioUp_ = false;
    SDL_AudioDeviceID device_ = 0;
    // The sound playing, in the stream's format: read and advanced by the audio thread, under
    // the device's lock. Only this one sound is held converted, so that the game's memory does
    // not grow by every sound the stream can play.
    QByteArray playing_;
    qsizetype at_ = 0;
};

}  // namespace platform
