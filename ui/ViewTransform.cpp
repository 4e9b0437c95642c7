#include "ViewTransform.h"

#include "engine/Link.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest layout coordinate whose device edge lies at or before `device`.
int LayoutCoordinate(int device, double scale)
{
    auto v = static_cast<long long>(std::floor((device + 0.5) / scale));
    while (platform::DeviceEdge(v + 1, scale) <= device)
        ++v;
    while (platform::DeviceEdge(v, scale) > device)
        --v;
    return static_cast<int>(v);
}

}  // namespace

TViewTransform::TViewTransform(QSize layout, QSize room) : layout_(layout)
{
    if (layout.isEmpty() || room.isEmpty())
        return;
    const double fit = std::min(double(room.width()) / layout.width(), double(room.height()) / layout.height());
    scale_ = CellPitchScale(fit);
    QSize size = platform::DeviceRect(QRect(QPoint(0, 0), layout), scale_).size();
    if (size.width() > room.width() || size.height() > room.height()) {
        scale_ = CellPitchScale(fit, true);
        size = platform::DeviceRect(QRect(QPoint(0, 0), layout), scale_).size();
    }
    offset_ = QPoint(std::max(0, room.width() - size.width()) / 2, std::max(0, room.height() - size.height()) / 2);
}

QRect TViewTransform::ToDevice(const QRect& layout) const
{
    return platform::DeviceRect(layout, scale_).translated(offset_);
}

QPoint TViewTransform::ToLayout(QPoint device) const
{
    return {LayoutCoordinate(device.x() - offset_.x(), scale_.x), LayoutCoordinate(device.y() - offset_.y(), scale_.y)};
}
