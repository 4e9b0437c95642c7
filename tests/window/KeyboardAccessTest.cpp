#include "tests/support/WindowFixture.h"

#include "ui/ClientArea.h"
#include "ui/TileNames.h"

#include <QAccessible>
#include <QAction>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <utility>
#include <vector>

namespace {

using KeyboardTest = WindowTest;
using BoardAccessibilityTest = WindowTest;

// Two c's that link with one turn, and a pair of d's that keeps the board alive after them.
const BoardRows TwoPairs = EasyBoard({
    "..............",
    ".c............",
    "..............",
    "..............",
    "..........dd..",
    "...c..........",
});

TEST_F(KeyboardTest, PlaysAPairWithTheKeysAloneOnTheCursorTheMouseShares)
{
    TForm1& form = Open();
    TLink& engine = StartEasyWith(TwoPairs);
    // Keys go where the player's keys go: to the window's focus, not to a chosen widget.
    const auto press = [&form](Qt::Key key) { QTest::keyClick(form.windowHandle(), key); };
    const auto cursor = [&form] { return std::pair(form.HoverCell / 14, form.HoverCell % 14); };
    ASSERT_EQ(cursor(), std::pair(1, 1));

    press(Qt::Key_Space);
    EXPECT_EQ(std::pair(engine.SelRow, engine.SelCol), std::pair(1, 1));
    const std::vector<std::pair<Qt::Key, std::pair<int, int>>> moves{
        {Qt::Key_Up, {1, 1}},      {Qt::Key_Left, {1, 1}},  {Qt::Key_PageDown, {7, 1}}, {Qt::Key_End, {7, 12}},
        {Qt::Key_Right, {7, 12}},  {Qt::Key_Down, {7, 12}}, {Qt::Key_Home, {7, 1}},     {Qt::Key_PageUp, {1, 1}},
        {Qt::Key_Down, {2, 1}},    {Qt::Key_Down, {3, 1}},  {Qt::Key_Down, {4, 1}},     {Qt::Key_Down, {5, 1}},
        {Qt::Key_Right, {5, 2}},   {Qt::Key_Right, {5, 3}},
    };
    for (const auto& [key, expected] : moves) {
        press(key);
        EXPECT_EQ(cursor(), expected) << "key " << key;
    }

    press(Qt::Key_Space);
    EXPECT_EQ(BoardText(engine), EasyBoard({"..............", "..............", "..............",
                                            "..............", "..........dd.."}));
    EXPECT_EQ(engine.Params->Score, 10);
    const auto framed = [this, &form](int row, int col) {
        const TRect frame = form.CellRect(col, row);
        return WindowPixel(frame.Left, frame.Top + 25) == (qRgb(84, 84, 116) & 0xffffff);  // grey under the blue tint
    };
    EXPECT_TRUE(framed(5, 3)) << "the cursor stays framed on the now empty cell";

    const TRect tile = form.CellRect(10, 4);
    form.FormMouseMove(tile.Left + 20, tile.Top + 30);
    EXPECT_EQ(cursor(), std::pair(4, 10)) << "the mouse moves the cursor";
    press(Qt::Key_Right);
    EXPECT_EQ(cursor(), std::pair(4, 11)) << "and a key moves it away from the pointer";
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_TRUE(framed(4, 11)) << "the hint's redraw keeps the cursor";

    engine.Params->SetPaused(true);
    press(Qt::Key_Left);
    press(Qt::Key_Space);
    EXPECT_EQ(cursor(), std::pair(4, 11)) << "the keys do nothing while paused";
    EXPECT_EQ(engine.SelRow, EmptyCell);
}

TEST_F(BoardAccessibilityTest, BoardIsATableOfTileCellsWithCursorSelectionAndHint)
{
    for (int pattern = 1; pattern <= 4; ++pattern) {
        QSet<QString> names;
        for (std::int32_t kind = 0; kind < KindCount; ++kind)
            names.insert(TileName(pattern, kind));
        EXPECT_EQ(names.size(), KindCount) << "the names of sheet " << pattern << " tell every tile apart";
        EXPECT_FALSE(names.contains(TileName(pattern, EmptyCell)));
    }

    TForm1& form = Open();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.ClientArea);
    ASSERT_TRUE(board && board->tableInterface());
    QAccessibleTableInterface& table = *board->tableInterface();
    QAccessibleInterface* score = QAccessible::queryAccessibleInterface(form.lblScore);
    EXPECT_EQ(table.rowCount(), 0) << "no game, no cells";
    EXPECT_EQ(score->text(QAccessible::Name).trimmed(), QStringLiteral("得分:")) << "its caption, no made-up score";

    StartEasyWith(EasyBoardOnePair);
    EXPECT_EQ(std::pair(table.rowCount(), table.columnCount()), std::pair(7, 12));
    EXPECT_EQ(score->text(QAccessible::Name), QStringLiteral("得分: 0"));
    const auto name = [&table](int row, int col) { return table.cellAt(row, col)->text(QAccessible::Name); };
    form.mmiAnimal1->trigger();
    EXPECT_EQ((QStringList{name(0, 0), name(0, 1), name(0, 2)}),
              (QStringList{QStringLiteral("大象"), QStringLiteral("长颈鹿"), QStringLiteral("空")}));
    form.mmiAnimal4->trigger();
    EXPECT_EQ(name(0, 0), QStringLiteral("葡萄")) << "the names follow the tile set";

    QAccessibleInterface* first = table.cellAt(0, 0);
    EXPECT_EQ(board->child(board->indexOfChild(first)), first);
    EXPECT_EQ(board->focusChild(), first) << "the cursor's cell has the focus";
    QTest::keyClick(form.windowHandle(), Qt::Key_Right);
    QTest::keyClick(form.windowHandle(), Qt::Key_Space);
    QAccessibleInterface* second = table.cellAt(0, 1);
    EXPECT_TRUE(second->state().focused && second->state().selected);
    EXPECT_FALSE(first->state().focused || first->state().selected);
    EXPECT_EQ(table.selectedCells(), QList<QAccessibleInterface*>{second});

    QTest::keyClick(&form, Qt::Key_F5);
    for (int col : {10, 11}) {
        EXPECT_TRUE(table.cellAt(6, col)->state().marqueed) << col;
        EXPECT_EQ(table.cellAt(6, col)->text(QAccessible::Description), QStringLiteral("提示"));
    }
    EXPECT_FALSE(table.cellAt(6, 9)->state().marqueed);

    form.Engine->Params->SetPaused(true);
    EXPECT_TRUE(first->state().invisible);
    EXPECT_EQ(name(0, 0), QString()) << "the pause hides the board";
}

}  // namespace
