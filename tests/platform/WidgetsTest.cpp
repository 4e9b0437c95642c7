#include "platform/MessageBox.h"
#include "platform/ProgressBar.h"
#include "platform/Timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace platform;

namespace {

// What a box showed: its caption, text and icon, and how many buttons it had.
using SeenBox = std::tuple<QString, QString, QMessageBox::Icon, int>;

// Shows a box through `show`, reads it while it is up and answers it with its button.
SeenBox Answer(const std::function<void()>& show)
{
    SeenBox seen{QString(), QString(), QMessageBox::NoIcon, 0};
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = SeenBox(box->windowTitle(), box->text(), box->icon(), int(box->buttons().size()));
        box->buttons().first()->click();
    });
    show();
    return seen;
}

}  // namespace

TEST(ProgressBar, PositionIsClampedToTheRange)
{
    ProgressBar bar;
    bar.setRange(0, 310);
    bar.setPosition(309);
    bar.setPosition(bar.position() + 3);
    EXPECT_EQ(bar.position(), 310);
    bar.setPosition(-5);
    EXPECT_EQ(bar.position(), 0);
    bar.setPosition(120);
    EXPECT_EQ(bar.position(), 120);
}

TEST(Timer, EnablingARunningTimerDoesNotRestartIt)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);  // a coarse timer may report up to 5% more time left
    timer.setInterval(4000);
    EnableTimer(timer, true);
    ASSERT_TRUE(timer.isActive());
    QThread::msleep(100);
    EnableTimer(timer, true);
    EXPECT_TRUE(timer.isActive());
    EXPECT_LE(timer.remainingTime(), 3950);  // a restart would have set it back to 4000

    EnableTimer(timer, false);
    EXPECT_FALSE(timer.isActive());
    EnableTimer(timer, false);
    EXPECT_FALSE(timer.isActive());
    EnableTimer(timer, true);
    EXPECT_GT(timer.remainingTime(), 3950);  // a stopped timer starts afresh
}

TEST(MessageBox, ShowsTextWithLineBreaksCaptionAndOneButton)
{
    EXPECT_EQ(Answer([] { ShowDesktopMessageBox(nullptr, QStringLiteral("第一行\r第二行\r\n第三行"), "Caption"); }),
              SeenBox("Caption", QStringLiteral("第一行\n第二行\n第三行"), QMessageBox::Information, 1));
}

TEST(MessageBox, ErrorBoxCarriesItsWindowsTitleAsCaption)
{
    QWidget owner;
    owner.setWindowTitle("Zenkara test");
    QWidget child(&owner);
    EXPECT_EQ(Answer([&child] { ShowErrorBox(&child, "Unable to write to /x/Game.ini"); }),
              SeenBox("Zenkara test", "Unable to write to /x/Game.ini", QMessageBox::Critical, 1));
}
