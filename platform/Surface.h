#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace platform {

// Raster operations of a block transfer. And/Or combine each colour channel bit by bit,
// which is what the mask-then-picture tile drawing relies on.
enum class RasterOp { Copy, And, Or };

// A geometric pen: square end caps and round joins.
struct Pen {
    QColor color;
    int width = 1;
};

// A memory drawing surface that owns one 32-bit RGB image (the bitmap selected into it).
// A default-constructed surface holds no image; drawing on it does nothing.
class Surface {
public:
    Surface() = default;
    explicit Surface(QSize size);  // a new black image of that size

    // Replaces the held image (converted to 32-bit RGB); the old one is released.
    void selectImage(const QImage& image);
    // Selects the embedded bitmap of that name. An unknown name leaves the surface as it was.
    bool loadBitmap(const QString& name);

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    QRgb pixel(int x, int y) const;  // 0xffRRGGBB; black outside the image

    // Block transfer of a w x h area from src(srcX, srcY) to (x, y), clipped to both images.
    void blit(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op);

    void fillRect(const QRect& rect, const QColor& color);  // opaque brush fill
    void fillBlack(const QRect& rect) { fillRect(rect, Qt::black); }
    // Unfilled rectangle whose outline is centred on the edges of `rect` (right and bottom exclusive).
    void frameRect(const QRect& rect, const Pen& pen);
    // Strokes the open polyline through `points` in one piece, so joins are round, not overlapped.
    void strokePath(const std::vector<QPoint>& points, const Pen& pen);
    // Source-over fill with a translucent colour (its alpha taken from `color`).
    void fillTranslucent(const QRect& rect, const QColor& color);

private:
    QImage image_;
};

}  // namespace platform
