#include "ImageFiles.h"

#include <QFile>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PaletteColours = 256;

void put16(QByteArray& out, uint16_t v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((v >> shift) & 0xff));
}

void putInfoHeader(QByteArray& out, int width, int height, int bitCount, uint32_t imageSize)
{
    put32(out, InfoHeaderSize);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);          // planes
    put16(out, uint16_t(bitCount));
    put32(out, 0);          // BI_RGB
    put32(out, imageSize);
    put32(out, 2835);       // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
}

int paddedRowBytes(int bits) { return ((bits + 31) / 32) * 4; }

void save(const QByteArray& bytes, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("cannot write " + path);
}

using Rgb = std::array<int, 3>;

// Median cut: splits the box with the widest channel range at its median
// until there are enough boxes, then averages each box.
std::vector<QRgb> medianCutPalette(std::vector<Rgb> colours, size_t wanted)
{
    struct Box { size_t begin, end; };
    std::vector<Box> boxes{{0, colours.size()}};
    auto widestChannel = [&](const Box& b, int& range) {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            auto [lo, hi] = std::minmax_element(colours.begin() + b.begin, colours.begin() + b.end,
                                                [c](const Rgb& x, const Rgb& y) { return x[c] < y[c]; });
            if ((*hi)[c] - (*lo)[c] > range) {
                range = (*hi)[c] - (*lo)[c];
                best = c;
            }
        }
        return best;
    };
    while (boxes.size() < wanted) {
        size_t pick = 0;
        int pickRange = -1, pickChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int range;
            int channel = widestChannel(boxes[i], range);
            if (boxes[i].end - boxes[i].begin > 1 && range > pickRange) {
                pick = i;
                pickRange = range;
                pickChannel = channel;
            }
        }
        if (pickRange <= 0)
            break;
        Box b = boxes[pick];
        size_t mid = (b.begin + b.end) / 2;
        std::nth_element(colours.begin() + b.begin, colours.begin() + mid, colours.begin() + b.end,
                         [pickChannel](const Rgb& x, const Rgb& y) { return x[pickChannel] < y[pickChannel]; });
        boxes[pick] = {b.begin, mid};
        boxes.push_back({mid, b.end});
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes) {
        Rgb sum{0, 0, 0};
        for (size_t i = b.begin; i < b.end; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += colours[i][c];
        int n = int(b.end - b.begin);
        palette.push_back(qRgb(sum[0] / n, sum[1] / n, sum[2] / n));
    }
    return palette;
}

int nearestIndex(const std::vector<QRgb>& palette, QRgb colour)
{
    int best = 0, bestDistance = INT32_MAX;
    for (size_t i = 0; i < palette.size(); ++i) {
        int dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
            db = qBlue(palette[i]) - qBlue(colour);
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

} // namespace

void fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::exit(1);
}

void writeBmp24(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const int stride = paddedRowBytes(w * 24);
    const uint32_t imageSize = uint32_t(stride * h);

    QByteArray out;
    out.append("BM");
    put32(out, FileHeaderSize + InfoHeaderSize + imageSize);
    put32(out, 0);
    put32(out, FileHeaderSize + InfoHeaderSize);
    putInfoHeader(out, w, h, 24, imageSize);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(QByteArray(stride - w * 3, '\0'));
    }
    save(out, path);
}

void writeArtwork(const QImage& image, const QString& dir, const QString& name, int scale)
{
    if (scale == 1) {
        writeBmp24(image, dir + "/" + name + ".bmp");
        return;
    }
    const QString path = QString("%1/%2@%3x.png").arg(dir, name).arg(scale);
    QImageWriter writer(path, "png");
    writer.setQuality(0); // the PNG writer's strongest compression
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        fail("cannot write " + path + ": " + writer.errorString());
}

void writeIco8(const QImage& image, const QString& path)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    auto opaque = [&](int x, int y) { return qAlpha(argb.pixel(x, y)) >= 128; };

    std::vector<Rgb> colours;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (opaque(x, y)) {
                QRgb p = argb.pixel(x, y);
                colours.push_back({qRed(p), qGreen(p), qBlue(p)});
            }
    if (colours.empty())
        fail("icon without an opaque pixel: " + path);
    // Index 0 stays black for the transparent pixels, as icon readers expect.
    const std::vector<QRgb> figure = medianCutPalette(colours, PaletteColours - 1);
    std::vector<QRgb> palette{qRgb(0, 0, 0)};
    palette.insert(palette.end(), figure.begin(), figure.end());
    palette.resize(PaletteColours, qRgb(0, 0, 0));

    const int xorStride = paddedRowBytes(w * 8), andStride = paddedRowBytes(w);
    const uint32_t dibSize = uint32_t(InfoHeaderSize + PaletteColours * 4 + (xorStride + andStride) * h);

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, 1); // one image
    out.append(char(w & 0xff));
    out.append(char(h & 0xff));
    out.append(char(0)); // 0 means 256 colours
    out.append(char(0));
    put16(out, 1);
    put16(out, 8);
    put32(out, dibSize);
    put32(out, 6 + 16);

    putInfoHeader(out, w, h * 2, 8, uint32_t((xorStride + andStride) * h));
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x)
            if (opaque(x, y))
                row[x] = char(1 + nearestIndex(figure, argb.pixel(x, y)));
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x)
            if (!opaque(x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    save(out, path);
}

void writeJpeg(const QImage& image, const QString& path, int quality)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        fail("cannot write " + path + ": " + writer.errorString());
}
