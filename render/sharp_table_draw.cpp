#include "render/sharp_table_draw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "cards/rules.h"
#include "game/texts.h"
#include "game/translate.h"
#include "render/pictures.h"

namespace mervane {

namespace {

// The felt: lighter in the middle, as under a lamp.
constexpr double kFeltLight = 0.16;
// How far a plate moves from the felt: darker under white text where that reads,
// else lighter under black text (a pale table).
constexpr double kPlateDepth = 0.45;
// The least contrast the guidelines ask of a part of the interface that is not text:
// the ring round the seat to move takes the first of its colours that has it.
constexpr double kRingContrast = 3.0;
constexpr Color kWarmRing = MakeColor(255, 196, 40);
// Callouts and the refusal stand apart from the table in colours of their own, dark
// text on gold and white text on red.
constexpr Color kCallout = MakeColor(255, 208, 64);
constexpr Color kCalloutInk = MakeColor(30, 24, 0);
constexpr Color kRefusal = MakeColor(176, 32, 32);
constexpr Color kRefusalInk = White;
// Shares of a box's height.
constexpr double kCornerRadius = 0.22;
constexpr double kRingWidth = 0.10;
constexpr double kPadding = 0.12;
constexpr double kLineOfTwo = 0.40;              // one of two lines of text
constexpr double kCountText = 0.74;              // the card count, large
constexpr double kOneLineText = 0.56;            // a callout, the refusal, the pack's count
constexpr std::string_view kWidestCount = "88";  // the count's column fits it
constexpr double kCountGap = 0.25;               // between the count and the name
constexpr double kNamedSuit = 0.80;              // the named suit's disc, of the pile's width
constexpr double kSuitGlyph = 0.78;              // the suit's sign, of the disc
constexpr Color kRedSuit = MakeColor(200, 0, 0);
constexpr double kCardCorner = 0.05;  // a slot's corners, of the card's width
constexpr int kSmallestText = 6;      // text shrinks to fit no further than this
// The outline under a suit box or a face, so it stands out on a pale table.
constexpr double kShadowOpacity = 0.35;
// Shares of a card's height: how far a playable card rises (less than the gap over the
// hand, so that it never reaches the plates) and the keyboard's ring round a card.
constexpr double kPlayableLift = 0.045;
constexpr double kCardRing = 0.035;
// A hint's odds on a card: below the index corner, across the part that shows.
constexpr double kOddsTop = 0.58;
constexpr double kOddsHeight = 0.17;
constexpr double kOddsInset = 0.04;
// Each card of a deal flies for this share of the deal; their starts spread over the rest.
constexpr double kDealFlight = 0.3;

// Hearts, Diamonds, Clubs, Spades in the SuitBoxOrder and Suit numbering.
int SuitButton(Suit suit) {
    switch (suit) {
        case Spades: return bitmap::SuitButtonSpades;
        case Hearts: return bitmap::SuitButtonHearts;
        case Diamonds: return bitmap::SuitButtonDiamonds;
        case Clubs: return bitmap::SuitButtonClubs;
        default: return NoPicture;
    }
}
int SuitIndicator(Suit suit) {
    switch (suit) {
        case Spades: return bitmap::SuitIndicatorSpades;
        case Hearts: return bitmap::SuitIndicatorHearts;
        case Diamonds: return bitmap::SuitIndicatorDiamonds;
        case Clubs: return bitmap::SuitIndicatorClubs;
        default: return NoPicture;
    }
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rect Inset(Rect r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

Rect Square(Point centre, int side) {
    return RectAt({centre.x - side / 2, centre.y - side / 2}, {side, side});
}

int Radius(Rect r) {
    return ShareOf(std::min(r.Width(), r.Height()), kCornerRadius);
}

void DrawPictureIn(Surface& surface, int id, Rect where) {
    if (id == NoPicture || where.Width() <= 0 || where.Height() <= 0) return;
    const ScopedBitmap picture(surface, id);
    // Vector pictures and faces ignore the source; the classic bitmaps are card sized.
    picture.Stretch({0, 0, 29, 41}, where);
}

void DrawPictureKeyed(Surface& surface, int id, Rect where, Size source) {
    if (id == NoPicture) return;
    ScopedBitmap(surface, id).StretchTransparent(RectAt({0, 0}, source), where, White);
}

FontSpec FontFor(Rect box, double share, bool bold) {
    return {std::max(kSmallestText, ShareOf(box.Height(), share)), bold};
}

// The height of `text` in one line of `box`, shrunk from `font` to fit its width.
int FittedHeight(Surface& surface, Rect box, std::string_view text, FontSpec font) {
    const ScopedFont chosen(surface, font);
    const int width = surface.MeasureText(text).width;
    return width <= box.Width() ? font.height : font.height * box.Width() / std::max(1, width);
}

// Where a text breaks into two lines: the space nearest its middle, or npos.
std::size_t MiddleSpace(std::string_view text) {
    const std::size_t middle = text.size() / 2;
    const std::size_t after = text.find(' ', middle);
    const std::size_t before = text.rfind(' ', middle);
    if (before == std::string_view::npos) return after;
    if (after == std::string_view::npos) return before;
    return middle - before <= after - middle ? before : after;
}

// A rounded box with one line of text, both faded towards the felt by `opacity`.
void DrawTag(Surface& surface, Color felt, Rect box, std::string_view text, Color fill, Color ink,
             double share, double opacity = 1.0) {
    if (text.empty() || opacity <= 0) return;
    fill = MixColors(felt, fill, opacity);
    ink = MixColors(felt, ink, opacity);
    surface.FillRoundedRect(box, Radius(box), fill);
    const Rect inner = Inset(box, ShareOf(box.Height(), kPadding));
    const FontSpec one = FontFor(box, share, true);
    const FontSpec two = FontFor(box, kLineOfTwo, true);
    const std::size_t split = MiddleSpace(text);
    // A long text reads better in two lines than squeezed into one.
    if (split == std::string_view::npos || FittedHeight(surface, inner, text, one) >= two.height) {
        DrawFittedText(surface, inner, text, one, ink, fill, Align::Centre);
        return;
    }
    const int half = inner.Height() / 2;
    DrawFittedText(surface, {inner.left, inner.top, inner.right, inner.top + half},
                   text.substr(0, split), two, ink, fill, Align::Centre);
    DrawFittedText(surface, {inner.left, inner.top + half, inner.right, inner.bottom},
                   text.substr(split + 1), two, ink, fill, Align::Centre);
}

std::string CountText(int count) {
    return std::to_string(count);
}

// The hand's size, large at the plate's left; returns where the lines of text start.
// The column fits two digits, so that every plate's name starts alike.
int DrawCount(Surface& surface, const SharpPalette& palette, Rect inner, int count, FontSpec font) {
    int width = 0;
    {
        const ScopedFont chosen(surface, font);
        width = surface.MeasureText(kWidestCount).width;
    }
    const Rect column{inner.left, inner.top, std::min(inner.right, inner.left + width),
                      inner.bottom};
    DrawFittedText(surface, column, CountText(count), font, palette.plateInk, palette.plate,
                   Align::Centre);
    return column.right + ShareOf(inner.Height(), kCountGap);
}

// The dealer's mark at the right end of `line`; returns what is left of the line.
Rect DrawDealerMark(Surface& surface, Rect line) {
    const int side = std::min(line.Height(), line.Width());
    const Rect mark =
        RectAt({line.right - side, line.top + (line.Height() - side) / 2}, {side, side});
    surface.FillRoundedRect(mark, Radius(mark), White);
    DrawPictureKeyed(surface, bitmap::DealerMarker, Inset(mark, ShareOf(side, kPadding)),
                     DealerMarkerSize);
    return {line.left, line.top, mark.left - ShareOf(side, kPadding), line.bottom};
}

// A seat's plate: the card count large, the name over the game's score, the dealer's
// mark beside the score, and a ring round it while the seat is to move.
void DrawPlate(Surface& surface, const GameState& state, const SharpPalette& palette,
               const SharpSeat& place, Seat seat) {
    const Rect plate = place.plate;
    if (plate.Width() <= 0 || plate.Height() <= 0) return;
    const int h = plate.Height();
    if (seat == HighlightedSeat(state)) {
        const Rect ring = Inset(plate, -ShareOf(h, kRingWidth));
        surface.FillRoundedRect(ring, Radius(ring), palette.ring);
    }
    surface.FillRoundedRect(plate, Radius(plate), palette.plate);
    const Rect inner = Inset(plate, ShareOf(h, kPadding));
    const std::size_t at = static_cast<std::size_t>(seat);
    const int linesLeft = DrawCount(surface, palette, inner, state.hands[at].Count(),
                                    FontFor(plate, kCountText, true));
    const int middle = inner.top + inner.Height() / 2;
    const Rect nameLine{linesLeft, inner.top, inner.right, middle};
    Rect scoreLine{linesLeft, middle, inner.right, inner.bottom};
    if (seat == state.dealer) scoreLine = DrawDealerMark(surface, scoreLine);
    DrawFittedText(surface, nameLine, state.SeatName(seat), FontFor(plate, kLineOfTwo, true),
                   palette.plateInk, palette.plate, Align::Left);
    const std::string score = Tr("Table", "Score") + ' ' + std::to_string(state.scores[at]);
    DrawFittedText(surface, scoreLine, score, FontFor(plate, kLineOfTwo, false), palette.plateInk,
                   palette.plate, Align::Left);
}

bool ShowsFaces(const GameState& state, Seat seat) {
    return seat == HumanSeat || state.trainingMode != 0;
}

// The human is asked for a move. The game's turn flag stays up through the pause after
// the human's card (a Queen's skip, say), when the table already shows what it did.
bool HumanToMove(const GameState& state) {
    return HumanChooses(state) && state.statusText[HumanSeat] == text::YourMove;
}

Rect Between(Rect from, Rect to, double eased) {
    const auto along = [eased](int a, int b) {
        return a + static_cast<int>(std::lround((b - a) * eased));
    };
    return {along(from.left, to.left), along(from.top, to.top), along(from.right, to.right),
            along(from.bottom, to.bottom)};
}

// The order a deal hands the cards out in: a card each, from the dealer's left round the
// table, and the starter last.
struct DealOrder {
    std::array<int, SeatCount> firstRound{};  // a seat's place in each round
    int cards = 0;                            // in all, the starter included

    DealOrder(const GameState& state) {
        for (Seat k = 0; k < SeatCount; ++k) {
            const Seat seat = (state.dealer + 1 + k) % SeatCount;
            firstRound[static_cast<std::size_t>(seat)] = k;
            cards += state.hands[static_cast<std::size_t>(seat)].Count();
        }
        ++cards;
    }
    int Of(Seat seat, int index) const {
        return index * SeatCount + firstRound[static_cast<std::size_t>(seat)];
    }
    int Starter() const { return cards - 1; }
};

// How far the card dealt `order`th has flown when the deal is at `t`: 0 still in the pack.
double DealFlight(double t, int order, int cards) {
    const double start = (1 - kDealFlight) * order / std::max(1, cards - 1);
    return std::clamp((t - start) / kDealFlight, 0.0, 1.0);
}

// Where the card of `order` stands during a deal, or nothing while it is in the pack.
std::optional<Rect> DealtCardAt(const SharpTable& layout, const TableMarks& marks,
                                const DealOrder& order, int at, Rect place) {
    if (!marks.deal) return place;
    const double flown = DealFlight(*marks.deal, at, order.cards);
    if (flown <= 0) return std::nullopt;
    return Between(layout.pack, place, SlideEased(flown));
}

bool SlideLeavesGap(const GameState& state, const TableMarks& marks, TablePosition position) {
    return SlideShown(state, marks) && !marks.slide->played && marks.slide->hand == position;
}

void DrawHand(Surface& surface, const GameState& state, const SharpTable& layout,
              const SharpPalette& palette, const TableMarks& marks, Seat seat) {
    const TablePosition position = PositionOfSeat(seat);
    const SharpSeat& place = layout.Seat(position);
    const CardList& hand = state.hands[static_cast<std::size_t>(seat)];
    const int shown = std::min(hand.Count(), static_cast<int>(place.cards.size()));
    const bool human = seat == HumanSeat;
    const std::vector<bool> raised =
        human && HumanToMove(state) ? RaisedCards(state, marks) : std::vector<bool>{};
    const DealOrder order(state);
    const int back = BackPicture(state.table.cardBackId);
    for (int i = 0; i < shown; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (SlideLeavesGap(state, marks, position) && marks.slide->handIndex == i) continue;
        Rect card = place.cards[at];
        if (at < raised.size() && raised[at]) {
            const int lift = ShareOf(card.Height(), kPlayableLift);
            card.top -= lift;
            card.bottom -= lift;
        }
        const std::optional<Rect> dealt =
            DealtCardAt(layout, marks, order, order.Of(seat, i), card);
        if (!dealt) continue;
        const bool landed = *dealt == card;
        if (human && i == marks.focusedCard && landed) {
            const Rect ring = Inset(card, -ShareOf(card.Height(), kCardRing));
            surface.FillRoundedRect(ring, ShareOf(ring.Width(), kCardCorner), palette.ring);
        }
        const bool face = ShowsFaces(state, seat) && landed;
        DrawPictureIn(surface, face ? FacePicture(hand[i]) : back, *dealt);
    }
}

// The card on its way between a hand and a pile, over everything else on the table.
void DrawSlide(Surface& surface, const GameState& state, const TableMarks& marks) {
    if (!SlideShown(state, marks)) return;
    const Slide& slide = *marks.slide;
    const double eased = SlideEased(slide.t);
    const Rect card =
        Between(RectAt(slide.from, slide.fromSize), RectAt(slide.to, slide.toSize), eased);
    const int picture =
        slide.faceUp ? FacePicture(slide.card) : BackPicture(state.table.cardBackId);
    DrawPictureIn(surface, picture, card);
}

// At the human's move with nothing to play, or a hint that says draw, the pack is the
// move to make.
bool PackIsTheMove(const GameState& state) {
    if (!HumanToMove(state) || state.deck.Empty()) return false;
    if (const auto best = HintedBest(state)) return *best == NoCard;
    const CardList& hand = state.hands[HumanSeat];
    for (int i = 0; i < hand.Count(); ++i)
        if (IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) return false;
    return true;
}

// An empty place for a card: a slightly darker rounded slot.
void DrawSlot(Surface& surface, const SharpPalette& palette, Rect card) {
    surface.FillRoundedRect(card, ShareOf(card.Width(), kCardCorner),
                            MixColors(palette.felt, Black, kShadowOpacity));
}

void DrawPiles(Surface& surface, const GameState& state, const SharpPalette& palette,
               const SharpTable& layout, const TableMarks& marks) {
    const int left = state.deck.Remaining();
    if (PackIsTheMove(state) && !marks.deal) {
        const Rect ring = Inset(layout.pack, -ShareOf(layout.pack.Height(), kCardRing));
        surface.FillRoundedRect(ring, ShareOf(ring.Width(), kCardCorner), palette.ring);
    }
    if (left > 0)
        DrawPictureIn(surface, BackPicture(state.table.cardBackId), layout.pack);
    else
        DrawSlot(surface, palette, layout.pack);
    DrawTag(surface, palette.felt, layout.packCount, CountText(left), palette.plate,
            palette.plateInk, kCountText);
    if (state.rules.advanced && state.reversed)
        DrawPictureIn(surface, bitmap::DirectionArrow, layout.arrowRing);
    // A played card on its way leaves the card beneath it on top of the pile; the
    // starter is the deal's last card.
    Card top = state.topCard;
    if (SlideShown(state, marks) && marks.slide->played) top = marks.slide->beneath;
    const DealOrder order(state);
    const std::optional<Rect> starter =
        DealtCardAt(layout, marks, order, order.Starter(), layout.discard);
    if (!IsCard(top) || !starter) DrawSlot(surface, palette, layout.discard);
    if (IsCard(top) && starter)
        DrawPictureIn(
            surface,
            *starter == layout.discard ? FacePicture(top) : BackPicture(state.table.cardBackId),
            *starter);
    if (state.gameInProgress && !state.handOver)
        DrawPictureIn(surface, SuitIndicator(state.currentSuit), layout.suitIndicator);
}

std::string OddsText(double share) {
    return std::to_string(std::lround(share * 100)) + " %";
}

// A hint's odds on each card it weighs, in the part of the card that shows, under the
// index: dark as the plates, the best move's bright as a callout.
void DrawHintOdds(Surface& surface, const GameState& state, const SharpPalette& palette,
                  const SharpTable& layout, const TableMarks& marks) {
    if (!HumanToMove(state) || marks.deal) return;
    const auto best = HintedBest(state);
    if (!best) return;
    const auto tag = [&](Rect box, double share, bool isBest) {
        const Color back = isBest ? palette.callout : palette.plate;
        const Color ink = isBest ? palette.calloutInk : palette.plateInk;
        DrawTag(surface, palette.felt, box, OddsText(share), back, ink, kOneLineText);
    };
    const CardList& hand = state.hands[HumanSeat];
    const std::vector<bool> raised = RaisedCards(state, marks);
    const auto& cards = layout.Seat(Bottom).cards;
    const std::size_t shown =
        std::min({static_cast<std::size_t>(hand.Count()), cards.size(), layout.handStrips.size()});
    for (std::size_t i = 0; i < shown; ++i) {
        const Card card = hand[static_cast<int>(i)];
        const auto odds = HintOdds(state, card);
        if (!odds) continue;
        const Rect place = cards[i];
        const Rect strip = layout.handStrips[i];
        const int lift =
            i < raised.size() && raised[i] ? ShareOf(place.Height(), kPlayableLift) : 0;
        const int height = ShareOf(place.Height(), kOddsHeight);
        const int inset = ShareOf(place.Width(), kOddsInset);
        const int top = place.top - lift + ShareOf(place.Height(), kOddsTop);
        tag({strip.left + inset, top, std::min(strip.right, place.right) - inset, top + height},
            *odds, card == *best);
    }
    if (const auto odds = HintOdds(state, NoCard); odds && state.deck.Remaining() > 0) {
        const Rect pack = layout.pack;
        const int height = ShareOf(pack.Height(), kOddsHeight);
        const int inset = ShareOf(pack.Width(), kOddsInset);
        const int top = pack.top + ShareOf(pack.Height(), kOddsTop);
        tag({pack.left + inset, top, pack.right - inset, top + height}, *odds, *best == NoCard);
    }
}

std::string_view SuitSign(Suit suit) {
    switch (suit) {
        case Spades: return "\u2660";
        case Hearts: return "\u2665";
        case Diamonds: return "\u2666";
        case Clubs: return "\u2663";
        default: return {};
    }
}

// The suit an eight named, large in the middle of the pile on a white disc.
void DrawNamedSuit(Surface& surface, Suit suit, Rect pile) {
    if (suit == NoSuit) return;
    const Rect disc = Square(pile.Center(), ShareOf(pile.Width(), kNamedSuit));
    surface.FillRoundedRect(Inset(disc, -1), disc.Width() / 2, Black);
    surface.FillRoundedRect(disc, disc.Width() / 2, White);
    const Color ink = suit == Hearts || suit == Diamonds ? kRedSuit : Black;
    DrawFittedText(surface, disc, SuitSign(suit), FontFor(disc, kSuitGlyph, false), ink, White,
                   Align::Centre);
}

void DrawSuitBoxes(Surface& surface, const GameState& state, const SharpPalette& palette,
                   const SharpTable& layout, int focused) {
    if (!state.choosingSuit) return;
    for (std::size_t i = 0; i < SuitBoxOrder.size(); ++i) {
        const Rect box = layout.suitBoxes[i];
        // The keyboard's box: outlined in the felt's ink, which stands out round the ring.
        if (static_cast<int>(i) == focused) {
            const Rect ring = Inset(box, -ShareOf(box.Height(), kRingWidth));
            surface.FillRoundedRect(ring, Radius(ring), InkOn(palette.felt));
        }
        // In the ring's colour, which stands out on the felt.
        surface.FillRoundedRect(box, Radius(box), palette.ring);
        DrawPictureIn(surface, SuitButton(SuitBoxOrder[i]),
                      Inset(box, ShareOf(box.Height(), kPadding)));
    }
}

}  // namespace

void DrawFittedText(Surface& surface, Rect box, std::string_view text, FontSpec font, Color ink,
                    Color back, Align align) {
    if (text.empty() || box.Width() <= 0) return;
    font.height = std::max(font.height, kSmallestText);
    const ScopedFont chosen(surface, font);
    Size size = surface.MeasureText(text);
    while (size.width > box.Width() && font.height > kSmallestText) {
        font.height = std::max(kSmallestText, font.height * box.Width() / size.width);
        surface.SelectFont(font);
        size = surface.MeasureText(text);
        if (size.width > box.Width()) --font.height;
    }
    surface.SelectFont(font);
    size = surface.MeasureText(text);
    const int x = align == Align::Centre ? box.left + (box.Width() - size.width) / 2 : box.left;
    const Color oldInk = surface.SetTextColor(ink);
    const Color oldBack = surface.SetBackColor(back);
    surface.TextOpaque({x, box.top + (box.Height() - size.height) / 2}, text);
    surface.SetTextColor(oldInk);
    surface.SetBackColor(oldBack);
}

double RelativeLuminance(Color color) {
    return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) +
           0.0722 * Linear(BlueOf(color));
}

double ContrastRatio(Color a, Color b) {
    constexpr double kFlare = 0.05;
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

Color MixColors(Color from, Color to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return MakeColor(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
                     mix(BlueOf(from), BlueOf(to)));
}

Color InkOn(Color background) {
    return ContrastRatio(White, background) >= ContrastRatio(Black, background) ? White : Black;
}

SharpPalette PaletteFor(Color tableColor) {
    SharpPalette p{};
    p.felt = tableColor;
    p.feltLight = MixColors(tableColor, White, kFeltLight);
    const Color dark = MixColors(tableColor, Black, kPlateDepth);
    p.plate = ContrastRatio(White, dark) >= SharpTextContrast
                  ? dark
                  : MixColors(tableColor, White, kPlateDepth);
    p.plateInk = InkOn(p.plate);
    p.ring = InkOn(tableColor);
    for (Color ring : {kWarmRing, White})
        if (ContrastRatio(ring, tableColor) >= kRingContrast) {
            p.ring = ring;
            break;
        }
    p.callout = kCallout;
    p.calloutInk = kCalloutInk;
    p.refusal = kRefusal;
    p.refusalInk = kRefusalInk;
    return p;
}

void DrawSharpFelt(Surface& surface, const SharpPalette& palette, Size window) {
    const Rect all = RectAt({0, 0}, window);
    surface.FillRect(all, palette.felt);
    surface.FillFelt(all, palette.feltLight, palette.felt);
}

Seat HighlightedSeat(const GameState& state) {
    if (HumanToMove(state)) return HumanSeat;
    for (Seat seat = LeftSeat; seat < SeatCount; ++seat)
        if (state.statusText[static_cast<std::size_t>(seat)] == text::Thinking) return seat;
    return NoSeat;
}

void DrawSharpTable(const GameState& state, const SharpTable& layout, const TableCallouts& callouts,
                    const TableMarks& marks, Surface& surface) {
    const SharpPalette palette = PaletteFor(state.table.tableColor);
    DrawSharpFelt(surface, palette, layout.window);
    DrawPiles(surface, state, palette, layout, marks);
    if (!marks.deal) DrawNamedSuit(surface, callouts.namedSuit, layout.discard);
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        const SharpSeat& place = layout.Seat(PositionOfSeat(seat));
        DrawHand(surface, state, layout, palette, marks, seat);
        DrawPlate(surface, state, palette, place, seat);
        if (const auto& callout = callouts.seats[static_cast<std::size_t>(seat)])
            DrawTag(surface, palette.felt, place.callout, callout->text, palette.callout,
                    palette.calloutInk, kOneLineText, callout->opacity);
    }
    DrawTag(surface, palette.felt, layout.reason, callouts.refusal, palette.refusal,
            palette.refusalInk, kOneLineText, callouts.refusalOpacity);
    DrawHintOdds(surface, state, palette, layout, marks);
    DrawSlide(surface, state, marks);
    DrawSuitBoxes(surface, state, palette, layout, marks.focusedSuitBox);
}

}  // namespace mervane
