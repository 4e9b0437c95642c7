#include "ui/Unit2.h"

#include "platform/Desktop.h"
#include "ui/DialogLook.h"

#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr QSize MessageClientSize(197, 92);
constexpr QRect MessageLabelRect(12, 12, 173, 41);
constexpr QPoint MessageButtonPos(64, 60);
constexpr QSize AboutOuterSize(273, 182);
// Room between two lines of a message, so that their characters do not touch.
constexpr int LineGap = 3;
const QColor LinkBlue(0, 0, 255);
const QColor LinkRed(255, 0, 0);

// The message text: each line centred, one line's height and a gap apart.
class TMessageLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const int pitch = fontMetrics().height() + LineGap;
        int top = 0;
        for (const QString& line : text().split(QLatin1Char('\n'))) {
            painter.drawText(QRect(0, top, width(), pitch), Qt::AlignHCenter | Qt::AlignTop, line);
            top += pitch;
        }
    }
};

}  // namespace

int WidestLine(const QLabel* label)
{
    int widest = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString ContactAddress()
{
    return QStringLiteral("star@example.org");
}

TForm2::TForm2(QWidget* owner)
    : TGameDialog(owner, FixedDialogFlags)
{
    HoldSize(this, MessageClientSize);
    CentreOnBlack(this);
    setFont(PixelFont(QString::fromUtf16(SansSerifFamily), 11));
    // A missing icon leaves the window with the application's icon.
    setWindowIcon(QIcon(QStringLiteral(":/icons/MessageIcon.ico")));
    CreateControls();
}

void TForm2::CreateControls()
{
    // Created first so that it is first in the tab order: Enter and Space press it.
    btnOk = new QPushButton(tr("确  定"), this);
    btnOk->setGeometry(QRect(MessageButtonPos, QSize(75, 25)));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TForm2::btnOkClick);

    Label1 = new TMessageLabel(this);
    Label1->setGeometry(MessageLabelRect);
    Label1->setFont(PixelFont(QString::fromUtf16(SongFamily), 15));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(false);

    Label2 = new QLabel(tr("E-Mail: ") + ContactAddress(), this);
    Label2->setGeometry(24, 64, 149, 13);
    Label2->setFont(PixelFont(QString::fromUtf16(SansSerifFamily), 11));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setEnabled(false);
    Label2->hide();
    Label2->installEventFilter(this);
    SetLinkLook(LinkBlue, false);
}

void TForm2::SetText(const QString& text)
{
    QString lines = text;
    Label1->setText(lines.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void TForm2::FitMessageToText()
{
    // A line wider than the label widens the box by as much, the button staying in the middle.
    const int extra = std::max(0, WidestLine(Label1) - MessageLabelRect.width());
    HoldSize(this, MessageClientSize + QSize(extra, 0));
    Label1->setGeometry(MessageLabelRect.adjusted(0, 0, extra, 0));
    btnOk->move(MessageButtonPos + QPoint(extra / 2, 0));
}

void TForm2::UseAboutLayout()
{
    KeepOuterSize(this, AboutOuterSize);
    btnOk->move(100, 116);
    Label1->setGeometry(12, 12, 241, 90);
    Label2->setEnabled(true);
    Label2->show();
    Label2->move(65, 80);
}

void TForm2::btnOkClick()
{
    close();
}

void TForm2::Label2Click()
{
    platform::OpenUrl(QStringLiteral("mailto:") + ContactAddress());
}

void TForm2::Label2MouseDown()
{
    // The underline stays until the pointer leaves.
    SetLinkLook(LinkBlue, Label2->font().underline());
}

void TForm2::Label2MouseEnter()
{
    SetLinkLook(LinkRed, true);
}

void TForm2::Label2MouseLeave()
{
    SetLinkLook(LinkBlue, false);
}

void TForm2::SetLinkLook(const QColor& colour, bool underline)
{
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, colour);
    Label2->setPalette(palette);
    QFont font = Label2->font();
    font.setUnderline(underline);
    Label2->setFont(font);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Label2)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        Label2MouseEnter();
        break;
    case QEvent::Leave:
        Label2MouseLeave();
        break;
    case QEvent::MouseButtonPress:
        Label2MouseDown();
        break;
    case QEvent::MouseButtonRelease:
        if (Label2->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            Label2Click();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}


void ShowMessageBox(QWidget* owner, const QString& text, int layout)
{
    TForm2 box(owner);
    box.setWindowTitle(ProgramTitle());
    box.SetText(text);
    if (layout == AboutLayout)
        box.UseAboutLayout();
    else
        box.FitMessageToText();
    box.exec();
}
