// Draws the four tile sheets ANIMAL1..ANIMAL4.bmp: 45 pictures of 39 x 39
// stacked from the top, each with its mask to the right (black where the
// picture is, white where the cell background shows through; the picture is
// black wherever its mask is white). The same sheets at twice the size, for
// HiDPI screens, go to ANIMAL1@2x.png..ANIMAL4@2x.png.
// Usage: make_tiles <resources dir>
#include "EmojiArt.h"
#include "ImageFiles.h"
#include "engine/Geometry.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QLinearGradient>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace {

constexpr int OpaqueAlpha = 110;

// Edge pixels kept by a cut-out mask are blended with a light neutral tone,
// near the cell faces they are seen on, so outlines stay smooth.
const QColor EdgeBlend(226, 222, 228);

struct Tile {
    explicit Tile(int size) : picture(size, size, QImage::Format_RGB32), mask(size, size, QImage::Format_RGB32) {}
    QImage picture;
    QImage mask;
};

// The named emoji sequences of each sheet, in tile-kind order.
const QStringList CreatureFigures = QString::fromUtf8(
    "🐘 🦒 🦓 🐪 🦙 🐇 🦔 🦇 🦘 🦃 🐓 🐤 🐧 🦆 🦉 🦩 🦚 🦜 🐊 🐢 🦖 🐳 🐬 🐠 🐡 "
    "🦈 🐙 🐌 🦋 🐛 🐜 🐝 🐞 🦀 🐖 🐏 🐒 🦍 🐅 🐕 🪼 🐦 🐄 🐍 🦌").split(' ');

const QStringList CartoonFigures = QString::fromUtf8(
    "🐶 🐱 🐭 🐹 🐰 🦊 🐻 🐼 🐨 🐯 🦁 🐮 🐷 🐸 🐵 🐔 🐥 🦅 🐺 🐗 🐴 🦄 🐲 🦝 🐻‍❄️ "
    "🙈 😻 🦫 🦭 🪿 🐦‍⬛ 🦤 🫎 🦂 🦦 🦥 🐩 🦑 🦞 🐟 🦎 🕷️ 🦠 🐋 🐿️").split(' ');

struct PlatedFigure {
    const char* emoji;
    QRgb plate;
};

// Plate colours of the icon sheet, chosen to set each icon off and to keep
// icons of one colour apart.
const std::vector<PlatedFigure> IconFigures{
    {"⭐", 0x2f5fd0}, {"❤️", 0x1f9a8a}, {"🧸", 0x40a0e0}, {"☂️", 0x3aa040}, {"🔑", 0x7a3ac0},
    {"🎈", 0x2a8ad8}, {"🚗", 0x505a6a}, {"✈️", 0xe07020}, {"🏠", 0x3a9ad0}, {"⏰", 0x2a9a5a},
    {"💡", 0x3a3a9a}, {"🔔", 0xc03030}, {"🎁", 0xe0b020}, {"⚽", 0x30a030}, {"🏀", 0x2060b0},
    {"🎸", 0x20a0a0}, {"🚀", 0x202a60}, {"🌙", 0x4a2a90}, {"⚡", 0xb02a80}, {"❄️", 0x1a4ab0},
    {"🌈", 0x4a4a5a}, {"🔥", 0x1a6ab0}, {"💎", 0xc02a5a}, {"👑", 0x8a1a3a}, {"🎩", 0xe09a30},
    {"✂️", 0xd04a4a}, {"✏️", 0x2a7a4a}, {"📷", 0xd0c040}, {"⚓", 0xd05a20}, {"🎲", 0x7a2ab0},
    {"🧩", 0xa02ab0}, {"🍀", 0xd03a6a}, {"🌸", 0x2a8a6a}, {"🌻", 0x3a5ac0}, {"⛵", 0xe0a040},
    {"🎨", 0x2a6ad0}, {"🎃", 0x5a2a8a}, {"⛄", 0x2a5aa0}, {"🔒", 0x3a9a4a}, {"💣", 0x50b0e0},
    {"🧲", 0x2ab0c0}, {"🎯", 0x3a3a3a}, {"🏆", 0x1a7a7a}, {"🪐", 0x8a2a6a}, {"🌍", 0xe0a030},
};

// Plate tints of the fruit sheet: pale, so the fruit carries the colour.
constexpr QRgb Mint = 0xb8f0c8, Pink = 0xf8c0d8, Sky = 0xb8dcf8, Lilac = 0xd8c0f8, Lemon = 0xf8f0a8,
               Peach = 0xf8d0b0, Aqua = 0xb0f0f0, Rose = 0xf8b8b8, Lime = 0xd8f8a8;
