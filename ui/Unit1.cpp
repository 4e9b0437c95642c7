#include "Unit1.h"

#include "BoardAccessible.h"
#include "ClientArea.h"
#include "DialogLook.h"
#include "PauseBall.h"
#include "engine/Global.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgressBar.h"
#include "platform/Resources.h"
#include "platform/Sound.h"
#include "platform/System.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int DesignTimerInterval = 700;
constexpr int AwardInterval = 4000;
constexpr int PauseDrawInterval = 50;
constexpr int AwardLeft = 160;
constexpr int AwardDesignWidth = 475;
constexpr int AwardHeight = 29;
constexpr QPoint StartPicturePlace(104, 136);
constexpr QSize StartPictureSize(640, 450);
constexpr QSize PauseBallSize(155, 156);

QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* item = menu->addAction(caption);
    item->setShortcut(shortcut);
    return item;
}

QAction* AddRadioItem(QMenu* menu, QActionGroup* group, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* item = AddItem(menu, caption, shortcut);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    InstallBoardAccessibility();
    // The client area takes whatever room the window has and shows the layout scaled to it.
    ClientArea = new TClientArea(this);
    setCentralWidget(ClientArea);
    // The board takes the keys: the arrows and Space move and click its cursor.
    ClientArea->setFocusPolicy(Qt::StrongFocus);
    ClientArea->setFocus();
    ClientArea->onMousePress = [this](QMouseEvent* e, QPoint at) { FormMouseDown(e->button(), e->modifiers(), at.x(), at.y()); };
    ClientArea->onMouseMove = [this](QMouseEvent*, QPoint at) { FormMouseMove(at.x(), at.y()); };
    ClientArea->onViewChange = [this] { ClientAreaViewChanged(); };
    ClientArea->onRescale = [this] { ClientAreaRescaled(); };
    auto* fullScreen = new QAction(this);
    fullScreen->setShortcut(Qt::Key_F11);
    connect(fullScreen, &QAction::triggered, this, &TForm1::ToggleFullScreen);
    addAction(fullScreen);
    CreateMenus();
    CreateStatusPanel();
    CreatePictures();
    CreateTimers();
    FormCreate();
}

TForm1::~TForm1()
{
    delete Engine;
}

