// The main window on a screen scaled by 2. The scale is fixed when the application object is
// made, so these tests run in a process of their own (tests/support/ScaledMain.cpp).
#include "tests/support/WindowFixture.h"

#include "ui/ClientArea.h"

#include <QScreen>
#include <QTest>

namespace {

constexpr double Scale = ZENKARA_SCREEN_SCALE;

using ScaledWindowTest = WindowTest;

TEST_F(ScaledWindowTest, LargeLayoutShowsWholeAndAClickHitsTheCellUnderThePointer)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->devicePixelRatio(), Scale);
    ASSERT_GT(screen->size().height(), 700);
    TForm1& form = Open(0);  // the screen's own height
    EXPECT_EQ(form.ClientArea->size(), QSize(825, 641));
    EXPECT_TRUE(form.mmiSuper->isEnabled());
    EXPECT_TRUE(screen->availableGeometry().contains(form.frameGeometry())) << "the window is cut off";

    StartEasyWith(EasyBoardOnePair);
    // Through the window system, where logical and device pixels meet.
    const QPoint cell(form.BoardRect.Left + 11 * CellWidth + 3, form.BoardRect.Top + 7 * CellHeight + CellHeight - 3);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, form.ClientArea->mapTo(&form, cell));
    EXPECT_EQ(std::pair(form.Engine->SelRow, form.Engine->SelCol), std::pair(7, 11));
}

}  // namespace
