#include "platform/Resources.h"

#include <QFile>

namespace platform {

QImage LoadBitmapResource(const QString& name)
{
    const QString path = QStringLiteral(":/bitmaps/") + name + QStringLiteral(".bmp");
    if (name.isEmpty() || !QFile::exists(path))
        return {};
    return QImage(path, "BMP");
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
