#include "tests/support/WindowFixture.h"

#include "engine/Global.h"
#include "platform/Desktop.h"
#include "platform/ProgressBar.h"
#include "platform/Sound.h"
#include "tests/support/ModalAnswer.h"
#include "ui/ClientArea.h"
#include "ui/LinkRecord.h"
#include "ui/Unit2.h"
#include "ui/WriteNameBox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

using CountdownTest = WindowTest;
using PauseTest = WindowTest;
using HoverTest = WindowTest;
using OptionsTest = WindowTest;
using RobustnessTest = WindowTest;

// The title the window system shows for a top-level window. Its Qt window keeps the title as
// set, but the platform window (X11's _NET_WM_NAME, Wayland's toplevel title) gets " — " and the
// application's display name appended when one was set and the title does not already end with it.
QString ShownTitle(QWidget* window)
{
    const QString title = window->windowHandle()->title();
    // Unset, the display name reads as the application name: a changed name tells them apart.
    const QString name = QCoreApplication::applicationName();
    const QString probe = name + QStringLiteral("-probe");
    QCoreApplication::setApplicationName(probe);
    const QString display = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    if (display == probe || title.endsWith(display))
        return title;
    return title + QStringLiteral(" \u2014 ") + display;
}

TEST(BarColourTest, SlidesFromGreenThroughYellowToRed)
{
    EXPECT_EQ(BarColor(310, 310), QColor(0, 255, 0));
    EXPECT_EQ(BarColor(233, 310), QColor(126, 255, 0));
    EXPECT_EQ(BarColor(155, 310), QColor(254, 255, 0));
    EXPECT_EQ(BarColor(154, 310), QColor(255, 252, 0));
    EXPECT_EQ(BarColor(77, 310), QColor(255, 126, 0));
    EXPECT_EQ(BarColor(1, 310), QColor(255, 0, 0));
    EXPECT_EQ(BarColor(0, 310), QColor(255, 0, 0));
}

// The bar is a light groove in a sunken frame over its whole length, filled in the plain bar
// colour, whatever the black status panel around it.
TEST_F(CountdownTest, EachTickLowersTheBarAndSetsItsColourShownInTheGrooveAsAPlainFill)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    form.ProgressBar1->setPosition(156);
    form.Timer1Timer();
    EXPECT_EQ(form.ProgressBar1->position(), 155);
    const QColor barColour(254, 255, 0);
    EXPECT_EQ(form.ProgressBar1->barColor(), barColour);
    const QImage bar = form.ProgressBar1->grab().toImage();
    form.Timer1Timer();
    EXPECT_EQ(form.ProgressBar1->barColor(), QColor(255, 252, 0));

    ASSERT_EQ(bar.size(), QSize(320, 17));
    const int filled = (320 - 2) * 155 / 310;
    for (int x = 1; x <= filled; ++x)
        for (int y = 1; y < 16; ++y)
            ASSERT_EQ(bar.pixelColor(x, y), barColour) << x << ", " << y;
    for (int x = filled + 1; x < 319; ++x)
        ASSERT_EQ(bar.pixelColor(x, 8), platform::ProgressBar::GrooveColor) << x;
    for (int x : {0, 100, 300}) {
        EXPECT_EQ(bar.pixelColor(x, 0), platform::ProgressBar::ShadowColor) << x;
        EXPECT_EQ(bar.pixelColor(x + 1, 16), platform::ProgressBar::HighlightColor) << x;
    }
    EXPECT_EQ(bar.pixelColor(0, 8), platform::ProgressBar::ShadowColor);
    EXPECT_EQ(bar.pixelColor(319, 8), platform::ProgressBar::HighlightColor);
}

// Anchored left and right at the design width, the banner widens with the large window.
TEST_F(CountdownTest, AwardTextIsCentredOnTheWidenedBanner)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    form.Engine->PostAward(QStringLiteral("HIHIHIHI"));
    const QImage banner = form.lblAward->grab().toImage();
    int left = banner.width();
    int right = -1;
    for (int y = 0; y < banner.height(); ++y)
        for (int x = 0; x < banner.width(); ++x)
            if (banner.pixelColor(x, y).red() > 128 && banner.pixelColor(x, y).green() < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left) << "no red text";
    EXPECT_NEAR(form.lblAward->x() + (left + right + 1) / 2.0, 419, 2);
}

