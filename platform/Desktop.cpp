#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

bool recording = false;
QStringList recorded;

}  // namespace

void OpenUrl(const QString& url)
{
    if (recording) {
        recorded.append(QStringLiteral("url:") + url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

bool OpenTextFile(const QString& filePath)
{
    const QString absolute = QFileInfo(filePath).absoluteFilePath();
    if (recording) {
        recorded.append(QStringLiteral("file:") + absolute);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

void RecordDesktopRequests(bool on)
{
    recording = on;
}

QStringList RecordedDesktopRequests()
{
    return recorded;
}

void ClearRecordedDesktopRequests()
{
    recorded.clear();
}

}  // namespace platform
