#include "platform/ProgressBar.h"

#include <QPainter>

namespace platform {

const QColor ProgressBar::GrooveColor(212, 208, 200);
const QColor ProgressBar::ShadowColor(128, 128, 128);
const QColor ProgressBar::HighlightColor(255, 255, 255);

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {}

void ProgressBar::setPosition(int position)
{
    setValue(qBound(minimum(), position, maximum()));
}

void ProgressBar::setBarColor(const QColor& color)
{
    barColor_ = color;
    update();
}

QColor ProgressBar::barColor() const
{
    return barColor_;
}

void ProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect();
    painter.fillRect(frame, GrooveColor);
    painter.fillRect(frame.left(), frame.top(), frame.width(), 1, ShadowColor);
    painter.fillRect(frame.left(), frame.top(), 1, frame.height(), ShadowColor);
    painter.fillRect(frame.left(), frame.bottom(), frame.width(), 1, HighlightColor);
    painter.fillRect(frame.right(), frame.top(), 1, frame.height(), HighlightColor);
    const QRect groove = frame.adjusted(1, 1, -1, -1);
    const int range = maximum() - minimum();
    if (range <= 0)
        return;
    const int filled = static_cast<int>(static_cast<long long>(groove.width()) * (value() - minimum()) / range);
    painter.fillRect(groove.left(), groove.top(), filled, groove.height(), barColor_);
}

}  // namespace platform
