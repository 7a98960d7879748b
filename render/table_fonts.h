#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>

#include "render/surface.h"

namespace mervane {

// A font that draws with exactly the cell height asked for.
struct TableFont {
    QFont font;
    int ascent = 0;
    int height = 0;

    // A text laid out once in this font, with its width.
    struct Label {
        QStaticText text;
        int width = 0;
    };
    // Labels repeat from paint to paint and laying them out is most of the cost of
    // drawing text (10 us against 3 us a label), so layouts are remembered.
    const Label& Prepared(const QString& text) const;
    int Width(const QString& text) const { return Prepared(text).width; }

    mutable QHash<QString, Label> labels{};
};

// The table's fonts, from DejaVu Sans files loaded with the application so that the
// metrics do not depend on what fontconfig prefers; unsmoothed and fully hinted,
// which keeps 1x text crisp and identical everywhere. The system's sans font stands
// in only when the files are missing. Needs a QGuiApplication.
class TableFonts {
  public:
    static const TableFont& For(FontSpec wanted);
    // The family actually used, for tests and reports.
    static QString Family(bool bold);
};

}  // namespace mervane
