#pragma once

#include <QImage>
#include <QString>

namespace mervane {

struct GameState;
class TitleArt;
class CardFaceRenderer;

inline constexpr int ViewWidth = 240;
inline constexpr int ViewHeight = 268;

// What the view shows at this moment, painted through the view's own OnDraw into a
// 240 x 268 image; `title` keeps the title picture from one paint to the next. Needs a
// QGuiApplication.
QImage RenderTableImage(const GameState& state, TitleArt& title);
// One image on its own: the title picture, if shown, is loaded for it alone.
QImage RenderTableImage(const GameState& state);
// The same in the "Sharp" look: the whole table at `scale`, an image of
// round(240 x scale x dpr) by round(268 x scale x dpr) device pixels with its
// devicePixelRatio set to `dpr`. `faces` may be null (classic faces, smoothly scaled).
QImage RenderSharpTableImage(const GameState& state, TitleArt& title, double scale, double dpr,
                             CardFaceRenderer* faces);
// Writes that image as a PNG. False, with the reason in *error, unless every byte reached
// the file: QImage::save alone reports success on a full disk.
bool SaveSnapshot(const GameState& state, const QString& pngPath, QString* error = nullptr);

}  // namespace mervane