void TForm1::CreateMenus()
{
    G1 = menuBar()->addMenu(tr("游戏(&G)"));
    difficultyGroup_ = new QActionGroup(this);
    difficultyGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    mmiEasy = AddRadioItem(G1, difficultyGroup_, tr("容易(&E)"), Qt::Key_F1);
    mmiNormal = AddRadioItem(G1, difficultyGroup_, tr("普通(&N)"), Qt::Key_F2);
    mmiHard = AddRadioItem(G1, difficultyGroup_, tr("困难(&H)"), Qt::Key_F3);
    mmiSuper = AddRadioItem(G1, difficultyGroup_, tr("超级(&S)"), Qt::Key_F4);
    G1->addSeparator();
    mmiQuit = AddItem(G1, tr("放弃(&Q)"), Qt::Key_F8);
    G1->addSeparator();
    mmiExit = AddItem(G1, tr("退出(&X)"), Qt::Key_Delete);

    S1 = menuBar()->addMenu(tr("选项(&S)"));
    mmiPrompt = AddItem(S1, tr("提示(&I)"), Qt::Key_F5);
    mmiReset = AddItem(S1, tr("重新冼牌(&R)"), Qt::Key_F6);
    mmiPrompt->setEnabled(false);
    mmiReset->setEnabled(false);
    S1->addSeparator();
    tileSetGroup_ = new QActionGroup(this);
    mmiAnimal1 = AddRadioItem(S1, tileSetGroup_, tr("神奇宝贝"));
    mmiAnimal2 = AddRadioItem(S1, tileSetGroup_, tr("水晶宝贝"));
    mmiAnimal4 = AddRadioItem(S1, tileSetGroup_, tr("水晶水果"));
    mmiAnimal3 = AddRadioItem(S1, tileSetGroup_, tr("极品水晶"));
    S1->addSeparator();
    mmiMusic = AddItem(S1, tr("背景音乐(&M)"));
    mmiMusic->setCheckable(true);
    mmiMusic->setEnabled(false);
    mmiMusic->setVisible(false);
    mmiSound = AddItem(S1, tr("游戏音效(&S)"));
    mmiSound->setCheckable(true);
    S1->addSeparator();
    mmiTopScore = AddItem(S1, tr("排行榜(&N)..."));

    mmiHelp = menuBar()->addMenu(tr("帮助(&H)"));
    mmiReadMe = AddItem(mmiHelp, tr("游戏说明"));
    mmiAbout = AddItem(mmiHelp, tr("关于(&A)"));

    connect(mmiEasy, &QAction::triggered, this, &TForm1::mmiEasyClick);
    connect(mmiNormal, &QAction::triggered, this, &TForm1::mmiNormalClick);
    connect(mmiHard, &QAction::triggered, this, &TForm1::mmiHardClick);
    connect(mmiSuper, &QAction::triggered, this, &TForm1::mmiSuperClick);
    connect(mmiQuit, &QAction::triggered, this, &TForm1::mmiQuitClick);
    connect(mmiExit, &QAction::triggered, this, &TForm1::mmiExitClick);
    connect(mmiPrompt, &QAction::triggered, this, &TForm1::mmiPromptClick);
    connect(mmiReset, &QAction::triggered, this, &TForm1::mmiResetClick);
    connect(S1, &QMenu::aboutToShow, this, &TForm1::S1Click);
    connect(mmiAnimal1, &QAction::triggered, this, [this] { mmiAnimalClick(1); });
    connect(mmiAnimal2, &QAction::triggered, this, [this] { mmiAnimalClick(2); });
    connect(mmiAnimal3, &QAction::triggered, this, [this] { mmiAnimalClick(3); });
    connect(mmiAnimal4, &QAction::triggered, this, [this] { mmiAnimalClick(4); });
    connect(mmiMusic, &QAction::triggered, this, &TForm1::mmiMusicClick);
    connect(mmiSound, &QAction::triggered, this, &TForm1::mmiSoundClick);
    connect(mmiTopScore, &QAction::triggered, this, &TForm1::mmiTopScoreClick);
    connect(mmiReadMe, &QAction::triggered, this, &TForm1::mmiReadMeClick);
    connect(mmiAbout, &QAction::triggered, this, &TForm1::mmiAboutClick);
}

void TForm1::CreatePictures()
{
    Image1 = new QLabel(ClientArea);
    PlaceControl(Image1, QRect(StartPicturePlace, StartPictureSize));
    Image1->setAccessibleName(ProgramTitle());

    imgPauseBall = new QLabel(ClientArea);
    PlaceControl(imgPauseBall, QRect(QPoint(0, 0), PauseBallSize));
    // The status panel is a window of its own above the board: the ball moves under it.
    imgPauseBall->stackUnder(Panel1);
    imgPauseBall->hide();
    imgPauseBall->setAccessibleName(tr("游戏暂停"));

    lblAward = new QLabel(ClientArea);
    lblAward->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SetLayoutFont(lblAward, PixelFont(QString::fromUtf16(SansSerifFamily), 13));
    SetTextColour(lblAward, QColor(255, 0, 0));
    PlaceControl(lblAward, QRect(AwardLeft, PanelHeight, AwardDesignWidth, AwardHeight));
    lblAward->hide();
}

// The pictures are made for the device pixels they cover, from artwork large enough for them;
// a hidden picture is made when it is shown, so that resizing during a game costs nothing here.
void TForm1::MakePictures()
{
    MakePicture(Image1, [](QSize target) {
        return platform::LoadPictureAtSize(QStringLiteral("Start"), StartPictureSize, target);
    });
    MakePicture(imgPauseBall, PauseBallPicture);
}

void TForm1::MakePicture(QLabel* label, const std::function<QImage(QSize target)>& make)
{
    const QSize target = PictureTarget(label);
    const qreal ratio = ClientArea->devicePixelRatioF();
    const QPixmap shown = label->pixmap();
    if (label->isHidden()
        || (!shown.isNull() && label->property(CrispSizeProperty).toSize() == target && shown.devicePixelRatio() == ratio))
        return;
    QImage picture = make(target);
    if (picture.isNull())
        return;
    picture.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setProperty(CrispSizeProperty, target);
}

QSize TForm1::PictureTarget(const QLabel* label) const
{
    return ClientArea->view().ToDevice(QRect(QPoint(0, 0), LayoutRect(label).size())).size();
}

