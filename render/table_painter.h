#pragma once

#include <memory>
#include <typeinfo>

#include "render/surface.h"
#include "render/table_marks.h"

namespace mervane {

struct GameState;

// The title picture, kept by whoever paints: loaded while the game shows the title
// and let go from the first deal on. The game state only says what is shown.
class TitleArt {
  public:
    // Loads the picture through `surface` when the title is to be painted and none is
    // held (a missing picture is asked for again at the next paint); drops it once
    // the title is gone for good. A picture loaded by another kind of surface (the
    // look changed while the title showed) is loaded again: each draws only its own.
    void Follow(const GameState& state, Surface& surface);
    const Picture* Get() const { return picture_.get(); }

  private:
    std::unique_ptr<Picture> picture_;
    const std::type_info* loadedBy_ = nullptr;
};

// The view's paint: the winner screen, the title picture or the card table, drawn
// afresh from the game state on `window`, whose bounds are the client rectangle.
// The card table is composed off-screen and shown with one block copy. Painting
// only reads: the title picture comes from the caller and may be null (plain white).
// `marks` are the view's own additions to the card table.
void OnDraw(const GameState& state, Surface& window, const Picture* title = nullptr,
            const TableMarks& marks = {});

// The colour of what a paint shows: white behind the title and the winner, else the
// table's colour. A window larger than the table shows it around the table.
Color ScreenBackground(const GameState& state);

// One paint that keeps the title picture in `title` between paints.
void OnDraw(const GameState& state, Surface& window, TitleArt& title, const TableMarks& marks = {});

}  // namespace mervane
