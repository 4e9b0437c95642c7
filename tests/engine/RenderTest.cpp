#include "tests/support/BoardText.h"
#include "TestSheets.h"

#include <gtest/gtest.h>

namespace {

constexpr int Bevel = BackCellWidth - CellWidth;
constexpr QRgb Black = 0xff000000;
constexpr int PlainStyle = 3;

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTestSheets(link);
        link.Params->BackStyle = PlainStyle;
        link.OnRedraw = [this](TLink* sender) {
            EXPECT_EQ(sender, &link);
            ++redraws;
        };
    }

    void Render(const BoardRows& rows)
    {
        SetBoard(link, rows);
        link.RenderBoard();
    }

    // A pixel at (dx, dy) from the origin of cell (row, col).
    QRgb At(int row, int col, int dx, int dy) const
    {
        return link.BoardDC.pixel(col * CellWidth + dx, row * CellHeight + dy);
    }

    void Click(int row, int col)
    {
        link.SelectCell(Qt::LeftButton, Qt::NoModifier, col * CellWidth + 20, row * CellHeight + 20);
    }

    TLink link{nullptr};
    int redraws = 0;
};

TEST_F(RenderTest, EmptyBoardIsBlack)
{
    SetBoard(link, {"......", "......", "......", "......"});
    link.BoardDC.fillRect(QRect(0, 0, link.BoardWidth, link.BoardHeight), Qt::white);
    link.RenderBoard();
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(link.RedrawFlag);
    ASSERT_EQ(link.BoardDC.width(), 6 * CellWidth + Bevel);
    ASSERT_EQ(link.BoardDC.height(), 4 * CellHeight + Bevel);
    for (int y = 0; y < link.BoardHeight; ++y)
        for (int x = 0; x < link.BoardWidth; ++x)
            ASSERT_EQ(link.BoardDC.pixel(x, y), Black) << x << ", " << y;
}

// Only where no cell is drawn is the board filled: whatever was there before must go.
TEST_F(RenderTest, RedrawOverAnyPictureIsTheRedrawOnBlack)
{
    SetBoard(link, {"......", ".ab.c.", ".d..e.", "......"});
    link.RenderBoard();
    const QImage onBlack = link.BoardDC.image().copy();
    link.BoardDC.fillRect(QRect(0, 0, link.BoardWidth, link.BoardHeight), Qt::white);
    link.RenderBoard();
    EXPECT_EQ(link.BoardDC.image(), onBlack);
}

TEST_F(RenderTest, LoneTileShowsItsFaceBevelAndPicture)
{
    Render({"......",
            "......",
            "..c...",
            "......",
            "......"});
    EXPECT_EQ(At(2, 2, 20, 2), FaceColour(PlainStyle));
    EXPECT_EQ(At(2, 2, CellWidth + 2, 20), BevelColour(PlainStyle));
    EXPECT_EQ(At(2, 2, 20, CellHeight + 2), BevelColour(PlainStyle));
    EXPECT_EQ(At(2, 2, CellWidth + 2, CellHeight + 2), BevelColour(PlainStyle));
    EXPECT_EQ(At(2, 2, CellWidth + 2, 2), Black);
    EXPECT_EQ(At(2, 2, 2, CellHeight + 2), Black);
    // The picture at (+1, +5): its shape over the face, the rest of its square showing the face.
    EXPECT_EQ(At(2, 2, 1 + ShapeFrom, 5 + ShapeFrom), PictureColour(2));
    EXPECT_EQ(At(2, 2, 1 + ShapeTo - 1, 5 + ShapeTo - 1), PictureColour(2));
    EXPECT_EQ(At(2, 2, ShapeFrom, 5 + ShapeFrom), FaceColour(PlainStyle));
    EXPECT_EQ(At(2, 2, 1 + ShapeFrom, 4 + ShapeFrom), FaceColour(PlainStyle));
    // Nothing outside the cell's background.
    EXPECT_EQ(At(2, 2, -1, 20), Black);
    EXPECT_EQ(At(2, 2, 20, -1), Black);
}

