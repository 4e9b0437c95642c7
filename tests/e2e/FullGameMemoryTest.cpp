// One whole game through the main window's handlers, from the difficulty command to the name
// entry: a level played to the end on a real deal, a dead board that is reshuffled, the about
// box in the middle of play, and a dead board with no reshuffle left that ends the game.
// Run in the sanitizer build, it is the memory check of a game: every engine, dialog, timer
// and drawing surface it makes must be freed without an invalid access.
#include "tests/engine/BoardText.h"
#include "tests/ui/ModalAnswer.h"
#include "ui/ClientArea.h"
#include "ui/LinkRecord.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/WriteNameBox.h"

#include "platform/Desktop.h"
#include "platform/IniFile.h"
#include "platform/Sound.h"
#include "platform/System.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>

namespace {

struct CellPair {
    int row1, col1, row2, col2;
};

class FullGameMemoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        platform::SetDataDirForTesting(dir_.path());
        platform::SetSleepScaleForTesting(0);
        platform::RecordSounds(true);
        platform::RecordDesktopRequests(true);
        platform::SetScreenHeightForTesting(1024);
        WriteLowScoreTable();
        form_ = std::make_unique<TForm1>();
        form_->show();
        Activate();
    }

    void TearDown() override
    {
        form_.reset();
        platform::SetDataDirForTesting(QString());
        platform::SetScreenHeightForTesting(0);
    }

    // Every final score above 10 makes the table, so the game over always asks for a name.
    void WriteLowScoreTable()
    {
        ResetScores();
        for (int i = 0; i < ScoreCount; ++i)
            ScoreTable[i].Score = ScoreCount - i;
        SaveScores(0);
    }

    void Activate()
    {
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    TLink& Engine() { return *form_->Engine; }

    void ClickCell(int row, int col)
    {
        const QPoint centre(form_->BoardRect.Left + col * CellWidth + CellWidth / 2,
                            form_->BoardRect.Top + row * CellHeight + CellHeight / 2);
        QTest::mouseClick(form_->ClientArea, Qt::LeftButton, Qt::NoModifier, centre);
    }

    // The first pair of equal tiles that the link rule joins, in reading order.
    std::optional<CellPair> FindLinkablePair()
    {
        const TGrid grid = Engine().Grid;
        for (int r1 = 0; r1 < int(grid.size()); ++r1)
            for (int c1 = 0; c1 < int(grid[r1].size()); ++c1)
                for (int r2 = r1; r2 < int(grid.size()); ++r2)
                    for (int c2 = 0; c2 < int(grid[r2].size()); ++c2) {
                        const bool later = r2 > r1 || c2 > c1;
                        if (later && grid[r1][c1] != EmptyCell && grid[r1][c1] == grid[r2][c2]
                            && Engine().CanLink(c1, r1, c2, r2))
                            return CellPair{r1, c1, r2, c2};
                    }
        return std::nullopt;
    }

    void ShowDeadBoard()
    {
        SetBoard(Engine(), EasyBoardDeadBlock);
        Engine().CountMoves();
        Engine().RenderBoard();
    }

    // A click on an empty cell selects nothing but settles the board, as any click does.
    void ClickEmptyCell() { ClickCell(4, 6); }

    QTemporaryDir dir_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(FullGameMemoryTest, AWholeGameFromDealToNameEntry)
{
    form_->mmiEasyClick();
    ASSERT_NE(form_->Engine, nullptr);
    // A seeded deal: some clock-seeded deals end the game in the first level.
    Engine().SetRandomSource([generator = std::mt19937(1)](std::int32_t n) mutable {
        return static_cast<std::int32_t>(generator() % static_cast<std::uint32_t>(n));
    });
    Engine().DealBoard();

    // The first level, played pair by pair on the dealt board until the level-end message.
    {
        ModalAnswer<TForm2> levelEnd([](TForm2* box) { box->btnOk->click(); });
        const int pairs = Engine().Params->TilesLeft / 2;
        for (int i = 0; i < pairs && form_->Engine && Engine().Params->Level == 1; ++i) {
            const std::optional<CellPair> pair = FindLinkablePair();
            ASSERT_TRUE(pair) << "no linkable pair with " << Engine().Params->TilesLeft << " tiles left";
            ClickCell(pair->row1, pair->col1);
            ClickCell(pair->row2, pair->col2);
        }
    }
    Activate();
    ASSERT_NE(form_->Engine, nullptr) << "the first level ended the game";
    ASSERT_EQ(Engine().Params->Level, 2);
    ASSERT_EQ(Engine().Params->TilesLeft, 84);

    // A dead board with a reshuffle in stock is reshuffled until a pair can be linked.
    const int resets = Engine().Params->Resets;
    ShowDeadBoard();
    ClickEmptyCell();
    EXPECT_EQ(Engine().Params->Resets, resets - 1);
    EXPECT_TRUE(FindLinkablePair());

    // The about box during play.
    {
        ModalAnswer<TForm2> about([](TForm2* box) { box->btnOk->click(); });
        form_->mmiAboutClick();
    }
    Activate();
    EXPECT_FALSE(Engine().Params->Paused);

    // A dead board with no reshuffle left ends the game, and the top score asks for a name.
    Engine().Params->SetResets(0);
    ShowDeadBoard();
    const int finalScore = Engine().Params->Score;
    {
        ModalAnswer<TForm2> gameOver([](TForm2* box) { box->btnOk->click(); });
        ModalAnswer<TWriteNameBox> nameEntry([](TWriteNameBox* box) {
            box->Edit1->setText(QStringLiteral("测试员"));
            box->btnWrite->click();
        });
        ClickEmptyCell();
    }
    EXPECT_EQ(form_->Engine, nullptr);

    const platform::IniFile scores(dir_.filePath(QStringLiteral("Score0.ini")));
    EXPECT_EQ(scores.ReadString(QStringLiteral("Name"), QStringLiteral("1"), QString()), QStringLiteral("测试员"));
    EXPECT_EQ(scores.ReadInteger(QStringLiteral("Score"), QStringLiteral("1"), 0), finalScore);
}

}  // namespace
