#pragma once

#include <QColor>
#include <QProgressBar>

namespace platform {

// A progress bar that clamps its position into 0..maximum (a plain QProgressBar ignores
// values outside its range) and whose bar colour can be set whatever the desktop theme.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setPosition(int position);
    int position() const { return value(); }
    void setBarColor(const QColor& color);
    QColor barColor() const;
};

}  // namespace platform