const std::vector<PlatedFigure> FoodFigures{
    {"🍇", Lime},  {"🍈", Pink},  {"🍉", Sky},   {"🍊", Aqua},  {"🍋", Lilac},
    {"🍌", Sky},   {"🍍", Pink},  {"🥭", Mint},  {"🍎", Sky},   {"🍏", Rose},
    {"🍐", Lilac}, {"🍑", Sky},   {"🍒", Lemon}, {"🍓", Mint},  {"🫐", Peach},
    {"🥝", Rose},  {"🍯", Lilac}, {"🥥", Lime},  {"🥑", Peach}, {"🍆", Lemon},
    {"🥕", Sky},   {"🌽", Lilac}, {"🌶️", Mint}, {"🥦", Pink},  {"🍄", Aqua},
    {"🥜", Peach}, {"🍞", Sky},   {"🥐", Mint},  {"🧀", Lilac}, {"🍗", Lime},
    {"🍔", Aqua},  {"🍟", Sky},   {"🍕", Lime},  {"🌭", Rose}, {"🍫", Lemon},
    {"🍳", Peach}, {"🍿", Aqua},  {"🍙", Rose},  {"🍤", Sky},   {"🍩", Lime},
    {"🍪", Lilac}, {"🍰", Mint},  {"🧁", Lemon}, {"🍭", Sky},   {"🍦", Pink},
};

QRgb blendOver(QRgb premultiplied, const QColor& under)
{
    const double rest = 1.0 - qAlpha(premultiplied) / 255.0;
    return qRgb(qRed(premultiplied) + int(under.red() * rest + 0.5),
                qGreen(premultiplied) + int(under.green() * rest + 0.5),
                qBlue(premultiplied) + int(under.blue() * rest + 0.5));
}

// A figure on transparency becomes a tile whose mask follows its outline.
Tile cutOut(const QImage& figure)
{
    const QImage f = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int size = f.width();
    Tile tile(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = f.pixel(x, y);
            const bool opaque = qAlpha(p) >= OpaqueAlpha;
            tile.mask.setPixel(x, y, opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            tile.picture.setPixel(x, y, opaque ? blendOver(p, EdgeBlend) : qRgb(0, 0, 0));
        }
    return tile;
}

QImage brighterColours(const QImage& figure, double saturation)
{
    QImage out = figure.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            QColor c = out.pixelColor(x, y);
            float h, s, l, a;
            c.getHslF(&h, &s, &l, &a);
            c.setHslF(h, std::min(1.0f, float(s * saturation)), l, a);
            out.setPixelColor(x, y, c);
        }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Cartoon treatment: saturated colours inside a bold dark outline.
QImage outlined(const QImage& figure, int size, int width, const QColor& ink)
{
    const QImage f = centred(brighterColours(figure, 1.3), size);
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int reach = 0;
            for (int dy = -width; dy <= width; ++dy)
                for (int dx = -width; dx <= width; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (dx * dx + dy * dy > width * width + 1 || sx < 0 || sy < 0 || sx >= size
                        || sy >= size)
                        continue;
                    reach = std::max(reach, qAlpha(f.pixel(sx, sy)));
                }
            QColor c = ink;
            c.setAlpha(reach);
            out.setPixelColor(x, y, c);
        }
    QPainter painter(&out);
    painter.drawImage(0, 0, f);
    return out;
}

// The plate outline shared by the two plate sheets: a square with rounded
// corners set in a white margin. The mask leaves exactly 497 pixels white: those
// whose centres lie farthest outside the outline, so the one pixel that the
// symmetric outline cannot share out goes to the bottom-right corner. At
// twice the size everything doubles, and four times as many pixels are white.
QImage plateMask(int scale)
{
    const int size = TileSize * scale, whitePixels = 497 * scale * scale, margin = 3 * scale;
    const double cornerRadius = 8.4 * scale;
    struct Outside {
        double distance;
        int x, y;
    };
    // Signed distance of a pixel's centre outside the rounded square, measured from the
    // tile's centre so that the four corners get exactly equal distances.
    const double half = size / 2.0 - margin, straight = half - cornerRadius;
    std::vector<Outside> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double qx = std::abs(x + 0.5 - size / 2.0) - straight;
            const double qy = std::abs(y + 0.5 - size / 2.0) - straight;
            const double distance = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0))
                                    + std::min(std::max(qx, qy), 0.0) - cornerRadius;
            pixels.push_back({distance, x, y});
        }
    std::sort(pixels.begin(), pixels.end(), [](const Outside& a, const Outside& b) {
        return std::tie(a.distance, a.y, a.x) > std::tie(b.distance, b.y, b.x);
    });
    QImage mask(size, size, QImage::Format_RGB32);
    mask.fill(qRgb(0, 0, 0));
    for (int i = 0; i < whitePixels; ++i)
        mask.setPixel(pixels[i].x, pixels[i].y, qRgb(255, 255, 255));
    return mask;
}

bool isWhite(const QImage& mask, int x, int y)
{
    return !mask.valid(x, y) || mask.pixel(x, y) == qRgb(255, 255, 255);
}

