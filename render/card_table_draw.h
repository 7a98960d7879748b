#pragma once

#include <string_view>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "layout/card_table.h"

namespace mervane {

class Surface;

// Draws cards and labels where the table's layout puts them. It lives for one paint:
// both the layout and the surface belong to the caller.
class CardTableDrawer {
  public:
    CardTableDrawer(const CCardTable& table, Surface& surface) : table_(table), surface_(surface) {}

    // `lift` draws the card that many pixels higher, `shift` that many to the right;
    // the layout is not changed.
    void DrawCardImage(TablePosition position, int index, int bitmapId, int lift = 0,
                       int shift = 0) const;
    // A hand face up, with the cards marked in `raised` drawn `lift` pixels higher and card
    // `shiftedCard` drawn `shift` pixels to the right; card `hiddenCard` is left out.
    void DrawHandRaised(TablePosition position, const CardList& hand,
                        const std::vector<bool>& raised, int lift, int shiftedCard = -1,
                        int shift = 0, int hiddenCard = -1) const;
    void DrawHandBacks(TablePosition position, const CardList& hand, int hiddenCard = -1) const;
    void DrawPiles(Card topCard) const;
    void DrawDiscardOnly(Card topCard) const;
    void DrawStatus(TablePosition position, std::string_view text) const;
    void DrawName(TablePosition position, std::string_view text) const;
    void DrawDealerMarker(TablePosition position, std::string_view name) const;

  private:
    const CCardTable& table_;
    Surface& surface_;
};

}  // namespace mervane
