#include "tests/support/ModalAnswer.h"
#include "tests/support/TestSwitches.h"

#include "platform/Desktop.h"
#include "ui/Unit2.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Shows a box, lets `look` inspect it, and presses OK with Enter.
void Show(const QString& text, int layout, const std::function<void(TForm2*)>& look)
{
    ModalAnswer<TForm2> answer([&look](TForm2* box) {
        look(box);
        QTest::keyClick(box->btnOk, Qt::Key_Return);
    });
    ShowMessageBox(nullptr, text, layout);
}

void ExpectMessageLayout(TForm2* box)
{
    EXPECT_EQ(box->size(), QSize(197, 92));
    EXPECT_EQ(box->Label1->geometry(), QRect(12, 12, 173, 41));
    EXPECT_EQ(box->btnOk->pos(), QPoint(64, 60));
    EXPECT_FALSE(box->Label2->isVisible());
    EXPECT_FALSE(box->Label2->isEnabled());
}

TEST(MessageBoxTest, MessageLayoutIsSmallWithoutTheMailLine)
{
    for (int layout : {MessageLayout, 2}) {
        Show(QStringLiteral("过关了，恭喜！\r另加120分。"), layout, [](TForm2* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Zenkara之星 v1.04版"));
            EXPECT_EQ(box->Label1->text(), QStringLiteral("过关了，恭喜！\n另加120分。"));
            ExpectMessageLayout(box);
        });
    }
}

TEST(MessageBoxTest, HelpMessagesShowWholeAndWidenTheBoxAsLittleAsNeeded)
{
    for (const char16_t* text : {u"找不到游戏说明文件ReadMe.txt！", u"无法打开游戏说明文件ReadMe.txt！"}) {
        Show(QString::fromUtf16(text), MessageLayout, [](TForm2* box) {
            QLabel* label = box->Label1;
            const int textWidth = WidestLine(label);
            EXPECT_LE(textWidth, label->width()) << "clipped: " << label->text().toStdString();
            EXPECT_GT(textWidth, label->width() - 8) << "wider than needed";
            EXPECT_EQ(box->width() - label->geometry().right() - 1, label->x()) << "margins kept";
        });
    }
}

TEST(MessageBoxTest, AboutLayoutIsLargerWithTheMailLineAndDoesNotCarryOver)
{
    Show(QStringLiteral("Zenkara之星 v1.04版\r\r作者：x"), AboutLayout, [](TForm2* box) {
        EXPECT_EQ(box->frameGeometry().size(), QSize(273, 182));
        EXPECT_EQ(box->Label1->geometry(), QRect(12, 12, 241, 90));
        EXPECT_EQ(box->btnOk->pos(), QPoint(100, 116));
        EXPECT_TRUE(box->Label2->isVisible());
        EXPECT_TRUE(box->Label2->isEnabled());
        EXPECT_EQ(box->Label2->pos(), QPoint(65, 80));
        EXPECT_EQ(box->Label2->text(), QStringLiteral("E-Mail: ") + ContactAddress());
        EXPECT_LE(box->Label2->fontMetrics().horizontalAdvance(box->Label2->text()), box->Label2->width())
            << "the whole address is readable";
    });
    Show(QStringLiteral("已无牌可消！"), MessageLayout, ExpectMessageLayout);
}

TEST(MessageBoxTest, MailLineLightsUpUnderThePointerAndOpensAMailLink)
{
    const TestSwitches switches;  // desktop requests recorded
    QList<std::pair<QColor, bool>> looks;
    Show(QStringLiteral("about"), AboutLayout, [&looks](TForm2* box) {
        QLabel* link = box->Label2;
        const auto note = [&] { looks.append({link->palette().color(QPalette::WindowText), link->font().underline()}); };
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(link, &enter);
        note();
        QTest::mouseClick(link, Qt::LeftButton);
        note();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        note();
    });
    const QColor red(255, 0, 0), blue(0, 0, 255);
    EXPECT_EQ(looks, (QList<std::pair<QColor, bool>>{{red, true}, {blue, true}, {blue, false}}));
    EXPECT_EQ(platform::RecordedDesktopRequests(), QStringList{QStringLiteral("url:mailto:") + ContactAddress()});
}

}  // namespace
