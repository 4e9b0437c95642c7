#pragma once

#include <QByteArray>
#include <QImage>

namespace platform {

// Decodes a baseline or progressive JPEG with libjpeg into a 32-bit RGB image.
// Corrupt or truncated data gives a null image, never a crash.
QImage DecodeJpeg(const QByteArray& data);

}  // namespace platform
