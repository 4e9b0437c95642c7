// The status panel and the commands of the Options and Help menus.
#include "Unit1.h"

#include "ClientArea.h"
#include "DialogLook.h"
#include "GameTexts.h"
#include "LinkRecord.h"
#include "Unit2.h"
#include "engine/Global.h"
#include "platform/Desktop.h"
#include "platform/ProgressBar.h"
#include "platform/Sound.h"
#include "platform/System.h"

#include <QAction>
#include <QLabel>

#include <algorithm>
#include <utility>

namespace {

const QColor CaptionColour(128, 128, 0);
const QColor ValueColour(255, 255, 0);
// Between a value and the caption after it at least a space of the panel's font stays free.
constexpr int ValueGap = 8;

QLabel* AddPanelLabel(QWidget* panel, int left, int width, const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text, panel);
    label->setFont(PixelFont(QString::fromUtf16(SongFamily), 16));
    SetTextColour(label, colour);
    FillBackground(label, Qt::black);
    label->setGeometry(left, 4, width, 17);
    label->setProperty("designLeft", left);
    return label;
}

int DesignLeft(const QLabel* label)
{
    return label->property("designLeft").toInt();
}

void SetValue(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

}  // namespace

void TForm1::CreateStatusPanel()
{
    Panel1 = new QWidget(ClientArea);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    FillBackground(Panel1, Qt::black);
    Panel1->setGeometry(0, 0, DesignWidth, PanelHeight);
    Panel1->hide();

    ProgressBar1 = new platform::ProgressBar(Panel1);
    ProgressBar1->setRange(0, BarMaximum);
    ProgressBar1->setPosition(BarMaximum);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(252, 4, 240, 17);

    Label1 = AddPanelLabel(Panel1, 12, 48, QStringLiteral("难度: "), CaptionColour);
    lblDiff = AddPanelLabel(Panel1, 60, 8, QStringLiteral("I"), ValueColour);
    Label2 = AddPanelLabel(Panel1, 100, 40, QStringLiteral("级别:"), CaptionColour);
    lblLevel = AddPanelLabel(Panel1, 144, 72, QStringLiteral("5  无变化"), ValueColour);
    Label4 = AddPanelLabel(Panel1, 546, 48, QStringLiteral("重排: "), CaptionColour);
    lblReSet = AddPanelLabel(Panel1, 594, 8, QStringLiteral("3"), ValueColour);
    Label6 = AddPanelLabel(Panel1, 618, 48, QStringLiteral("提示: "), CaptionColour);
    lblPrompt = AddPanelLabel(Panel1, 666, 8, QStringLiteral("7"), ValueColour);
    Label8 = AddPanelLabel(Panel1, 682, 48, QStringLiteral("得分: "), CaptionColour);
    lblScore = AddPanelLabel(Panel1, 730, 40, QStringLiteral("12000"), ValueColour);
}

// The right-hand labels keep their distance from the panel's right edge, as designed for a
// 782-pixel-wide window, and the countdown bar is centred. A count wider than its design width
// moves itself and the labels before it to the left, so that it never runs into the caption
// after it nor out of the panel, and the bar moves left as far as they need.
void TForm1::LayOutPanel()
{
    const int shift = Panel1->width() - DesignWidth;
    int limit = Panel1->width();
    for (auto [caption, value] : {std::pair{Label8, lblScore}, {Label6, lblPrompt}, {Label4, lblReSet}}) {
        const int left = std::min(DesignLeft(value) + shift, limit - value->width());
        value->move(left, value->y());
        caption->move(left - (DesignLeft(value) - DesignLeft(caption)), caption->y());
        limit = caption->x() - ValueGap;
    }
    const int centred = (Panel1->width() - ProgressBar1->width()) / 2;
    ProgressBar1->move(std::min(centred, limit - ProgressBar1->width()), ProgressBar1->y());
}

