#include "Unit1.h"

#include "ClientArea.h"
#include "DialogLook.h"
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
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int DesignTimerInterval = 700;
constexpr int AwardInterval = 4000;
constexpr int PauseDrawInterval = 50;
constexpr int AwardLeft = 160;
constexpr int AwardDesignWidth = 475;
constexpr int AwardHeight = 29;

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
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Where the desktop gives the window more room than its layout, the client area stays
    // centred in it, on the window's black.
    auto* backdrop = new QWidget(this);
    auto* centring = new QGridLayout(backdrop);
    centring->setContentsMargins(0, 0, 0, 0);
    ClientArea = new TClientArea(backdrop);
    centring->addWidget(ClientArea, 0, 0, Qt::AlignCenter);
    setCentralWidget(backdrop);
    ClientArea->onMousePress = [this](QMouseEvent* e) {
        FormMouseDown(e->button(), e->modifiers(), e->position().toPoint().x(), e->position().toPoint().y());
    };
    ClientArea->onMouseMove = [this](QMouseEvent* e) {
        FormMouseMove(e->position().toPoint().x(), e->position().toPoint().y());
    };
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
    G1 = menuBar()->addMenu(QStringLiteral("游戏(&G)"));
    difficultyGroup_ = new QActionGroup(this);
    difficultyGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    mmiEasy = AddRadioItem(G1, difficultyGroup_, QStringLiteral("容易(&E)"), Qt::Key_F1);
    mmiNormal = AddRadioItem(G1, difficultyGroup_, QStringLiteral("普通(&N)"), Qt::Key_F2);
    mmiHard = AddRadioItem(G1, difficultyGroup_, QStringLiteral("困难(&H)"), Qt::Key_F3);
    mmiSuper = AddRadioItem(G1, difficultyGroup_, QStringLiteral("超级(&S)"), Qt::Key_F4);
    G1->addSeparator();
    mmiQuit = AddItem(G1, QStringLiteral("放弃(&Q)"), Qt::Key_F8);
    G1->addSeparator();
    mmiExit = AddItem(G1, QStringLiteral("退出(&X)"), Qt::Key_Delete);

    S1 = menuBar()->addMenu(QStringLiteral("选项(&S)"));
    mmiPrompt = AddItem(S1, QStringLiteral("提示(&I)"), Qt::Key_F5);
    mmiReset = AddItem(S1, QStringLiteral("重新冼牌(&R)"), Qt::Key_F6);
    mmiPrompt->setEnabled(false);
    mmiReset->setEnabled(false);
    S1->addSeparator();
    tileSetGroup_ = new QActionGroup(this);
    mmiAnimal1 = AddRadioItem(S1, tileSetGroup_, QStringLiteral("神奇宝贝"));
    mmiAnimal2 = AddRadioItem(S1, tileSetGroup_, QStringLiteral("水晶宝贝"));
    mmiAnimal4 = AddRadioItem(S1, tileSetGroup_, QStringLiteral("水晶水果"));
    mmiAnimal3 = AddRadioItem(S1, tileSetGroup_, QStringLiteral("极品水晶"));
    S1->addSeparator();
    mmiMusic = AddItem(S1, QStringLiteral("背景音乐(&M)"));
    mmiMusic->setCheckable(true);
    mmiMusic->setEnabled(false);
    mmiMusic->setVisible(false);
    mmiSound = AddItem(S1, QStringLiteral("游戏音效(&S)"));
    mmiSound->setCheckable(true);
    S1->addSeparator();
    mmiTopScore = AddItem(S1, QStringLiteral("排行榜(&N)..."));

    mmiHelp = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    mmiReadMe = AddItem(mmiHelp, QStringLiteral("游戏说明"));
    mmiAbout = AddItem(mmiHelp, QStringLiteral("关于(&A)"));

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
    // The pictures are made for this screen's pixels, so the labels show them as they are.
    const qreal ratio = ClientArea->devicePixelRatioF();
    const int scale = platform::ArtworkScale(ratio);

    Image1 = new QLabel(ClientArea);
    const QImage start = platform::ArtForScreen(platform::LoadPictureResource(QStringLiteral("Start"), scale), ratio);
    if (!start.isNull())
        Image1->setPixmap(QPixmap::fromImage(start));
    Image1->setGeometry(QRect(QPoint(104, 136), start.deviceIndependentSize().toSize()));

    imgPauseBall = new QLabel(ClientArea);
    const QImage ball = platform::ArtForScreen(platform::LoadBitmapResource(QStringLiteral("PauseBall"), scale), ratio);
    if (!ball.isNull())
        imgPauseBall->setPixmap(QPixmap::fromImage(ball));
    imgPauseBall->resize(ball.isNull() ? QSize(155, 156) : ball.deviceIndependentSize().toSize());
    // The status panel is a window of its own above the board: the ball moves under it.
    imgPauseBall->stackUnder(Panel1);
    imgPauseBall->hide();

    lblAward = new QLabel(ClientArea);
    lblAward->setGeometry(AwardLeft, PanelHeight, AwardDesignWidth, AwardHeight);
    lblAward->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblAward->setFont(PixelFont(QString::fromUtf16(SansSerifFamily), 13));
    SetTextColour(lblAward, QColor(255, 0, 0));
    lblAward->hide();
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
        move(100, 20);
        // Room for the super board, its last bevel included, under the status panel.
        ClientArea->setFixedSize(BoardBitmapWidth(SuperSize.Cols), BoardBitmapHeight(SuperSize.Rows) + PanelHeight);
        ProgressBar1->setFixedWidth(320);
        LayOutClientArea();
    } else {
        // The small layout fixes the outer size, whatever frame the platform puts around it.
        constexpr QSize OuterSize(800, 568);
        move(5, 0);
        ProgressBar1->setFixedWidth(240);
        mmiSuper->setEnabled(false);
        KeepOuterSize(this, [this, OuterSize](QSize frame) {
            ClientArea->setFixedSize(OuterSize - frame - QSize(0, menuBar()->sizeHint().height()));
            LayOutClientArea();
        });
    }
}

// Fits the window to its client area and places the panel's controls in it.
void TForm1::LayOutClientArea()
{
    centralWidget()->adjustSize();
    HoldSize(this, sizeHint());
    Panel1->setGeometry(0, 0, ClientArea->width(), PanelHeight);
    LayOutPanel();
    // The banner is anchored to the left and right edges: it widens with the window.
    lblAward->resize(AwardDesignWidth + ClientArea->width() - DesignWidth, AwardHeight);
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
    else
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
        platform::ShowErrorBox(this, QString::fromUtf8(error.what()));
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

platform::Surface& TForm1::Canvas()
{
    return ClientArea->canvas();
}
