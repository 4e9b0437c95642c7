#include "TestSheets.h"

#include <QPainter>

namespace {

constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;

}  // namespace

QRgb FaceColour(int style) { return qRgb(150 + style * 10, 200, 90 + style); }
QRgb BevelColour(int style) { return qRgb(60 + style * 10, 90, 30 + style); }
QRgb PanelColour(int style) { return style == SelectedStyle ? qRgb(70, 70, 70) : qRgb(0, 128, 128); }
QRgb PictureColour(int kind) { return qRgb(10 + kind * 5, 250 - kind * 5, 128 + (kind & 1)); }

QImage TestBackgroundStrip()
{
    QImage strip(BackCellWidth, BackStripStyles * BackCellHeight, QImage::Format_RGB32);
    strip.fill(Black);
    QPainter painter(&strip);
    const int bevel = BackCellWidth - CellWidth;
    for (int style = 1; style <= 6; ++style) {
        const int top = style * BackCellHeight;
        painter.fillRect(0, top, BackCellWidth, BackCellHeight, QColor(BevelColour(style)));
        painter.fillRect(0, top, CellWidth, CellHeight, QColor(FaceColour(style)));
        painter.fillRect(CellWidth, top, bevel, bevel, Qt::black);
        painter.fillRect(0, top + CellHeight, bevel, bevel, Qt::black);
    }
    for (int style : {SelectedStyle, HintStyle}) {
        const int top = style * BackCellHeight;
        painter.fillRect(0, top, BackCellWidth, BackCellHeight, Qt::black);
        painter.fillRect(1, top + 1, BackCellWidth - 2, BackCellHeight - 2, QColor(PanelColour(style)));
    }
    return strip;
}

QImage TestTileSheet()
{
    QImage sheet(TileSheetWidth, TileSheetHeight, QImage::Format_RGB32);
    for (int kind = 0; kind < KindCount; ++kind) {
        for (int y = 0; y < TileSize; ++y) {
            for (int x = 0; x < TileSize; ++x) {
                const bool shape = x >= ShapeFrom && x < ShapeTo && y >= ShapeFrom && y < ShapeTo;
                sheet.setPixel(x, kind * TileSize + y, shape ? PictureColour(kind) : Black);
                sheet.setPixel(TileSize + x, kind * TileSize + y, shape ? Black : White);
            }
        }
    }
    return sheet;
}

void UseTestSheets(TLink& link)
{
    link.BackDC.selectImage(TestBackgroundStrip());
    link.TileDC.selectImage(TestTileSheet());
}
