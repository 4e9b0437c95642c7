// Paints the start picture, the pause ball and the program's icons; the
// picture and the ball also at twice the size (Start@2x.jpg, PauseBall@2x.png)
// for HiDPI screens. The ball also comes without its caption (PauseBallPlain),
// for the game to write the caption in another language. Usage: make_pictures <resources dir>
#include "EmojiArt.h"
#include "ImageFiles.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>
#include <vector>

namespace {

const QString TitleFont = QStringLiteral("AR PL UMing CN");
const QString Title = QString::fromUtf8("Zenkara之星");
const QString PausedCaption = QString::fromUtf8("暂停");
// The parrot of the first tile sheet stands for the program.
const QString EmblemFigure = QString::fromUtf8("🦜");
constexpr unsigned Seed = 1104;
// The sizes at which desktops look for an application's icon in the hicolor theme.
constexpr int ThemeIconSizes[] = {16, 32, 48, 64, 128, 256};

QFont titleFont(int pixelSize)
{
    QFont font(TitleFont);
    font.setPixelSize(pixelSize);
    if (QFontInfo(font).family() != TitleFont)
        fail("the font " + TitleFont + " is not installed");
    return font;
}

// A ridge line by midpoint displacement: rough but smooth enough at a distance.
std::vector<double> ridge(std::mt19937& random, int width, double base, double roughness)
{
    int size = 1;
    while (size < width)
        size *= 2;
    std::vector<double> h(size + 1, base);
    std::uniform_real_distribution<double> jitter(-1.0, 1.0);
    double spread = roughness;
    for (int step = size; step > 1; step /= 2, spread *= 0.55)
        for (int i = step / 2; i < size; i += step)
            h[i] = (h[i - step / 2] + h[i + step / 2]) / 2 + jitter(random) * spread;
    h.resize(width);
    return h;
}

void paintMountains(QPainter& p, std::mt19937& random, int width, double base, double roughness,
                    const QColor& top, const QColor& bottom, int ground)
{
    const std::vector<double> h = ridge(random, width + 1, base, roughness);
    QPainterPath path(QPointF(0, ground));
    for (int x = 0; x <= width; ++x)
        path.lineTo(x, h[x]);
    path.lineTo(width, ground);
    path.closeSubpath();
    QLinearGradient fill(0, base - roughness, 0, ground);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.fillPath(path, fill);
}

void paintStars(QPainter& p, std::mt19937& random, const QRect& area)
{
    std::uniform_int_distribution<int> x(area.left(), area.right()), y(area.top(), area.bottom());
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 520; ++i) {
        const QPointF at(x(random), y(random));
        const double brightness = std::pow(unit(random), 2.5);
        const double tint = unit(random);
        QColor c = QColor::fromRgbF(0.85 + 0.15 * tint, 0.88, 1.0 - 0.15 * tint, 0.35 + 0.65 * brightness);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(at, 0.5 + 1.1 * brightness, 0.5 + 1.1 * brightness);
        if (brightness > 0.75) { // the brightest get a glint
            p.setPen(QPen(QColor(220, 230, 255, 140), 0.8));
            p.drawLine(at + QPointF(-5, 0), at + QPointF(5, 0));
            p.drawLine(at + QPointF(0, -5), at + QPointF(0, 5));
        }
    }
}

void paintGlow(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, colour);
    QColor clear = colour;
    clear.setAlpha(0);
    glow.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
}

void paintMoon(QPainter& p, QPointF centre, double radius)
{
    paintGlow(p, centre, radius * 3.2, QColor(150, 170, 255, 70));
    QRadialGradient face(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    face.setColorAt(0, QColor(255, 252, 230));
    face.setColorAt(1, QColor(215, 210, 180));
    p.setBrush(face);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(190, 185, 160, 90)); // a few soft seas
    p.drawEllipse(centre + QPointF(-10, 6), 9, 7);
    p.drawEllipse(centre + QPointF(8, -10), 6, 5);
    p.drawEllipse(centre + QPointF(12, 12), 5, 4);
}

