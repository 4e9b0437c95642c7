#pragma once

#include <QByteArray>
#include <QString>

// The GBK code page of the program's files, through iconv's GB18030 (a superset of GBK:
// every GBK byte sequence reads the same, and characters outside GBK are still stored).
namespace platform {

QByteArray ToGbk(const QString& text);
// Invalid byte sequences become U+FFFD; never fails.
QString FromGbk(const QByteArray& bytes);

}  // namespace platform
