#include "platform/Surface.h"

#include "platform/Resources.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
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

// Four pixels at once: a tile row at 4K is some 130 pixels, and one at a time the combining,
// not the memory, would bound the redraw.
using FourPixels = QRgb __attribute__((vector_size(4 * sizeof(QRgb))));

// A picture through its mask, as an And then an Or would draw it.
void MaskLine(QRgb* dst, const QRgb* mask, const QRgb* picture, int count)
{
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        FourPixels d, m, p;
        std::memcpy(&d, dst + i, sizeof d);
        std::memcpy(&m, mask + i, sizeof m);
        std::memcpy(&p, picture + i, sizeof p);
        d = (d & m) | p;
        std::memcpy(dst + i, &d, sizeof d);
    }
    for (; i < count; ++i)
        dst[i] = (dst[i] & mask[i]) | picture[i];
}

QPen GeometricPen(const Pen& pen)
{
    return QPen(QBrush(pen.color), std::max(1, pen.width), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
}

// GDI puts a pixel's coordinate at its top-left corner, Qt at its centre: a pen centred on
// pixel (x, y) in GDI runs through the middle of the device pixels that pixel covers.
QPointF PixelCentre(QPoint p, SurfaceScale scale)
{
    return QPointF((DeviceEdge(p.x(), scale.x) + DeviceEdge(p.x() + 1LL, scale.x)) / 2.0,
                   (DeviceEdge(p.y(), scale.y) + DeviceEdge(p.y() + 1LL, scale.y)) / 2.0);
}

// A pen of one device width wherever it runs, whatever the two axes' scales.
QPen DevicePen(const Pen& pen, SurfaceScale scale)
{
    return GeometricPen({pen.color, int(DeviceEdge(std::max(1, pen.width), (scale.x + scale.y) / 2))});
}

// Artwork made for one scale serves another within rounding; beyond that it must be resized.
bool SameArtworkScale(SurfaceScale a, SurfaceScale b)
{
    constexpr double Tolerance = 0.1;
    return std::abs(a.x / b.x - 1) < Tolerance && std::abs(a.y / b.y - 1) < Tolerance;
}

// The device pixels a blit of the logical w x h area from src(srcX, srcY) to (x, y) touches,
// clipped to both images.
bool ClipDeviceBlit(const Surface& dst, int x, int y, int w, int h, const Surface& src, int srcX, int srcY, BlitArea& area)
{
    const long long left = DeviceEdge(x, dst.scale().x);
    const long long top = DeviceEdge(y, dst.scale().y);
    const long long width = DeviceEdge(x + (long long)w, dst.scale().x) - left;
    const long long height = DeviceEdge(y + (long long)h, dst.scale().y) - top;
    return ClipBlit(left, top, width, height, DeviceEdge(srcX, src.scale().x), DeviceEdge(srcY, src.scale().y),
                    dst.image().size(), src.image().size(), area);
}

const QRgb* PixelAt(const QImage& image, int x, int y)
{
    return reinterpret_cast<const QRgb*>(image.constBits() + y * image.bytesPerLine()) + x;
}

}  // namespace

bool SurfaceScale::isWhole() const
{
    return x == y && (x == 1 || x == 2);
}

long long DeviceEdge(long long v, double scale)
{
    return std::llround(double(v) * scale);
}

QRect DeviceRect(const QRect& logical, SurfaceScale scale)
{
    const long long left = DeviceEdge(logical.left(), scale.x);
    const long long top = DeviceEdge(logical.top(), scale.y);
    return QRect(int(left), int(top), int(DeviceEdge(logical.left() + (long long)logical.width(), scale.x) - left),
                 int(DeviceEdge(logical.top() + (long long)logical.height(), scale.y) - top));
}

Surface::Surface(QSize size, SurfaceScale scale) : scale_(scale)
{
    image_ = QImage(DeviceRect(QRect(QPoint(0, 0), size), scale_).size(), kSurfaceFormat);
    image_.fill(kBlack);
    size_ = size;
}

// The image is kept at device pixel ratio 1: every operation addresses its device pixels itself.
void Surface::selectImage(const QImage& image)
{
    image_ = image.convertToFormat(kSurfaceFormat);
    image_.setDevicePixelRatio(1);
    SetLogicalSize();
}

void Surface::selectImage(const QImage& image, SurfaceScale scale)
{
    scale_ = scale;
    selectImage(image);
}

void Surface::SetLogicalSize()
{
    size_ = QSize(int(std::lround(image_.width() / scale_.x)), int(std::lround(image_.height() / scale_.y)));
}

bool Surface::loadBitmap(const QString& name, int scale)
{
    const QImage bitmap = LoadBitmapResource(name, scale);
    if (bitmap.isNull())
        return false;
    selectImage(bitmap, std::max(1, scale));
    return true;
}

