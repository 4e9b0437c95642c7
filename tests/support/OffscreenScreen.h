#pragma once

#include <QSize>
#include <QString>

// Points Qt's offscreen platform at one screen of `size` device pixels, described in a file
// written in `folder`; to be called before the application object is made. False when the file
// cannot be written.
bool UseOffscreenScreen(const QString& folder, QSize size);
