#include "tests/support/ModalAnswer.h"
#include "tests/ui/ScoreFiles.h"

#include "ui/LinkRecord.h"
#include "ui/WriteNameBox.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QStringList GridRow(const TTopScore& dialog, int row)
{
    QStringList texts;
    for (int c = 0; c < dialog.StringGrid1->columnCount(); ++c)
        texts << dialog.StringGrid1->item(row, c)->text();
    return texts;
}

QStringList DefaultRow(int entry)
{
    return {QString::number(entry), QStringLiteral("无名氏"), QString::number(11000 - 1000 * entry),
            QStringLiteral("2008年")};
}

QByteArray FileWithTopName(const QByteArray& name)
{
    return "[Name]\r\n1=" + name + "\r\n[Score]\r\n1=20000\r\n";
}

class ScoreDialogTest : public ScoreFilesTest {
protected:
    // As the main window opens the dialog while no game runs.
    void SetUp() override
    {
        LoadScores(0);
        dialog = std::make_unique<TTopScore>(nullptr);
    }

    // Chooses an item from the drop-down list as the player does.
    void ChooseFromList(int index)
    {
        dialog->ComboBox1->showPopup();
        QAbstractItemView* list = dialog->ComboBox1->view();
        list->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(1);  // the close-up is reported once the choice is applied
    }

    std::unique_ptr<TTopScore> dialog;
};

TEST_F(ScoreDialogTest, WithoutFilesShowsTheEasyDefaults)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zenkara之星 v1.04版"));
    EXPECT_EQ(dialog->ComboBox1->currentText(), QStringLiteral("容易"));
    EXPECT_EQ(GridRow(*dialog, 0), (QStringList{QStringLiteral("排名"), QStringLiteral("姓  名"),
                                                QStringLiteral("成  绩"), QStringLiteral("时  间")}));
    for (int r = 1; r <= ScoreCount; ++r)
        EXPECT_EQ(GridRow(*dialog, r), DefaultRow(r));
}

// Each cell is followed by a one-pixel grid line, and all of them fill the grid.
TEST_F(ScoreDialogTest, GridCellsAreTheirSizePlusOneGridLine)
{
    const int widths[] = {28, 62, 64, 98};
    constexpr int rowHeight = 20;
    constexpr int rowPitch = rowHeight + 1;
    const QTableWidget* grid = dialog->StringGrid1;
    int left = 0;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r <= ScoreCount; ++r)
            EXPECT_EQ(grid->visualItemRect(grid->item(r, c)), QRect(left, r * rowPitch, widths[c], rowHeight))
                << r << " " << c;
        left += widths[c] + 1;
    }
    const QSize cells(left, (ScoreCount + 1) * rowPitch);
    EXPECT_EQ(grid->size(), QSize(261, 237));
    EXPECT_TRUE(grid->viewport()->rect().contains(QRect(QPoint(0, 0), cells)));
    EXPECT_LE(grid->viewport()->width() - cells.width(), 2);  // no empty band at the right
    EXPECT_LE(grid->viewport()->height() - cells.height(), 2);  // nor at the bottom
}

TEST_F(ScoreDialogTest, EveryClosingOfTheListLoadsTheSelectedDifficulty)
{
    ASSERT_TRUE(WriteFileBytes(ScoreFile(2), FileWithTopName("hard")));
    ChooseFromList(2);
    EXPECT_EQ(GridRow(*dialog, 1)[1], QStringLiteral("hard"));

    ASSERT_TRUE(WriteFileBytes(ScoreFile(2), FileWithTopName("again")));
    dialog->ComboBox1->showPopup();
    dialog->ComboBox1->hidePopup();  // dismissed without a new choice
    QTest::qWait(1);
    EXPECT_EQ(GridRow(*dialog, 1)[1], QStringLiteral("again"));
}

