#pragma once

#include "engine/Link.h"

#include <QImage>

// Small stand-ins for the artwork, so that drawing tests know every colour they expect.
// Styles 1..6 of the background strip: a face over the cell's CellWidth x CellHeight pixels,
// a bevel in the rest of the 46 x 56 area, black top-right and bottom-left corners of the bevel's
// width. Styles 7 and 8: a flat panel with a 1-pixel black border.
// Tile sheet: picture k is black with a square of PictureColour(k) at [8, 31) in both
// directions; its mask is black on that square and white elsewhere.
QRgb FaceColour(int style);
QRgb BevelColour(int style);
QRgb PanelColour(int style);  // styles 7 and 8
QRgb PictureColour(int kind);
constexpr int ShapeFrom = 8;
constexpr int ShapeTo = 31;

QImage TestBackgroundStrip();
QImage TestTileSheet();

// Gives the engine the test strip and sheet.
void UseTestSheets(TLink& link);
