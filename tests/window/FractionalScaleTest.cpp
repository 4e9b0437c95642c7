// The main window on a screen scaled by 1.25 and given more room than its layout: the layout
// is shown at a fractional scale, the screen's times the window's.
#include "tests/support/WindowFixture.h"

#include "ui/ClientArea.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace {

class FractionalScaleTest : public WindowTest {
protected:
    // The window larger than its layout, with an easy game of a known board.
    TForm1& OpenLargerWithBoard()
    {
        TForm1& form = Open(0);
        form.resize(1000, 760);
        // Until the resizing settles the earlier picture is shown stretched: wait for the crisp one.
        EXPECT_TRUE(QTest::qWaitFor(
            [&form] { return form.ClientArea->view().Scale().x > 1.1 && !form.ClientArea->isSettling(); }));
        StartEasyWith(EasyBoardOnePair);
        return form;
    }

    // Board cell (row, col) in the window's device pixels, where it is painted.
    QRect CellOnScreen(int row, int col) const
    {
        const TForm1& form = *form_;
        const QPointF origin = QPointF(form.ClientArea->mapTo(&form, QPoint(0, 0))) * form.devicePixelRatioF();
        const QRect cell(form.BoardRect.Left + col * CellWidth, form.BoardRect.Top + row * CellHeight, CellWidth,
                         CellHeight);
        return form.ClientArea->view().ToDevice(cell).translated(std::lround(origin.x()), std::lround(origin.y()));
    }

    // A press of the left button with the pointer on window device pixel `device`.
    void PressAt(QPoint device)
    {
        const QPointF inWindow = (QPointF(device) + QPointF(0.5, 0.5)) / form_->devicePixelRatioF();
        const QPointF local = inWindow - QPointF(form_->ClientArea->mapTo(form_.get(), QPoint(0, 0)));
        QMouseEvent press(QEvent::MouseButtonPress, local, form_->ClientArea->mapToGlobal(local), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form_->ClientArea, &press);
    }
};

TEST_F(FractionalScaleTest, APressSelectsTheCellUnderThePointerToItsEdgeDevicePixels)
{
    TForm1& form = OpenLargerWithBoard();
    ASSERT_FALSE(form.ClientArea->view().Scale().isWhole());

    const QRect right = CellOnScreen(7, 12);
    PressAt(right.topLeft() - QPoint(1, 0));  // the last device pixel of the cell to its left
    EXPECT_EQ(std::pair(form.Engine->SelRow, form.Engine->SelCol), std::pair(7, 11));
    PressAt(right.bottomRight() + QPoint(0, 1));  // the row below: empty, no change
    PressAt(right.bottomRight());
    EXPECT_EQ(form.Engine->Grid[7][11], EmptyCell) << "the pair is linked";
}

// The board shows in the first frame after a resize, stretched, and crisp once resizing pauses.
TEST_F(FractionalScaleTest, TwoCopiesOfATileArePixelIdenticalOnTheScreenOnceTheResizingSettles)
{
    TForm1& form = OpenLargerWithBoard();
    const auto scale = form.ClientArea->view().Scale();
    form.ClientArea->resize(form.ClientArea->size() - QSize(90, 70));
    ASSERT_FALSE(form.ClientArea->view().Scale() == scale);
    ASSERT_TRUE(form.ClientArea->isSettling());
    const QImage stretched = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(stretched.pixel(CellOnScreen(1, 1).center()) & 0xffffff, 0u) << "no board in the first frame";
    ASSERT_TRUE(QTest::qWaitFor([&form] { return !form.ClientArea->isSettling(); }));
    const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Away from the cursor's frame on (1, 1) and the bevels it casts.
    const QRect first = CellOnScreen(7, 11);
    const QRect second = CellOnScreen(7, 12);
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(screen.copy(first), screen.copy(second)) << "one kind at (7, 11) and (7, 12)";
    EXPECT_NE(screen.copy(first), screen.copy(CellOnScreen(2, 2))) << "another kind differs";
    // The face fills the cell to its far corner, not a small copy of it.
    EXPECT_NE(screen.pixel(first.bottomRight() - QPoint(3, 3)) & 0xffffff, 0u);
}

}  // namespace