TEST_F(ScoreDialogTest, ClearRewritesOnlyTheSelectedDifficulty)
{
    for (int d = 0; d < 4; ++d)
        ASSERT_TRUE(WriteFileBytes(ScoreFile(d), FileWithTopName(QByteArray::number(d))));
    ChooseFromList(1);
    dialog->btnClear->click();
    EXPECT_EQ(GridRow(*dialog, 1), DefaultRow(1));
    LoadScores(1);
    EXPECT_EQ(ScoreTable[0].Score, 10000);
    for (int d : {0, 2, 3})
        EXPECT_EQ(ReadFileBytes(ScoreFile(d)), FileWithTopName(QByteArray::number(d)));
}

TEST_F(ScoreDialogTest, FailedClearIsReportedAndTheDialogStaysUsable)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Score0.ini")));
    {
        ModalAnswer<QMessageBox> error([path = ScoreFile(0)](QMessageBox* box) {
            EXPECT_EQ(box->text(), QStringLiteral("Unable to write to ") + path);
            box->button(QMessageBox::Ok)->click();
        });
        dialog->btnClear->click();
    }
    ModalAnswer<TTopScore> close([](TTopScore* shown) { shown->btnClose->click(); });
    dialog->exec();
}

TEST_F(ScoreDialogTest, EnterClosesTheDialogButEscapeDoesNot)
{
    ModalAnswer<TTopScore> keys([](TTopScore* shown) {
        QTest::keyClick(shown, Qt::Key_Escape);
        EXPECT_TRUE(shown->isVisible());
        QTest::keyClick(shown->btnClose, Qt::Key_Return);
    });
    dialog->exec();
    EXPECT_FALSE(dialog->isVisible());
}

using NameBoxTest = ScoreFilesTest;

TEST_F(NameBoxTest, EnterAtOnceRecordsASingleSpaceAndTypingReplacesIt)
{
    QString name = QStringLiteral("old");
    {
        ModalAnswer<TWriteNameBox> enter([](TWriteNameBox* box) { QTest::keyClick(box->Edit1, Qt::Key_Return); });
        EXPECT_TRUE(AskPlayerName(name, nullptr));
    }
    EXPECT_EQ(name, QStringLiteral(" "));
    ModalAnswer<TWriteNameBox> type([](TWriteNameBox* box) {
        QTest::keyClicks(box->Edit1, QStringLiteral("Li"));
        QTest::keyClick(box->Edit1, Qt::Key_Return);
    });
    EXPECT_TRUE(AskPlayerName(name, nullptr));
    EXPECT_EQ(name, QStringLiteral("Li"));
}

TEST_F(NameBoxTest, OpensAtItsOuterSizeWithMinMaxButtonsAndGrowsButNeverCutsItsControls)
{
    TWriteNameBox box(nullptr);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::qWait(0);
    EXPECT_EQ(box.frameGeometry().size(), QSize(176, 157));
    EXPECT_TRUE(box.windowFlags().testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    box.resize(300, 250);
    EXPECT_EQ(box.size(), QSize(300, 250));
    box.resize(50, 40);
    EXPECT_GE(box.width(), box.btnNotWrite->geometry().right());
    EXPECT_GE(box.height(), box.btnNotWrite->geometry().bottom());
}

TEST_F(NameBoxTest, DecliningOrTheCloseBoxRecordsNothing)
{
    QString name;
    {
        ModalAnswer<TWriteNameBox> decline([](TWriteNameBox* box) {
            box->Edit1->setText(QStringLiteral("Bo"));
            box->btnNotWrite->click();
        });
        EXPECT_FALSE(AskPlayerName(name, nullptr));
    }
    EXPECT_EQ(name, QStringLiteral("Bo"));
    ModalAnswer<TWriteNameBox> closeBox([](TWriteNameBox* box) { box->close(); });
    RecordHighScoreFor(nullptr, 0, QStringLiteral("99999"));
    EXPECT_FALSE(QFile::exists(ScoreFile(0)));
}

}  // namespace
