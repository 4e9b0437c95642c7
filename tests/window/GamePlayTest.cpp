#include "tests/support/WindowFixture.h"

#include "platform/ProgressBar.h"
#include "platform/Sound.h"
#include "platform/System.h"
#include "tests/support/ModalAnswer.h"
#include "ui/ClientArea.h"
#include "ui/Unit2.h"
#include "ui/WriteNameBox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace {

using GamePlayTest = WindowTest;

// A game's counts, compared in one check: level, score, hints, reshuffles and tiles left.
std::tuple<int, int, int, int, int> Counts(const TGameParams& params)
{
    return {params.Level, params.Score, params.Hints, params.Resets, params.TilesLeft};
}

// Gives up without entering a name when a score qualifies.
void DeclineNameEntry(TForm1& form)
{
    ExpectNoDialog<TWriteNameBox> noNameEntry;
    form.mmiQuitClick();
}

TEST_F(GamePlayTest, EasyGameStartsCentredWithItsStocks)
{
    TForm1& form = Open();
    QTest::keyClick(&form, Qt::Key_F1);
    ASSERT_NE(form.Engine, nullptr);
    const TGameParams& params = *form.Engine->Params;
    EXPECT_EQ(std::tie(form.BoardRect.Left, form.BoardRect.Top, form.BoardRect.Right, form.BoardRect.Bottom),
              std::make_tuple(123, 100, 123 + 14 * CellWidth, 100 + 9 * CellHeight));
    EXPECT_EQ(Counts(params), std::make_tuple(1, 0, 4, 2, 84));
    EXPECT_TRUE(params.Playing);
    EXPECT_EQ(form.ProgressBar1->position(), 310);
    EXPECT_EQ(form.ProgressBar1->barColor(), QColor(0, 255, 0));
    EXPECT_EQ(form.Timer1->interval(), 600);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_TRUE(form.Panel1->isVisible());
    EXPECT_FALSE(form.Image1->isVisible());
    EXPECT_EQ((QStringList{form.lblDiff->text(), form.lblLevel->text(), form.lblPrompt->text(), form.lblReSet->text(),
                           form.lblScore->text()}),
              (QStringList{QStringLiteral("容易"), QStringLiteral("1  无变化"), "4", "2", "0"}));
    // The board bitmap is on the window (away from the cursor's frame on cell (1, 1)), black around it.
    const QImage& board = form.Engine->BoardDC.image();
    EXPECT_EQ(WindowPixel(123 + 100, 100 + 130), board.pixel(100, 130) & 0xffffff);
    EXPECT_EQ(WindowPixel(50, 300), 0u);
}

TEST_F(GamePlayTest, LongCountsPushTheLabelsBeforeThemAsideWithinThePanel)
{
    TForm1& form = Open();
    QTest::keyClick(&form, Qt::Key_F1);
    form.Engine->Params->SetHints(255);
    form.Engine->Params->SetResets(255);
    form.Engine->Params->SetScore(1234567);
    // Left to right, no control reaches into the next (a caption's own trailing space parts it
    // from its count), the last inside the panel.
    int end = 0;
    for (QWidget* control : std::initializer_list<QWidget*>{form.lblLevel, form.ProgressBar1, form.Label4, form.lblReSet,
                                                           form.Label6, form.lblPrompt, form.Label8, form.lblScore}) {
        const auto* label = qobject_cast<QLabel*>(control);
        EXPECT_LE(end, control->x()) << (label ? label->text().toStdString() : "the countdown bar");
        end = control->x() + (label ? label->fontMetrics().horizontalAdvance(label->text()) : control->width());
    }
    EXPECT_LE(end, form.Panel1->width());
    ModalAnswer<TWriteNameBox> answer([](TWriteNameBox* box) { box->btnNotWrite->click(); });
    form.mmiQuitClick();
}

TEST_F(GamePlayTest, StartPositionsOfTheOtherBoards)
{
    TForm1& form = Open();
    const std::vector<std::tuple<QAction*, int, int, int>> starts = {
        {form.mmiNormal, 82, 75, 850}, {form.mmiHard, 41, 49, 1000}, {form.mmiSuper, 0, 24, 1150}};
    for (const auto& [item, left, top, interval] : starts) {
        item->trigger();
        EXPECT_EQ(form.BoardRect.Left, left);
        EXPECT_EQ(form.BoardRect.Top, top);
        EXPECT_EQ(form.Timer1->interval(), interval);
        EXPECT_TRUE(item->isChecked());
        DeclineNameEntry(form);
    }
}

