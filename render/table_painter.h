#pragma once

namespace mervane {

class Surface;
struct GameState;

// The view's paint: the winner screen, the title picture or the card table, drawn
// afresh from the game state on `window`, whose bounds are the client rectangle.
// The card table is composed off-screen and shown with one block copy. Painting
// changes the state only to keep the title picture loaded and to have the winner
// screen show the score sheet.
void OnDraw(GameState& state, Surface& window);

}  // namespace mervane
