#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Resources embedded in the executable, looked up by name.
namespace platform {

// The embedded bitmap of that name (":/bitmaps/<name>.bmp"); a null image when there is none.
QImage LoadBitmapResource(const QString& name);

// The raw bytes of an embedded file by its resource path (":/pictures/Start.jpg");
// empty when there is none.
QByteArray LoadResourceData(const QString& path);

// The program's string table: the section names of the settings and high-score files.
enum class StringId { GameIni, Name, Score, RecordTime };
QString LoadResString(StringId id);

}  // namespace platform
