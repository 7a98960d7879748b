#include "render/table_painter.h"

#include "game/game_state.h"
#include "game/texts.h"
#include "render/card_table_draw.h"
#include "render/pictures.h"
#include "render/score_sheet.h"
#include "render/surface.h"

namespace mervane {

namespace {

constexpr Size kTitleBlock{130, 130};
constexpr Size kSuitButton{24, 22};
constexpr Size kSuitIndicator{19, 19};
constexpr Size kTrophy{27, 32};
constexpr Color kWinnerBlue = MakeColor(0, 0, 100);

// What a paint shows in place of the card table.
bool ShowsWinnerScreen(const GameState& state) {
    return !state.gameInProgress && state.betweenGames && state.handOver;
}
bool ShowsTitle(const GameState& state) {
    return !ShowsWinnerScreen(state) && state.showSplash;
}

void DrawTitle(const Picture* title, Surface& window, const Rect& client) {
    window.FillRect(client, White);
    if (!title) return;
    const Point at{client.Width() / 2 - kTitleBlock.width / 2,
                   client.Height() / 2 - kTitleBlock.height / 2};
    window.DrawPicture(*title, at, kTitleBlock);
}

// The seat recorded when the game ended; the scores are not looked at again.
std::string WinnerName(const GameState& state) {
    if (state.gameWinner == HumanSeat) return text::ShownSeatName(text::You, true);
    if (state.gameWinner > HumanSeat && state.gameWinner < SeatCount)
        return state.playerNames[static_cast<std::size_t>(state.gameWinner - 1)];
    return {};
}

void DrawWinnerScreen(const GameState& state, Surface& window, const Rect& client) {
    window.FillRect(client, White);
    const int middle = client.Width() / 2;
    ScopedBitmap(window, bitmap::Trophy).Copy({middle - kTrophy.width / 2, 10}, kTrophy);

    const std::string name = WinnerName(state);
    const std::string title = Tr("Table", "Winner");
    const FontSpec previousFont = window.SelectFont(WinnerFont);
    const Color previousText = window.SetTextColor(kWinnerBlue);
    const Color previousBack = window.SetBackColor(White);
    const Size winner = window.MeasureText(title);
    window.TextOpaque({middle - winner.width / 2, 50}, title);
    window.SetTextColor(Black);
    window.TextOpaque({middle - window.MeasureText(name).width / 2, 58 + winner.height}, name);
    window.SetTextColor(previousText);
    window.SetBackColor(previousBack);

    DrawScoreSheet(window, {client, true, state.gameInProgress}, state.playerNames, state.scores);
    window.SelectFont(previousFont);
}

void DrawHands(const GameState& state, const CardTableDrawer& table, const TableMarks& marks) {
    // A drawn card on its way is not in its hand yet.
    const bool sliding = SlideShown(state, marks) && !marks.slide->played;
    const auto hidden = [&](TablePosition position) {
        return sliding && marks.slide->hand == position ? marks.slide->handIndex : -1;
    };
    table.DrawHandRaised(Bottom, state.hands[HumanSeat], RaisedCards(state, marks), PlayableLift,
                         marks.shakeCard, marks.shakeOffset, hidden(Bottom));
    for (Seat seat : {LeftSeat, TopSeat, RightSeat}) {
        const TablePosition position = PositionOfSeat(seat);
        const CardList& hand = state.hands[static_cast<std::size_t>(seat)];
        if (state.trainingMode)
            table.DrawHandRaised(position, hand, {}, 0, -1, 0, hidden(position));
        else
            table.DrawHandBacks(position, hand, hidden(position));
    }
}

// The moving card, over the hands and the piles.
void DrawSlide(const GameState& state, const CCardTable& layout, Surface& surface,
               const TableMarks& marks) {
    if (!SlideShown(state, marks)) return;
    const Slide& slide = *marks.slide;
    const int picture = slide.faceUp ? FacePicture(slide.card) : BackPicture(layout.cardBackId);
    ScopedBitmap(surface, picture)
        .Stretch({0, 0, 29, 41},
                 RectAt(SlidePosition(slide), {layout.cardWidth, layout.cardHeight}));
}

void DrawLabels(const GameState& state, const CardTableDrawer& table) {
    for (Seat seat = HumanSeat; seat < SeatCount; ++seat)
        table.DrawStatus(PositionOfSeat(seat),
                         text::ShownStatus(state.statusText[static_cast<std::size_t>(seat)]));
    for (Seat seat : {LeftSeat, TopSeat, RightSeat})
        table.DrawName(PositionOfSeat(seat), state.playerNames[static_cast<std::size_t>(seat - 1)]);
    if (state.dealer == HumanSeat)
        table.DrawDealerMarker(Bottom, {});
    else if (state.dealer > HumanSeat && state.dealer < SeatCount)
        table.DrawDealerMarker(PositionOfSeat(state.dealer),
                               state.playerNames[static_cast<std::size_t>(state.dealer - 1)]);
}

void DrawSuitChooser(const CCardTable& layout, Surface& surface) {
    constexpr int buttons[] = {bitmap::SuitButtonHearts, bitmap::SuitButtonDiamonds,
                               bitmap::SuitButtonClubs, bitmap::SuitButtonSpades};
    const std::array<Rect, 4> boxes = layout.SuitBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        ScopedBitmap(surface, buttons[i]).Copy({boxes[i].left, boxes[i].top}, kSuitButton);
}

void DrawSuitIndicator(const GameState& state, const CCardTable& layout, Surface& surface) {
    // Indexed by Suit: Spades, Hearts, Diamonds, Clubs.
    constexpr int pictures[] = {bitmap::SuitIndicatorSpades, bitmap::SuitIndicatorHearts,
                                bitmap::SuitIndicatorDiamonds, bitmap::SuitIndicatorClubs};
    if (state.currentSuit < Spades || state.currentSuit > Clubs) return;
    ScopedBitmap(surface, pictures[state.currentSuit])
        .Copy(layout.SuitIndicatorPos(), kSuitIndicator);
}

// The focus ring and the marked pack, over everything they belong to.
void DrawHandMarks(const GameState& state, const CCardTable& layout, Surface& surface,
                   const TableMarks& marks) {
    const Color ring = RingColor(layout.tableColor);
    if (MarksDrawPile(state, marks)) DrawRing(surface, layout.DrawPileRect(), ring);
    const int count = state.hands[HumanSeat].Count();
    if (marks.focusedCard < 0 || marks.focusedCard >= count) return;
    Rect strip = layout.HandCardStrip(marks.focusedCard, count);
    const std::vector<bool> raised = RaisedCards(state, marks);
    if (static_cast<std::size_t>(marks.focusedCard) < raised.size() &&
        raised[static_cast<std::size_t>(marks.focusedCard)]) {
        strip.top -= PlayableLift;
        strip.bottom -= PlayableLift;
    }
    if (marks.focusedCard == marks.shakeCard) {
        strip.left += marks.shakeOffset;
        strip.right += marks.shakeOffset;
    }
    DrawRing(surface, strip, ring);
}

void DrawSuitBoxRing(const CCardTable& layout, Surface& surface, int box) {
    if (box < 0 || box >= 4) return;
    DrawRing(surface, layout.SuitBoxes()[static_cast<std::size_t>(box)],
             RingColor(layout.tableColor));
}

// Under the piles, so that only the arcs beside them show.
void DrawDirection(const GameState& state, const CCardTable& layout, Surface& surface,
                   const TableMarks& marks, bool packShown) {
    if (!ShowsDirection(state, marks)) return;
    const Rect box = DirectionArrowRect(layout, packShown);
    ScopedBitmap(surface, bitmap::DirectionArrow).Copy({box.left, box.top}, DirectionArrowSize);
}

void ComposeTable(const GameState& state, Surface& offscreen, const Rect& client,
                  const TableMarks& marks) {
    // The game's layout fitted to this paint's client rectangle; the copy is the paint's.
    CCardTable layout = state.table;
    layout.SetTableRect(client);
    const CardTableDrawer table(layout, offscreen);
    offscreen.FillRect(client, layout.tableColor);
    DrawHands(state, table, marks);
    const bool packShown = state.deck.DrawPos() < CardsInPack;
    DrawDirection(state, layout, offscreen, marks, packShown);
    // A played card on its way leaves the card beneath it on top of the pile.
    const Card top =
        SlideShown(state, marks) && marks.slide->played ? marks.slide->beneath : state.topCard;
    if (packShown)
        table.DrawPiles(top);
    else
        table.DrawDiscardOnly(top);
    DrawLabels(state, table);
    DrawSlide(state, layout, offscreen, marks);
    DrawHandMarks(state, layout, offscreen, marks);
    if (state.showHandScore)
        DrawScoreSheet(offscreen, {client, true, state.gameInProgress}, state.playerNames,
                       state.scores);
    if (state.choosingSuit) {
        DrawSuitChooser(layout, offscreen);
        DrawSuitBoxRing(layout, offscreen, marks.focusedSuitBox);
    }
    if (state.gameInProgress) DrawSuitIndicator(state, layout, offscreen);
}

void DrawCardTable(const GameState& state, Surface& window, const Rect& client,
                   const TableMarks& marks) {
    const std::unique_ptr<Surface> offscreen =
        window.CreateOffscreen({client.Width(), client.Height()});
    ComposeTable(state, *offscreen, client, marks);
    window.BlockCopy({client.left, client.top}, {client.right, client.bottom}, *offscreen, {0, 0});
}

}  // namespace

void TitleArt::Follow(const GameState& state, Surface& surface) {
    if (picture_ && (!state.showSplash || *loadedBy_ != typeid(surface))) picture_.reset();
    if (!picture_ && state.showSplash && ShowsTitle(state)) {
        picture_ = surface.LoadPicture(bitmap::TitlePicture);
        loadedBy_ = &typeid(surface);
    }
}

void OnDraw(const GameState& state, Surface& window, const Picture* title,
            const TableMarks& marks) {
    const Rect client = window.Bounds();
    if (ShowsWinnerScreen(state))
        DrawWinnerScreen(state, window, client);
    else if (ShowsTitle(state))
        DrawTitle(title, window, client);
    else
        DrawCardTable(state, window, client, marks);
}

Color ScreenBackground(const GameState& state) {
    if (ShowsWinnerScreen(state) || ShowsTitle(state)) return White;
    return state.table.tableColor;
}

void OnDraw(const GameState& state, Surface& window, TitleArt& title, const TableMarks& marks) {
    title.Follow(state, window);
    OnDraw(state, window, title.Get(), marks);
}

}  // namespace mervane
