#include "platform/Surface.h"

#include "platform/Resources.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr QImage::Format kSurfaceFormat = QImage::Format_RGB32;
constexpr QRgb kBlack = 0xff000000u;

// The part of a block transfer that lies inside both images, after clipping.
struct BlitArea {
    int x, y, srcX, srcY, w, h;
};

// Clips the transfer so that neither the destination nor the source is touched outside its
// image. Arithmetic is 64-bit so that extreme arguments cannot overflow.
bool ClipBlit(long long x, long long y, long long w, long long h, long long srcX, long long srcY,
              QSize dst, QSize src, BlitArea& area)
{
    if (w <= 0 || h <= 0)
        return false;
    const long long shiftX = std::max({0LL, -x, -srcX});
    const long long shiftY = std::max({0LL, -y, -srcY});
    x += shiftX, srcX += shiftX, w -= shiftX;
    y += shiftY, srcY += shiftY, h -= shiftY;
    w = std::min({w, dst.width() - x, src.width() - srcX});
    h = std::min({h, dst.height() - y, src.height() - srcY});
    if (w <= 0 || h <= 0)
        return false;
    area = {int(x), int(y), int(srcX), int(srcY), int(w), int(h)};
    return true;
}

void CombineLine(QRgb* dst, const QRgb* src, int count, RasterOp op)
{
    switch (op) {
    case RasterOp::Copy:
        std::memmove(dst, src, size_t(count) * sizeof(QRgb));
        break;
    case RasterOp::And:
        for (int i = 0; i < count; ++i)
            dst[i] &= src[i];
        break;
    case RasterOp::Or:
        for (int i = 0; i < count; ++i)
            dst[i] |= src[i];
        break;
    }
}

QPen GeometricPen(const Pen& pen)
{
    return QPen(QBrush(pen.color), std::max(1, pen.width), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
}

// GDI puts a pixel's coordinate at its top-left corner, Qt at its centre: a pen centred on
// pixel (x, y) in GDI runs through (x + 0.5, y + 0.5) in Qt.
QPointF PixelCentre(QPoint p)
{
    return QPointF(p.x() + 0.5, p.y() + 0.5);
}

}  // namespace

int ArtworkScale(qreal devicePixelRatio)
{
    return devicePixelRatio > 1 ? 2 : 1;
}

Surface::Surface(QSize size, int scale) : scale_(std::max(1, scale))
{
    image_ = QImage(size * scale_, kSurfaceFormat);
    image_.fill(kBlack);
    image_.setDevicePixelRatio(scale_);
}

// The image carries the scale as its device pixel ratio: a painter on it then draws in
// logical coordinates at device resolution, and the window shows it without resizing it.
void Surface::selectImage(const QImage& image)
{
    image_ = image.convertToFormat(kSurfaceFormat);
    image_.setDevicePixelRatio(scale_);
}

bool Surface::loadBitmap(const QString& name, int scale)
{
    const QImage bitmap = LoadBitmapResource(name, scale);
    if (bitmap.isNull())
        return false;
    scale_ = std::max(1, scale);
    selectImage(bitmap);
    return true;
}

QRgb Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return kBlack;
    return reinterpret_cast<const QRgb*>(image_.constScanLine(y * scale_))[x * scale_] | kBlack;
}

void Surface::blit(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op)
{
    if (image_.isNull() || src.image_.isNull())
        return;
    if (src.scale_ != scale_) {
        BlitRescaled(x, y, w, h, src, srcX, srcY, op);
        return;
    }
    const long long s = scale_;
    BlitArea a;
    if (!ClipBlit(x * s, y * s, w * s, h * s, srcX * s, srcY * s, image_.size(), src.image_.size(), a))
        return;
    // A transfer within one surface reads from a copy, so overlapping areas combine the
    // original pixels, as a block transfer does.
    const QImage source = (&src == this) ? image_.copy(a.srcX, a.srcY, a.w, a.h) : src.image_;
    const int sx = (&src == this) ? 0 : a.srcX;
    const int sy = (&src == this) ? 0 : a.srcY;
    // Scan lines are addressed from the image bases, taken once: per-row scanLine() calls cost
    // as much as the combining on a 39-pixel tile.
    uchar* dstBits = image_.bits();
    const uchar* srcBits = source.constBits();
    const qsizetype dstStride = image_.bytesPerLine();
    const qsizetype srcStride = source.bytesPerLine();
    for (int row = 0; row < a.h; ++row) {
        auto* dstLine = reinterpret_cast<QRgb*>(dstBits + (a.y + row) * dstStride) + a.x;
        const auto* srcLine = reinterpret_cast<const QRgb*>(srcBits + (sy + row) * srcStride) + sx;
        CombineLine(dstLine, srcLine, a.w, op);
    }
}

void Surface::BlitRescaled(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op)
{
    const QRect from = QRect(srcX, srcY, w, h).intersected(QRect(0, 0, src.width(), src.height()));
    if (from.isEmpty())
        return;
    Surface part(from.size(), scale_);
    // Enlarging repeats each pixel; reducing averages them.
    const Qt::TransformationMode mode = src.scale_ < scale_ ? Qt::FastTransformation : Qt::SmoothTransformation;
    part.selectImage(src.image_.copy(QRect(from.topLeft() * src.scale_, from.size() * src.scale_))
                         .scaled(from.size() * scale_, Qt::IgnoreAspectRatio, mode));
    blit(x + from.x() - srcX, y + from.y() - srcY, from.width(), from.height(), part, 0, 0, op);
}

void Surface::fillRect(const QRect& rect, const QColor& color)
{
    const QRect logical = rect.intersected(QRect(0, 0, width(), height()));
    if (logical.isEmpty())
        return;
    const QRect area(logical.topLeft() * scale_, logical.size() * scale_);
    const QRgb value = color.rgb() | kBlack;
    if (area == image_.rect()) {
        image_.fill(value);
        return;
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, value);
    }
}

void Surface::frameRect(const QRect& rect, const Pen& pen)
{
    if (image_.isNull() || rect.isEmpty())
        return;
    // The outline runs through the outermost pixels of the rectangle: its right and bottom
    // edges are exclusive, so the last column and row are right() and bottom().
    QPainterPath path;
    path.moveTo(PixelCentre(rect.topLeft()));
    path.lineTo(PixelCentre(rect.topRight()));
    path.lineTo(PixelCentre(rect.bottomRight()));
    path.lineTo(PixelCentre(rect.bottomLeft()));
    path.closeSubpath();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.strokePath(path, GeometricPen(pen));
}

void Surface::strokePath(const std::vector<QPoint>& points, const Pen& pen)
{
    if (image_.isNull() || points.empty())
        return;
    QPainterPath path;
    path.moveTo(PixelCentre(points.front()));
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(PixelCentre(points[i]));
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.strokePath(path, GeometricPen(pen));
}

void Surface::fillTranslucent(const QRect& rect, const QColor& color)
{
    if (image_.isNull() || rect.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(rect, color);
}

}  // namespace platform
