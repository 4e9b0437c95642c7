#pragma once

#include <QImage>
#include <QString>

// Figures drawn from the Noto Color Emoji font.

// The emoji of `text`, trimmed to its visible pixels and scaled to fit a
// box x box square (centred, aspect kept), on transparency.
QImage renderEmoji(const QString& text, int box);

// `figure` centred on a transparent size x size canvas.
QImage centred(const QImage& figure, int size);
