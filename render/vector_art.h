#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace mervane {

// The program's pictures as vectors (":/vector/<name>.svg"), for drawing them at the
// size they are shown instead of enlarging the small bitmaps. Pictures are asked for by
// the number of the bitmap they replace; each SVG is parsed once and its renderer kept
// for the life of the process, so a repeated rendering never parses again.

// The picture of a bitmap number (54..65 the backs, 140..166 the others, 170 the
// direction arrow, which has no bitmap) rendered into a premultiplied ARGB image of
// exactly `pixels`, antialiased, transparent where the picture draws nothing. Null for
// a number without a vector picture, an empty size or a resource that does not parse.
QImage RenderVectorPicture(int bitmapId, QSize pixels);
// The toolbar's Deal picture (bitmap "toolbar128").
QImage RenderVectorToolbar(QSize pixels);
// The program's icon; below 24 pixels a simpler design drawn on the 16-pixel grid,
// which stays legible where the full one would blur.
QImage RenderVectorIcon(QSize pixels);

// The resource behind a bitmap number, or an empty string if it has none.
QString VectorPicturePath(int bitmapId);
QString VectorToolbarPath();
QString VectorIconPath(bool small);
// How many SVG files have been parsed so far; a test's window on the caching.
int VectorParseCount();

}  // namespace mervane