QRgb Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return kBlack;
    return image_.pixel(int(DeviceEdge(x, scale_.x)), int(DeviceEdge(y, scale_.y))) | kBlack;
}

void Surface::blit(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op)
{
    if (image_.isNull() || src.image_.isNull())
        return;
    if (!SameArtworkScale(src.scale_, scale_)) {
        BlitRescaled(x, y, w, h, src, srcX, srcY, op);
        return;
    }
    BlitArea a;
    if (!ClipDeviceBlit(*this, x, y, w, h, src, srcX, srcY, a))
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

void Surface::blitMasked(int x, int y, int w, int h, const Surface& src, QPoint mask, QPoint picture)
{
    if (image_.isNull() || src.image_.isNull())
        return;
    BlitArea m;
    BlitArea p;
    const bool clipped = !ClipDeviceBlit(*this, x, y, w, h, src, mask.x(), mask.y(), m);
    // One pass needs both areas alike and the source unchanged by it; any other case, rare, takes two.
    if (&src == this || !SameArtworkScale(src.scale_, scale_) || clipped
        || !ClipDeviceBlit(*this, x, y, w, h, src, picture.x(), picture.y(), p) || m.x != p.x || m.y != p.y || m.w != p.w
        || m.h != p.h) {
        blit(x, y, w, h, src, mask.x(), mask.y(), RasterOp::And);
        blit(x, y, w, h, src, picture.x(), picture.y(), RasterOp::Or);
        return;
    }
    uchar* dstBits = image_.bits();
    const qsizetype dstStride = image_.bytesPerLine();
    for (int row = 0; row < m.h; ++row)
        MaskLine(reinterpret_cast<QRgb*>(dstBits + (m.y + row) * dstStride) + m.x, PixelAt(src.image_, m.srcX, m.srcY + row),
                 PixelAt(src.image_, p.srcX, p.srcY + row), m.w);
}

void Surface::BlitRescaled(int x, int y, int w, int h, const Surface& src, int srcX, int srcY, RasterOp op)
{
    const QRect from = QRect(srcX, srcY, w, h).intersected(QRect(0, 0, src.width(), src.height()));
    if (from.isEmpty())
        return;
    Surface part(from.size(), scale_);
    // Enlarging repeats each pixel; reducing averages them.
    const Qt::TransformationMode mode = src.scale_.x < scale_.x ? Qt::FastTransformation : Qt::SmoothTransformation;
    part.selectImage(src.image_.copy(DeviceRect(from, src.scale_)).scaled(part.image_.size(), Qt::IgnoreAspectRatio, mode));
    blit(x + from.x() - srcX, y + from.y() - srcY, from.width(), from.height(), part, 0, 0, op);
}

void Surface::fillRect(const QRect& rect, const QColor& color)
{
    const QRect logical = rect.intersected(QRect(0, 0, width(), height()));
    if (logical.isEmpty())
        return;
    const QRect area = DeviceRect(logical, scale_);
    const QRgb value = color.rgb() | kBlack;
    if (area == image_.rect()) {
        image_.fill(value);
        return;
    }
    // The first line filled pixel by pixel, the others copied from it: a block copy is several
    // times quicker than a fill one pixel at a time.
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    QRgb* first = reinterpret_cast<QRgb*>(bits + area.top() * stride) + area.left();
    std::fill(first, first + area.width(), value);
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + area.left(), first, size_t(area.width()) * sizeof(QRgb));
}

void Surface::frameRect(const QRect& rect, const Pen& pen)
{
    if (image_.isNull() || rect.isEmpty())
        return;
    // The outline runs through the outermost pixels of the rectangle: its right and bottom
    // edges are exclusive, so the last column and row are right() and bottom().
    QPainterPath path;
    path.moveTo(PixelCentre(rect.topLeft(), scale_));
    path.lineTo(PixelCentre(rect.topRight(), scale_));
    path.lineTo(PixelCentre(rect.bottomRight(), scale_));
    path.lineTo(PixelCentre(rect.bottomLeft(), scale_));
    path.closeSubpath();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.strokePath(path, DevicePen(pen, scale_));
}

void Surface::strokePath(const std::vector<QPoint>& points, const Pen& pen)
{
    if (image_.isNull() || points.empty())
        return;
    QPainterPath path;
    path.moveTo(PixelCentre(points.front(), scale_));
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(PixelCentre(points[i], scale_));
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.strokePath(path, DevicePen(pen, scale_));
}

void Surface::fillTranslucent(const QRect& rect, const QColor& color)
{
    if (image_.isNull() || rect.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(DeviceRect(rect, scale_), color);
}

}  // namespace platform
