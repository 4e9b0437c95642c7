#include "ui/PauseBall.h"

#include "platform/Language.h"
#include "platform/Resources.h"
#include "ui/DialogLook.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

// The ball's size in layout pixels; where the drawn caption stands on it, and how wide it may be.
constexpr QSize BallSize(155, 156);
constexpr QPointF BallCentre(77.5, 78);
constexpr qreal BaselineBelowCentre = 26;
constexpr int CaptionPixelSize = 50;
constexpr qreal CaptionRoom = 124;
constexpr qreal CaptionMiddleBelowCentre = 6;

// A caption wider than the ball's room (in a language of longer words) is set smaller and
// centred on the middle of the caption as drawn.
QPainterPath Lettering(const QString& caption)
{
    QFont font = PixelFont(QString::fromUtf16(SongFamily), CaptionPixelSize);
    const qreal width = QFontMetricsF(font).horizontalAdvance(caption);
    QPainterPath path;
    if (width <= CaptionRoom) {
        path.addText(BallCentre.x() - width / 2, BallCentre.y() + BaselineBelowCentre, font, caption);
        return path;
    }
    font.setPixelSize(static_cast<int>(CaptionPixelSize * CaptionRoom / width));
    path.addText(0, 0, font, caption);
    return path.translated(BallCentre + QPointF(0, CaptionMiddleBelowCentre) - path.boundingRect().center());
}

}  // namespace

QImage PauseBallPicture(QSize target)
{
    const auto load = [target](const QString& name) { return platform::LoadBitmapSlots(name, BallSize, QSize(1, 1), target); };
    if (platform::ActiveLanguage().isEmpty())
        return load(QStringLiteral("PauseBall"));
    QImage ball = load(QStringLiteral("PauseBallPlain"));
    if (ball.isNull())
        return ball;
    // The same light outline, dark edge and red face as the drawn caption.
    QPainter painter(&ball);
    // The painter draws in the ball's own 155 x 156, at the target's resolution.
    painter.scale(double(target.width()) / BallSize.width(), double(target.height()) / BallSize.height());
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath caption = Lettering(QCoreApplication::translate("PauseBall", "暂停"));
    painter.setPen(QPen(QColor(255, 240, 240), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(caption);
    painter.setPen(QPen(QColor(120, 0, 0), 1.2));
    painter.setBrush(QColor(230, 20, 20));
    painter.drawPath(caption);
    return ball;
}