// Until the pictures are made again for a new scale, the ones shown stand in, stretched.
void TForm1::StretchPictures()
{
    const qreal ratio = ClientArea->devicePixelRatioF();
    for (QLabel* label : {Image1, imgPauseBall}) {
        const QPixmap shown = label->pixmap();
        const QSize target = PictureTarget(label);
        if (label->isHidden() || shown.isNull() || (shown.size() == target && shown.devicePixelRatio() == ratio))
            continue;
        QPixmap stretched = shown.scaled(target);
        stretched.setDevicePixelRatio(ratio);
        label->setPixmap(stretched);
    }
}

void TForm1::CreateTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setInterval(DesignTimerInterval);
    Timer2 = new QTimer(this);
    Timer2->setInterval(AwardInterval);
    PauseDrawTimer = new QTimer(this);
    PauseDrawTimer->setInterval(PauseDrawInterval);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(PauseDrawTimer, &QTimer::timeout, this, &TForm1::PauseDrawTimerTimer);
}

void TForm1::FormCreate()
{
    // The title goes on the window, not on the application: Qt appends an application display
    // name to every window title that lacks it, and the time-out box must read "Zenkara V5" alone.
    setWindowTitle(ProgramTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/MAINICON.ico")));
    DialogShowing = false;
    LoadSettings();
    BallStepX = 1;
    BallStepY = 1;
    FitWindow();
    mmiQuit->setEnabled(false);
    mmiSound->setChecked(SoundSetting);
    mmiMusic->setChecked(MusicSetting);
    switch (PatternSetting) {
    case 2: mmiAnimal2->setChecked(true); break;
    case 3: mmiAnimal3->setChecked(true); break;
    case 4: mmiAnimal4->setChecked(true); break;
    default: mmiAnimal1->setChecked(true); break;
    }
    CanvasPen = {QColor(96, 96, 96), 3};
    PenBlue = {QColor(62, 62, 255), 6};
    PenLightBlue = {QColor(122, 122, 255), 6};
    PenWhiteWide = {QColor(255, 255, 255), 4};
    PenWhiteThin = {QColor(255, 255, 255), 2};
}

void TForm1::FitWindow()
{
    if (IsLargeScreen()) {
        PlaceWindow(QPoint(100, 20), QSize(BoardBitmapWidth(SuperSize.Cols), BoardBitmapHeight(SuperSize.Rows) + PanelHeight));
        // Room for the super board, its last bevel included, under the status panel.
        ClientArea->setLayoutSize(QSize(BoardBitmapWidth(SuperSize.Cols), BoardBitmapHeight(SuperSize.Rows) + PanelHeight));
        ProgressBar1->setProperty(DesignWidthProperty, 320);
        LayOutClientArea();
    } else {
        // The small layout fixes the outer size, whatever frame the platform puts around it.
        constexpr QSize OuterSize(800, 568);
        PlaceWindow(QPoint(5, 0), OuterSize);
        ProgressBar1->setProperty(DesignWidthProperty, 240);
        mmiSuper->setEnabled(false);
        KeepOuterSize(this, [this, OuterSize](QSize frame) {
            ClientArea->setLayoutSize(OuterSize - frame - QSize(0, menuBar()->sizeHint().height()));
            LayOutClientArea();
        });
    }
}

// The described place, moved no more than needed to keep a window of `size` on a screen
// narrower or lower than the place expects.
void TForm1::PlaceWindow(QPoint place, QSize size)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        place.setX(std::max(room.left(), std::min(place.x(), room.right() + 1 - size.width())));
        place.setY(std::max(room.top(), std::min(place.y(), room.bottom() + 1 - size.height())));
    }
    move(place);
}

// Opens the window at its layout's size and places the panel's controls in it.
void TForm1::LayOutClientArea()
{
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(ClientArea->layoutSize() + QSize(0, menuBar()->sizeHint().height()));
    PlaceControls();
}

