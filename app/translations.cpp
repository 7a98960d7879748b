#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <string>

#include "game/translate.h"

namespace mervane {
namespace {

struct Installed {
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
    QString language = QStringLiteral("en");
};

Installed& Current() {
    static Installed installed;
    return installed;
}

QString LanguageCode(const QLocale& locale) {
    return QLocale::languageToCode(locale.language());
}

// The game's catalogue for the first language that has one, and that language's
// code; none when English (or the C locale) comes first.
std::unique_ptr<QTranslator> LoadGameCatalogue(const QStringList& uiLanguages, QString& language) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return nullptr;
        const QString path = QStringLiteral(":/i18n/mervane_%1.qm").arg(LanguageCode(locale));
        if (translator->load(path)) {
            language = LanguageCode(locale);
            return translator;
        }
    }
    return nullptr;
}

}  // namespace

QString InstallTranslations(const QStringList& uiLanguages) {
    RemoveTranslations();
    Installed& installed = Current();
    installed.game = LoadGameCatalogue(uiLanguages, installed.language);
    if (!installed.game) return installed.language;
    QCoreApplication::installTranslator(installed.game.get());
    // Qt's buttons in the same language as the game's texts, if the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + installed.language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.qt = std::move(qt);
    }
    SetTranslator([](std::string_view context, std::string_view source) {
        const std::string contextZ(context);
        const std::string sourceZ(source);
        return QCoreApplication::translate(contextZ.c_str(), sourceZ.c_str()).toStdString();
    });
    return installed.language;
}

void RemoveTranslations() {
    Installed& installed = Current();
    SetTranslator({});
    if (installed.qt) QCoreApplication::removeTranslator(installed.qt.get());
    if (installed.game) QCoreApplication::removeTranslator(installed.game.get());
    installed = Installed{};
}

QString TranslationLanguage() {
    return Current().language;
}

}  // namespace mervane
