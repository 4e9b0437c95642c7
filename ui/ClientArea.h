#pragma once

#include "ViewTransform.h"
#include "platform/Surface.h"

#include <QTimer>
#include <QWidget>

#include <functional>

// The main window's client area. The game draws "on the window" from many places (board
// copies, link flashes, the hover frame, the pause screen), so the window keeps its own image
// of the client area: drawing goes into that image, and painting only copies it to the screen.
//
// The game lays the client area out in layout pixels, at the size the window was designed
// for; this widget may have any size. It shows the layout through one view transform, scaled
// to the room it has and centred on black: the canvas holds the layout at the view's device
// pixels, mouse positions reach the game in layout pixels, and child controls are placed and
// sized through the same transform.
//
// A new scale shows at once what the canvas holds, stretched; the canvas for it, drawn crisp,
// is made once the resizing pauses, so that dragging a window edge stays smooth.
class TClientArea : public QWidget {
    Q_OBJECT
public:
    explicit TClientArea(QWidget* parent);

    // Made at the first drawing: the idle window shows only its pictures on black, and holds no
    // image of the client area until a game draws on it.
    platform::Surface& canvas();
    // Shows what was drawn at once, for waits that block the event loop; all of it, or only
    // a rectangle of the layout.
    void showNow();
    void showNow(const QRect& layout);

    void setLayoutSize(QSize size);
    QSize layoutSize() const { return layoutSize_; }
    const TViewTransform& view() const { return view_; }
    // A rectangle of the layout in this widget's pixels, for a child control.
    QRect toWidget(const QRect& layout) const;
    // The same for a control inside a child placed at the layout's `origin`.
    QRect toWidget(const QRect& layout, QPoint origin) const;

    // Mouse positions in layout pixels.
    std::function<void(QMouseEvent*, QPoint)> onMousePress;
    std::function<void(QMouseEvent*, QPoint)> onMouseMove;
    // The view changed: the controls need placing again, at once.
    std::function<void()> onViewChange;
    // The canvas is new and black, made for the view's scale: the game draws it again.
    std::function<void()> onRescale;

    // True while the canvas is still at an earlier scale, shown stretched.
    bool isSettling() const { return settle_.isActive(); }
    // Makes the canvas for the view's scale now rather than when the resizing pauses.
    void settle();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void UpdateView();
    void MakeCanvas();
    // Device pixels from where this widget starts to the device pixel its painting starts at:
    // a fractional screen scale may put the widget's corner between device pixels.
    QPointF OriginShift() const;
    QPoint ToLayout(const QPointF& position) const;

    platform::Surface canvas_;
    // The layout size the canvas is made for at the view's scale.
    QSize canvasLayout_;
    QSize layoutSize_;
    QSize room_;
    qreal ratio_ = 1;
    TViewTransform view_;
    QTimer settle_;
    bool remaking_ = false;
};
