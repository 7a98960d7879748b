#pragma once

#include <QImage>
#include <QString>

namespace mervane {

struct GameState;

inline constexpr int ViewWidth = 240;
inline constexpr int ViewHeight = 268;

// What the view shows at this moment, painted through the view's own OnDraw into a
// 240 x 268 image. Like the view's paint, it may load the title picture into the
// state and sets showHandScore on the winner screen. Needs a QGuiApplication.
QImage RenderTableImage(GameState& state);
// Writes that image as a PNG. False, with the reason in *error, unless every byte reached
// the file: QImage::save alone reports success on a full disk.
bool SaveSnapshot(GameState& state, const QString& pngPath, QString* error = nullptr);

}  // namespace mervane
