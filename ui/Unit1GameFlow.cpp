// The course of a game: the difficulty commands, the board's place on the window, the end.
#include "Unit1.h"

#include "BoardAccessible.h"
#include "ClientArea.h"
#include "LinkRecord.h"
#include "platform/ProgressBar.h"
#include "platform/Timer.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

void TForm1::mmiEasyClick() { StartDifficulty(mmiEasy, EasySize, 0, 4, 2, 600); }
void TForm1::mmiNormalClick() { StartDifficulty(mmiNormal, NormalSize, 1, 6, 4, 850); }
void TForm1::mmiHardClick() { StartDifficulty(mmiHard, HardSize, 2, 8, 6, 1000); }
void TForm1::mmiSuperClick() { StartDifficulty(mmiSuper, SuperSize, 3, 10, 8, 1150); }

void TForm1::StartDifficulty(QAction* item, TBoardSize size, std::uint8_t difficulty, std::uint8_t hints,
                             std::uint8_t resets, int interval)
{
    // The difficulty items are disabled during a game; a short cut that slips through
    // must not start a second game over the first.
    if (Engine)
        return;
    EnsureLink();
    item->setChecked(true);
    Engine->Params->Rows = size.Rows;
    Engine->Params->Cols = size.Cols;
    Engine->Params->SetDifficulty(difficulty);
    Engine->Params->SetHints(hints);
    Engine->Params->SetResets(resets);
    Timer1->setInterval(interval);
    StartGame();
}

void TForm1::mmiQuitClick()
{
    if (Engine)
        EndGame();
}

void TForm1::EnsureLink()
{
    if (Engine)
        return;
    Engine = new TLink(this, ClientArea->canvas().scale());
    TGameParams& params = *Engine->Params;
    params.OnDifficultyChange = [this](TGameParams*) { ShowDifficulty(); };
    params.OnLevelChange = [this](TGameParams*) { ShowLevel(); };
    params.OnResetsChange = [this](TGameParams*) { ShowResets(); };
    params.OnHintsChange = [this](TGameParams*) { ShowHints(); };
    params.OnScoreChange = [this](TGameParams*) { ShowScore(); };
    params.OnPauseChange = [this](TGameParams*) { ShowPauseScreen(); };
    Engine->OnAward = [this](TLink*) { ShowAward(); };
    Engine->OnRedraw = [this](TLink*) { BlitBoard(); };
    params.SoundOn = mmiSound->isChecked();
    params.MusicOn = mmiMusic->isChecked();
}

void TForm1::StartGame()
{
    Image1->hide();
    HoverCell = EmptyCell;
    HoverCandidate = EmptyCell;
    if (Engine) {
        const TGameParams& params = *Engine->Params;
        const int clientWidth = ClientArea->layoutSize().width();
        const int clientHeight = ClientArea->layoutSize().height();
        BoardRect.Left = (clientWidth - params.Cols * CellWidth - 5) / 2;
        BoardRect.Top = (clientHeight - params.Rows * CellHeight - 5 - PanelHeight) / 2 + PanelHeight;
        BoardRect.Right = params.Cols * CellWidth + BoardRect.Left;
        BoardRect.Bottom = params.Rows * CellHeight + BoardRect.Top;
        Engine->Params->SetScore(0);
        Engine->Params->SetLevel(1);
        ProgressBar1->setPosition(BarMaximum);
    }
    UpdateMenus(false);
    Engine->DealBoard();
    PlaceCursorAtStart();
}

void TForm1::BlitBoard()
{
    if (!Engine)
        return;
    Canvas().blit(BoardRect.Left, BoardRect.Top, Engine->BoardWidth, Engine->BoardHeight, Engine->BoardDC, 0, 0,
                  platform::RasterOp::Copy);
    // Every board change is on the screen before the game goes on: the waits that follow a
    // redraw (the flash, a level end, a reshuffle's pause) block the event loop.
    ClientArea->showNow(QRect(BoardRect.Left, BoardRect.Top, Engine->BoardWidth, Engine->BoardHeight));
}

void TForm1::UpdateMenus(bool idle)
{
    if (idle) {
        for (QAction* item : {mmiEasy, mmiNormal, mmiHard}) {
            item->setEnabled(true);
            item->setChecked(false);
        }
        mmiSuper->setEnabled(IsLargeScreen());
        mmiSuper->setChecked(false);
        mmiQuit->setEnabled(false);
        Panel1->hide();
    } else {
        for (QAction* item : {mmiEasy, mmiNormal, mmiHard, mmiSuper})
            item->setEnabled(false);
        mmiQuit->setEnabled(true);
        platform::EnableTimer(*Timer1, true);
        ProgressBar1->setBarColor(QColor(0, 255, 0));
        Panel1->show();
        LayOutPanel();
    }
    mmiPrompt->setEnabled(Engine && Engine->Params->Hints >= 1);
    mmiReset->setEnabled(Engine && Engine->Params->Resets >= 1);
}

void TForm1::EndGame()
{
    platform::EnableTimer(*Timer1, false);
    delete Engine;
    Engine = nullptr;
    // A game closed while paused must not leave the pause animation running in the idle state.
    PauseDrawTimer->stop();
    imgPauseBall->hide();
    Canvas().fillBlack(QRect(QPoint(0, 0), ClientArea->layoutSize()));
    ClientArea->update();
    AnnounceBoardReset(ClientArea);
    RecordHighScore();
    UpdateMenus(true);
    Image1->show();
    MakePictures();
}

void TForm1::RecordHighScore()
{
    RecordHighScoreFor(this, LastDifficulty, lblScore->text());
}
