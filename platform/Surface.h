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

// Device pixels per logical pixel, on each axis. The two may differ a little: a layout scaled by
// a fraction keeps its cell pitch whole device pixels on both axes.
struct SurfaceScale {
    double x = 1;
    double y = 1;
    SurfaceScale() = default;
    SurfaceScale(double both) : x(both), y(both) {}  // NOLINT: a plain number scales both axes
    SurfaceScale(double sx, double sy) : x(sx), y(sy) {}
    bool operator==(const SurfaceScale&) const = default;
    // Scale 1 or 2 on both axes: the artwork is made for it.
    bool isWhole() const;
};

// The device pixel edge of logical coordinate v: logical pixel v covers the device pixels from
// DeviceEdge(v) up to, not including, DeviceEdge(v + 1).
long long DeviceEdge(long long v, double scale);
// The device pixels a logical rectangle covers.
QRect DeviceRect(const QRect& logical, SurfaceScale scale);

// A memory drawing surface that owns one 32-bit RGB image (the bitmap selected into it).
// A default-constructed surface holds no image; drawing on it does nothing.
//
// Coordinates and sizes are logical pixels; a surface of scale 2 holds twice as many device
// pixels each way, and every operation works on those device pixels, so that artwork made at
// twice the size and lines drawn at device resolution stay sharp on a HiDPI screen. At a
// fractional scale a logical pixel covers the device pixels between its rounded edges.
class Surface {
public:
    Surface() = default;
    // A new black image of that logical size, at `scale` device pixels per logical pixel.
    explicit Surface(QSize size, SurfaceScale scale = 1);

    // Replaces the held image (converted to 32-bit RGB, in this surface's device pixels); the
    // old one is released.
    void selectImage(const QImage& image);
    // Selects the embedded bitmap of that name made for `scale` (the surface takes that scale).
    // An unknown name leaves the surface as it was.
    bool loadBitmap(const QString& name, int scale = 1);
    // Takes `image`, made in device pixels for `scale`, as this surface's bitmap.
    void selectImage(const QImage& image, SurfaceScale scale);

    bool isNull() const { return image_.isNull(); }
    SurfaceScale scale() const { return scale_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    // The image in device pixels.
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    // The top-left device pixel of logical pixel (x, y): 0xffRRGGBB; black outside the image.
    QRgb pixel(int x, int y) const;

    // Block transfer of a w x h area from src(srcX, srcY) to (x, y), clipped to both images.
    // The destination's device pixels are copied 1:1 from the source's, from the source's device
    // edge of (srcX, srcY): artwork made for a fractional scale holds exactly the device size of
    // the place it is drawn to. A source made for another scale (1 against 2) is resized first.
    void blit(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op);
    // A picture drawn through its mask, both w x h areas of `src`: the same pixels as an And
    // blit of the mask followed by an Or blit of the picture, in one pass over the destination.
    void blitMasked(int x, int y, int w, int h, const Surface& src, QPoint mask, QPoint picture);

    void fillRect(const QRect& rect, const QColor& color);  // opaque brush fill
    void fillBlack(const QRect& rect) { fillRect(rect, Qt::black); }
    // Unfilled rectangle whose outline is centred on the edges of `rect` (right and bottom exclusive).
    void frameRect(const QRect& rect, const Pen& pen);
    // Strokes the open polyline through `points` in one piece, so joins are round, not overlapped.
    void strokePath(const std::vector<QPoint>& points, const Pen& pen);
    // Source-over fill with a translucent colour (its alpha taken from `color`).
    void fillTranslucent(const QRect& rect, const QColor& color);

private:
    void BlitRescaled(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op);

    void SetLogicalSize();

    QImage image_;
    SurfaceScale scale_;
    QSize size_;
};

}  // namespace platform