TEST_F(GamePlayTest, DifficultyKeysDoNothingDuringAGameAndGiveUpNothingWhileIdle)
{
    TForm1& form = Open();
    QTest::keyClick(&form, Qt::Key_F8);
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_FALSE(form.Timer1->isActive());

    QTest::keyClick(&form, Qt::Key_F2);
    TLink* engine = form.Engine;
    ASSERT_NE(engine, nullptr);
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(&form, key);
    EXPECT_EQ(form.Engine, engine);
    EXPECT_EQ(form.Engine->Params->Difficulty, 1);
    for (QAction* item : {form.mmiEasy, form.mmiNormal, form.mmiHard, form.mmiSuper})
        EXPECT_FALSE(item->isEnabled());
    EXPECT_TRUE(form.mmiNormal->isChecked());
    EXPECT_TRUE(form.mmiQuit->isEnabled());

    QTest::keyClick(&form, Qt::Key_F8);
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_FALSE(form.Panel1->isVisible());
    EXPECT_TRUE(form.Image1->isVisible());
    for (QAction* item : {form.mmiEasy, form.mmiNormal, form.mmiHard, form.mmiSuper})
        EXPECT_TRUE(item->isEnabled() && !item->isChecked());
    EXPECT_FALSE(form.mmiQuit->isEnabled());
    EXPECT_FALSE(form.mmiPrompt->isEnabled());
}

TEST_F(GamePlayTest, MatchScoresFillsTheBarRemovesThePairAndFlashes)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith({
        "..............",
        ".a..a.........",
        ".b...........b",
    });
    engine.Params->TilesLeft = 4;
    form.ProgressBar1->setPosition(309);
    ClickCell(1, 1);
    ClickCell(1, 4);
    EXPECT_EQ(engine.Params->Score, 10);
    EXPECT_EQ(form.ProgressBar1->position(), 310);
    EXPECT_EQ(BoardText(engine)[1], "..............");
    EXPECT_EQ(engine.Params->TilesLeft, 2);
    EXPECT_EQ(form.lblScore->text(), QStringLiteral("10"));
    EXPECT_EQ(platform::RecordedSounds(), QStringList({"SNDCLICK", "SNDDISP"}));
    // The board on the window is the redrawn bitmap: the flash is wiped.
    EXPECT_EQ(WindowPixel(form.BoardRect.Left + 2 * CellWidth + 20, form.BoardRect.Top + CellHeight + 25),
              engine.BoardDC.image().pixel(2 * CellWidth + 20, CellHeight + 25) & 0xffffff);
}

TEST_F(GamePlayTest, MatchOnLevelTwoSlidesTheTilesAboveDownAndShowsIt)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith({
        "..............",
        ".c..c.........",
        ".a..a.........",
        ".b...........b",
    });
    engine.Params->SetLevel(2);
    ClickCell(2, 1);
    ClickCell(2, 4);
    EXPECT_EQ(BoardText(engine), EasyBoard({
                                     "..............",
                                     "..............",
                                     ".c..c.........",
                                     ".b...........b",
                                 }));
    const QImage& board = engine.BoardDC.image();
    for (const QPoint cell : {QPoint(1 * CellWidth + 20, 1 * CellHeight + 25), QPoint(1 * CellWidth + 20, 2 * CellHeight + 25)})
        EXPECT_EQ(WindowPixel(form.BoardRect.Left + cell.x(), form.BoardRect.Top + cell.y()), board.pixel(cell) & 0xffffff);
    EXPECT_EQ(WindowPixel(form.BoardRect.Left + CellWidth + 20, form.BoardRect.Top + CellHeight + 25), 0u)
        << "the cell the tile left is black";
}

// Counts the pixels of each colour on the vertical cross-section through (x, y).
std::map<QRgb, int> CrossSection(int x, int y, int reach, const std::function<QRgb(int, int)>& pixel)
{
    std::map<QRgb, int> counts;
    for (int dy = -reach; dy <= reach; ++dy)
        ++counts[pixel(x, y + dy)];
    return counts;
}

