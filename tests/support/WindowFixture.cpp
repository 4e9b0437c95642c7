#include "WindowFixture.h"

#include "platform/System.h"
#include "tests/support/EnginePlay.h"
#include "ui/ClientArea.h"

#include <QTest>

void WindowTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    switches_.emplace(dir_.path() + QLatin1Char('/'));
}

void WindowTest::TearDown()
{
    form_.reset();
    switches_.reset();
}

TForm1& WindowTest::Open(int screenHeight)
{
    platform::SetScreenHeightForTesting(screenHeight);
    form_ = std::make_unique<TForm1>();
    form_->show();
    Activate();
    return *form_;
}

void WindowTest::Activate()
{
    form_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

TLink& WindowTest::StartEasyWith(const BoardRows& rows)
{
    form_->mmiEasyClick();
    ShowBoard(rows);
    return *form_->Engine;
}

void WindowTest::ShowBoard(const BoardRows& rows)
{
    TLink& engine = *form_->Engine;
    const std::int32_t backStyle = engine.Params->BackStyle;
    SetBoard(engine, EasyBoard(rows));
    engine.Params->BackStyle = backStyle;
    engine.CountMoves();
    engine.RenderBoard();
}

void WindowTest::ClickCell(int row, int col, Qt::MouseButton button)
{
    const QPoint centre(form_->BoardRect.Left + col * CellWidth + CellWidth / 2,
                        form_->BoardRect.Top + row * CellHeight + CellHeight / 2);
    QTest::mouseClick(form_->ClientArea, button, Qt::NoModifier, centre);
}

QRgb WindowTest::WindowPixel(int x, int y) const
{
    return form_->ClientArea->canvas().pixel(x, y) & 0xffffff;
}

const BoardRows EasyBoardOnePair = EasyBoard({
    "..............",
    ".ab...........",
    ".ba...........",
    "..............",
    "..............",
    "..............",
    "..............",
    "...........cc.",
});

const BoardRows EasyBoardLastPair = EasyBoard({
    "..............",
    ".aa...........",
});
