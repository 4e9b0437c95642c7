// One turn: a click on the board, the flash of the link, and how the turn may end the board.
#include "Unit1.h"

#include "ClientArea.h"
#include "Unit2.h"
#include "platform/ProgressBar.h"
#include "platform/Sound.h"
#include "platform/System.h"
#include "platform/Timer.h"

#include <QTimer>

namespace {

constexpr int LastLevel = 9;
constexpr int PointsPerPair = 10;
constexpr int BarTicksPerPair = 3;
constexpr int LevelEndWait = 200;

}  // namespace

void TForm1::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    if (button != Qt::LeftButton || !Engine || !BoardRect.Contains(x, y))
        return;
    TGameParams& params = *Engine->Params;
    if (Engine->SelectCell(button, shift, x - BoardRect.Left, y - BoardRect.Top)) {
        ProgressBar1->setPosition(ProgressBar1->position() + BarTicksPerPair);
        params.SetScore(params.Score + PointsPerPair);
        StrokeLinkDark();
        platform::Sleep(50);
        StrokeLinkLight();
        platform::Sleep(30);
        StrokeLinkBright();
        platform::Sleep(50);
        StrokeLinkDark();
        platform::Sleep(30);
        Engine->RemovePair();
        Engine->CollapseBoard();
    }
    if (!SettleBoard())
        return;
    if (params.TilesLeft == 0 && params.Level == LastLevel) {
        platform::EnableTimer(*Timer1, false);
        params.Playing = false;
        if (params.SoundOn)
            platform::PlaySound(QStringLiteral("SNDUPLEVEAL"));
        ShowMessageBox(this, tr("全部过关\r高手中的高手！"), 0);
        // Quitting the application closes the window even behind a message, which ends the game.
        if (!Engine)
            return;
        params.SetScore(ProgressBar1->position() + params.Score);
        params.SetLevel(1);
        NewBoard();
    } else if (params.TilesLeft == 0) {
        ClearLevel();
    }
}

// A board with tiles but no linkable pair is reshuffled at the cost of one reshuffle, or ends
// the game when none is left. Returns false when the game ended.
bool TForm1::SettleBoard()
{
    TGameParams& params = *Engine->Params;
    if (params.TilesLeft == 0 || Engine->FindMove())
        return true;
    if (params.Resets == 0) {
        GameOver();
        return false;
    }
    do
        Engine->Reshuffle();
    while (!Engine->FindMove());
    params.SetResets(params.Resets - 1);
    return true;
}

void TForm1::GameOver()
{
    TGameParams& params = *Engine->Params;
    platform::EnableTimer(*Timer1, false);
    params.Playing = false;
    if (params.SoundOn)
        platform::PlaySound(QStringLiteral("SNDGAMEOVER"));
    ShowMessageBox(this, tr("已无牌可消！"), 0);
    if (Engine)
        EndGame();
}

void TForm1::ClearLevel()
{
    TGameParams& params = *Engine->Params;
    platform::EnableTimer(*Timer1, false);
    params.Playing = false;
    platform::Sleep(LevelEndWait);
    if (params.SoundOn)
        platform::PlaySound(QStringLiteral("SNDUPLEVEAL"));
    platform::Sleep(LevelEndWait);
    const int bonus = ProgressBar1->position();
    ShowMessageBox(this, tr("过关了，恭喜！\r另加%1分。").arg(bonus), 0);
    if (!Engine)
        return;
    params.SetScore(bonus + params.Score);
    params.SetLevel(params.Level + 1);
    NewBoard();
}

void TForm1::NewBoard()
{
    TGameParams& params = *Engine->Params;
    params.SetHints(CounterPlus(params.Hints, 1));
    params.SetResets(CounterPlus(params.Resets, 1));
    ProgressBar1->setPosition(BarMaximum);
    Canvas().fillBlack(QRect(QPoint(0, 0), ClientArea->layoutSize()));
    Engine->DealBoard();
    PlaceCursorAtStart();
    platform::EnableTimer(*Timer1, true);
}

void TForm1::TraceLinkPath()
{
    const auto centre = [this](int col, int row) {
        return QPoint(BoardRect.Left + col * CellWidth + CellWidth / 2, BoardRect.Top + row * CellHeight + CellHeight / 2);
    };
    Canvas().strokePath({centre(Engine->PathStartCol, Engine->PathStartRow),
                         centre(Engine->PathCorner1Col, Engine->PathCorner1Row),
                         centre(Engine->PathCorner2Col, Engine->PathCorner2Row),
                         centre(Engine->PathEndCol, Engine->PathEndRow)},
                        CanvasPen);
}

// A pass strokes the path twice, the second pen on top of the first, and shows it at once:
// the waits between passes block the event loop.
void TForm1::FlashPass(const platform::Pen& first, const platform::Pen& second)
{
    SavedPen = CanvasPen;
    CanvasPen = first;
    TraceLinkPath();
    CanvasPen = second;
    TraceLinkPath();
    CanvasPen = SavedPen;
    ClientArea->showNow();
}

void TForm1::StrokeLinkDark() { FlashPass(PenBlue, PenWhiteThin); }
void TForm1::StrokeLinkLight() { FlashPass(PenLightBlue, PenWhiteThin); }
void TForm1::StrokeLinkBright() { FlashPass(PenLightBlue, PenWhiteWide); }