TEST_F(RenderTest, LaterNeighboursCoverEarlierBevels)
{
    Render({"......",
            ".aa...",
            ".aa...",
            "......"});
    // Inside a block only the faces show.
    EXPECT_EQ(At(1, 1, CellWidth + 2, 20), FaceColour(PlainStyle));
    EXPECT_EQ(At(1, 1, 20, CellHeight + 2), FaceColour(PlainStyle));
    EXPECT_EQ(At(1, 1, CellWidth + 2, CellHeight + 2), FaceColour(PlainStyle));
    EXPECT_EQ(At(2, 2, CellWidth + 2, CellHeight + 2), BevelColour(PlainStyle));

    // A tile below but none to the right: the right bevel shows, and the black top-right
    // corner of the tile below cuts off its lower end.
    Render({"......",
            ".a....",
            ".b....",
            "......"});
    EXPECT_EQ(At(1, 1, CellWidth + 2, 20), BevelColour(PlainStyle));
    EXPECT_EQ(At(1, 1, CellWidth + 2, CellHeight + 2), Black);
    EXPECT_EQ(At(2, 1, CellWidth + 2, 20), BevelColour(PlainStyle));
    EXPECT_EQ(At(2, 1, CellWidth + 2, CellHeight + 2), BevelColour(PlainStyle));
}

TEST_F(RenderTest, LastKindComesFromTheBottomOfTheSheet)
{
    Render({"....",
            ".S..",
            "....",
            "...."});
    EXPECT_EQ(KindOfChar('S'), 44);
    EXPECT_EQ(At(1, 1, 1 + 20, 5 + 20), PictureColour(44));
    EXPECT_EQ(At(1, 1, 1 + 2, 5 + 2), FaceColour(PlainStyle));
}

TEST_F(RenderTest, SelectingAndDeselectingRestoresEveryCellExactly)
{
    Render({".......",
            ".abcde.",
            ".fg.hi.",
            ".jklmn.",
            "......."});
    const QImage rendered = link.BoardDC.image().copy();
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 5; ++col) {
            if (link.Grid[row][col] == EmptyCell)
                continue;
            Click(row, col);
            ASSERT_NE(link.BoardDC.image(), rendered);
            Click(row, col);
            ASSERT_EQ(link.BoardDC.image(), rendered) << "cell " << row << ", " << col;
        }
    }
}

TEST_F(RenderTest, SelectedCellShowsAPanelInsideAMarginOfTheFace)
{
    Render({".....",
            ".ab..",
            ".....",
            "....."});
    const QImage rendered = link.BoardDC.image().copy();
    Click(1, 1);
    EXPECT_EQ(At(1, 1, 2, 2), Black);  // the panel's border, top and left only
    EXPECT_EQ(At(1, 1, 10, 2), Black);
    EXPECT_EQ(At(1, 1, 3, 3), PanelColour(SelectedStyle));
    EXPECT_EQ(At(1, 1, 2 + 37 - 1, 2 + 47 - 1), PanelColour(SelectedStyle));
    EXPECT_EQ(At(1, 1, 1, 20), FaceColour(PlainStyle));
    EXPECT_EQ(At(1, 1, 2 + 37, 20), FaceColour(PlainStyle));
    EXPECT_EQ(At(1, 1, 20, 2 + 47), FaceColour(PlainStyle));
    EXPECT_EQ(At(1, 1, 1 + ShapeFrom, 5 + ShapeFrom), PictureColour(0));
    // The neighbour is untouched.
    EXPECT_EQ(link.BoardDC.image().copy(CellWidth * 2, CellHeight, CellWidth, CellHeight),
              rendered.copy(CellWidth * 2, CellHeight, CellWidth, CellHeight));
}

TEST_F(RenderTest, HintFramesBothCellsOfThePairInTeal)
{
    Render({"......",
            ".a.b..",
            "...a..",
            ".b....",
            "......"});
    redraws = 0;
    link.ShowHint();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(At(1, 1, 10, 10), PanelColour(HintStyle));
    EXPECT_EQ(At(2, 3, 10, 10), PanelColour(HintStyle));
    EXPECT_EQ(At(1, 3, 10, 10), FaceColour(PlainStyle));
    EXPECT_EQ(At(3, 1, 10, 10), FaceColour(PlainStyle));
}

}  // namespace
