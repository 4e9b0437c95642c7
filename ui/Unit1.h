#pragma once

#include "engine/Link.h"
#include "platform/Surface.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTimer;
class QWidget;
class TClientArea;
namespace platform {
class ProgressBar;
}

// A rectangle of client pixels; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

// The colour of the countdown bar at a position: green when full, through yellow, red when empty.
QColor BarColor(int position, int maximum);

constexpr int BarMaximum = 310;
constexpr int PanelHeight = 24;
// The countdown bar's place in the panel, in layout pixels.
constexpr int BarTop = 4;
constexpr int BarHeight = 17;
// The window's width as designed; controls anchored to the right keep their distance from its edge.
constexpr int DesignWidth = 782;

// The main window: the menus, the status panel, the board on the client area, and the course
// of a game from a difficulty command to its end.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Game menu
    QMenu* G1 = nullptr;
    QAction* mmiEasy = nullptr;
    QAction* mmiNormal = nullptr;
    QAction* mmiHard = nullptr;
    QAction* mmiSuper = nullptr;
    QAction* mmiQuit = nullptr;
    QAction* mmiExit = nullptr;
    // Options menu
    QMenu* S1 = nullptr;
    QAction* mmiPrompt = nullptr;
    QAction* mmiReset = nullptr;
    QAction* mmiAnimal1 = nullptr;
    QAction* mmiAnimal2 = nullptr;
    QAction* mmiAnimal4 = nullptr;
    QAction* mmiAnimal3 = nullptr;
    QAction* mmiMusic = nullptr;
    QAction* mmiSound = nullptr;
    QAction* mmiTopScore = nullptr;
    // Help menu
    QMenu* mmiHelp = nullptr;
    QAction* mmiReadMe = nullptr;
    QAction* mmiAbout = nullptr;

    TClientArea* ClientArea = nullptr;
    QWidget* Panel1 = nullptr;
    platform::ProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDiff = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblReSet = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* lblPrompt = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblAward = nullptr;
    QLabel* imgPauseBall = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* PauseDrawTimer = nullptr;

    TLink* Engine = nullptr;
    TRect BoardRect;
    platform::Pen CanvasPen;  // draws the hover frame
    platform::Pen PenBlue;
    platform::Pen PenLightBlue;
    platform::Pen PenWhiteWide;
    platform::Pen PenWhiteThin;
    platform::Pen SavedPen;
    std::int32_t HoverCell = EmptyCell;
    std::int32_t HoverCandidate = EmptyCell;
    std::int32_t BallStepX = 1;
    std::int32_t BallStepY = 1;
    bool DialogShowing = false;
    std::int32_t LastDifficulty = 0;

    // Start-up and shut-down
    void FitWindow();
    void ToggleFullScreen();
    void mmiExitClick();

    // Course of a game
    void mmiEasyClick();
    void mmiNormalClick();
    void mmiHardClick();
    void mmiSuperClick();
    void mmiQuitClick();
    void EnsureLink();
    void StartGame();
    void BlitBoard();
    void UpdateMenus(bool idle);
    void EndGame();
    void RecordHighScore();

    // Turns
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void TraceLinkPath();
    void StrokeLinkDark();
    void StrokeLinkLight();
    void StrokeLinkBright();

    // Countdown and award banner
    void Timer1Timer();
    void ShowAward();
    void Timer2Timer();

    // Pause, focus and hover
    void FocusLost();
    void FocusGained();
    void ShowPauseScreen();
    void PauseDrawTimerTimer();
    void FormPaint();
    void FormMouseMove(int x, int y);
    TRect CellRect(int col, int row) const;

    // Controls have a rectangle in layout pixels; the client area's view places them.
    static constexpr const char* LayoutFontSizeProperty = "layoutFontSize";
    static constexpr const char* DesignWidthProperty = "designWidth";
    // The device size a picture label's pixmap was last made crisp for.
    static constexpr const char* CrispSizeProperty = "crispSize";
    static void SetLayoutRect(QWidget* control, const QRect& layout);
    static QRect LayoutRect(const QWidget* control);
    static void SetLayoutFont(QWidget* control, const QFont& font);
    void PlaceControl(QWidget* control, const QRect& layout);
    void MoveControl(QWidget* control, QPoint layout);

    // The board cursor: HoverCell, framed as the hover highlight
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void PlaceCursorAtStart();
    void MoveCursor(int row, int col);
    void RedrawCursor();

    // Status panel and options
    void ShowLevel();
    void ShowDifficulty();
    void ShowHints();
    void ShowResets();
    void ShowScore();
    void mmiPromptClick();
    void mmiResetClick();
    void S1Click();
    void mmiSoundClick();
    void mmiMusicClick();
    void mmiAnimalClick(int sheet);
    void mmiReadMeClick();
    void mmiAboutClick();
    void mmiTopScoreClick();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static bool IsLargeScreen();
    void FormCreate();
    void FormClose();
    void CreateMenus();
    void CreateStatusPanel();
    void LayOutPanel();
    void ShowCount(QLabel* label, std::int32_t count);
    void CreatePictures();
    void CreateTimers();
    void PlaceWindow(QPoint place, QSize size);
    void LayOutClientArea();
    void PlaceControls();
    void MakePictures();
    void MakePicture(QLabel* label, const std::function<QImage(QSize target)>& make);
    QSize PictureTarget(const QLabel* label) const;
    void StretchPictures();
    void ClientAreaViewChanged();
    void ClientAreaRescaled();
    QFont ScaledFont(const QWidget* control) const;
    void FitValue(QLabel* value);
    void ShowValue(QLabel* value, const QString& text);
    void StartDifficulty(QAction* item, TBoardSize size, std::uint8_t difficulty, std::uint8_t hints,
                         std::uint8_t resets, int interval);
    bool SettleBoard();
    void GameOver();
    void ClearLevel();
    void NewBoard();
    void FlashPass(const platform::Pen& first, const platform::Pen& second);
    void DrawHover(const TRect& rect);
    int CursorRow() const;
    int CursorCol() const;
    void ClickCursorCell();
    void ShowMenuMessage(const QString& text, int layout);
    platform::Surface& Canvas();

    QActionGroup* difficultyGroup_ = nullptr;
    QActionGroup* tileSetGroup_ = nullptr;
    bool soundsStarted_ = false;
};
