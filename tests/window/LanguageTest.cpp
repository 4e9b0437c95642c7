#include "tests/support/WindowFixture.h"

#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/ProgressBar.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <vector>

namespace {

class LanguageTest : public WindowTest {
protected:
    void TearDown() override
    {
        WindowTest::TearDown();
        platform::UseLanguage(QString());
    }
};

struct Speech {
    QStringList desktop;  // the desktop's languages, as Qt lists them
    QStringList menus;
    QString difficultyCaption;
    QString level;
    QString okButton;     // Qt's own text, from Qt's translations
};

// The game's own texts where the desktop asks for none of its languages or for Simplified Chinese
// first; a catalogue serves its script in every territory and wins over later languages.
TEST_F(LanguageTest, MenusPanelAndStandardButtonsSpeakTheFirstLanguageTheGameKnows)
{
    const QStringList source{QStringLiteral("游戏(&G)"), QStringLiteral("选项(&S)"), QStringLiteral("帮助(&H)")};
    const QStringList english{QStringLiteral("&Game"), QStringLiteral("&Options"), QStringLiteral("&Help")};
    const QStringList traditional{QStringLiteral("遊戲(&G)"), QStringLiteral("選項(&S)"), QStringLiteral("說明(&H)")};
    const std::vector<Speech> cases = {
        {{}, source, QStringLiteral("难度: "), QStringLiteral("1  无变化"), QStringLiteral("确定")},
        {{"en-US", "en-Latn-US", "en"}, english, QStringLiteral("Skill: "), QStringLiteral("1  No change"), QStringLiteral("OK")},
        {{"zh-TW", "zh-Hant-TW"}, traditional, QStringLiteral("難度: "), QStringLiteral("1  無變化"), QStringLiteral("確定")},
        {{"zh-HK", "zh-Hant-HK"}, traditional, QStringLiteral("難度: "), QStringLiteral("1  無變化"), QStringLiteral("確定")},
        {{"fr-FR", "en-GB"}, english, QStringLiteral("Skill: "), QStringLiteral("1  No change"), QStringLiteral("OK")},
        {{"zh-CN", "en-US"}, source, QStringLiteral("难度: "), QStringLiteral("1  无变化"), QStringLiteral("确定")},
    };
    for (const Speech& speech : cases) {
        SCOPED_TRACE(speech.desktop.join(u',').toStdString());
        platform::UseLanguage(platform::ChooseLanguage(speech.desktop, platform::EmbeddedCatalogues()));
        TForm1& form = Open();
        EXPECT_EQ((QStringList{form.G1->title(), form.S1->title(), form.mmiHelp->title()}), speech.menus);
        form.mmiEasyClick();
        EXPECT_EQ(form.Label1->text(), speech.difficultyCaption);
        EXPECT_EQ(form.lblLevel->text(), speech.level);
        // The panel's labels stand apart and the bar between them, whatever the language.
        EXPECT_LE(form.Label1->geometry().right(), form.lblDiff->x());
        EXPECT_LT(form.lblLevel->geometry().right(), form.ProgressBar1->x());
        EXPECT_LT(form.ProgressBar1->geometry().right(), form.Label4->x());

        QString ok;
        ModalAnswer<QMessageBox> answer([&](QMessageBox* box) {
            ok = box->button(QMessageBox::Ok)->text();
            box->accept();
        });
        platform::ShowDesktopMessageBox(&form, QStringLiteral("-"), QStringLiteral("-"));
        EXPECT_EQ(ok, speech.okButton);
        form.mmiQuitClick();
    }
}

// As gettext does, a C or POSIX messages locale shows the game's own texts whatever LANGUAGE asks.
TEST(Language, CLocaleIgnoresLanguage)
{
    const QByteArray saved = qgetenv("LC_ALL");
    const QByteArray savedLanguage = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "en_US:zh_TW");
    for (const char* c : {"C", "POSIX", "C.UTF-8"}) {
        qputenv("LC_ALL", c);
        EXPECT_TRUE(platform::DesktopLanguages().isEmpty()) << c;
    }
    qputenv("LC_ALL", saved);
    qputenv("LANGUAGE", savedLanguage);
}

// The Help menu opens the instructions of the active language: each catalogue comes with them.
TEST(Language, EveryLanguageHasItsInstructions)
{
    QStringList opened;
    const QStringList catalogues = platform::EmbeddedCatalogues() << QString();
    for (const QString& catalogue : catalogues) {
        platform::UseLanguage(catalogue);
        const QString name = platform::LocalisedFileName(QStringLiteral("ReadMe.txt"));
        opened << name;
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ZENKARA_SOURCE_DIR "/resources/") + name)) << name.toStdString();
    }
    platform::UseLanguage(QString());
    EXPECT_TRUE(opened.contains(QStringLiteral("ReadMe_en.txt")) && opened.contains(QStringLiteral("ReadMe.txt")));
}

}  // namespace