TEST_F(GamePlayTest, FlashPassesDrawThePathWithTheirPensOnTheWindow)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(EasyBoardOnePair);
    // Two turns through the empty top row: (col 1, row 1) -> (1, 0) -> (5, 0) -> (5, 3).
    engine.StorePath4(1, 1, 5, 3, 1, 0, 5, 0);
    const int left = form.BoardRect.Left;
    const int top = form.BoardRect.Top;
    const int xMid = left + 3 * CellWidth + 20;  // on the top segment, far from its corners
    const int y0 = top + 25;                     // row 0's centre line, on black
    const auto pixel = [this](int x, int y) { return WindowPixel(x, y); };
    const QRgb white = 0xffffff;
    const QRgb blue = qRgb(62, 62, 255) & 0xffffff;
    const QRgb lightBlue = qRgb(122, 122, 255) & 0xffffff;

    form.StrokeLinkDark();
    auto counts = CrossSection(xMid, y0, 8, pixel);
    EXPECT_EQ(counts[white], 2);
    EXPECT_EQ(counts[blue], 4);
    EXPECT_EQ(WindowPixel(xMid, y0), white);

    form.StrokeLinkLight();
    counts = CrossSection(xMid, y0, 8, pixel);
    EXPECT_EQ(counts[white], 2);
    EXPECT_EQ(counts[lightBlue], 4);

    form.StrokeLinkBright();
    counts = CrossSection(xMid, y0, 8, pixel);
    EXPECT_EQ(counts[white], 4);
    EXPECT_EQ(counts[lightBlue], 2);
    EXPECT_EQ(counts[0], 17 - 6) << "nothing beyond the 6-pixel pen";

    // The vertical segment runs down column 5 to row 3.
    EXPECT_EQ(WindowPixel(left + 5 * CellWidth + 20, top + 2 * CellHeight + 25), white);
    // The hover pen is selected again after each pass.
    EXPECT_EQ(form.CanvasPen.color, QColor(96, 96, 96));
    EXPECT_EQ(form.CanvasPen.width, 3);
}

TEST_F(GamePlayTest, ClearingALevelPaysTheBarAndDealsTheNext)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(EasyBoardLastPair);
    engine.Params->SetLevel(4);
    form.ProgressBar1->setPosition(197);
    MessageAnswer message;
    ClickCell(1, 1);
    ClickCell(1, 2);
    EXPECT_EQ(message.text, QStringLiteral("过关了，恭喜！\r另加200分。").replace(QLatin1Char('\r'), QLatin1Char('\n')));
    const TGameParams& params = *engine.Params;
    EXPECT_EQ(Counts(params), std::make_tuple(5, 10 + 200, 5, 3, 84));
    EXPECT_EQ(form.lblLevel->text(), QStringLiteral("5  左右分离"));
    EXPECT_TRUE(params.Playing);
    EXPECT_EQ(form.ProgressBar1->position(), 310);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_TRUE(platform::RecordedSounds().contains(QStringLiteral("SNDUPLEVEAL")));
    EXPECT_EQ(form.Engine, &engine) << "a level change keeps the engine";
}

// The waits of a level end block the event loop: what the screen shows during them is what was
// painted before them.
TEST_F(GamePlayTest, TheEmptiedBoardIsOnTheScreenDuringTheLevelEndWaits)
{
    TForm1& form = Open();
    StartEasyWith(EasyBoardLastPair);
    const QRect board(form.ClientArea->mapTo(&form, QPoint(form.BoardRect.Left, form.BoardRect.Top)),
                      QSize(form.Engine->BoardWidth, form.Engine->BoardHeight));
    std::vector<QImage> grabs;
    platform::SetSleepObserverForTesting([&](int milliseconds) {
        if (milliseconds == 200)
            grabs.push_back(form.screen()->grabWindow(form.winId()).toImage().copy(board));
    });
    MessageAnswer message;
    ClickCell(1, 1);
    ClickCell(1, 2);
    platform::SetSleepObserverForTesting({});
    QImage empty(board.size(), QImage::Format_RGB32);
    empty.fill(Qt::black);
    ASSERT_EQ(grabs.size(), 2u);
    for (const QImage& grab : grabs)
        EXPECT_EQ(grab.convertToFormat(QImage::Format_RGB32), empty) << "the last pair or its flash still shows";
}

