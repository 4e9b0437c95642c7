#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The GBK code page of the program's files, as Windows has it (code page 936, where byte 0x80
// is the euro sign). A character that code page cannot hold is written as GB18030, its
// superset, and read back from there, so nothing typed is lost.
namespace platform {

QByteArray ToGbk(const QString& text);
// Invalid byte sequences become U+FFFD; never fails.
QString FromGbk(QByteArrayView bytes);

}  // namespace platform
