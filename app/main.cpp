#include "platform/RegularFile.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace {

// The texts are set in a Song face; fontconfig has no alias for its Windows names.
void MapSongFace()
{
    const QString installedSong = QStringLiteral("AR PL UMing CN");
    QFont::insertSubstitution(QStringLiteral("宋体"), installedSong);
    QFont::insertSubstitution(QStringLiteral("SimSun"), installedSong);
}

}  // namespace

int main(int argc, char** argv)
{
    // Before anything writes a file: the sound set-up and the settings must fail under a
    // file-size limit, not kill the game.
    platform::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zenkara"));  // the data folder's name
    // One style everywhere, so the look and the bar colour do not depend on the desktop theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MapSongFace();
    TForm1 form;
    form.show();
    return QApplication::exec();
}
