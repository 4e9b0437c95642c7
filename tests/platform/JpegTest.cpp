#include "platform/Jpeg.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

using platform::DecodeJpeg;

namespace {

// Four flat quadrants, so lossy coding keeps each colour close to what was drawn.
QImage Quadrants()
{
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 32, 24, QColor(200, 30, 30));
    painter.fillRect(32, 0, 32, 24, QColor(30, 200, 30));
    painter.fillRect(0, 24, 32, 24, QColor(30, 30, 200));
    painter.fillRect(32, 24, 32, 24, QColor(240, 240, 240));
    return image;
}

QByteArray Encode(const QImage& image, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

bool Near(QRgb actual, QColor expected)
{
    return std::abs(qRed(actual) - expected.red()) <= 6 && std::abs(qGreen(actual) - expected.green()) <= 6 &&
           std::abs(qBlue(actual) - expected.blue()) <= 6;
}

}  // namespace

TEST(Jpeg, DecodesGreyscaleBaselineAndProgressivePictures)
{
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(100);
    const QImage greyImage = DecodeJpeg(Encode(grey));
    EXPECT_EQ(greyImage.size(), QSize(16, 16));
    EXPECT_TRUE(Near(greyImage.pixel(5, 5), QColor(100, 100, 100)));

    for (bool progressive : {false, true}) {
        const QByteArray data = Encode(Quadrants(), progressive);
        ASSERT_FALSE(data.isEmpty());
        const QImage image = DecodeJpeg(data);
        ASSERT_EQ(image.size(), QSize(64, 48)) << progressive;
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(Near(image.pixel(8, 8), QColor(200, 30, 30))) << std::hex << image.pixel(8, 8);
        EXPECT_TRUE(Near(image.pixel(56, 8), QColor(30, 200, 30))) << std::hex << image.pixel(56, 8);
        EXPECT_TRUE(Near(image.pixel(8, 40), QColor(30, 30, 200))) << std::hex << image.pixel(8, 40);
        EXPECT_TRUE(Near(image.pixel(56, 40), QColor(240, 240, 240))) << std::hex << image.pixel(56, 40);
    }
}

TEST(Jpeg, TruncatedOrCorruptDataGivesANullImage)
{
    const QByteArray data = Encode(Quadrants());
    for (qsizetype length : {qsizetype(1), qsizetype(2), qsizetype(20), data.size() / 2, data.size() - 2})
        EXPECT_TRUE(DecodeJpeg(data.left(length)).isNull()) << length;

    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture at all")).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("\xFF\xD8\xFF\xFF\xFF\xFF\x00\x00", 8)).isNull());

    QByteArray badHeader = data;
    const qsizetype frame = badHeader.indexOf("\xFF\xC0");  // start of frame: zero the height and width
    ASSERT_GT(frame, 0);
    badHeader.replace(frame + 5, 4, QByteArray(4, '\0'));
    EXPECT_TRUE(DecodeJpeg(badHeader).isNull());
}
