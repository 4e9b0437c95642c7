#include "ui/DialogLook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool InNormalState(const QWidget* window)
{
    return !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

// Sizes its window again whenever the frame around it changes while it is in its normal state.
class TOuterSizeKeeper : public QObject {
public:
    TOuterSizeKeeper(QWidget* window, std::function<void(QSize)> apply)
        : QObject(window), window_(window), apply_(std::move(apply))
    {
        window->installEventFilter(this);
        Check();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            // The platform frames the window after the show event; look once it has.
            QTimer::singleShot(0, this, &TOuterSizeKeeper::Check);
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            Check();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Check()
    {
        if (!InNormalState(window_))
            return;
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (frame == applied_)
            return;
        applied_ = frame;
        apply_(frame);
    }

    QWidget* window_;
    std::function<void(QSize)> apply_;
    QSize applied_{-1, -1};
};

// Moves a dialog's controls by half of the room it has beyond its held size, and paints that room black.
class TCentring : public QObject {
public:
    explicit TCentring(QWidget* dialog)
        : QObject(dialog), dialog_(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            Centre();
        else if (event->type() == QEvent::Paint && !offset_.isNull())
            PaintSurround();
        return QObject::eventFilter(watched, event);
    }

private:
    QRect LayoutRect() const { return {QPoint(offset_.x(), offset_.y()), dialog_->minimumSize()}; }

    void Centre()
    {
        const QSize room = (dialog_->size() - dialog_->minimumSize()).expandedTo(QSize(0, 0));
        const QPoint offset(room.width() / 2, room.height() / 2);
        const QPoint shift = offset - offset_;
        offset_ = offset;
        if (shift.isNull())
            return;
        for (QWidget* child : dialog_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->move(child->pos() + shift);
    }

    void PaintSurround()
    {
        QPainter painter(dialog_);
        const QRegion surround = QRegion(dialog_->rect()).subtracted(LayoutRect());
        for (const QRect& part : surround)
            painter.fillRect(part, Qt::black);
    }

    QWidget* dialog_;
    QPoint offset_;
};

}  // namespace

QString ProgramTitle()
{
    return QCoreApplication::translate("DialogLook", "Zenkara之星 v1.04版");
}

QFont PixelFont(const QString& family, int pixelSize)
{
    // fontconfig has no alias for the Windows names of the Song face; the game ships AR PL UMing.
    static const bool songFaceMapped = [] {
        const QString installedSong = QStringLiteral("AR PL UMing CN");
        QFont::insertSubstitution(QString::fromUtf16(SongFamily), installedSong);
        QFont::insertSubstitution(QStringLiteral("SimSun"), installedSong);
        return true;
    }();
    Q_UNUSED(songFaceMapped);
    // Each language names the face its script reads best in; the game's own texts use the Song face.
    const bool song = family == QString::fromUtf16(SongFamily);
    QFont font(song ? QCoreApplication::translate("DialogLook", "宋体") : family);
    font.setPixelSize(pixelSize);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void HoldSize(QWidget* window, QSize size)
{
    window->setMinimumSize(size);
    window->setMaximumSize(OnWayland() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : size);
    if (InNormalState(window))
        window->resize(size);
}

void KeepOuterSize(QWidget* window, QSize outer)
{
    KeepOuterSize(window, [window, outer](QSize frame) { HoldSize(window, outer - frame); });
}

void KeepOuterSize(QWidget* window, std::function<void(QSize frame)> apply)
{
    new TOuterSizeKeeper(window, std::move(apply));
}

void CentreOnBlack(QWidget* dialog)
{
    new TCentring(dialog);
}
