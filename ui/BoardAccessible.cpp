#include "BoardAccessible.h"

#include "ClientArea.h"
#include "TileNames.h"
#include "Unit1.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <map>
#include <utility>

namespace {

class TBoardTable;

// One tile cell of the board, at (row, column) of the table.
class TBoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TBoardCell(TBoardTable* table, int row, int col) : table_(table), row_(row), col_(col) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    TBoardTable* table_;
    int row_;
    int col_;
};

// The client area: the board's tile cells first, row by row, then the client area's controls.
class TBoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TBoardTable(TClientArea* area) : QAccessibleWidget(area, QAccessible::Table) {}
    ~TBoardTable() override { ForgetCells(); }

    // The running game, or null.
    const TLink* Engine() const
    {
        const auto* form = Form();
        return form ? form->Engine : nullptr;
    }
    const TForm1* Form() const { return qobject_cast<const TForm1*>(widget()->window()); }
    bool Contains(int row, int col) const { return row >= 0 && row < rowCount() && col >= 0 && col < columnCount(); }
    std::int32_t Tile(int row, int col) const { return Engine()->Grid[row + 1][col + 1]; }
    bool IsCursor(int row, int col) const
    {
        return Form()->HoverCell == (row + 1) * Engine()->Params->Cols + col + 1;
    }
    bool IsSelected(int row, int col) const { return Engine()->SelRow == row + 1 && Engine()->SelCol == col + 1; }
    bool IsHinted(int row, int col) const
    {
        const TLink& engine = *Engine();
        const bool first = engine.HintRow1 == row + 1 && engine.HintCol1 == col + 1;
        const bool second = engine.HintRow2 == row + 1 && engine.HintCol2 == col + 1;
        return (first || second) && Tile(row, col) != EmptyCell;
    }
    bool HasFocus() const { return widget()->hasFocus(); }
    // The pause screen hides the board from the eyes, and so from assistive technology.
    bool Hidden() const { return Engine()->Params->Paused; }
    // The cell's rectangle on the screen, where the client area's view shows it.
    QRect CellRect(int row, int col) const
    {
        const TRect cell = Form()->CellRect(col + 1, row + 1);
        const QRect shown = Form()->ClientArea->toWidget(
            QRect(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top));
        return {widget()->mapToGlobal(shown.topLeft()), shown.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("BoardAccessible", "棋盘");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return CellCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int cells = CellCount();
        if (index < 0)
            return nullptr;
        if (index < cells)
            return cellAt(index / columnCount(), index % columnCount());
        return QAccessibleWidget::child(index - cells);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* cell = dynamic_cast<const TBoardCell*>(child)) {
            const bool ours = cell->table() == this && cell->isValid();
            return ours ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
        }
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : CellCount() + index;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int row = 0; row < rowCount(); ++row)
            for (int col = 0; col < columnCount(); ++col)
                if (CellRect(row, col).contains(x, y))
                    return cellAt(row, col);
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override
    {
        const TLink* engine = Engine();
        if (!engine || !HasFocus())
            return nullptr;
        const int cols = engine->Params->Cols;
        return cellAt(Form()->HoverCell / cols - 1, Form()->HoverCell % cols - 1);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int col) const override
    {
        if (!Contains(row, col))
            return nullptr;
        auto [entry, added] = cells_.try_emplace({row, col}, QAccessible::Id());
        if (added)
            entry->second = QAccessible::registerAccessibleInterface(
                new TBoardCell(const_cast<TBoardTable*>(this), row, col));
        return QAccessible::accessibleInterface(entry->second);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const TLink* engine = Engine();
        if (!engine || engine->SelRow == EmptyCell)
            return {};
        QAccessibleInterface* cell = cellAt(engine->SelRow - 1, engine->SelCol - 1);
        return cell ? QList<QAccessibleInterface*>{cell} : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    // The grid less its empty ring; none before the first deal.
    int columnCount() const override
    {
        const TLink* engine = Engine();
        return engine && !engine->Grid.empty() ? static_cast<int>(engine->Grid.front().size()) - 2 : 0;
    }
    int rowCount() const override
    {
        const TLink* engine = Engine();
        return engine && !engine->Grid.empty() ? static_cast<int>(engine->Grid.size()) - 2 : 0;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The selection belongs to the game: only a click or Space selects a tile.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset)
            ForgetCells();
    }

private:
    int CellCount() const { return rowCount() * columnCount(); }
    void ForgetCells()
    {
        for (const auto& [position, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    // The cells handed out so far, kept so that each keeps its identity while the board stands.
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

bool TBoardCell::isValid() const { return table_->Contains(row_, col_); }
QWindow* TBoardCell::window() const { return table_->window(); }
QAccessibleInterface* TBoardCell::parent() const { return table_; }
QAccessibleInterface* TBoardCell::table() const { return table_; }
QRect TBoardCell::rect() const { return isValid() ? table_->CellRect(row_, col_) : QRect(); }
bool TBoardCell::isSelected() const { return isValid() && table_->IsSelected(row_, col_); }

QString TBoardCell::text(QAccessible::Text t) const
{
    if (!isValid() || table_->Hidden())
        return {};
    if (t == QAccessible::Name)
        return TileName(PatternSetting, table_->Tile(row_, col_));
    if (t == QAccessible::Description && table_->IsHinted(row_, col_))
        return QCoreApplication::translate("BoardAccessible", "提示");
    return {};
}

QAccessible::State TBoardCell::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = table_->Hidden();
    state.focusable = true;
    state.selectable = true;
    state.focused = table_->HasFocus() && table_->IsCursor(row_, col_);
    state.selected = table_->IsSelected(row_, col_);
    state.marqueed = table_->IsHinted(row_, col_);
    return state;
}

QAccessibleInterface* BoardFactory(const QString&, QObject* object)
{
    auto* area = qobject_cast<TClientArea*>(object);
    return area ? new TBoardTable(area) : nullptr;
}

// The child index of grid cell (row, col) in the client area's table, or -1.
int CellIndex(QWidget* clientArea, int row, int col)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(clientArea);
    QAccessibleInterface* cell = table ? table->tableInterface()->cellAt(row - 1, col - 1) : nullptr;
    return cell ? table->indexOfChild(cell) : -1;
}

void RaiseCellEvent(QAccessibleEvent& event, QWidget* clientArea, int row, int col)
{
    const int index = CellIndex(clientArea, row, col);
    if (index < 0)
        return;
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallBoardAccessibility()
{
    QAccessible::installFactory(BoardFactory);
}

void AnnounceBoardCursor(QWidget* clientArea, int row, int col)
{
    if (!QAccessible::isActive() || !clientArea->hasFocus())
        return;
    QAccessibleEvent focus(clientArea, QAccessible::Focus);
    RaiseCellEvent(focus, clientArea, row, col);
}

void AnnounceBoardCell(QWidget* clientArea, int row, int col)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent name(clientArea, QAccessible::NameChanged);
    RaiseCellEvent(name, clientArea, row, col);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent state(clientArea, changed);
    RaiseCellEvent(state, clientArea, row, col);
}

void AnnounceBoardReset(QWidget* clientArea)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTableModelChangeEvent reset(clientArea, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}
