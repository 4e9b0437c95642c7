#include "platform/Language.h"
#include "platform/RegularFile.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    // Before anything writes a file: the sound set-up and the settings must fail under a
    // file-size limit, not kill the game.
    platform::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zenkara"));  // the data folder's name
    platform::UseDesktopLanguage();
    // One style everywhere, so the look and the bar colour do not depend on the desktop theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    TForm1 form;
    form.show();
    return QApplication::exec();
}
