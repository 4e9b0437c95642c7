// Pausing when the window loses the focus, the window's paint handler, and the hover highlight.
#include "Unit1.h"

#include "ClientArea.h"
#include "platform/ProgressBar.h"
#include "platform/Timer.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace {

const QColor HoverFill(0, 0, 255, 32);

bool IsRunning(const TLink* engine)
{
    return engine && engine->Params->Playing;
}

}  // namespace

void TForm1::FocusLost()
{
    platform::EnableTimer(*Timer1, false);
    if (!IsRunning(Engine) || ProgressBar1->position() == 0 || Engine->Params->Paused || DialogShowing)
        return;
    // Uniform in 0 .. client size - picture size - 1 on each axis.
    const QSize client = ClientArea->layoutSize();
    const QSize ball = LayoutRect(imgPauseBall).size();
    const int maxLeft = std::max(1, client.width() - ball.width());
    const int maxTop = std::max(1, client.height() - ball.height());
    MoveControl(imgPauseBall, {QRandomGenerator::global()->bounded(maxLeft), QRandomGenerator::global()->bounded(maxTop)});
    Engine->Params->SetPaused(true);
}

void TForm1::ShowPauseScreen()
{
    if (!Engine || !Engine->Params->Paused)
        return;
    Canvas().fillBlack(QRect(QPoint(0, 0), ClientArea->layoutSize()));
    ClientArea->update();
    imgPauseBall->show();
    MakePictures();
    platform::EnableTimer(*PauseDrawTimer, true);
}

void TForm1::PauseDrawTimerTimer()
{
    const QRect ball = LayoutRect(imgPauseBall);
    const QSize client = ClientArea->layoutSize();
    if (ball.left() <= 0)
        BallStepX = 1;
    else if (ball.left() + ball.width() >= client.width())
        BallStepX = -1;
    if (ball.top() <= PanelHeight)
        BallStepY = 1;
    else if (ball.top() + ball.height() >= client.height())
        BallStepY = -1;
    MoveControl(imgPauseBall, {ball.left() + BallStepX, ball.top() + BallStepY});
}

void TForm1::FocusGained()
{
    if (!IsRunning(Engine) || DialogShowing || ProgressBar1->position() == 0)
        return;
    platform::EnableTimer(*PauseDrawTimer, false);
    imgPauseBall->hide();
    Engine->Params->SetPaused(false);
    Engine->Changed(true);
    // Back at the board, the player finds the cursor where it stood.
    RedrawCursor();
    platform::EnableTimer(*Timer1, true);
}

void TForm1::FormPaint()
{
    if (!Engine)
        return;
    if (Engine->Params->Paused)
        ShowPauseScreen();
    else
        BlitBoard();
}

TRect TForm1::CellRect(int col, int row) const
{
    const int left = BoardRect.Left + col * CellWidth;
    const int top = BoardRect.Top + row * CellHeight;
    return {left + 1, top + 1, left + CellWidth, top + CellHeight};
}

void TForm1::FormMouseMove(int x, int y)
{
    if (!Engine || !BoardRect.Contains(x, y) || Engine->Params->Paused)
        return;
    const TGameParams& params = *Engine->Params;
    const int col = (x - BoardRect.Left) / CellWidth;
    const int row = (y - BoardRect.Top) / CellHeight;
    if (col > params.Cols - 1 || row > params.Rows - 1 || Engine->Grid.empty())
        return;
    if (Engine->Grid[row][col] == EmptyCell)
        return;
    HoverCandidate = row * params.Cols + col;
    if (HoverCandidate == HoverCell)
        return;
    MoveCursor(row, col);
}

void TForm1::DrawHover(const TRect& rect)
{
    const QRect area(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
    Canvas().frameRect(area, CanvasPen);
    Canvas().fillTranslucent(area, HoverFill);
    ClientArea->update();
}
