#include "platform/Sound.h"
#include "platform/SoundOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <csignal>

using namespace platform;

namespace {

void ProcessEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

TEST(Sound, RecordingNotesEveryNameInOrderAndPlaysNothing)
{
    RecordSounds(true);
    ClearRecordedSounds();
    PlaySound("SNDCLICK");
    PlaySound("SNDDISP");
    PlaySound("SNDCLICK");
    PlaySound("NOSUCHSOUND");
    EXPECT_EQ(RecordedSounds(), (QStringList{"SNDCLICK", "SNDDISP", "SNDCLICK", "NOSUCHSOUND"}));
    ClearRecordedSounds();
    EXPECT_TRUE(RecordedSounds().isEmpty());
    RecordSounds(false);
    PlaySound("TESTBEEP");
    EXPECT_TRUE(RecordedSounds().isEmpty());
    // The sample loads on a thread of Qt's own; a process that ends while it is still loading
    // leaves the loader's objects behind, which LeakSanitizer would report.
    ProcessEventsFor(200);
}

// The test machine has no audio device: playing, replacing a sound still playing, and the
// beep for an unknown name must neither block nor crash (a hang ends in the test's time-out).
TEST(Sound, PlayingWithoutAnAudioDeviceReturnsAndKeepsWorking)
{
    RecordSounds(false);
    for (int i = 0; i < 3; ++i) {
        PlaySound("TESTBEEP");
        ProcessEventsFor(30);
        PlaySound("NOSUCHSOUND");
        PlaySound("TESTBEEP");
        PlaySound("");
    }
    ProcessEventsFor(200);
    RecordSounds(true);
    ClearRecordedSounds();
    PlaySound("SNDCLICK");
    EXPECT_EQ(RecordedSounds(), QStringList{"SNDCLICK"});
    RecordSounds(false);
}

// A player ends the game with Ctrl+C in its terminal, and the desktop ends it at logout: the
// audio library, started with an output that needs no device, must leave those signals alone.
TEST(Sound, StartedAudioLeavesInterruptAndTerminateToTheDefault)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SoundOutput output;
    output.prepare();
    ASSERT_TRUE(SDL_WasInit(SDL_INIT_AUDIO)) << "the audio library did not start";
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action{};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
    output.shutDown();
    qunsetenv("SDL_AUDIODRIVER");
}
