#include "ClientArea.h"

#include <QMouseEvent>
#include <QPainter>

TClientArea::TClientArea(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TClientArea::showNow()
{
    repaint();
}

void TClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (canvas_.isNull())
        painter.fillRect(event->rect(), Qt::black);
    else
        painter.drawImage(event->rect(), canvas_.image(), event->rect());
}

void TClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    platform::Surface resized(size());
    if (!canvas_.isNull())
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
