#pragma once

#include <QImage>
#include <QString>

// Writers for the exact file formats the game embeds. Qt's own writers pick
// their pixel depth themselves; these fix it.

// The game's bitmaps are made at these scales: 1 for the described sizes, 2
// for HiDPI screens, 4 as the master the game resamples for scales above 2.
constexpr int ArtworkScales[] = {1, 2, 4};

// Writes a bitmap of the game made at `scale` into `dir`: "<name>.bmp" as an
// uncompressed 24-bit BMP at scale 1, "<name>@<scale>x.png" (24-bit PNG) above.
void writeArtwork(const QImage& image, const QString& dir, const QString& name, int scale);

// Uncompressed 24-bit BMP: BITMAPINFOHEADER, bottom-up rows padded to 4 bytes.
void writeBmp24(const QImage& image, const QString& path);

// A single-image .ico of 256 colours (8-bit palette plus AND mask). Pixels
// with alpha below one half become transparent.
void writeIco8(const QImage& image, const QString& path);

// Baseline JFIF JPEG of three components.
void writeJpeg(const QImage& image, const QString& path, int quality);

// Stops the generator with a message; the tools have no other error path.
[[noreturn]] void fail(const QString& message);
