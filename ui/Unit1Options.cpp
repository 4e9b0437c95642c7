// The status panel and the commands of the Options and Help menus.
#include "Unit1.h"

#include "ClientArea.h"
#include "DialogLook.h"
#include "GameTexts.h"
#include "LinkRecord.h"
#include "Unit2.h"
#include "engine/Global.h"
#include "platform/Desktop.h"
#include "platform/Language.h"
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
    TForm1::SetLayoutFont(label, PixelFont(QString::fromUtf16(SongFamily), 16));
    SetTextColour(label, colour);
    FillBackground(label, Qt::black);
    label->setGeometry(left, BarTop, width, BarHeight);
    TForm1::SetLayoutRect(label, label->geometry());
    label->setProperty("designLeft", left);
    label->setProperty(TForm1::DesignWidthProperty, width);
    return label;
}

// The room a value label needs for the widest of the texts it can show, in layout pixels: the
// label's font at its layout size.
int WidestText(const QLabel* label, const QStringList& texts)
{
    QFont font = label->font();
    font.setPixelSize(label->property(TForm1::LayoutFontSizeProperty).toInt());
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

QStringList DifficultyNames()
{
    QStringList names;
    for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty)
        names.append(DifficultyName(difficulty));
    return names;
}

QStringList LevelCaptions()
{
    QStringList captions;
    for (int level = 1; level <= LevelCount; ++level)
        captions.append(LevelCaption(level));
    return captions;
}

int DesignLeft(const QLabel* label)
{
    return label->property("designLeft").toInt();
}

// A caption longer than designed (in another language) takes the room its text needs.
int CaptionWidth(const QLabel* caption)
{
    return std::max(caption->property(TForm1::DesignWidthProperty).toInt(), WidestText(caption, {caption->text()}));
}

// The caption whose buddy the value label is.
QString CaptionOf(const QLabel* value)
{
    for (const QLabel* caption : value->parentWidget()->findChildren<QLabel*>())
        if (caption->buddy() == value)
            return caption->text().trimmed();
    return {};
}

}  // namespace

void TForm1::CreateStatusPanel()
{
    Panel1 = new QWidget(ClientArea);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    FillBackground(Panel1, Qt::black);
    Panel1->setGeometry(0, 0, DesignWidth, PanelHeight);
    SetLayoutRect(Panel1, Panel1->geometry());
    Panel1->hide();

    ProgressBar1 = new platform::ProgressBar(Panel1);
    ProgressBar1->setRange(0, BarMaximum);
    ProgressBar1->setPosition(BarMaximum);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(252, BarTop, 240, BarHeight);
    SetLayoutRect(ProgressBar1, ProgressBar1->geometry());
    ProgressBar1->setAccessibleName(tr("剩余时间"));

    // The values start empty: a game start fills them before the panel shows, and assistive
    // technology, which reads the hidden panel too, finds no made-up values before the first game.
    Label1 = AddPanelLabel(Panel1, 12, 48, tr("难度: "), CaptionColour);
    lblDiff = AddPanelLabel(Panel1, 60, 8, QString(), ValueColour);
    Label2 = AddPanelLabel(Panel1, 100, 40, tr("级别:"), CaptionColour);
    lblLevel = AddPanelLabel(Panel1, 144, 72, QString(), ValueColour);
    Label4 = AddPanelLabel(Panel1, 546, 48, tr("重排: "), CaptionColour);
    lblReSet = AddPanelLabel(Panel1, 594, 8, QString(), ValueColour);
    Label6 = AddPanelLabel(Panel1, 618, 48, tr("提示: "), CaptionColour);
    lblPrompt = AddPanelLabel(Panel1, 666, 8, QString(), ValueColour);
    Label8 = AddPanelLabel(Panel1, 682, 48, tr("得分: "), CaptionColour);
    lblScore = AddPanelLabel(Panel1, 730, 40, QString(), ValueColour);
    for (auto [caption, value] : {std::pair{Label1, lblDiff}, {Label2, lblLevel}, {Label4, lblReSet},
                                  {Label6, lblPrompt}, {Label8, lblScore}})
        caption->setBuddy(value);
}

