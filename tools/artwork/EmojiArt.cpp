#include "EmojiArt.h"

#include "ImageFiles.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>

namespace {

// The font's bitmaps are 136 pixels; drawing near that size and scaling down
// gives cleaner small pictures than asking the font for a small size.
constexpr int DrawPixelSize = 109;
constexpr int Canvas = 192;
constexpr int VisibleAlpha = 8;

QRect visibleBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > VisibleAlpha) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

QImage renderEmoji(const QString& text, int box)
{
    QFont font("Noto Color Emoji");
    font.setPixelSize(DrawPixelSize);
    if (QFontInfo(font).family() != "Noto Color Emoji")
        fail("the font Noto Color Emoji is not installed");

    QImage canvas(Canvas, Canvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    }
    const QRect bounds = visibleBounds(canvas);
    if (bounds.isEmpty())
        fail("no glyph for " + text);
    return canvas.copy(bounds).scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage centred(const QImage& figure, int size)
{
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.drawImage((size - figure.width()) / 2, (size - figure.height()) / 2, figure);
    return out;
}
