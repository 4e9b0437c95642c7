#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Resources embedded in the executable, looked up by name.
namespace platform {

// The embedded bitmap of that name made for `scale`: ":/bitmaps/<name>.bmp" at scale 1,
// ":/bitmaps/<name>@2x.png" above it, in device pixels with that device pixel ratio. Without the
// double-size file the 1x bitmap is enlarged. A null image when there is none.
QImage LoadBitmapResource(const QString& name, int scale = 1);

// The embedded bitmap of that name, a grid of `grid` slots (columns, rows) of `slot` pixels each
// at scale 1, made anew with every slot exactly `target` device pixels: each slot is resampled
// on its own from the smallest master made at a scale large enough for it (1x, @2x, @4x; the
// largest there is otherwise), so that every copy of a slot drawn at that size is the same
// device pixels and nothing is stretched across slot edges. A null image when there is none.
QImage LoadBitmapSlots(const QString& name, QSize slot, QSize grid, QSize target);

// The embedded JPEG picture of that name, `size` pixels at scale 1, resampled to `target`
// device pixels from the smallest master large enough, as LoadBitmapSlots picks them.
QImage LoadPictureAtSize(const QString& name, QSize size, QSize target);

// The raw bytes of an embedded file by its resource path (":/pictures/Start.jpg");
// empty when there is none.
QByteArray LoadResourceData(const QString& path);

// The program's string table: the section names of the settings and high-score files.
enum class StringId { GameIni, Name, Score, RecordTime };
QString LoadResString(StringId id);

}  // namespace platform
