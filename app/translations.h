#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace mervane {

// Installs the game's catalogue and Qt's own (the standard buttons) for the first of
// `uiLanguages` the game is translated into, and hands the game code its lookup. An
// English entry ahead of any catalogue keeps English, as does a list without one.
// Needs a QCoreApplication; replaces what an earlier call installed. Returns the
// language now shown, as a code ("de"), "en" for English.
QString InstallTranslations(const QStringList& uiLanguages);
inline QString InstallTranslations(const QLocale& locale) {
    return InstallTranslations(locale.uiLanguages());
}

// Back to English everywhere.
void RemoveTranslations();

// The language InstallTranslations chose last, "en" before it or after removal.
QString TranslationLanguage();

}  // namespace mervane