TEST_F(CountdownTest, TimeOutAddsAHundredShowsTheBoxAndEndsTheGame)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    form.Engine->Params->SetScore(950);
    form.ProgressBar1->setPosition(1);
    QString text;
    QString caption;
    ModalAnswer<QMessageBox> timeOut([&](QMessageBox* box) {
        text = box->text();
        caption = ShownTitle(box);
        box->accept();
    });
    ModalAnswer<TWriteNameBox> nameEntry([](TWriteNameBox* box) { box->btnNotWrite->click(); });
    form.Timer1Timer();
    EXPECT_EQ(text, QStringLiteral("时间到\n加时间能量100分"));
    EXPECT_EQ(caption, QStringLiteral("Zenkara V5"));
    EXPECT_TRUE(platform::RecordedSounds().contains(QStringLiteral("SNDGAMEOVER")));
    EXPECT_EQ(form.lblScore->text(), QStringLiteral("1050")) << "the 100 points count for the high score";
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_FALSE(form.Timer1->isActive());
}

TEST_F(CountdownTest, AwardBannerShowsWithItsSoundAndASecondAwardDoesNotRestartTheTimer)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    form.Engine->PostAward(QStringLiteral("first"));
    EXPECT_TRUE(form.lblAward->isVisible());
    EXPECT_EQ(form.lblAward->text(), QStringLiteral("first"));
    EXPECT_TRUE(platform::RecordedSounds().contains(QStringLiteral("SNDAWARD")));
    EXPECT_TRUE(form.Timer2->isActive());
    // Long enough that a restart shows through a coarse timer's slack of up to 5 %.
    QTest::qWait(600);
    const int remainingBefore = form.Timer2->remainingTime();
    ASSERT_LT(remainingBefore, 3800);
    form.Engine->PostAward(QStringLiteral("second"));
    EXPECT_EQ(form.lblAward->text(), QStringLiteral("second"));
    EXPECT_LE(form.Timer2->remainingTime(), remainingBefore) << "the running period was restarted";
    form.Timer2Timer();
    EXPECT_FALSE(form.lblAward->isVisible());
    EXPECT_FALSE(form.Timer2->isActive());
}

TEST_F(CountdownTest, AwardWithSoundOffIsSilent)
{
    TForm1& form = Open();
    form.mmiSound->trigger();
    form.mmiEasyClick();
    form.Engine->PostAward(QStringLiteral("quiet"));
    EXPECT_TRUE(form.lblAward->isVisible());
    EXPECT_TRUE(platform::RecordedSounds().isEmpty());
}

TEST_F(PauseTest, LosingActivationPausesAndRegainingItResumes)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    form.ProgressBar1->setPosition(200);
    const QPoint inBoard(form.BoardRect.Left + CellWidth + 20, form.BoardRect.Top + CellHeight + 25);
    const QRgb boardPixel = WindowPixel(inBoard.x(), inBoard.y());
    ASSERT_NE(boardPixel, 0u);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(form.Engine->Params->Paused);
    EXPECT_EQ(WindowPixel(inBoard.x(), inBoard.y()), 0u);
    EXPECT_TRUE(form.imgPauseBall->isVisible());
    EXPECT_TRUE(form.PauseDrawTimer->isActive());
    EXPECT_FALSE(form.Timer1->isActive());

    const QPoint before = form.imgPauseBall->pos();
    form.PauseDrawTimerTimer();
    EXPECT_EQ((form.imgPauseBall->pos() - before).manhattanLength(), 2) << "one pixel per axis";

    Activate();
    EXPECT_FALSE(form.Engine->Params->Paused);
    EXPECT_EQ(WindowPixel(inBoard.x(), inBoard.y()), boardPixel);
    EXPECT_FALSE(form.imgPauseBall->isVisible());
    EXPECT_FALSE(form.PauseDrawTimer->isActive());
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.ProgressBar1->position(), 200);
}

TEST_F(PauseTest, BallBouncesOffTheEdgesAndThePanel)
{
    TForm1& form = Open();
    form.MoveControl(form.imgPauseBall, {form.ClientArea->layoutSize().width() - form.imgPauseBall->width(), PanelHeight});
    form.BallStepX = 1;
    form.BallStepY = -1;
    form.PauseDrawTimerTimer();
    EXPECT_EQ(form.BallStepX, -1);
    EXPECT_EQ(form.BallStepY, 1);
}

