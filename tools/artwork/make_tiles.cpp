// Draws the four tile sheets ANIMAL1..ANIMAL4.bmp: 45 pictures of 39 x 39
// stacked from the top, each with its mask to the right (black where the
// picture is, white where the cell background shows through; the picture is
// black wherever its mask is white). Usage: make_tiles <resources dir>
#include "EmojiArt.h"
#include "ImageFiles.h"

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

constexpr int TileSize = 39;
constexpr int KindCount = 45;
constexpr int OpaqueAlpha = 110;

// Edge pixels kept by a cut-out mask are blended with a light neutral tone,
// near the cell faces they are seen on, so outlines stay smooth.
const QColor EdgeBlend(226, 222, 228);

struct Tile {
    QImage picture{TileSize, TileSize, QImage::Format_RGB32};
    QImage mask{TileSize, TileSize, QImage::Format_RGB32};
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
    Tile tile;
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
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
QImage outlined(const QImage& figure, int width, const QColor& ink)
{
    const QImage f = centred(brighterColours(figure, 1.3), TileSize);
    QImage out(TileSize, TileSize, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            int reach = 0;
            for (int dy = -width; dy <= width; ++dy)
                for (int dx = -width; dx <= width; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (dx * dx + dy * dy > width * width + 1 || sx < 0 || sy < 0 || sx >= TileSize
                        || sy >= TileSize)
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
// symmetric outline cannot share out goes to the bottom-right corner.
QImage plateMask()
{
    constexpr int WhitePixels = 497, Margin = 3;
    constexpr double CornerRadius = 8.4;
    struct Outside {
        double distance;
        int x, y;
    };
    // Signed distance of a pixel's centre outside the rounded square, measured from the
    // tile's centre so that the four corners get exactly equal distances.
    const double half = TileSize / 2.0 - Margin, straight = half - CornerRadius;
    std::vector<Outside> pixels;
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            const double qx = std::abs(x + 0.5 - TileSize / 2.0) - straight;
            const double qy = std::abs(y + 0.5 - TileSize / 2.0) - straight;
            const double distance = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0))
                                    + std::min(std::max(qx, qy), 0.0) - CornerRadius;
            pixels.push_back({distance, x, y});
        }
    std::sort(pixels.begin(), pixels.end(), [](const Outside& a, const Outside& b) {
        return std::tie(a.distance, a.y, a.x) > std::tie(b.distance, b.y, b.x);
    });
    QImage mask(TileSize, TileSize, QImage::Format_RGB32);
    mask.fill(qRgb(0, 0, 0));
    for (int i = 0; i < WhitePixels; ++i)
        mask.setPixel(pixels[i].x, pixels[i].y, qRgb(255, 255, 255));
    return mask;
}

bool isWhite(const QImage& mask, int x, int y)
{
    return x < 0 || y < 0 || x >= TileSize || y >= TileSize || mask.pixel(x, y) == qRgb(255, 255, 255);
}

// Darkens the plate's outermost ring of pixels, so plates stand apart on
// the light cell faces.
void darkenRim(QImage& picture, const QImage& mask)
{
    const QImage original = picture.copy();
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            if (isWhite(mask, x, y))
                continue;
            if (isWhite(mask, x - 1, y) || isWhite(mask, x + 1, y) || isWhite(mask, x, y - 1)
                || isWhite(mask, x, y + 1))
                picture.setPixelColor(x, y, original.pixelColor(x, y).darker(170));
        }
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
Tile plated(const PlatedFigure& entry, const PlateStyle& style, const QImage& mask)
{
    const QColor base(entry.plate);
    QImage art(TileSize, TileSize, QImage::Format_RGB32);
    {
        QPainter painter(&art);
        QLinearGradient fill(0, 0, 0, TileSize);
        fill.setColorAt(0, base.lighter(int(100 * style.topLighter)));
        fill.setColorAt(1, base.darker(int(100 * style.bottomDarker)));
        painter.fillRect(art.rect(), fill);

        const QImage figure = centred(renderEmoji(QString::fromUtf8(entry.emoji), style.figureSize), TileSize);
        painter.drawImage(1, 2, shadowOf(figure));
        painter.drawImage(0, 0, figure);

        QLinearGradient gloss(0, 0, 0, TileSize / 2);
        gloss.setColorAt(0, QColor(255, 255, 255, style.glossAlpha));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QRectF(-TileSize * 0.3, -TileSize * 0.55, TileSize * 1.6, TileSize * 1.05));
    }
    darkenRim(art, mask);
    Tile tile;
    tile.mask = mask;
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            tile.picture.setPixel(x, y, isWhite(mask, x, y) ? qRgb(0, 0, 0) : art.pixel(x, y));
    return tile;
}

void writeSheet(const std::vector<Tile>& tiles, const QString& path)
{
    if (int(tiles.size()) != KindCount)
        fail(QString("%1 needs %2 pictures, has %3").arg(path).arg(KindCount).arg(tiles.size()));
    QImage sheet(2 * TileSize, KindCount * TileSize, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int k = 0; k < KindCount; ++k) {
        painter.drawImage(0, k * TileSize, tiles[k].picture);
        painter.drawImage(TileSize, k * TileSize, tiles[k].mask);
    }
    painter.end();
    writeBmp24(sheet, path);
}

std::vector<Tile> creatureSheet()
{
    std::vector<Tile> tiles;
    for (const QString& e : CreatureFigures)
        tiles.push_back(cutOut(centred(renderEmoji(e, TileSize - 2), TileSize)));
    return tiles;
}

std::vector<Tile> cartoonSheet()
{
    const QColor ink(0x2a, 0x1c, 0x14);
    std::vector<Tile> tiles;
    for (const QString& e : CartoonFigures)
        tiles.push_back(cutOut(outlined(renderEmoji(e, TileSize - 6), 2, ink)));
    return tiles;
}

std::vector<Tile> platedSheet(const std::vector<PlatedFigure>& figures, const PlateStyle& style)
{
    const QImage mask = plateMask();
    std::vector<Tile> tiles;
    for (const PlatedFigure& f : figures)
        tiles.push_back(plated(f, style, mask));
    return tiles;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail("usage: make_tiles <resources dir>");
    const QString dir = QString(argv[1]) + "/bitmaps/";
    writeSheet(creatureSheet(), dir + "ANIMAL1.bmp");
    writeSheet(cartoonSheet(), dir + "ANIMAL2.bmp");
    writeSheet(platedSheet(IconFigures, {27, 1.35, 1.6, 150}), dir + "ANIMAL3.bmp");
    writeSheet(platedSheet(FoodFigures, {29, 1.0, 1.2, 170}), dir + "ANIMAL4.bmp");
    return 0;
}
