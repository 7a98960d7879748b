#pragma once

#include <QImage>
#include <QString>

namespace mervane {

struct GameState;
class TitleArt;

inline constexpr int ViewWidth = 240;
inline constexpr int ViewHeight = 268;

// What the view shows at this moment, painted through the view's own OnDraw into a
// 240 x 268 image; `title` keeps the title picture from one paint to the next. Needs a
// QGuiApplication.
QImage RenderTableImage(const GameState& state, TitleArt& title);
// One image on its own: the title picture, if shown, is loaded for it alone.
QImage RenderTableImage(const GameState& state);
// Writes that image as a PNG. False, with the reason in *error, unless every byte reached
// the file: QImage::save alone reports success on a full disk.
bool SaveSnapshot(const GameState& state, const QString& pngPath, QString* error = nullptr);

}  // namespace mervane
