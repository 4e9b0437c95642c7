// The main window fullscreen on a 3840 x 2160 screen: a full redraw of the super board as the
// player sees it after a match (board bitmap, copy to the client area, the client area painted);
// the first frame after the window changes size (controls placed again, the last picture painted
// stretched); and the settled frame that follows once the resizing pauses (artwork made for the
// new scale, the board drawn and painted crisp).
#include "platform/System.h"
#include "tests/support/BoardText.h"
#include "tests/support/OffscreenScreen.h"
#include "tests/support/TestSwitches.h"
#include "ui/ClientArea.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A super game in a fullscreen window, its board full.
struct FullScreenGame {
    QTemporaryDir dir;
    TestSwitches switches{dir.path() + QLatin1Char('/')};
    TForm1 form;

    FullScreenGame()
    {
        platform::SetScreenHeightForTesting(2160);
        form.showFullScreen();
        QCoreApplication::processEvents();
        form.mmiSuperClick();
        // The board drawn crisp for the fullscreen scale, as the player sees it once the window
        // has settled, whatever size the window had before.
        form.ClientArea->settle();
    }
};

void FullRedrawAt4K(benchmark::State& state)
{
    FullScreenGame game;
    state.counters["scale"] = game.form.ClientArea->view().Scale().x;
    state.counters["width"] = game.form.ClientArea->width();
    state.counters["canvas"] = game.form.ClientArea->canvas().image().width();
    for (auto _ : state)
        game.form.Engine->RenderBoard();
}
BENCHMARK(FullRedrawAt4K)->Unit(benchmark::kMillisecond);

// Every frame a new scale. With the argument 0, a scale not seen for a while: the client area
// shrinks from 4K fullscreen in steps of 20 pixels, each a scale of its own. With 1, a scale
// seen just before: fullscreen and a window of 2560 x 1440 in turn, as maximising and
// restoring, or F11 twice, do.
QSize SizeAtStep(QSize full, bool seenBefore, int step)
{
    return seenBefore ? (step % 2 ? QSize(2560, 1440) : full) : full - QSize(20, 11) * (step % 80);
}

void FirstFrameAfterResize(benchmark::State& state)
{
    FullScreenGame game;
    const QSize full = game.form.ClientArea->size();
    int step = 0;
    for (auto _ : state) {
        game.form.ClientArea->resize(SizeAtStep(full, state.range(0) == 1, ++step));
        game.form.ClientArea->repaint();
    }
}
BENCHMARK(FirstFrameAfterResize)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The crisp frame once the resizing pauses, after each first frame of FirstFrameAfterResize.
void SettledFrameAfterResize(benchmark::State& state)
{
    FullScreenGame game;
    const QSize full = game.form.ClientArea->size();
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.form.ClientArea->resize(SizeAtStep(full, state.range(0) == 1, ++step));
        game.form.ClientArea->repaint();
        state.ResumeTiming();
        game.form.ClientArea->settle();
        game.form.ClientArea->repaint();
    }
}
BENCHMARK(SettledFrameAfterResize)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    if (!UseOffscreenScreen(dir.path(), QSize(3840, 2160)))
        return 1;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
