#include "platform/Resources.h"

#include "platform/Jpeg.h"

#include <QFile>

namespace platform {
namespace {

constexpr int kDoubleScale = 2;

QString DoubleSizeName(const QString& name)
{
    return name + QStringLiteral("@2x");
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

}  // namespace

QImage LoadBitmapResource(const QString& name, int scale)
{
    if (name.isEmpty())
        return {};
    const QString folder = QStringLiteral(":/bitmaps/");
    if (scale > 1) {
        const QImage art = ReadImage(folder + DoubleSizeName(name) + QStringLiteral(".png"), "PNG");
        if (!art.isNull())
            return AtScale(art, kDoubleScale, scale);
    }
    return AtScale(ReadImage(folder + name + QStringLiteral(".bmp"), "BMP"), 1, scale);
}

QImage LoadPictureResource(const QString& name, int scale)
{
    if (name.isEmpty())
        return {};
    const QString folder = QStringLiteral(":/pictures/");
    if (scale > 1) {
        const QImage art = ReadJpeg(folder + DoubleSizeName(name) + QStringLiteral(".jpg"));
        if (!art.isNull())
            return AtScale(art, kDoubleScale, scale);
    }
    return AtScale(ReadJpeg(folder + name + QStringLiteral(".jpg")), 1, scale);
}

QImage ArtForScreen(const QImage& art, qreal devicePixelRatio)
{
    if (art.isNull() || qFuzzyCompare(art.devicePixelRatio(), devicePixelRatio))
        return art;
    QImage fitted = art.scaled((art.deviceIndependentSize() * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(devicePixelRatio);
    return fitted;
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