// Places every control at its layout rectangle through the view; the panel's counts and the
// banner keep their design rules in layout pixels.
void TForm1::PlaceControls()
{
    const int width = ClientArea->layoutSize().width();
    PlaceControl(Panel1, QRect(0, 0, width, PanelHeight));
    // The banner is anchored to the left and right edges: it widens with the window.
    PlaceControl(lblAward, QRect(AwardLeft, PanelHeight, AwardDesignWidth + width - DesignWidth, AwardHeight));
    // The start picture stays whole in a layout lower than its place expects.
    const int pictureTop = std::max(0, std::min(StartPicturePlace.y(), ClientArea->layoutSize().height() - StartPictureSize.height()));
    PlaceControl(Image1, QRect(QPoint(StartPicturePlace.x(), pictureTop), StartPictureSize));
    for (QWidget* control : {static_cast<QWidget*>(imgPauseBall), static_cast<QWidget*>(ProgressBar1)})
        PlaceControl(control, LayoutRect(control));
    for (QLabel* label : Panel1->findChildren<QLabel*>()) {
        label->setFont(ScaledFont(label));
        PlaceControl(label, LayoutRect(label));
    }
    lblAward->setFont(ScaledFont(lblAward));
    for (QLabel* value : {lblDiff, lblLevel, lblReSet, lblPrompt, lblScore})
        FitValue(value);
    LayOutPanel();
}

void TForm1::ClientAreaViewChanged()
{
    PlaceControls();
    StretchPictures();
}

void TForm1::ClientAreaRescaled()
{
    MakePictures();
    if (Engine)
        Engine->SetScale(ClientArea->canvas().scale());
    // The new canvas is black: the board again, with the cursor's frame where it stands.
    if (Engine && HoverCell != EmptyCell && !Engine->Params->Paused)
        RedrawCursor();
    else
        FormPaint();
}

void TForm1::ToggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// Screens over 700 pixels high have room for the super board under the status panel.
bool TForm1::IsLargeScreen()
{
    return platform::ScreenHeight() > 700;
}

void TForm1::mmiExitClick()
{
    close();
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        showMinimized();
    else if (!FormKeyDown(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

bool TForm1::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowDeactivate)
        FocusLost();
    else if (event->type() == QEvent::WindowActivate)
        FocusGained();
    return handled;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    // A settings file that cannot be written is reported, and the window still closes:
    // a running game still ends with its high-score entry.
    try {
        SaveSettings();
    } catch (const platform::IniWriteError& error) {
        platform::ShowWriteError(this, error.path());
    }
    if (Engine)
        EndGame();
}

// Wherever the window is larger than its client area, its own background shows: black.
void TForm1::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), Qt::black);
    // The sound library starts once the window has been painted: started earlier, its loading
    // competed with the window's first picture for the processor. A player's first click, and
    // with it the first sound, comes long after.
    if (!soundsStarted_) {
        soundsStarted_ = true;
        QTimer::singleShot(0, this, [] { platform::LoadSounds(); });
    }
}

void TForm1::SetLayoutRect(QWidget* control, const QRect& layout)
{
    control->setProperty("layoutRect", layout);
}

void TForm1::PlaceControl(QWidget* control, const QRect& layout)
{
    SetLayoutRect(control, layout);
    const QWidget* parent = control->parentWidget();
    control->setGeometry(parent == ClientArea ? ClientArea->toWidget(layout)
                                              : ClientArea->toWidget(layout, LayoutRect(parent).topLeft()));
}

QRect TForm1::LayoutRect(const QWidget* control)
{
    return control->property("layoutRect").toRect();
}

void TForm1::MoveControl(QWidget* control, QPoint layout)
{
    PlaceControl(control, QRect(layout, LayoutRect(control).size()));
}

void TForm1::SetLayoutFont(QWidget* control, const QFont& font)
{
    control->setProperty(LayoutFontSizeProperty, font.pixelSize());
    control->setFont(font);
}

// A control's font at its layout size scaled as the layout is shown, in widget pixels.
QFont TForm1::ScaledFont(const QWidget* control) const
{
    QFont font = control->font();
    const double scale = ClientArea->view().Scale().y / ClientArea->devicePixelRatioF();
    font.setPixelSize(std::max(1, int(std::lround(control->property(LayoutFontSizeProperty).toInt() * scale))));
    return font;
}

// A count's label takes the size of its text; its layout size is that size in layout pixels.
void TForm1::FitValue(QLabel* value)
{
    value->adjustSize();
    const double scale = ClientArea->view().Scale().x / ClientArea->devicePixelRatioF();
    const QSize size(int(std::ceil(value->width() / scale - 1e-6)), int(std::ceil(value->height() / scale - 1e-6)));
    PlaceControl(value, QRect(LayoutRect(value).topLeft(), size));
}

platform::Surface& TForm1::Canvas()
{
    return ClientArea->canvas();
}