TEST_F(PauseTest, NoPauseWhileAGameMessageIsOpen)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    form.Engine->Params->Playing = false;  // as while a level-end message is open
    form.FocusLost();
    EXPECT_FALSE(form.Engine->Params->Paused);
    EXPECT_FALSE(form.imgPauseBall->isVisible());
}

TEST_F(PauseTest, AboutBoxPausesBehindItAndResumesAfter)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    bool pausedBehind = false;
    QString text;
    ModalAnswer<TForm2> about([&](TForm2* box) {
        pausedBehind = form.Engine->Params->Paused && !form.Timer1->isActive();
        text = box->Label1->text();
        box->close();
    });
    form.mmiAboutClick();
    EXPECT_TRUE(pausedBehind);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Zenkara之星 v1.04版\n\n作者：")));
    EXPECT_FALSE(form.Engine->Params->Paused);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_FALSE(form.DialogShowing);
}

TEST_F(PauseTest, HighScoreDialogDuringAHardGameShowsTheHardTable)
{
    TForm1& form = Open();
    form.mmiHardClick();
    QString shown;
    ModalAnswer<TTopScore> dialog([&](TTopScore* box) {
        shown = box->ComboBox1->currentText();
        box->btnClose->click();
    });
    form.mmiTopScoreClick();
    EXPECT_EQ(shown, QStringLiteral("困难"));
    EXPECT_FALSE(form.Engine->Params->Paused);
    EXPECT_TRUE(form.Timer1->isActive());
}

// Source-over of blue at alpha 32 over an opaque pixel, rounded as 8-bit compositing rounds.
QRgb BlendHover(QRgb under)
{
    const auto scale = [](int channel) { return (channel * 223 + 127) / 255; };
    return qRgb(scale(qRed(under)), scale(qGreen(under)), 32 + scale(qBlue(under))) & 0xffffff;
}

TEST_F(HoverTest, TileUnderTheMouseIsFramedAndTintedUntilTheNextRedraw)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(EasyBoardOnePair);
    // The cursor starts on cell (1, 1): the mouse frames the tile beside it.
    const TRect rect = form.CellRect(2, 1);
    EXPECT_EQ(QSize(rect.Right - rect.Left, rect.Bottom - rect.Top), QSize(40, 50));
    const QPoint inside(rect.Left + 20, rect.Top + 30);
    const QRgb tile = WindowPixel(inside.x(), inside.y());

    form.FormMouseMove(inside.x(), inside.y());
    EXPECT_EQ(form.HoverCell, 1 * 14 + 2);
    EXPECT_EQ(WindowPixel(inside.x(), inside.y()), BlendHover(tile));
    EXPECT_EQ(WindowPixel(rect.Left, rect.Top + 25), BlendHover(qRgb(96, 96, 96))) << "grey frame, tinted";

    form.FormMouseMove(form.BoardRect.Left + 5 * CellWidth + 10, form.BoardRect.Top + 5 * CellHeight + 10);
    EXPECT_EQ(form.HoverCell, 1 * 14 + 2) << "an empty cell keeps the highlight";

    form.BlitBoard();
    EXPECT_EQ(WindowPixel(inside.x(), inside.y()), tile);
    form.FormMouseMove(inside.x(), inside.y());
    EXPECT_EQ(WindowPixel(inside.x(), inside.y()), tile) << "the same tile is not highlighted again";

    engine.Params->SetPaused(true);
    const TRect other = form.CellRect(1, 1);
    form.FormMouseMove(other.Left + 20, other.Top + 30);
    EXPECT_EQ(form.HoverCell, 1 * 14 + 2) << "no highlight while paused";
}

TEST_F(OptionsTest, HintSpendsOneAndTheMenuRefreshesOnOpeningButTheLastReshuffleDisablesItsItemAtOnce)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(EasyBoardOnePair);
    engine.Params->SetHints(1);
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(engine.Params->Hints, 0);
    EXPECT_EQ(form.lblPrompt->text(), QStringLiteral("0"));
    EXPECT_TRUE(platform::RecordedSounds().contains(QStringLiteral("SNDPROMPT")));
    EXPECT_EQ(engine.HintRow1, 7);
    EXPECT_TRUE(form.mmiPrompt->isEnabled());
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(engine.Params->Hints, 0) << "no wrap-around below 0";
    form.S1Click();
    EXPECT_FALSE(form.mmiPrompt->isEnabled());

    engine.Params->SetResets(1);
    form.S1Click();
    ASSERT_TRUE(form.mmiReset->isEnabled());
    QTest::keyClick(&form, Qt::Key_F6);
    EXPECT_EQ(engine.Params->Resets, 0);
    EXPECT_EQ(form.lblReSet->text(), QStringLiteral("0"));
    EXPECT_FALSE(form.mmiReset->isEnabled());
}

