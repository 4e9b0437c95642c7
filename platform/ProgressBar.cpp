#include "platform/ProgressBar.h"

#include <QPalette>

namespace platform {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {}

void ProgressBar::setPosition(int position)
{
    setValue(qBound(minimum(), position, maximum()));
}

// Under the Fusion style the bar's chunk is painted in the Highlight colour. Every colour
// group is set, so the bar keeps its colour while the window is inactive.
void ProgressBar::setBarColor(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, color);
    setPalette(palette);
}

QColor ProgressBar::barColor() const
{
    return palette().color(QPalette::Highlight);
}

}  // namespace platform
