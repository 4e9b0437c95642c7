#pragma once

#include <QColor>
#include <QProgressBar>

namespace platform {

// A smooth progress bar that clamps its position into 0..maximum (a plain QProgressBar ignores
// values outside its range) and whose bar colour can be set whatever the desktop theme. It
// paints itself: a sunken frame around a light groove over its whole length, the filled part
// in the plain bar colour, whatever the style sheets of the windows around it say.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setPosition(int position);
    int position() const { return value(); }
    void setBarColor(const QColor& color);
    QColor barColor() const;

    static const QColor GrooveColor;
    static const QColor ShadowColor;     // the frame's upper and left edges
    static const QColor HighlightColor;  // its lower and right edges

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor barColor_{0, 0, 255};
};

}  // namespace platform