// The right-hand labels keep their distance from the panel's right edge, as designed for a
// 782-pixel-wide window, and the countdown bar is centred. A count wider than its design width
// moves itself and the labels before it to the left, so that it never runs into the caption
// after it nor out of the panel, and the bar moves left as far as they need.
// The left-hand labels stand at their design places unless a caption or the widest name before
// them takes more room, as in a language whose words are longer; the bar then keeps clear of
// the widest level name and, where the room between the two groups is less than its width,
// gets narrower.
void TForm1::LayOutPanel()
{
    const int panelWidth = LayoutRect(Panel1).width();
    const int designBarWidth = ProgressBar1->property(DesignWidthProperty).toInt();
    // Laid out in full when it shows: measuring its texts loads their glyphs, which the idle
    // window, with the panel hidden, does not need to hold. Till then the bar stands centred.
    if (Panel1->isHidden()) {
        PlaceControl(ProgressBar1, QRect((panelWidth - designBarWidth) / 2, BarTop, designBarWidth, BarHeight));
        return;
    }
    for (QLabel* caption : {Label1, Label2, Label4, Label6, Label8})
        PlaceControl(caption, QRect(LayoutRect(caption).topLeft(), QSize(CaptionWidth(caption), BarHeight)));
    const int shift = panelWidth - DesignWidth;
    int limit = panelWidth;
    for (auto [caption, value] : {std::pair{Label8, lblScore}, {Label6, lblPrompt}, {Label4, lblReSet}}) {
        const int left = std::min(DesignLeft(value) + shift, limit - LayoutRect(value).width());
        MoveControl(value, QPoint(left, LayoutRect(value).y()));
        const int captionLeft = left - std::max(DesignLeft(value) - DesignLeft(caption), LayoutRect(caption).width());
        MoveControl(caption, QPoint(captionLeft, LayoutRect(caption).y()));
        limit = captionLeft - ValueGap;
    }
    int end = 0;
    for (auto [label, room] : {std::pair{Label1, LayoutRect(Label1).width()},
                               {lblDiff, WidestText(lblDiff, DifficultyNames()) + ValueGap},
                               {Label2, LayoutRect(Label2).width()},
                               {lblLevel, WidestText(lblLevel, LevelCaptions()) + ValueGap}}) {
        const int left = std::max(DesignLeft(label), end);
        MoveControl(label, QPoint(left, LayoutRect(label).y()));
        end = left + room;
    }
    const int barWidth = std::min(designBarWidth, limit - end);
    const int centred = (panelWidth - barWidth) / 2;
    PlaceControl(ProgressBar1, QRect(std::max(end, std::min(centred, limit - barWidth)), BarTop, barWidth, BarHeight));
}

void TForm1::ShowLevel() { ShowValue(lblLevel, LevelCaption(Engine->Params->Level)); }

void TForm1::ShowDifficulty()
{
    ShowValue(lblDiff, DifficultyName(Engine->Params->Difficulty));
    LastDifficulty = Engine->Params->Difficulty;
}

void TForm1::ShowHints() { ShowCount(lblPrompt, Engine->Params->Hints); }
void TForm1::ShowResets() { ShowCount(lblReSet, Engine->Params->Resets); }
void TForm1::ShowScore() { ShowCount(lblScore, Engine->Params->Score); }

void TForm1::ShowCount(QLabel* label, std::int32_t count)
{
    ShowValue(label, QString::number(count));
    LayOutPanel();
}

void TForm1::ShowValue(QLabel* value, const QString& text)
{
    value->setText(text);
    FitValue(value);
    // Assistive technology reads the value with its caption.
    value->setAccessibleName(CaptionOf(value) + QLatin1Char(' ') + text);
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
    RedrawCursor();
}

void TForm1::mmiResetClick()
{
    if (!Engine || Engine->Params->Resets == 0)
        return;
    TGameParams& params = *Engine->Params;
    params.SetResets(params.Resets - 1);
    Engine->Reshuffle();
    RedrawCursor();
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
    const QString name = platform::LocalisedFileName(QStringLiteral("ReadMe.txt"));
    const QString readMe = platform::FindInstructions(name);
    if (readMe.isEmpty())
        ShowMenuMessage(tr("找不到游戏说明文件%1！").arg(name), MessageLayout);
    else if (!platform::OpenTextFile(readMe))
        ShowMenuMessage(tr("无法打开游戏说明文件%1！").arg(name), MessageLayout);
}

void TForm1::mmiAboutClick()
{
    ShowMenuMessage(tr("%1\r\r作者：Zenkara之星 开发组").arg(ProgramTitle()), AboutLayout);
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
