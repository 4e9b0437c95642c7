// One whole game through the main window's handlers, from the difficulty command to the name
// entry: a level played to the end on a real deal, a dead board that is reshuffled, the about
// box in the middle of play, and a dead board with no reshuffle left that ends the game.
// Run in the sanitizer build, it is the memory check of a game: every engine, dialog, timer
// and drawing surface it makes must be freed without an invalid access.
#include "tests/support/EnginePlay.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/WindowFixture.h"
#include "ui/LinkRecord.h"
#include "ui/Unit2.h"
#include "ui/WriteNameBox.h"

#include "platform/IniFile.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class FullGameMemoryTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteLowScoreTable();
        Open();
    }

    // Every final score above 10 makes the table, so the game over always asks for a name.
    static void WriteLowScoreTable()
    {
        ResetScores();
        for (int i = 0; i < ScoreCount; ++i)
            ScoreTable[i].Score = ScoreCount - i;
        SaveScores(0);
    }

    TLink& Engine() { return *form_->Engine; }

    // A click on an empty cell selects nothing but settles the board, as any click does.
    void ClickEmptyCell() { ClickCell(4, 6); }
};

TEST_F(FullGameMemoryTest, AWholeGameFromDealToNameEntry)
{
    form_->mmiEasyClick();
    ASSERT_NE(form_->Engine, nullptr);
    // A seeded deal: some clock-seeded deals end the game in the first level.
    Engine().SetRandomSource(SeededRandom(1));
    Engine().DealBoard();

    // The first level, played pair by pair on the dealt board until the level-end message.
    {
        ModalAnswer<TForm2> levelEnd([](TForm2* box) { box->btnOk->click(); });
        const int pairs = Engine().Params->TilesLeft / 2;
        for (int i = 0; i < pairs && form_->Engine && Engine().Params->Level == 1; ++i) {
            const std::optional<CellPair> pair = HintedPair(Engine());
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
    ShowBoard(EasyBoardDeadBlock);
    ClickEmptyCell();
    EXPECT_EQ(Engine().Params->Resets, resets - 1);
    EXPECT_TRUE(HintedPair(Engine()));

    // The about box during play.
    {
        ModalAnswer<TForm2> about([](TForm2* box) { box->btnOk->click(); });
        form_->mmiAboutClick();
    }
    Activate();
    EXPECT_FALSE(Engine().Params->Paused);

    // A dead board with no reshuffle left ends the game, and the top score asks for a name.
    Engine().Params->SetResets(0);
    ShowBoard(EasyBoardDeadBlock);
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

    const platform::IniText scores = platform::IniFile(dir_.filePath(QStringLiteral("Score0.ini"))).Read();
    EXPECT_EQ(scores.ReadString(QStringLiteral("Name"), QStringLiteral("1"), QString()), QStringLiteral("测试员"));
    EXPECT_EQ(scores.ReadInteger(QStringLiteral("Score"), QStringLiteral("1"), 0), finalScore);
}

}  // namespace