// Quitting the application closes the main window even behind a modal message.
TEST_F(GamePlayTest, ClosingTheWindowBehindTheLevelEndMessageEndsTheGameCleanly)
{
    TForm1& form = Open();
    StartEasyWith(EasyBoardLastPair);
    ExpectNoDialog<TWriteNameBox> name;
    ModalAnswer<TForm2> message([&](TForm2* box) {
        form.close();
        box->close();
    });
    ClickCell(1, 1);
    ClickCell(1, 2);
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Timer1->isActive());
}

TEST_F(GamePlayTest, ClearingLevelNineGoesBackToLevelOne)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith({
        "..............",
        "..............",
        ".a............",
        ".a............",
    });
    engine.Params->SetLevel(9);
    engine.Params->SetScore(1000);
    form.ProgressBar1->setPosition(100);
    MessageAnswer message;
    ClickCell(2, 1);
    ClickCell(3, 1);
    EXPECT_EQ(message.text, QStringLiteral("全部过关\n高手中的高手！"));
    EXPECT_EQ(Counts(*engine.Params), std::make_tuple(1, 1000 + 10 + 103, 5, 3, 84));
}

TEST_F(GamePlayTest, FullStocksDoNotWrapRoundAtALevelEnd)
{
    Open();
    TLink& engine = StartEasyWith(EasyBoardLastPair);
    engine.Params->SetHints(255);
    engine.Params->SetResets(255);
    MessageAnswer message;
    ClickCell(1, 1);
    ClickCell(1, 2);
    EXPECT_EQ(engine.Params->Level, 2);
    EXPECT_EQ(engine.Params->Hints, 255);
    EXPECT_EQ(engine.Params->Resets, 255);
}

TEST_F(GamePlayTest, DeadBoardIsReshuffledAtTheCostOfOneReshuffle)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(EasyBoardDeadBlock);
    engine.Params->SetResets(1);
    ClickCell(5, 5);  // an empty cell still runs the dead-board check
    EXPECT_EQ(engine.Params->Resets, 0);
    EXPECT_EQ(form.lblReSet->text(), QStringLiteral("0"));
    EXPECT_TRUE(engine.FindMove());
    EXPECT_NE(form.Engine, nullptr);
    EXPECT_TRUE(platform::RecordedSounds().contains(QStringLiteral("SNDRESET")));
}

TEST_F(GamePlayTest, DeadBoardWithoutReshufflesEndsTheGameAtALeftClickOnIt)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(EasyBoardDeadBlock);
    engine.Params->SetResets(0);
    ClickCell(1, 1, Qt::RightButton);
    QTest::mouseClick(form.ClientArea, Qt::LeftButton, {}, QPoint(form.BoardRect.Right, form.BoardRect.Top + 60));
    QTest::mouseClick(form.ClientArea, Qt::LeftButton, {}, QPoint(form.BoardRect.Left + 60, form.BoardRect.Bottom));
    QTest::mouseClick(form.ClientArea, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.Engine, &engine) << "a click off the board or with another button ran the dead-board check";
    EXPECT_EQ(engine.SelRow, EmptyCell);

    MessageAnswer message;
    ClickCell(1, 1);
    EXPECT_EQ(message.text, QStringLiteral("已无牌可消！"));
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_TRUE(platform::RecordedSounds().contains(QStringLiteral("SNDGAMEOVER")));
    EXPECT_TRUE(form.Image1->isVisible());
}

TEST_F(GamePlayTest, GivingUpWithATopScoreRecordsTheName)
{
    TForm1& form = Open();
    QTest::keyClick(&form, Qt::Key_F3);
    form.Engine->Params->SetScore(5000);
    ModalAnswer<TWriteNameBox> answer([](TWriteNameBox* box) {
        box->Edit1->setText(QStringLiteral("玩家"));
        QTest::keyClick(box->Edit1, Qt::Key_Return);
    });
    QTest::keyClick(&form, Qt::Key_F8);
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_FALSE(form.Panel1->isVisible());
    const QByteArray file = ReadFile(QStringLiteral("Score2.ini"));
    EXPECT_TRUE(file.contains(QByteArray("7=\xcd\xe6\xbc\xd2"))) << "GBK name as entry 7";
    EXPECT_TRUE(file.contains("7=5000"));
}

}  // namespace
