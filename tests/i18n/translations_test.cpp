#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include "app/dialogs/help_window.h"
#include "app/frame/main_frame.h"
#include "app/translations.h"
#include "game/translate.h"

namespace mervane {
namespace {

// The context tr() uses at run time in the main window, which the catalogue must match.
QString MainFrameText(const char* source) {
    return QCoreApplication::translate(CMainFrame::staticMetaObject.className(), source);
}

class TranslationsTest : public ::testing::Test {
  protected:
    void TearDown() override { RemoveTranslations(); }
};

TEST_F(TranslationsTest, GermanReachesQtTheGameCodeAndQtsOwnTexts) {
    EXPECT_EQ(InstallTranslations(QStringList{QStringLiteral("de-DE")}), QStringLiteral("de"));
    EXPECT_EQ(TranslationLanguage(), QStringLiteral("de"));
    EXPECT_EQ(MainFrameText("&View"), QStringLiteral("&Ansicht"));
    // Through the game code's hook, as UTF-8.
    EXPECT_EQ(Tr("mervane::CMainFrame", "Zoom &In"),
              "Ver&gr\xC3\xB6\xC3\x9F"
              "ern");
    EXPECT_EQ(Tr("mervane::CMainFrame", "no such text"), "no such text");
    // Qt's own buttons, where the system has Qt's German catalogue.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    if (cancel == QStringLiteral("Cancel")) GTEST_SKIP() << "no qtbase_de.qm installed";
    EXPECT_EQ(cancel, QStringLiteral("Abbrechen"));
}

TEST_F(TranslationsTest, TheFirstLanguageWithACatalogueWins) {
    EXPECT_EQ(InstallTranslations(QStringList{QStringLiteral("sv-SE"), QStringLiteral("fr-CA"),
                                              QStringLiteral("de")}),
              QStringLiteral("fr"));
    EXPECT_EQ(MainFrameText("&View"), QStringLiteral("&Affichage"));
}

TEST_F(TranslationsTest, EnglishStaysWithoutACatalogueOrWhenPreferred) {
    for (const QStringList& languages :
         {QStringList{QStringLiteral("sv")}, QStringList{QStringLiteral("en")},
          QStringList{QStringLiteral("en-GB"), QStringLiteral("de")},
          QStringList{QStringLiteral("C"), QStringLiteral("de")}, QStringList{}}) {
        EXPECT_EQ(InstallTranslations(languages), QStringLiteral("en"))
            << languages.join(u',').toStdString();
        EXPECT_EQ(MainFrameText("&View"), QStringLiteral("&View"));
        EXPECT_EQ(Tr("mervane::CMainFrame", "&View"), "&View");
    }
}

TEST_F(TranslationsTest, RemovingOrReplacingLeavesNoEarlierCatalogue) {
    InstallTranslations(QStringList{QStringLiteral("de")});
    InstallTranslations(QStringList{QStringLiteral("es")});
    EXPECT_EQ(MainFrameText("&View"), QStringLiteral("&Ver"));
    RemoveTranslations();
    EXPECT_EQ(TranslationLanguage(), QStringLiteral("en"));
    EXPECT_EQ(MainFrameText("&View"), QStringLiteral("&View"));
    EXPECT_EQ(Tr("mervane::CMainFrame", "&View"), "&View");
}

TEST(HelpPage, IsTheLanguagesOwnWhereOneExistsElseEnglish) {
    const QUrl english(QStringLiteral("qrc:/help/mervane.htm"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/mervane.htm")));
    EXPECT_EQ(HelpPageFor(QStringLiteral("en")), english);
    EXPECT_EQ(HelpPageFor(QStringLiteral("sv")), english);
    EXPECT_EQ(HelpPageFor(QString()), english);
    for (const char* language : {"de", "fr", "es"}) {
        const QUrl page = HelpPageFor(QString::fromLatin1(language));
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + page.path())) << language;
    }
}

// Run by CTest with the locale variables set: the program's start picks the language
// from the system's locale.
TEST(SystemLocale, PicksTheLanguageTheEnvironmentAsksFor) {
    const QString expected = qEnvironmentVariable("MERVANE_EXPECT_LANGUAGE");
    if (expected.isEmpty()) GTEST_SKIP() << "run with MERVANE_EXPECT_LANGUAGE set";
    EXPECT_EQ(InstallTranslations(QLocale::system()), expected);
    RemoveTranslations();
}

}  // namespace
}  // namespace mervane

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
