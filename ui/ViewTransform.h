#pragma once

#include "platform/Surface.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// How the client layout, laid out in layout pixels, is shown in the device pixels a widget has:
// as large as fits, keeping its proportions, centred. The scale is snapped per axis so that a
// board cell is whole device pixels wide and high, and a layout pixel covers the device pixels
// between its rounded edges; the handlers of the game never see any of this.
class TViewTransform {
public:
    TViewTransform() = default;
    TViewTransform(QSize layout, QSize room);

    platform::SurfaceScale Scale() const { return scale_; }
    // Where the layout's top-left corner lies in the room, in device pixels.
    QPoint Offset() const { return offset_; }
    // The device pixels the whole layout covers, offset included.
    QRect DeviceArea() const { return ToDevice(QRect(QPoint(0, 0), layout_)); }
    QRect ToDevice(const QRect& layout) const;
    // The layout pixel that covers device pixel `device` of the room; outside the layout it
    // lies beyond the layout's edges.
    QPoint ToLayout(QPoint device) const;

private:
    QSize layout_;
    platform::SurfaceScale scale_;
    QPoint offset_;
};
