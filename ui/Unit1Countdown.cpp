// The countdown bar and the award banner.
#include "Unit1.h"

#include "platform/MessageBox.h"
#include "platform/ProgressBar.h"
#include "platform/Sound.h"
#include "platform/Timer.h"

#include <QLabel>
#include <QTimer>

QColor BarColor(int position, int maximum)
{
    // The channels move in steps of two: the doubling comes after the division.
    if (position >= maximum / 2)
        return QColor(((maximum - position) * 255) / maximum * 2, 255, 0);
    return QColor(255, (position * 255) / maximum * 2, 0);
}

void TForm1::Timer1Timer()
{
    ProgressBar1->setPosition(ProgressBar1->position() - 1);
    if (ProgressBar1->position() == 0 && Engine) {
        TGameParams& params = *Engine->Params;
        platform::EnableTimer(*Timer1, false);
        if (params.SoundOn)
            platform::PlaySound(QStringLiteral("SNDGAMEOVER"));
        params.SetScore(params.Score + 100);
        platform::ShowDesktopMessageBox(this, tr("时间到\r加时间能量100分"), tr("Zenkara V5"));
        if (Engine)
            EndGame();
    }
    ProgressBar1->setBarColor(BarColor(ProgressBar1->position(), BarMaximum));
}

void TForm1::ShowAward()
{
    if (Engine && Engine->Params->SoundOn)
        platform::PlaySound(QStringLiteral("SNDAWARD"));
    lblAward->setText(Engine ? Engine->AwardText : QString());
    lblAward->show();
    lblAward->raise();
    platform::EnableTimer(*Timer2, true);
}

void TForm1::Timer2Timer()
{
    lblAward->hide();
    platform::EnableTimer(*Timer2, false);
}
