// The main of a test program whose screen is scaled by ZENKARA_SCREEN_SCALE: the scale is fixed
// when the application object is made. The screen is 2560 x 1600 device pixels, high enough
// for the large layout at the scales tested.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray ScreenDescription = R"({"screens": [{"name": "scaled", "x": 0, "y": 0,
    "width": 2560, "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    QFile description(dir.filePath(QStringLiteral("screen.json")));
    if (!description.open(QIODevice::WriteOnly) || description.write(ScreenDescription) != ScreenDescription.size())
        return 1;
    description.close();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ZENKARA_SCREEN_SCALE));
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + description.fileName().toLocal8Bit());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
