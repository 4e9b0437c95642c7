#pragma once

#include <QString>
#include <QStringList>

// The language the game speaks. Its own texts are written in Simplified Chinese; a catalogue
// embedded for another language (":/i18n/zenkara_<name>.qm") translates them, and Qt's own
// texts (standard buttons, the edit boxes' menus) come from Qt's translations of that language.
namespace platform {

// The desktop's languages in order of preference (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG),
// or none under the C and POSIX locales, whose players see the game's own texts.
QStringList DesktopLanguages();
// The names of the embedded catalogues, such as "en" and "zh_TW".
QStringList EmbeddedCatalogues();
// The catalogue for the first of the languages that the game speaks, or an empty name when
// that is Simplified Chinese or none of them is spoken. A catalogue serves its language and
// script in every territory: "zh_TW" also serves Hong Kong.
QString ChooseLanguage(const QStringList& languages, const QStringList& catalogues);

// Installs the catalogue (empty: the game's own texts) and Qt's translations of its language,
// replacing those installed before.
void UseLanguage(const QString& catalogue);
// UseLanguage with the desktop's choice.
void UseDesktopLanguage();
// The catalogue in use; empty for the game's own texts.
QString ActiveLanguage();

// The name of the active language's version of a file the game opens: "ReadMe.txt" is
// "ReadMe_en.txt" in English and stays "ReadMe.txt" in Simplified Chinese.
QString LocalisedFileName(const QString& name);

}  // namespace platform
