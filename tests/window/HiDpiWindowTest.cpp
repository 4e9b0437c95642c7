// The main window on a screen of device pixel ratio 2: what reaches the screen is the artwork
// made at twice the size, pixel for pixel, not the small bitmaps blown up.
#include "tests/support/WindowFixture.h"

#include "platform/Jpeg.h"
#include "platform/Resources.h"
#include "ui/ClientArea.h"

#include <QLabel>
#include <QPixmap>

namespace {

constexpr int Scale = 2;

QImage Resource(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The window as the screen shows it, in device pixels.
QImage ScreenGrab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Device pixels of `grab` at (x, y) against `expected`, the first difference reported.
void ExpectPixels(const QImage& grab, QPoint at, const QImage& expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(grab.pixel(at.x() + x, at.y() + y), expected.pixel(x, y))
                << "device pixel " << x << "," << y << " from " << at.x() << "," << at.y();
}

class HiDpiWindowTest : public WindowTest {};

TEST_F(HiDpiWindowTest, StartPictureAndTilesAreTheDoubleSizeArtworkPixelForPixel)
{
    TForm1& form = Open();
    ASSERT_EQ(form.ClientArea->devicePixelRatioF(), 2.0);

    const QImage start = platform::DecodeJpeg(platform::LoadResourceData(QStringLiteral(":/pictures/Start@2x.jpg")));
    ASSERT_EQ(form.Image1->size(), start.size() / Scale);
    ExpectPixels(ScreenGrab(form.ClientArea), form.Image1->pos() * Scale, start);

    TLink& engine = StartEasyWith(EasyBoardOnePair);
    const QImage sheet = Resource(QStringLiteral(":/bitmaps/%1@2x.png").arg(engine.LoadedBitmap));
    const QImage strip = Resource(QStringLiteral(":/bitmaps/BK@2x.png"));
    ASSERT_EQ(sheet.width(), 2 * TileSize * Scale);

    // Cell (1, 1) holds kind 'a' (0): its face from the strip, the mask ANDed, the picture ORed.
    const int tile = TileSize * Scale;
    QImage expected = strip.copy(Scale, (engine.Params->BackStyle * BackCellHeight + 5) * Scale, tile, tile);
    for (int y = 0; y < tile; ++y)
        for (int x = 0; x < tile; ++x)
            expected.setPixel(x, y, (expected.pixel(x, y) & sheet.pixel(tile + x, y)) | sheet.pixel(x, y));
    const QPoint cell(form.BoardRect.Left + CellWidth + 1, form.BoardRect.Top + CellHeight + 5);
    ExpectPixels(ScreenGrab(form.ClientArea), cell * Scale, expected);
}

}  // namespace
