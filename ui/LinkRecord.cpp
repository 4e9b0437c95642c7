#include "ui/LinkRecord.h"

#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/System.h"
#include "ui/DialogLook.h"
#include "ui/GameTexts.h"
#include "ui/WriteNameBox.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>


void RecordHighScoreFor(QWidget* owner, int difficulty, const QString& scoreText)
{
    LoadScores(difficulty);
    bool isNumber = false;
    const std::int32_t score = scoreText.trimmed().toInt(&isNumber);
    if (!isNumber || !BeatsEntryTen(score))
        return;
    QString name;
    if (!AskPlayerName(name, owner))
        return;
    try {
        RecordScore(difficulty, {name, score, platform::CurrentShortDate()});
    } catch (const platform::IniWriteError& error) {
        platform::ShowWriteError(owner, error.path());
    }
}

// --- TCloseUpComboBox ---

TCloseUpComboBox::TCloseUpComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // The list window also closes without hidePopup (a click outside it), so its hiding is
    // watched directly.
    view()->window()->installEventFilter(this);
    // A choice from the list, or a change by arrow key or wheel while the list is closed: the
    // grid then follows too, so that 清除 never clears a table other than the one on view.
    connect(this, &QComboBox::activated, this, &TCloseUpComboBox::reportCloseUp);
}

void TCloseUpComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool typesText = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (typesText && !view()->isVisible())
        showPopup();
    QComboBox::keyPressEvent(event);
}

bool TCloseUpComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == view()->window()) {
        // A choice is applied right after the list hides; report once it has been, unless
        // the activated signal has reported it already.
        closeUpPending_ = true;
        QTimer::singleShot(0, this, [this] {
            if (closeUpPending_)
                reportCloseUp();
        });
    }
    return QComboBox::eventFilter(watched, event);
}

void TCloseUpComboBox::reportCloseUp()
{
    closeUpPending_ = false;
    emit closedUp();
}

// --- TTopScore ---

namespace {

constexpr int GridRows = ScoreCount + 1;
constexpr int GridRowHeight = 20;
constexpr std::array GridColumnWidths{28, 62, 64, 98};
// Each cell is followed by its grid line, which a table view draws inside the section.
constexpr int GridLineWidth = 1;
constexpr int ComboItemHeight = 15;
constexpr QSize DesignSize(370, 254);
constexpr int ListDesignWidth = 77;
// Between the list of difficulties and the dialog's right edge.
constexpr int ListMargin = DesignSize.width() - 284 - ListDesignWidth;
constexpr std::array GridHeader{QT_TRANSLATE_NOOP("TTopScore", "排名"), QT_TRANSLATE_NOOP("TTopScore", "姓  名"),
                                QT_TRANSLATE_NOOP("TTopScore", "成  绩"), QT_TRANSLATE_NOOP("TTopScore", "时  间")};

QTableWidget* CreateGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(GridRows, static_cast<int>(GridColumnWidths.size()), parent);
    grid->setGeometry(8, 4, 261, 237);
    // The two-pixel sunken border of a plain grid leaves 257 x 233 pixels for the cells.
    grid->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    for (std::size_t c = 0; c < GridColumnWidths.size(); ++c)
        grid->setColumnWidth(static_cast<int>(c), GridColumnWidths[c] + GridLineWidth);
    for (int r = 0; r < GridRows; ++r)
        grid->setRowHeight(r, GridRowHeight + GridLineWidth);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The narrow rank column still shows its two-character header whole, as a plain grid does.
    grid->setTextElideMode(Qt::ElideNone);
    grid->setWordWrap(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::ClickFocus);
    return grid;
}

}  // namespace

TTopScore::TTopScore(QWidget* owner)
    : TGameDialog(owner, FixedDialogFlags)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    HoldSize(this, DesignSize);
    CentreOnBlack(this);
    setFont(PixelFont(QString::fromUtf16(SansSerifFamily), 11));
    CreateControls();
    // The dialog widens as far as a longer list of difficulties needs, keeping its design margin.
    const int listRight = ComboBox1->x() + ComboBox1->width() + ListMargin;
    if (listRight > DesignSize.width())
        HoldSize(this, QSize(listRight, DesignSize.height()));
    FormCreate();
}

void TTopScore::CreateControls()
{
    const QFont song = PixelFont(QString::fromUtf16(SongFamily), 15);

    // Created first so that it is first in the tab order and has the focus.
    btnClose = new QPushButton(tr("关      闭"), this);
    btnClose->setGeometry(284, 216, 75, 25);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &TTopScore::btnCloseClick);

    btnClear = new QPushButton(tr("清        除"), this);
    btnClear->setGeometry(284, 176, 75, 25);
    connect(btnClear, &QPushButton::clicked, this, &TTopScore::btnClearClick);

    StringGrid1 = CreateGrid(this);

    Label1 = new QLabel(tr("难度:"), this);
    Label1->setGeometry(284, 8, 45, 17);
    Label1->setFont(song);

    ComboBox1 = new TCloseUpComboBox(this);
    ComboBox1->setFont(song);
    ComboBox1->setItemDelegate(new QStyledItemDelegate(ComboBox1));
    for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty)
        ComboBox1->addItem(DifficultyName(difficulty));
    for (int i = 0; i < ComboBox1->count(); ++i)
        ComboBox1->setItemData(i, QSize(0, ComboItemHeight), Qt::SizeHintRole);
    ComboBox1->move(284, 28);
    // Where a difficulty's name is longer than designed (in another language), the list widens.
    ComboBox1->setFixedWidth(std::max(ListDesignWidth, ComboBox1->sizeHint().width()));
    ComboBox1->setFocusPolicy(Qt::ClickFocus);
    connect(ComboBox1, &TCloseUpComboBox::closedUp, this, &TTopScore::ComboBox1CloseUp);
}

void TTopScore::FormCreate()
{
    setWindowTitle(ProgramTitle());
    ComboBox1->setCurrentIndex(0);
    FillGrid();
}

void TTopScore::SetGridRow(int row, const QStringList& texts)
{
    for (int c = 0; c < texts.size(); ++c) {
        auto* item = new QTableWidgetItem(texts[c]);
        if (row == 0)
            item->setBackground(palette().button());
        StringGrid1->setItem(row, c, item);
    }
}

void TTopScore::FillGrid()
{
    QStringList header;
    for (const char* text : GridHeader)
        header.append(tr(text));
    SetGridRow(0, header);
    for (int r = 1; r <= ScoreCount; ++r) {
        const ScoreEntry& entry = ScoreTable[r - 1];
        SetGridRow(r, {QString::number(r), entry.Name, QString::number(entry.Score), entry.RecordTime});
    }
}

void TTopScore::ComboBox1CloseUp()
{
    LoadScores(ComboBox1->currentIndex());
    FillGrid();
}

void TTopScore::btnClearClick()
{
    const int difficulty = ComboBox1->currentIndex();
    ResetScores();
    try {
        SaveScores(difficulty);
    } catch (const platform::IniWriteError& error) {
        platform::ShowWriteError(this, error.path());
        // The file kept its entries, so the table shows them again rather than defaults
        // that were never stored.
        LoadScores(difficulty);
    }
    FillGrid();
}

void TTopScore::btnCloseClick()
{
    close();
}

