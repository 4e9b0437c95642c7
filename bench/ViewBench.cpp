// The main window fullscreen on a 3840 x 2160 screen: a full redraw of the super board as the
// player sees it after a match (board bitmap, copy to the client area, the client area painted),
// and the first frame after the window changes size (artwork made for the new scale, controls
// placed again, the board drawn and painted).
#include "platform/System.h"
#include "tests/support/BoardText.h"
#include "tests/support/TestSwitches.h"
#include "ui/ClientArea.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QByteArray ScreenDescription = R"({"screens": [{"name": "4k", "x": 0, "y": 0,
    "width": 3840, "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

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
    }
};

void FullRedrawAt4K(benchmark::State& state)
{
    FullScreenGame game;
    state.counters["scale"] = game.form.ClientArea->view().Scale().x;
    state.counters["width"] = game.form.ClientArea->width();
    for (auto _ : state)
        game.form.Engine->RenderBoard();
}
BENCHMARK(FullRedrawAt4K)->Unit(benchmark::kMillisecond);

// Every frame a new scale: 4K fullscreen and a window of 2560 x 1440 in turn.
void FirstFrameAfterResize(benchmark::State& state)
{
    FullScreenGame game;
    const QSize sizes[] = {game.form.ClientArea->size(), QSize(2560, 1440)};
    int next = 1;
    for (auto _ : state) {
        game.form.ClientArea->resize(sizes[next]);
        game.form.ClientArea->repaint();
        next ^= 1;
    }
}
BENCHMARK(FirstFrameAfterResize)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    QFile description(dir.filePath(QStringLiteral("screen.json")));
    if (!description.open(QIODevice::WriteOnly) || description.write(ScreenDescription) != ScreenDescription.size())
        return 1;
    description.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + description.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
