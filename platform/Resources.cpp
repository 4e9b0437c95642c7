#include "platform/Resources.h"

#include "platform/Jpeg.h"

#include <QCache>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace platform {
namespace {

constexpr int kDoubleScale = 2;
// The scales masters are made at, smallest first; 1 is the plain file.
constexpr int kMasterScales[] = {1, kDoubleScale, 4};

QString ScaledName(const QString& name, int scale)
{
    return scale == 1 ? name : name + QStringLiteral("@%1x").arg(scale);
}

// `image` at the given scale: kept when it was made for it, else enlarged pixel for pixel.
QImage AtScale(QImage image, int madeFor, int scale)
{
    if (!image.isNull() && madeFor != scale)
        image = image.scaled(image.size() * scale / madeFor);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage ReadImage(const QString& path, const char* format)
{
    return QFile::exists(path) ? QImage(path, format) : QImage();
}

QImage ReadJpeg(const QString& path)
{
    return QFile::exists(path) ? DecodeJpeg(LoadResourceData(path)) : QImage();
}

QString BitmapMasterPath(const QString& name, int scale)
{
    return QStringLiteral(":/bitmaps/") + ScaledName(name, scale) + (scale == 1 ? QStringLiteral(".bmp") : QStringLiteral(".png"));
}

QString PictureMasterPath(const QString& name, int scale)
{
    return QStringLiteral(":/pictures/") + ScaledName(name, scale) + QStringLiteral(".jpg");
}

// The path of the master of the smallest scale that holds `target` device pixels for `size`
// pixels at scale 1, or of the largest master there is; empty when there is none.
QString MasterFor(const QString& name, QSize size, QSize target, QString (*path)(const QString&, int))
{
    QString largest;
    for (int scale : kMasterScales) {
        if (!QFile::exists(path(name, scale)))
            continue;
        largest = path(name, scale);
        if (size.width() * scale >= target.width() && size.height() * scale >= target.height())
            break;
    }
    return largest;
}

// The masters last read, decoded, so that a window resized again and again does not read them
// each time. Only scales other than 1 and 2 read masters, so a game at those keeps none.
QImage CachedMaster(const QString& path)
{
    constexpr int kCachedBytes = 12 << 20;
    static QCache<QString, QImage> masters(kCachedBytes);
    if (const QImage* cached = masters.object(path))
        return *cached;
    QImage master = ReadImage(path, path.endsWith(QLatin1String(".bmp")) ? "BMP" : "PNG").convertToFormat(QImage::Format_RGB32);
    // Read from an "@2x" name, the master says it is for a screen of ratio 2; its slots are cut
    // and drawn here in its own pixels.
    master.setDevicePixelRatio(1);
    if (!master.isNull())
        masters.insert(path, new QImage(master), int(std::min<qsizetype>(master.sizeInBytes(), kCachedBytes)));
    return master;
}

QImage Resampled(const QImage& part, QSize target)
{
    return part.size() == target ? part : part.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Copies `part` into `sheet`, whose bits start at `bits`, at `place`: lines of both are
// addressed from their bases, so that several slots can be written at once.
void PutSlot(uchar* bits, qsizetype stride, const QImage& part, QPoint place)
{
    const qsizetype pixelBytes = sizeof(QRgb);
    for (int y = 0; y < part.height(); ++y)
        std::memcpy(bits + (place.y() + y) * stride + place.x() * pixelBytes, part.constScanLine(y),
                    size_t(part.width() * pixelBytes));
}

QImage MakeSlots(const QString& name, QSize slot, QSize grid, QSize target)
{
    const QImage source = CachedMaster(MasterFor(name, slot, target, BitmapMasterPath));
    if (source.isNull())
        return {};
    // The master's own slot pitch, whatever scale it was made at.
    const QSize pitch(source.width() / grid.width(), source.height() / grid.height());
    QImage sheet(target.width() * grid.width(), target.height() * grid.height(), QImage::Format_RGB32);
    uchar* bits = sheet.bits();
    const qsizetype stride = sheet.bytesPerLine();
    // Each slot on its own, on every core: at a new scale this is most of the settled frame.
    std::vector<int> indices(size_t(grid.width()) * size_t(grid.height()));
    std::iota(indices.begin(), indices.end(), 0);
    QtConcurrent::blockingMap(indices, [&](int index) {
        const int col = index % grid.width();
        const int row = index / grid.width();
        const QImage part = source.copy(QRect(QPoint(col * pitch.width(), row * pitch.height()), pitch));
        PutSlot(bits, stride, Resampled(part, target).convertToFormat(QImage::Format_RGB32),
                QPoint(col * target.width(), row * target.height()));
    });
    return sheet;
}

}  // namespace

QImage LoadBitmapSlots(const QString& name, QSize slot, QSize grid, QSize target)
{
    if (name.isEmpty() || slot.isEmpty() || grid.isEmpty() || target.isEmpty())
        return {};
    // The sheets made last are kept: a window maximised and restored, or made fullscreen and
    // back, comes back to a scale it had, and its first frame then needs no resampling.
    constexpr int kKeptBytes = 16 << 20;
    static QCache<QString, QImage> made(kKeptBytes);
    const QString key = QStringLiteral("%1 %2x%3").arg(name).arg(target.width()).arg(target.height());
    if (const QImage* kept = made.object(key))
        return *kept;
    const QImage sheet = MakeSlots(name, slot, grid, target);
    if (!sheet.isNull())
        made.insert(key, new QImage(sheet), int(std::min<qsizetype>(sheet.sizeInBytes(), kKeptBytes)));
    return sheet;
}

QImage LoadPictureAtSize(const QString& name, QSize size, QSize target)
{
    if (name.isEmpty() || target.isEmpty())
        return {};
    const QImage master = ReadJpeg(MasterFor(name, size, target, PictureMasterPath));
    return master.isNull() ? master : Resampled(master.convertToFormat(QImage::Format_RGB32), target);
}

QImage LoadBitmapResource(const QString& name, int scale)
{
    if (name.isEmpty())
        return {};
    const QString folder = QStringLiteral(":/bitmaps/");
    if (scale > 1) {
        const QImage art = ReadImage(folder + ScaledName(name, kDoubleScale) + QStringLiteral(".png"), "PNG");
        if (!art.isNull())
            return AtScale(art, kDoubleScale, scale);
    }
    return AtScale(ReadImage(folder + name + QStringLiteral(".bmp"), "BMP"), 1, scale);
}

QByteArray LoadResourceData(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString LoadResString(StringId id)
{
    switch (id) {
    case StringId::GameIni: return QStringLiteral("GameIni");
    case StringId::Name: return QStringLiteral("Name");
    case StringId::Score: return QStringLiteral("Score");
    case StringId::RecordTime: return QStringLiteral("RecordTime");
    }
    return {};
}

}  // namespace platform
