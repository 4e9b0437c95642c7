#include "tests/support/WindowFixture.h"

#include "platform/ProgressBar.h"
#include "tests/support/ModalAnswer.h"
#include "ui/ClientArea.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <vector>

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, MenusStartInTheirDesignStatesTickingSoundAndTheFirstSheetWithoutSettings)
{
    TForm1& form = Open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zenkara之星 v1.04版"));
    EXPECT_EQ(form.G1->title(), QStringLiteral("游戏(&G)"));
    EXPECT_EQ(form.S1->title(), QStringLiteral("选项(&S)"));
    EXPECT_EQ(form.mmiHelp->title(), QStringLiteral("帮助(&H)"));
    // Sheet 4 stands above sheet 3.
    const QList<QAction*> options = form.S1->actions();
    EXPECT_LT(options.indexOf(form.mmiAnimal4), options.indexOf(form.mmiAnimal3));

    for (QAction* idle : {form.mmiEasy, form.mmiNormal, form.mmiHard, form.mmiSuper})
        EXPECT_TRUE(idle->isEnabled() && !idle->isChecked());
    for (QAction* disabled : {form.mmiQuit, form.mmiPrompt, form.mmiReset, form.mmiMusic})
        EXPECT_FALSE(disabled->isEnabled());
    EXPECT_FALSE(form.mmiMusic->isVisible());
    EXPECT_FALSE(form.Panel1->isVisible());
    EXPECT_TRUE(form.Image1->isVisible());
    EXPECT_EQ(form.Image1->pos(), QPoint(104, 136));
    EXPECT_EQ(form.Engine, nullptr);
    EXPECT_TRUE(form.mmiSound->isChecked());
    EXPECT_FALSE(form.mmiMusic->isChecked());
    EXPECT_TRUE(form.mmiAnimal1->isChecked());
}

TEST_F(MainWindowTest, TicksFollowTheSettingsFile)
{
    for (const auto& [pattern, expected] : std::vector<std::pair<int, int>>{{2, 2}, {3, 3}, {4, 4}, {0, 1}, {5, 1}, {9, 1}}) {
        WriteFile(QStringLiteral("Game.ini"), QByteArray("[GameIni]\r\nMusic=1\r\nSound=0\r\nPattern=") + QByteArray::number(pattern) + "\r\n");
        TForm1& form = Open();
        QAction* sheets[] = {form.mmiAnimal1, form.mmiAnimal2, form.mmiAnimal3, form.mmiAnimal4};
        for (int sheet = 1; sheet <= 4; ++sheet)
            EXPECT_EQ(sheets[sheet - 1]->isChecked(), sheet == expected) << "Pattern=" << pattern;
        EXPECT_EQ(std::pair(form.mmiSound->isChecked(), form.mmiMusic->isChecked()), std::pair(false, true));
    }
}

TEST_F(MainWindowTest, LargeScreenGetsRoomForTheSuperBoard)
{
    TForm1& form = Open(701);
    EXPECT_EQ(form.ClientArea->size(), QSize(825, 641));
    EXPECT_EQ(form.ProgressBar1->width(), 320);
    EXPECT_EQ(form.ProgressBar1->x(), (825 - 320) / 2);
    EXPECT_TRUE(form.mmiSuper->isEnabled());
}

TEST_F(MainWindowTest, ScreenOf700PixelsGetsTheSmallLayoutWithoutSuper)
{
    TForm1& form = Open(700);
    EXPECT_EQ(form.ProgressBar1->width(), 240);
    EXPECT_EQ(form.ProgressBar1->x(), (form.ClientArea->width() - 240) / 2);
    EXPECT_LT(form.ClientArea->height(), 568);
    EXPECT_FALSE(form.mmiSuper->isEnabled());
    QTest::keyClick(&form, Qt::Key_F4);
    EXPECT_EQ(form.Engine, nullptr);

    form.mmiEasyClick();
    form.mmiQuitClick();
    EXPECT_FALSE(form.mmiSuper->isEnabled()) << "the idle menus never enable super on a small screen";
}

TEST_F(MainWindowTest, EnterMinimises)
{
    TForm1& form = Open();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isMinimized());
}

TEST_F(MainWindowTest, ClosingWritesTheSettings)
{
    TForm1& form = Open();
    form.mmiSound->trigger();
    form.mmiAnimal4->trigger();
    QTest::keyClick(&form, Qt::Key_Delete);
    EXPECT_FALSE(form.isVisible());
    const QByteArray text = ReadFile(QStringLiteral("Game.ini")).replace("\r\n", "\n");
    EXPECT_EQ(text, QByteArray("[GameIni]\nMusic=0\nSound=0\nPattern=4\n"));
}

TEST_F(MainWindowTest, UnwritableSettingsAreReportedAndTheWindowStillCloses)
{
    // A directory in the file's place cannot be replaced by a file, even by root.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Game.ini")));
    TForm1& form = Open();
    QString reported;
    ModalAnswer<QMessageBox> answer([&](QMessageBox* box) {
        reported = box->text();
        box->accept();
    });
    form.close();
    EXPECT_EQ(reported, QStringLiteral("Unable to write to ") + FilePath(QStringLiteral("Game.ini")));
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
