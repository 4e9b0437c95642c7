#pragma once

#include <QString>
#include <QStringList>

// Requests handed to the desktop (xdg-open on Linux).
namespace platform {

void OpenUrl(const QString& url);            // e.g. a mailto: link
void OpenTextFile(const QString& filePath);  // in the desktop's text editor

// While recording, requests are only noted ("url:<url>" or "file:<absolute path>"), never opened.
void RecordDesktopRequests(bool on);
QStringList RecordedDesktopRequests();
void ClearRecordedDesktopRequests();

}  // namespace platform
