// The main of a test program whose screen is scaled by ZENKARA_SCREEN_SCALE: the scale is fixed
// when the application object is made. The screen is 2560 x 1600 device pixels, high enough
// for the large layout at the scales tested.
#include "OffscreenScreen.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    if (!UseOffscreenScreen(dir.path(), QSize(2560, 1600)))
        return 1;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ZENKARA_SCREEN_SCALE));
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
