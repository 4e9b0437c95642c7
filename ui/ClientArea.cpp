#include "ClientArea.h"

#include <QMouseEvent>
#include <QPainter>

TClientArea::TClientArea(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

platform::Surface& TClientArea::canvas()
{
    if (canvas_.isNull())
        canvas_ = platform::Surface(size(), platform::ArtworkScale(devicePixelRatioF()));
    return canvas_;
}

void TClientArea::showNow()
{
    repaint();
}

void TClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    if (canvas_.isNull()) {
        painter.fillRect(area, Qt::black);
        return;
    }
    // The canvas carries its scale as its device pixel ratio, so on a screen of that ratio it
    // is copied pixel for pixel; a fractional ratio shows the double-size canvas scaled down.
    const int scale = canvas_.scale();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !qFuzzyCompare(devicePixelRatioF(), qreal(scale)));
    painter.drawImage(area, canvas_.image(), QRect(area.topLeft() * scale, area.size() * scale));
}

void TClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (canvas_.isNull())
        return;
    platform::Surface resized(size(), platform::ArtworkScale(devicePixelRatioF()));
    resized.blit(0, 0, canvas_.width(), canvas_.height(), canvas_, 0, 0, platform::RasterOp::Copy);
    canvas_ = resized;
}

void TClientArea::mousePressEvent(QMouseEvent* event)
{
    if (onMousePress)
        onMousePress(event);
}

void TClientArea::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event);
}
