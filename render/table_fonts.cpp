#include "render/table_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <map>
#include <utility>

namespace mervane {

namespace {

constexpr const char* kRegularFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

QString LoadFamily(const char* file) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) return families.front();
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont MakeFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

// The largest pixel size whose cell (ascent + descent) still fits the height asked
// for; DejaVu Sans hits 11 and 15 exactly. A shorter cell is padded below.
TableFont FitFont(FontSpec wanted) {
    const QString family = TableFonts::Family(wanted.bold);
    for (int pixels = wanted.height; pixels > 1; --pixels) {
        QFont font = MakeFont(family, pixels, wanted.bold);
        const QFontMetrics metrics(font);
        if (metrics.height() <= wanted.height) return {font, metrics.ascent(), wanted.height, {}};
    }
    QFont font = MakeFont(family, 1, wanted.bold);
    return {font, QFontMetrics(font).ascent(), wanted.height, {}};
}

}  // namespace

const TableFont::Label& TableFont::Prepared(const QString& text) const {
    constexpr qsizetype kRemembered = 512;
    auto found = labels.constFind(text);
    if (found != labels.constEnd()) return *found;
    if (labels.size() >= kRemembered) labels.clear();
    Label label{QStaticText(text), QFontMetrics(font).horizontalAdvance(text)};
    label.text.setTextFormat(Qt::PlainText);
    label.text.setPerformanceHint(QStaticText::AggressiveCaching);
    label.text.prepare(QTransform(), font);
    return *labels.insert(text, std::move(label));
}

QString TableFonts::Family(bool bold) {
    static const QString regular = LoadFamily(kRegularFile);
    static const QString boldFamily = LoadFamily(kBoldFile);
    return bold ? boldFamily : regular;
}

const TableFont& TableFonts::For(FontSpec wanted) {
    static std::map<std::pair<int, bool>, TableFont> fonts;
    const auto key = std::make_pair(wanted.height, wanted.bold);
    auto found = fonts.find(key);
    if (found == fonts.end()) found = fonts.emplace(key, FitFont(wanted)).first;
    return found->second;
}

}  // namespace mervane
