#include "ui/Unit1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zenkara"));  // the data folder's name
    // One style everywhere, so the look and the bar colour do not depend on the desktop theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    TForm1 form;
    form.show();
    return QApplication::exec();
}
