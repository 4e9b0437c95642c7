#pragma once

#include <QImage>

#include <QSize>

// The pause picture made at `target` device pixels: the ball with its caption "暂停" as drawn,
// or, in another language, the plain ball with the caption of that language written on it alike,
// at the target's resolution.
QImage PauseBallPicture(QSize target);
