#pragma once

#include <QFont>
#include <QString>

#include "render/surface.h"

namespace mervane {

// A font that draws with exactly the cell height asked for.
struct TableFont {
    QFont font;
    int ascent = 0;
    int height = 0;
};

// The table's fonts, from DejaVu Sans files loaded with the application so that the
// metrics do not depend on what fontconfig prefers; unsmoothed and fully hinted,
// which keeps 1x text crisp and identical everywhere. The system's sans font stands
// in only when the files are missing. Needs a QGuiApplication.
class TableFonts {
  public:
    static const TableFont& For(FontSpec spec);
    // The family actually used, for tests and reports.
    static QString Family(bool bold);
};

}  // namespace mervane
