// The main window with real sound, for sound_timing.sh: an easy game on a board of one pair, so
// that two clicks clear the level. It prints where the two tiles are on the screen and when the
// level-end message box shows, in milliseconds since the epoch, then answers the box and quits.
//
// Usage: sound_timing_app <folder for the settings file>
#include "tests/support/BoardText.h"
#include "ui/ClientArea.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include "platform/System.h"

#include <QApplication>
#include <QDateTime>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int BoxAnswerDelay = 1500;

const BoardRows OnePair = {
    "..............",
    "..............",
    "..............",
    "...a......a...",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
};

// Notes when the game's message box shows, closes it after a while and ends the program.
class BoxWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<TForm2*>(watched)) {
            std::printf("box %lld\n", QDateTime::currentMSecsSinceEpoch());
            std::fflush(stdout);
            auto* box = static_cast<TForm2*>(watched);
            QTimer::singleShot(BoxAnswerDelay, box, [box] {
                box->close();
                QApplication::exit(0);
            });
        }
        return false;
    }
};

void PrintCell(const TForm1& form, const char* name, int row, int col)
{
    const QPoint centre(form.BoardRect.Left + col * CellWidth + CellWidth / 2,
                        form.BoardRect.Top + row * CellHeight + CellHeight / 2);
    const QPoint screen = form.ClientArea->mapToGlobal(centre);
    std::printf("%s %d %d\n", name, screen.x(), screen.y());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder for the settings file>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    platform::SetDataDirForTesting(QString::fromLocal8Bit(argv[1]));
    BoxWatcher watcher;
    app.installEventFilter(&watcher);

    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.mmiEasyClick();
    TLink& engine = *form.Engine;
    const std::int32_t backStyle = engine.Params->BackStyle;
    SetBoard(engine, OnePair);
    engine.Params->BackStyle = backStyle;
    engine.CountMoves();
    engine.RenderBoard();
    // Let the window manager's placement settle before the positions are read.
    QTest::qWait(300);
    PrintCell(form, "first", 3, 3);
    PrintCell(form, "second", 3, 10);
    std::fflush(stdout);
    return QApplication::exec();
}
