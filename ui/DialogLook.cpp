#include "ui/DialogLook.h"

#include <QWidget>

QString ProgramTitle()
{
    return QStringLiteral("Zenkara之星 v1.04版");
}

QFont PixelFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

void SetOuterSize(QWidget* window, QSize outer)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->resize(outer - frame);
}
