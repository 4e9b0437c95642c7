#pragma once

#include <QImage>

// The pause picture at the artwork scale given: the ball with its caption "暂停" as drawn, or,
// in another language, the plain ball with the caption of that language written on it alike.
QImage PauseBallPicture(int scale);
