// Paints the cell-background strip BK.bmp: ten 46 x 56 styles stacked from
// the top; and the same strip at twice the size, BK@2x.png, for HiDPI screens.
// Usage: make_backgrounds <resources dir>
#include "ImageFiles.h"
#include "engine/Geometry.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <array>

namespace {


struct BlockColours {
    QColor face;
    QColor bevel;
};

// Styles 1 to 6: the plain cell blocks, one per deal.
const std::array<BlockColours, 6> Blocks{{
    {QColor(0xDE, 0xCA, 0xE6), QColor(0x8C, 0x5C, 0xA4)}, // lavender, purple
    {QColor(0xE1, 0xFC, 0xC7), QColor(0x4F, 0x9C, 0x2C)}, // light green, green
    {QColor(0xF7, 0xC4, 0x99), QColor(0xD0, 0x6A, 0x18)}, // peach, orange
    {QColor(0xD3, 0xFD, 0xFC), QColor(0x3A, 0x7E, 0xC8)}, // light cyan, blue
    {QColor(0xF9, 0xFE, 0xD6), QColor(0xC4, 0xB0, 0x20)}, // light yellow, yellow
    {QColor(0xFE, 0xDB, 0xFC), QColor(0xC0, 0x3C, 0xB4)}, // pink, magenta
}};

struct FlatStyle {
    QColor fill;
    QColor border;
};

const FlatStyle Selection{QColor(0x66, 0x66, 0x66), QColor(0, 0, 0)};
const FlatStyle Hint{QColor(0x00, 0x80, 0x80), QColor(0, 0, 0)};
const FlatStyle Unused{QColor(0xFF, 0xFF, 0xFF), QColor(0x80, 0x80, 0x80)};

QColor scaled(const QColor& c, double factor)
{
    auto channel = [factor](int v) { return std::clamp(int(v * factor + 0.5), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

QColor mixed(const QColor& a, const QColor& b, double t)
{
    auto channel = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

// A raised block lit from the top left: the face fills the cell's 41 x 51
// pixels with a dark line on its top and left edges and a faint highlight
// inside it; the bevel on the right and bottom starts at the face's top-right
// and bottom-left corners and widens diagonally to 5 pixels, so that those two
// corners of the 46 x 56 area stay black. At a larger scale every line is
// that many pixels wide and the bevel's diagonal steps by single pixels.
void paintBlock(QImage& strip, int top, const BlockColours& colours, int scale)
{
    const QColor outline = scaled(colours.face, 0.55);
    const QColor highlight = mixed(colours.face, Qt::white, 0.6);
    const int faceWidth = CellWidth * scale, faceHeight = CellHeight * scale;
    for (int y = 0; y < faceHeight; ++y)
        for (int x = 0; x < faceWidth; ++x) {
            QColor c = colours.face;
            if (x < scale || y < scale)
                c = outline;
            else if (x < 2 * scale || y < 2 * scale)
                c = highlight;
            strip.setPixelColor(x, top + y, c);
        }
    for (int i = 0; i < (BackCellWidth - CellWidth) * scale; ++i) {
        // Darker towards the outside, and the bottom side darker than the right.
        const int step = i / scale;
        const QColor right = scaled(colours.bevel, 1.05 - 0.1 * step);
        const QColor bottom = scaled(colours.bevel, 0.85 - 0.1 * step);
        for (int y = i + 1; y < faceHeight + i + 1; ++y)
            strip.setPixelColor(faceWidth + i, top + y, right);
        for (int x = i + 1; x < faceWidth + i + 1; ++x)
            strip.setPixelColor(x, top + faceHeight + i, bottom);
    }
}

void paintFlat(QImage& strip, int top, const FlatStyle& style, int scale)
{
    const int width = BackCellWidth * scale, height = BackCellHeight * scale;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = x < scale || y < scale || x >= width - scale || y >= height - scale;
            strip.setPixelColor(x, top + y, edge ? style.border : style.fill);
        }
}

QImage backgroundStrip(int scale)
{
    const int height = BackCellHeight * scale;
    QImage strip(BackCellWidth * scale, height * BackStripStyles, QImage::Format_RGB32);
    strip.fill(Qt::black); // style 0, and the corners of the blocks
    for (int s = 0; s < int(Blocks.size()); ++s)
        paintBlock(strip, (s + 1) * height, Blocks[s], scale);
    paintFlat(strip, 7 * height, Selection, scale);
    paintFlat(strip, 8 * height, Hint, scale);
    paintFlat(strip, 9 * height, Unused, scale);
    return strip;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: make_backgrounds <resources dir>");
    for (int scale : ArtworkScales)
        writeArtwork(backgroundStrip(scale), QString(argv[1]) + "/bitmaps", "BK", scale);
    return 0;
}
