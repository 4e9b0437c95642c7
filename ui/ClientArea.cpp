#include "ClientArea.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Long enough to span the gaps between the resize events of a dragged window edge.
constexpr int SettleInterval = 100;

}  // namespace

TClientArea::TClientArea(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    settle_.setSingleShot(true);
    settle_.setInterval(SettleInterval);
    connect(&settle_, &QTimer::timeout, this, &TClientArea::MakeCanvas);
}

platform::Surface& TClientArea::canvas()
{
    if (canvas_.isNull() && !canvasLayout_.isEmpty())
        canvas_ = platform::Surface(canvasLayout_, view_.Scale());
    return canvas_;
}

void TClientArea::settle()
{
    if (settle_.isActive())
        MakeCanvas();
}

// While the game draws a new canvas, nothing of it is shown before all of it is.
void TClientArea::showNow()
{
    if (!remaking_)
        repaint();
}

void TClientArea::showNow(const QRect& layout)
{
    if (!remaking_)
        repaint(toWidget(layout).adjusted(-1, -1, 1, 1));
}

void TClientArea::setLayoutSize(QSize size)
{
    layoutSize_ = size;
    room_ = {};
    UpdateView();
}

QRect TClientArea::toWidget(const QRect& layout) const
{
    const QRectF device = QRectF(view_.ToDevice(layout)).translated(-OriginShift());
    const qreal ratio = devicePixelRatioF();
    return QRectF(device.topLeft() / ratio, device.size() / ratio).toRect();
}

QRect TClientArea::toWidget(const QRect& layout, QPoint origin) const
{
    return toWidget(layout.translated(origin)).translated(-toWidget(QRect(origin, QSize(1, 1))).topLeft());
}

QPointF TClientArea::OriginShift() const
{
    const qreal ratio = devicePixelRatioF();
    const QPointF origin = QPointF(mapTo(window(), QPoint(0, 0))) * ratio;
    return QPointF(std::round(origin.x()), std::round(origin.y())) - origin;
}

QPoint TClientArea::ToLayout(const QPointF& position) const
{
    const QPointF device = position * devicePixelRatioF() - OriginShift();
    return view_.ToLayout(QPoint(int(std::floor(device.x())), int(std::floor(device.y()))));
}

// A new scale gives a new, black canvas that the game draws again: at once when there is no
// canvas for this layout to show meanwhile, else when the resizing pauses. The canvas itself is
// made when the game first draws on it. A new offset only moves it.
void TClientArea::UpdateView()
{
    // Before the window is shown its size is not yet the one it opens at: nothing is made for it.
    if (!isVisible())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize room(int(std::floor(width() * ratio + 1e-6)), int(std::floor(height() * ratio + 1e-6)));
    if (room == room_ && ratio == ratio_)
        return;
    room_ = room;
    ratio_ = ratio;
    const TViewTransform view(layoutSize_, room);
    view_ = view;
    if (layoutSize_.isEmpty())
        return;
    if (onViewChange)
        onViewChange();
    const bool usable = !canvas_.isNull() && canvas_.width() == layoutSize_.width() && canvas_.height() == layoutSize_.height();
    if (!usable)
        MakeCanvas();
    else if (!(canvas_.scale() == view_.Scale()))
        settle_.start();
    else
        settle_.stop();
    update();
}

void TClientArea::MakeCanvas()
{
    settle_.stop();
    canvasLayout_ = layoutSize_;
    canvas_ = {};
    remaking_ = true;
    if (onRescale)
        onRescale();
    remaking_ = false;
    update();
}

bool TClientArea::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        UpdateView();
    return QWidget::event(event);
}

void TClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Painting in device pixels from a whole device pixel, so that the canvas is copied 1:1.
    const qreal ratio = devicePixelRatioF();
    const QPointF shift = OriginShift();
    painter.setWorldTransform(QTransform(1 / ratio, 0, 0, 1 / ratio, shift.x() / ratio, shift.y() / ratio));
    const QRect area = view_.DeviceArea();
    const QRegion surround = QRegion(QRect(QPoint(-1, -1), room_ + QSize(2, 2))).subtracted(area);
    for (const QRect& part : surround)
        painter.fillRect(part, Qt::black);
    if (canvas_.isNull())
        painter.fillRect(area, Qt::black);
    else if (canvas_.scale() == view_.Scale())
        painter.drawImage(area.topLeft(), canvas_.image());
    else
        painter.drawImage(area, canvas_.image());
}

void TClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UpdateView();
}

void TClientArea::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    UpdateView();
}

void TClientArea::mousePressEvent(QMouseEvent* event)
{
    if (onMousePress)
        onMousePress(event, ToLayout(event->position()));
}

void TClientArea::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event, ToLayout(event->position()));
}