// A four-pointed sparkle: the star of the title.
void paintSparkle(QPainter& p, QPointF centre, double size)
{
    paintGlow(p, centre, size * 1.4, QColor(255, 230, 150, 150));
    QPainterPath star;
    const double thin = size * 0.16;
    star.moveTo(centre + QPointF(0, -size));
    star.quadTo(centre + QPointF(thin, -thin), centre + QPointF(size, 0));
    star.quadTo(centre + QPointF(thin, thin), centre + QPointF(0, size));
    star.quadTo(centre + QPointF(-thin, thin), centre + QPointF(-size, 0));
    star.quadTo(centre + QPointF(-thin, -thin), centre + QPointF(0, -size));
    p.fillPath(star, QColor(255, 250, 225));
}

void paintTitle(QPainter& p, const QRect& area)
{
    const QFont font = titleFont(76);
    QPainterPath text;
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(Title);
    const QPointF origin(area.center().x() - width / 2, area.center().y() + metrics.ascent() / 2.6);
    text.addText(origin, font, Title);

    for (int ring = 7; ring >= 1; ring -= 2) { // a soft blue halo
        p.setPen(QPen(QColor(90, 140, 255, 26), ring * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
    }
    QLinearGradient gold(0, origin.y() - metrics.ascent(), 0, origin.y());
    gold.setColorAt(0, QColor(255, 250, 210));
    gold.setColorAt(0.55, QColor(255, 214, 90));
    gold.setColorAt(1, QColor(230, 150, 40));
    // The face is thin: a dark edge and a gold stroke make the letters bolder.
    p.setPen(QPen(QColor(60, 30, 8), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(QPen(QBrush(gold), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(text);
    paintSparkle(p, QPointF(origin.x() + width + 6, origin.y() - metrics.ascent() * 0.75), 15);
}

void paintLake(QPainter& p, std::mt19937& random, const QRect& water, double moonX)
{
    QLinearGradient fill(0, water.top(), 0, water.bottom());
    fill.setColorAt(0, QColor(18, 26, 64));
    fill.setColorAt(1, QColor(4, 6, 20));
    p.fillRect(water, fill);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int y = water.top() + 3; y < water.bottom(); y += 4) { // the moon's broken reflection
        const double depth = double(y - water.top()) / water.height();
        const double half = 10 + 26 * depth * unit(random) + 6 * unit(random);
        p.fillRect(QRectF(moonX - half + 8 * (unit(random) - 0.5), y, 2 * half, 1.6),
                   QColor(230, 225, 190, int(150 * (1 - depth))));
    }
}

// A painter drawing in the pictures' described pixels on an image `scale`
// times that size.
void scalePainter(QPainter& p, int scale)
{
    if (scale != 1)
        p.scale(scale, scale);
}

QImage startPicture(int scale)
{
    constexpr int Width = 640, Height = 450, Horizon = 372;
    std::mt19937 random(Seed);
    QImage image(Width * scale, Height * scale, QImage::Format_RGB32);
    QPainter p(&image);
    scalePainter(p, scale);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0, QColor(4, 6, 26));
    sky.setColorAt(0.6, QColor(16, 22, 70));
    sky.setColorAt(1, QColor(52, 46, 110));
    p.fillRect(QRect(0, 0, Width, Height), sky);
    paintStars(p, random, QRect(0, 0, Width, Horizon - 40));
    paintMoon(p, QPointF(528, 86), 34);

    paintMountains(p, random, Width, 272, 150, QColor(58, 60, 124), QColor(30, 32, 72), Horizon);
    paintMountains(p, random, Width, 338, 60, QColor(14, 16, 40), QColor(8, 10, 26), Horizon);
    paintLake(p, random, QRect(0, Horizon, Width, Height - Horizon), 528);

    paintTitle(p, QRect(0, 120, Width, 120));
    return image;
}

// An empty caption leaves the ball plain.
QImage pauseBall(int scale, const QString& caption)
{
    constexpr int Width = 155, Height = 156;
    const QPointF centre(77.5, 78);
    constexpr double Radius = 74;
    QImage image(Width * scale, Height * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    scalePainter(p, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QRadialGradient body(centre + QPointF(-18, -22), Radius * 1.25);
    body.setColorAt(0, QColor(170, 255, 150));
    body.setColorAt(0.45, QColor(40, 200, 60));
    body.setColorAt(0.85, QColor(10, 110, 30));
    body.setColorAt(1, QColor(4, 60, 16));
    p.setBrush(body);
    p.drawEllipse(centre, Radius, Radius);

    // Light through the glass brightens the lower rim.
    QRadialGradient rim(centre + QPointF(0, 40), 50);
    rim.setColorAt(0, QColor(160, 255, 140, 110));
    rim.setColorAt(1, QColor(160, 255, 140, 0));
    p.setBrush(rim);
    p.drawEllipse(centre, Radius - 2, Radius - 2);

    QLinearGradient shine(0, centre.y() - Radius + 4, 0, centre.y() - 8);
    shine.setColorAt(0, QColor(255, 255, 255, 210));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QRectF(centre.x() - 48, centre.y() - Radius + 5, 96, 62));

    if (caption.isEmpty())
        return image;
    const QFont font = titleFont(50);
    QPainterPath lettering;
    const QFontMetricsF metrics(font);
    lettering.addText(QPointF(centre.x() - metrics.horizontalAdvance(caption) / 2, centre.y() + 26), font, caption);
    p.setPen(QPen(QColor(255, 240, 240), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lettering);
    p.setPen(QPen(QColor(120, 0, 0), 1.2));
    p.setBrush(QColor(230, 20, 20));
    p.drawPath(lettering);
    return image;
}

QImage emblem(int size) { return centred(renderEmoji(EmblemFigure, size - 2), size); }

// The message box's icon: the same parrot on a round speech-bubble badge.
QImage messageEmblem(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient badge(QPointF(size * 0.4, size * 0.35), size * 0.6);
    badge.setColorAt(0, QColor(235, 248, 255));
    badge.setColorAt(1, QColor(90, 160, 235));
    p.setPen(QPen(QColor(30, 80, 160), 1));
    p.setBrush(badge);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(0.5, 0.5, size - 1, size - 5));
    bubble.moveTo(size * 0.2, size - 9);
    bubble.lineTo(size * 0.12, size - 0.5);
    bubble.lineTo(size * 0.42, size - 5);
    p.drawPath(bubble.simplified());
    const QImage figure = renderEmoji(EmblemFigure, size - 8);
    p.drawImage(QPointF((size - figure.width()) / 2.0, (size - 4 - figure.height()) / 2.0), figure);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail("usage: make_pictures <resources dir>");
    const QString dir = QString(argv[1]);
    for (int scale : ArtworkScales) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        writeJpeg(startPicture(scale), dir + "/pictures/Start" + suffix + ".jpg", 90);
        writeArtwork(pauseBall(scale, PausedCaption), dir + "/bitmaps", "PauseBall", scale);
        writeArtwork(pauseBall(scale, QString()), dir + "/bitmaps", "PauseBallPlain", scale);
    }
    writeIco8(emblem(32), dir + "/icons/MAINICON.ico");
    writeIco8(messageEmblem(32), dir + "/icons/MessageIcon.ico");
    if (!emblem(128).save(dir + "/icons/zenkara.png"))
        fail("cannot write zenkara.png");
    for (const int size : ThemeIconSizes) {
        const QString folder = dir + QStringLiteral("/icons/hicolor/%1x%1/apps").arg(size);
        if (!QDir().mkpath(folder) || !emblem(size).save(folder + "/zenkara.png"))
            fail("cannot write the icon in " + folder);
    }
    return 0;
}
