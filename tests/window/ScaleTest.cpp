// The main window on a screen scaled by 2. The scale is fixed when the application object is
// made, so these tests run in a process of their own with a main of their own.
#include "tests/support/WindowFixture.h"

#include "ui/ClientArea.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double Scale = 2;
// 2560 x 1600 device pixels: 1280 x 800 logical pixels, high enough for the large layout.
const QByteArray ScreenDescription = R"({"screens": [{"name": "scaled", "x": 0, "y": 0,
    "width": 2560, "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

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

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    QFile description(dir.filePath(QStringLiteral("screen.json")));
    if (!description.open(QIODevice::WriteOnly) || description.write(ScreenDescription) != ScreenDescription.size())
        return 1;
    description.close();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + description.fileName().toLocal8Bit());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
