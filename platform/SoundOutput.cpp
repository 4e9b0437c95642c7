#include "platform/SoundOutput.h"

#include "platform/AudioLibrary.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// Each sound is converted to this format as it starts. The game's sounds are of 8 bits, but a
// stream of 8-bit samples was heard to end in a burst of noise on closing.
constexpr int Rate = 22050;
constexpr int Channels = 2;
constexpr SDL_AudioFormat Format = AUDIO_S16SYS;
constexpr int BytesPerFrame = Channels * 2;
// Frames handed to the server at a time: about 23 ms. The server holds one feed ahead of what it
// plays, so a sound asked for while the stream is open waits behind up to that much silence: at
// 35 ms, clicks were heard up to 59 ms late. The audio library's feeding thread asks for a raised
// priority; it kept up with 23 ms feeds under six busy processes on two cores.
constexpr Uint16 FramesPerFeed = 512;

// The samples of a wave file in the stream's format; empty when the file is no wave file.
QByteArray Convert(const QByteArray& waveFile)
{
    const AudioLibrary* audio = Audio();
    if (!audio)
        return {};
    SDL_AudioSpec source;
    Uint8* samples = nullptr;
    Uint32 size = 0;
    SDL_RWops* file = audio->RWFromConstMem(waveFile.constData(), int(waveFile.size()));
    if (!file || !audio->LoadWAV_RW(file, 1, &source, &samples, &size))
        return {};
    SDL_AudioCVT cvt;
    QByteArray converted;
    if (audio->BuildAudioCVT(&cvt, source.format, source.channels, source.freq, Format, Channels, Rate) >= 0) {
        converted.resize(qsizetype(size) * cvt.len_mult);
        std::memcpy(converted.data(), samples, size);
        cvt.buf = reinterpret_cast<Uint8*>(converted.data());
        cvt.len = int(size);
        if (audio->ConvertAudio(&cvt) == 0)
            converted.truncate(cvt.len_cvt - cvt.len_cvt % BytesPerFrame);
        else
            converted.clear();
    }
    audio->FreeWAV(samples);
    return converted;
}

int DurationMs(const QByteArray& samples)
{
    return int(samples.size() / BytesPerFrame * 1000 / Rate);
}

}  // namespace

SoundOutput::~SoundOutput()
{
    shutDown();
}

int SoundOutput::play(const QByteArray& waveFile)
{
    QByteArray samples = Convert(waveFile);
    if (samples.isEmpty())
        return 0;
    // A server that went away leaves the stream stopped: it is opened again, on the new server.
    if (device_ && Audio()->GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
        close();
        shutDownAudio();
    }
    if (!device_ && !open())
        return 0;
    const int duration = DurationMs(samples);
    Audio()->LockAudioDevice(device_);
    playing_.swap(samples);
    at_ = 0;
    Audio()->UnlockAudioDevice(device_);
    Audio()->PauseAudioDevice(device_, 0);
    return duration;
}

void SoundOutput::shutDown()
{
    close();
    shutDownAudio();
    if (Audio())
        Audio()->TLSCleanup();
}

void SoundOutput::close()
{
    if (device_)
        Audio()->CloseAudioDevice(device_);
    device_ = 0;
    playing_.clear();
}

// A failed attempt starts the audio library again: the sound server may have appeared, or
// restarted, since it was first looked for.
bool SoundOutput::open()
{
    if (openDevice())
        return true;
    shutDownAudio();
    return openDevice();
}

void SoundOutput::prepare()
{
    if (audioUp_ || !Audio())
        return;
    // The audio library starts its event queue too, which would catch Ctrl+C and the desktop's
    // request to end into events that the game never reads: the game would no longer end.
    Audio()->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    audioUp_ = Audio()->InitSubSystem(SDL_INIT_AUDIO) == 0;
}

bool SoundOutput::openDevice()
{
    prepare();
    if (!audioUp_)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = Rate;
    wanted.format = Format;
    wanted.channels = Channels;
    wanted.samples = FramesPerFeed;
    wanted.callback = &SoundOutput::Feed;
    wanted.userdata = this;
    device_ = Audio()->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    return device_ != 0;
}

void SoundOutput::shutDownAudio()
{
    if (audioUp_)
        Audio()->QuitSubSystem(SDL_INIT_AUDIO);
    audioUp_ = false;
}

void SoundOutput::Feed(void* self, Uint8* stream, int length)
{
    auto* output = static_cast<SoundOutput*>(self);
    const int copied = int(std::min<qsizetype>(length, output->playing_.size() - output->at_));
    std::memcpy(stream, output->playing_.constData() + output->at_, size_t(copied));
    output->at_ += copied;
    std::memset(stream + copied, 0, size_t(length - copied));  // silence, in signed samples
}

}  // namespace platform
