#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The GBK code page of the program's files, as Windows has it (code page 936, where byte 0x80
// is the euro sign). A character that code page cannot hold is written as GB18030, its
// superset, and read back from there, so nothing typed is lost. Only a few private-use
// characters have no bytes in either (GB18030-2022 gave what they stood for code points of its
// own): each is written as '?', as Windows writes what its code page cannot hold.
namespace platform {

QByteArray ToGbk(const QString& text);
// Invalid byte sequences become U+FFFD; never fails.
QString FromGbk(QByteArrayView bytes);
// The length of the GB18030 character that `bytes` (not empty) start with: 1, 2 or 4 bytes, and
// 1 when a single byte is left. The length may run past the end of a cut-off character.
qsizetype Gb18030CharacterLength(QByteArrayView bytes);

}  // namespace platform