void TForm1::ShowLevel() { SetValue(lblLevel, LevelCaption(Engine->Params->Level)); }

void TForm1::ShowDifficulty()
{
    SetValue(lblDiff, DifficultyName(Engine->Params->Difficulty));
    LastDifficulty = Engine->Params->Difficulty;
}

void TForm1::ShowHints() { ShowCount(lblPrompt, Engine->Params->Hints); }
void TForm1::ShowResets() { ShowCount(lblReSet, Engine->Params->Resets); }
void TForm1::ShowScore() { ShowCount(lblScore, Engine->Params->Score); }

void TForm1::ShowCount(QLabel* label, std::int32_t count)
{
    SetValue(label, QString::number(count));
    LayOutPanel();
}

void TForm1::mmiPromptClick()
{
    if (!Engine || Engine->Params->Hints == 0)
        return;
    TGameParams& params = *Engine->Params;
    if (params.SoundOn)
        platform::PlaySound(QStringLiteral("SNDPROMPT"));
    params.SetHints(params.Hints - 1);
    Engine->ShowHint();
}

void TForm1::mmiResetClick()
{
    if (!Engine || Engine->Params->Resets == 0)
        return;
    TGameParams& params = *Engine->Params;
    params.SetResets(params.Resets - 1);
    Engine->Reshuffle();
    if (params.Resets == 0)
        mmiReset->setEnabled(false);
}

void TForm1::S1Click()
{
    if (!Engine)
        return;
    mmiPrompt->setEnabled(Engine->Params->Hints != 0);
    mmiReset->setEnabled(Engine->Params->Resets != 0);
    mmiSound->setChecked(SoundSetting);
    mmiMusic->setChecked(MusicSetting);
}

void TForm1::mmiSoundClick()
{
    // The action has already inverted its own tick.
    SoundSetting = mmiSound->isChecked();
    if (Engine)
        Engine->Params->SoundOn = SoundSetting;
}

void TForm1::mmiMusicClick()
{
    MusicSetting = mmiMusic->isChecked();
    if (Engine)
        Engine->Params->MusicOn = MusicSetting;
}

void TForm1::mmiAnimalClick(int sheet)
{
    PatternSetting = static_cast<std::uint8_t>(sheet);
    if (Engine) {
        Engine->LoadTileSheet();
        FormPaint();
    }
}

// A player who asks for the instructions learns why none open, where the command used to fail
// without a word.
void TForm1::mmiReadMeClick()
{
    const QString name = QStringLiteral("ReadMe.txt");
    const QString readMe = platform::FindInstructions(name);
    if (readMe.isEmpty())
        ShowMenuMessage(QStringLiteral("找不到游戏说明文件") + name + QStringLiteral("！"), MessageLayout);
    else if (!platform::OpenTextFile(readMe))
        ShowMenuMessage(QStringLiteral("无法打开游戏说明文件") + name + QStringLiteral("！"), MessageLayout);
}

void TForm1::mmiAboutClick()
{
    ShowMenuMessage(ProgramTitle() + QStringLiteral("\r\r作者：Zenkara之星 开发组"), AboutLayout);
}

// A box opened from a menu pauses a running game behind it and resumes it when it closes.
void TForm1::ShowMenuMessage(const QString& text, int layout)
{
    if (Engine)
        FocusLost();
    DialogShowing = true;
    ShowMessageBox(this, text, layout);
    DialogShowing = false;
    if (Engine)
        FocusGained();
}

void TForm1::mmiTopScoreClick()
{
    if (Engine) {
        FocusLost();
        LoadScores(Engine->Params->Difficulty);
    } else {
        LoadScores(0);
    }
    DialogShowing = true;
    {
        TTopScore dialog(this);
        if (Engine)
            dialog.ComboBox1->setCurrentIndex(Engine->Params->Difficulty);
        dialog.exec();
    }
    DialogShowing = false;
    if (Engine)
        FocusGained();
}
