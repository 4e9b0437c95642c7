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

    // The samples of a wave file in the stream's format; empty when the file is no wave file.
    static QByteArray Convert(const QByteArray& waveFile);
    // How long samples in the stream's format play, in milliseconds.
    static int DurationMs(const QByteArray& samples);

    // Starts the audio library and finds the sound server ahead of the first sound, which then
    // starts on time (finding a PipeWire server takes some 25 ms). Opens no stream.
    void prepare();
    // Plays samples in the stream's format, stopping at once the sound still playing. The
    // samples must stay unchanged until another sound plays or the stream closes.
    void play(const QByteArray& samples);
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
    // Read and advanced by the audio thread, under the device's lock.
    const QByteArray* playing_ = nullptr;
    qsizetype at_ = 0;
};

}  // namespace platform
