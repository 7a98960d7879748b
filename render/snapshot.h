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
bool SaveSnapshot(GameState& state, const QString& pngPath);

}  // namespace mervane
