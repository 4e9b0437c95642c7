#include "ui/WriteNameBox.h"

#include "ui/DialogLook.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace {

constexpr QSize OuterSize(176, 157);
constexpr QPoint ScreenPosition(398, 291);
// A single space, selected when the box opens, so that the first typed character replaces it.
const QString InitialName = QStringLiteral(" ");

}  // namespace

TWriteNameBox::TWriteNameBox(QWidget* owner)
    : TGameDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setFont(PixelFont(QString::fromUtf16(SansSerifFamily), 13));
    CreateControls();
    move(ScreenPosition);
    // A sizeable border: the box opens at its outer size, and the player may make it larger,
    // never smaller than its controls.
    KeepOuterSize(this, [this](QSize frame) {
        setMinimumSize(OuterSize - frame);
        resize(OuterSize - frame);
    });
    CentreOnBlack(this);
    FormCreate();
}

void TWriteNameBox::CreateControls()
{
    Label1 = new QLabel(tr("游戏成绩进入前10名请输入您的姓名："), this);
    Label1->setGeometry(4, 8, 145, 40);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(12, 52, 137, 24);
    Edit1->setMaxLength(std::numeric_limits<int>::max());

    btnWrite = new QPushButton(tr("记  录"), this);
    btnWrite->setGeometry(12, 88, 57, 25);
    btnWrite->setDefault(true);
    connect(btnWrite, &QPushButton::clicked, this, &TWriteNameBox::btnWriteClick);

    btnNotWrite = new QPushButton(tr("不记录"), this);
    btnNotWrite->setGeometry(96, 88, 57, 25);
    connect(btnNotWrite, &QPushButton::clicked, this, &TWriteNameBox::btnNotWriteClick);

    setTabOrder(Edit1, btnWrite);
    setTabOrder(btnWrite, btnNotWrite);
}

void TWriteNameBox::FormCreate()
{
    setWindowTitle(ProgramTitle());
    Accepted = false;
    Edit1->setText(InitialName);
    Edit1->selectAll();
    Edit1->setFocus();
}

void TWriteNameBox::btnWriteClick()
{
    Accepted = true;
    close();
}

void TWriteNameBox::btnNotWriteClick()
{
    Accepted = false;
    close();
}


bool AskPlayerName(QString& name, QWidget* owner)
{
    name = InitialName;
    TWriteNameBox box(owner);
    box.exec();
    name = box.Edit1->text();
    return box.Accepted;
}
