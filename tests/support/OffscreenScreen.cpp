#include "OffscreenScreen.h"

#include <QDir>
#include <QFile>

bool UseOffscreenScreen(const QString& folder, QSize size)
{
    const QByteArray description = QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                                       .arg(size.width())
                                       .arg(size.height())
                                       .toUtf8();
    QFile file(QDir(folder).filePath(QStringLiteral("screen.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(description) != description.size())
        return false;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
    return true;
}