bool nearWhite(const QImage& mask, int x, int y, int reach)
{
    for (int d = 1; d <= reach; ++d)
        if (isWhite(mask, x - d, y) || isWhite(mask, x + d, y) || isWhite(mask, x, y - d) || isWhite(mask, x, y + d))
            return true;
    return false;
}

// Darkens the plate's outermost ring, `width` pixels deep, so plates stand
// apart on the light cell faces.
void darkenRim(QImage& picture, const QImage& mask, int width)
{
    const QImage original = picture.copy();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!isWhite(mask, x, y) && nearWhite(mask, x, y, width))
                picture.setPixelColor(x, y, original.pixelColor(x, y).darker(170));
}

QImage shadowOf(const QImage& figure)
{
    QImage shadow(figure.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x)
            shadow.setPixelColor(x, y, QColor(0, 0, 0, qAlpha(figure.pixel(x, y)) / 3));
    return shadow;
}

struct PlateStyle {
    int figureSize;
    double topLighter;    // factor for the plate's top colour
    double bottomDarker;  // factor for its bottom colour
    int glossAlpha;       // strength of the highlight over the top half
};

// A figure on a plate: a vertical gradient of the plate colour, the figure
// with a soft shadow, a gloss over the upper half and a dark rim.
Tile plated(const PlatedFigure& entry, const PlateStyle& style, const QImage& mask, int scale)
{
    const int size = TileSize * scale;
    const QColor base(entry.plate);
    QImage art(size, size, QImage::Format_RGB32);
    {
        QPainter painter(&art);
        QLinearGradient fill(0, 0, 0, size);
        fill.setColorAt(0, base.lighter(int(100 * style.topLighter)));
        fill.setColorAt(1, base.darker(int(100 * style.bottomDarker)));
        painter.fillRect(art.rect(), fill);

        const QImage figure =
            centred(renderEmoji(QString::fromUtf8(entry.emoji), style.figureSize * scale), size);
        painter.drawImage(scale, 2 * scale, shadowOf(figure));
        painter.drawImage(0, 0, figure);

        QLinearGradient gloss(0, 0, 0, size / 2);
        gloss.setColorAt(0, QColor(255, 255, 255, style.glossAlpha));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QRectF(-size * 0.3, -size * 0.55, size * 1.6, size * 1.05));
    }
    darkenRim(art, mask, scale);
    Tile tile(size);
    tile.mask = mask;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            tile.picture.setPixel(x, y, isWhite(mask, x, y) ? qRgb(0, 0, 0) : art.pixel(x, y));
    return tile;
}

void writeSheet(const std::vector<Tile>& tiles, const QString& dir, const QString& name, int scale)
{
    if (int(tiles.size()) != KindCount)
        fail(QString("%1 needs %2 pictures, has %3").arg(name).arg(KindCount).arg(tiles.size()));
    const int size = TileSize * scale;
    QImage sheet(2 * size, KindCount * size, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int k = 0; k < KindCount; ++k) {
        painter.drawImage(0, k * size, tiles[k].picture);
        painter.drawImage(size, k * size, tiles[k].mask);
    }
    painter.end();
    writeArtwork(sheet, dir, name, scale);
}

std::vector<Tile> creatureSheet(int scale)
{
    const int size = TileSize * scale;
    std::vector<Tile> tiles;
    for (const QString& e : CreatureFigures)
        tiles.push_back(cutOut(centred(renderEmoji(e, size - 2 * scale), size)));
    return tiles;
}

std::vector<Tile> cartoonSheet(int scale)
{
    const int size = TileSize * scale;
    const QColor ink(0x2a, 0x1c, 0x14);
    std::vector<Tile> tiles;
    for (const QString& e : CartoonFigures)
        tiles.push_back(cutOut(outlined(renderEmoji(e, size - 6 * scale), size, 2 * scale, ink)));
    return tiles;
}

std::vector<Tile> platedSheet(const std::vector<PlatedFigure>& figures, const PlateStyle& style, int scale)
{
    const QImage mask = plateMask(scale);
    std::vector<Tile> tiles;
    for (const PlatedFigure& f : figures)
        tiles.push_back(plated(f, style, mask, scale));
    return tiles;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail("usage: make_tiles <resources dir>");
    const QString dir = QString(argv[1]) + "/bitmaps";
    for (int scale : ArtworkScales) {
        writeSheet(creatureSheet(scale), dir, "ANIMAL1", scale);
        writeSheet(cartoonSheet(scale), dir, "ANIMAL2", scale);
        writeSheet(platedSheet(IconFigures, {27, 1.35, 1.6, 150}, scale), dir, "ANIMAL3", scale);
        writeSheet(platedSheet(FoodFigures, {29, 1.0, 1.2, 170}, scale), dir, "ANIMAL4", scale);
    }
    return 0;
}
