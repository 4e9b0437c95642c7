#pragma once

#include "platform/Surface.h"

#include <QWidget>

#include <functional>

// The main window's client area. The game draws "on the window" from many places (board
// copies, link flashes, the hover frame, the pause screen), so the window keeps its own image
// of the client area: drawing goes into that image, and painting only copies it to the screen.
class TClientArea : public QWidget {
    Q_OBJECT
public:
    explicit TClientArea(QWidget* parent);

    // Made at the first drawing: the idle window shows only its pictures on black, and holds no
    // image of the client area until a game draws on it.
    platform::Surface& canvas();
    // Shows what was drawn at once, for waits that block the event loop.
    void showNow();

    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    platform::Surface canvas_;
};
