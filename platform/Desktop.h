#pragma once

#include <QString>
#include <QStringList>

// Requests handed to the desktop (xdg-open on Linux).
namespace platform {

void OpenUrl(const QString& url);  // e.g. a mailto: link
// Opens the file in the desktop's text editor; false when no program could be started for it.
bool OpenTextFile(const QString& filePath);

// While recording, requests are only noted ("url:<url>" or "file:<absolute path>"), never opened.
void RecordDesktopRequests(bool on);
QStringList RecordedDesktopRequests();
void ClearRecordedDesktopRequests();

}  // namespace platform
