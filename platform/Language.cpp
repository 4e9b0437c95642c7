#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace platform {
namespace {

const QString CatalogueFolder = QStringLiteral(":/i18n/");
const QString CataloguePrefix = QStringLiteral("zenkara_");
const QString CatalogueSuffix = QStringLiteral(".qm");
// The language the game's texts are written in: it needs no catalogue of its own.
const QLocale SourceLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);

QString activeLanguage;
std::unique_ptr<QTranslator> gameTranslator;
std::unique_ptr<QTranslator> qtTranslator;

// As gettext does, the messages' locale is the first of these that is set; LANGUAGE only
// counts where that locale is not C.
bool MessagesInCLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value == QLatin1String("C") || value == QLatin1String("POSIX")
                || value.startsWith(QLatin1String("C."));
    }
    return true;
}

bool Speaks(const QLocale& catalogue, const QLocale& wanted)
{
    return catalogue.language() == wanted.language() && catalogue.script() == wanted.script();
}

// Replaces the translator in `slot` with the file's, when there is one.
void Install(std::unique_ptr<QTranslator>& slot, const QString& file, const QString& folder)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot.reset();
    if (file.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        slot = std::move(translator);
}

}  // namespace

QStringList DesktopLanguages()
{
    return MessagesInCLocale() ? QStringList() : QLocale::system().uiLanguages();
}

QStringList EmbeddedCatalogues()
{
    QStringList names;
    // Listed without a name filter: a filter is a regular expression, and would keep that
    // library in the game's memory from its start.
    const QStringList files = QDir(CatalogueFolder).entryList(QDir::Files);
    for (const QString& file : files)
        if (file.startsWith(CataloguePrefix) && file.endsWith(CatalogueSuffix))
            names.append(file.mid(CataloguePrefix.size(), file.size() - CataloguePrefix.size() - CatalogueSuffix.size()));
    return names;
}

QString ChooseLanguage(const QStringList& languages, const QStringList& catalogues)
{
    for (const QString& language : languages) {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::C || wanted.language() == QLocale::AnyLanguage)
            continue;
        if (Speaks(SourceLocale, wanted))
            return {};
        QString match;
        for (const QString& catalogue : catalogues) {
            const QLocale offered(catalogue);
            if (!Speaks(offered, wanted))
                continue;
            // Of two catalogues of one language, the one made for the wanted territory wins.
            if (match.isEmpty() || offered.territory() == wanted.territory())
                match = catalogue;
        }
        if (!match.isEmpty())
            return match;
    }
    return {};
}

void UseLanguage(const QString& catalogue)
{
    activeLanguage = catalogue;
    const QString qtLanguage = catalogue.isEmpty() ? SourceLocale.name() : catalogue;
    Install(qtTranslator, QStringLiteral("qtbase_") + qtLanguage, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(gameTranslator, catalogue.isEmpty() ? QString() : CataloguePrefix + catalogue, CatalogueFolder);
}

void UseDesktopLanguage()
{
    UseLanguage(ChooseLanguage(DesktopLanguages(), EmbeddedCatalogues()));
}

QString ActiveLanguage()
{
    return activeLanguage;
}

QString LocalisedFileName(const QString& name)
{
    if (activeLanguage.isEmpty())
        return name;
    const QFileInfo file(name);
    return file.completeBaseName() + u'_' + activeLanguage + (file.suffix().isEmpty() ? QString() : u'.' + file.suffix());
}

}  // namespace platform