TEST_F(OptionsTest, WithoutAGameTheMenuChangesNothingOnOpeningAndATileSetOnlyItsSetting)
{
    TForm1& form = Open();
    SoundSetting = false;
    form.S1Click();
    EXPECT_TRUE(form.mmiSound->isChecked());

    form.mmiAnimal2->trigger();
    EXPECT_EQ(PatternSetting, 2);
    EXPECT_TRUE(form.mmiAnimal2->isChecked());
    EXPECT_FALSE(form.mmiAnimal1->isChecked());
}

TEST_F(OptionsTest, TileSetChangeRedrawsEveryTileInItsCell)
{
    TForm1& form = Open();
    form.mmiEasyClick();
    TLink& engine = *form.Engine;
    const TGrid grid = engine.Grid;
    const QImage before = form.ClientArea->canvas().image().copy();
    form.mmiAnimal3->trigger();
    EXPECT_EQ(PatternSetting, 3);
    EXPECT_EQ(engine.Grid, grid);
    const QImage& board = engine.BoardDC.image();
    const QImage shown = form.ClientArea->canvas().image().copy(form.BoardRect.Left, form.BoardRect.Top, board.width(), board.height());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), board.convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(form.ClientArea->canvas().image(), before);
}

TEST_F(OptionsTest, InstructionsOpenReadMeOfTheCurrentDirectoryOrSayItIsMissing)
{
    TForm1& form = Open();
    const QString workingDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    {
        MessageAnswer message;
        form.mmiReadMe->trigger();
        EXPECT_EQ(message.text, QStringLiteral("找不到游戏说明文件ReadMe.txt！"));
    }
    EXPECT_TRUE(platform::RecordedDesktopRequests().isEmpty());

    WriteFile(QStringLiteral("ReadMe.txt"), "text");
    {
        ExpectNoDialog<TForm2> noBox;
        form.mmiReadMe->trigger();
    }
    EXPECT_EQ(platform::RecordedDesktopRequests(), QStringList(QStringLiteral("file:") + FilePath(QStringLiteral("ReadMe.txt"))));
    QDir::setCurrent(workingDir);
}

// Clicks anywhere, every short cut in every state, and activation flipping at any moment.
TEST_F(RobustnessTest, MashingNeverCrashesLeaksAnEngineOrWrapsACounter)
{
    TForm1& form = Open();
    QWidget other;
    other.show();
    ExpectNoDialog<TForm2> messages;
    QRandomGenerator random(20261208);
    const Qt::Key keys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F8};
    for (int step = 0; step < 400; ++step) {
        // Every dialog that may come is answered at once.
        ExpectNoDialog<TWriteNameBox> names;
        ExpectNoDialog<QMessageBox> boxes;
        ExpectNoDialog<TForm2> gameMessages;
        switch (random.bounded(4)) {
        case 0:
            QTest::keyClick(&form, keys[random.bounded(7)]);
            break;
        case 1: {
            const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            QTest::mouseClick(form.ClientArea, buttons[random.bounded(3)], {},
                              QPoint(random.bounded(form.ClientArea->width()), random.bounded(form.ClientArea->height())));
            break;
        }
        case 2:
            form.FormMouseMove(random.bounded(form.ClientArea->width()), random.bounded(form.ClientArea->height()));
            break;
        default:
            if (random.bounded(2))
                other.activateWindow();
            else
                form.activateWindow();
            QTest::qWait(1);
            break;
        }
        if (form.Engine) {
            EXPECT_LT(form.Engine->Params->Hints, 100);
            EXPECT_LT(form.Engine->Params->Resets, 100);
            EXPECT_GE(form.Engine->Params->Score, 0);
        } else {
            EXPECT_FALSE(form.Timer1->isActive());
            EXPECT_FALSE(form.PauseDrawTimer->isActive());
        }
        if (!form.isActiveWindow() && random.bounded(4) == 0)
            Activate();
    }
    EXPECT_EQ(form.findChildren<TLink*>().size(), form.Engine ? 1 : 0) << "never two engines";
}

}  // namespace
