#pragma once

#include "engine/Geometry.h"
#include "engine/Global.h"
#include "platform/Surface.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

constexpr std::int32_t EmptyCell = -1;

// Backgrounds of the strip "BK": 1..6 plain (one per deal), then the selection and the hint.
constexpr int SelectedStyle = 7;
constexpr int HintStyle = 8;
// A selected or hinted cell shows a panel of its style moved this far right and down and this
// much narrower and lower than the cell, framed by the plain face around it.
constexpr int FrameOffset = 2;
constexpr int FrameInset = 4;

// The scale nearest to `scale` at which a cell is whole device pixels wide and high, no larger
// than `scale` where `fitting` asks for it: board cells then repeat exactly, device pixel for
// device pixel, at any scale.
platform::SurfaceScale CellPitchScale(double scale, bool fitting = false);

using TGrid = std::vector<std::vector<std::int32_t>>;

// The board engine of one game: the grid of tile kinds, the selection and hint state, the
// off-screen board bitmap and the record of the game. It never touches a window: it raises
// OnRedraw when the board bitmap changed and OnAward when a removal earned an award.
class TLink : public QObject {
    Q_OBJECT
public:
    // A uniform integer in 0..n-1.
    using RandomSource = std::function<std::int32_t(std::int32_t n)>;

    // owner may be null (tests, tools). The bitmaps are drawn at `scale` device pixels per board
    // pixel (2 for a HiDPI screen), from artwork made for that scale. A fractional scale must
    // make the cell pitch whole device pixels on each axis (see CellPitchScale).
    explicit TLink(QObject* owner, platform::SurfaceScale scale = 1);
    platform::SurfaceScale Scale() const { return scale_; }
    // Draws the board anew at another scale, artwork included; raises no redraw.
    void SetScale(platform::SurfaceScale scale);
    ~TLink() override;

    void LoadTileSheet();

    // Link rule: at most three straight segments (two turns) through empty cells.
    // Points are (column, row); Grid is indexed [row][column].
    bool CanLink(int col1, int row1, int col2, int row2);
    bool LinkStraightVertical(int col, int rowA, int rowB);   // a success records LinkPath
    bool LinkStraightHorizontal(int colA, int colB, int row);
    bool LinkOneTurn(int col1, int row1, int col2, int row2);
    bool LinkTwoTurns(int col1, int row1, int col2, int row2);
    bool ColumnClear(int col, int rowA, int rowB) const;
    bool RowClear(int colA, int colB, int row) const;
    void StorePath4(int startCol, int startRow, int endCol, int endRow,
                    int corner1Col, int corner1Row, int corner2Col, int corner2Row);
    void StorePath3(int startCol, int startRow, int endCol, int endRow, int corner1Col, int corner1Row);

    // Move search.
    bool FindMove();
    std::int32_t CountMoves();
    void ShowHint();

    // Drawing into the board bitmap.
    void RenderBoard();
    void DrawCell(int row, int col, int style);
    void DrawCellFramed(int row, int col, int style, int offset, int inset);
    void Changed(bool flag);

    // A left-button press at (x, y) in board pixels; true when it completed a linkable pair.
    bool SelectCell(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    void CollapseBoard();
    void RemovePair();
    void PostAward(const QString& text);

    void DealBoard();
    void Reshuffle();

    // Tests replace the random source of deals and reshuffles; the game reseeds from the clock.
    // An empty source restores the clock-seeded generator.
    void SetRandomSource(RandomSource source);

    QString LoadedBitmap;  // name of the bitmap most recently loaded: "BK", then the tile sheet
    platform::Surface BackDC;
    platform::Surface TileDC;
    std::int32_t SelRow = EmptyCell;
    std::int32_t SelCol = EmptyCell;
    std::int32_t ClickRow = EmptyCell;
    std::int32_t ClickCol = EmptyCell;
    std::int32_t HintRow2 = EmptyCell;
    std::int32_t HintCol2 = EmptyCell;
    std::int32_t HintRow1 = EmptyCell;
    std::int32_t HintCol1 = EmptyCell;
    bool RedrawFlag = false;
    TNotifyEvent<TLink> OnRedraw;
    QString AwardText;
    TNotifyEvent<TLink> OnAward;
    std::int32_t BoardWidth = 0;
    std::int32_t BoardHeight = 0;
    TGrid Grid;
    platform::Surface BoardDC;
    std::unique_ptr<TGameParams> Params;
    std::int32_t PathStartCol = 0;
    std::int32_t PathStartRow = 0;
    std::int32_t PathEndCol = 0;
    std::int32_t PathEndRow = 0;
    std::int32_t PathCorner1Col = 0;
    std::int32_t PathCorner1Row = 0;
    std::int32_t PathCorner2Col = 0;
    std::int32_t PathCorner2Row = 0;

private:
    // Random numbers of deals and reshuffles. DealBoard and Reshuffle call Reseed() once at
    // their start (it reseeds the own generator from the clock; a test source is left alone),
    // then Random(n) for each draw, a uniform integer in 0..n-1 (n > 0).
    void Reseed();
    std::int32_t Random(std::int32_t n);

    // Plays the named wave resource when Params->SoundOn is set.
    void PlaySoundIfOn(const char* name) const;
    // Makes (row, col) the selected tile, shows it and clicks.
    void Select(int row, int col);

    // LinkPath as eight integers, so that the move searches can put it back.
    struct SavedPath {
        std::int32_t values[8];
    };
    SavedPath SaveLinkPath() const;
    void RestoreLinkPath(const SavedPath& saved);
    // The scan shared by FindMove and CountMoves: calls found(i, j, k, l) for each linkable
    // pair, first cell (i, j), partner (k, l), until found returns false.
    template <typename Found>
    void ScanPairs(Found found);
    void DrawTile(int x, int y, std::int32_t kind);
    bool LoadArtwork(platform::Surface& surface, const QString& name) const;
    void DrawBoard();
    void FillOutsideCells();

    RandomSource random_;
    std::mt19937 generator_;
    platform::SurfaceScale scale_;
};
