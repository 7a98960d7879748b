#include "game/levels.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "cards/computer_player.h"
#include "cards/platform_services.h"
#include "cards/rules.h"

namespace mervane {

namespace {

using Random = SplitMix64;

using CardSet = std::uint64_t;

constexpr CardSet Bit(Card card) {
    return CardSet{1} << (card - 1);
}

// Every card that may be played on `top` with `suit` to follow.
CardSet LegalSet(Card top, Suit suit) {
    CardSet set = 0;
    for (Card card = 1; card <= CardsInPack; ++card) {
        if (IsLegalPlay(card, top, suit)) set |= Bit(card);
    }
    return set;
}

Seat Following(Seat seat, bool reversed, bool advanced) {
    return reversed && advanced ? (seat + SeatCount - 1) % SeatCount : (seat + 1) % SeatCount;
}

int DealtPerSeat(const RuleSet& rules) {
    return rules.sevenCards ? 7 : 5;
}

// The hand as the playouts hold it: arrays only, copied whole for each playout.
struct Table {
    std::array<CardList, SeatCount> hands;
    std::array<Card, CardsInPack> pack{};
    int packPos = 0;
    int packEnd = 0;
    Card top = NoCard;
    Suit suit = NoSuit;
    bool reversed = false;
    bool advanced = false;
    int passCount = 0;

    Seat Next(Seat seat) const { return Following(seat, reversed, advanced); }
    bool Draw(Seat seat) {
        if (packPos == packEnd) return false;
        hands[static_cast<std::size_t>(seat)].Add(pack[static_cast<std::size_t>(packPos++)]);
        return true;
    }
};

constexpr Seat HandWon = -2;  // the seat that played has emptied its hand
constexpr Seat HandDead = -3;

// The card has left the seat's hand; it takes effect as the game has it. Returns the seat
// to move next, or HandWon.
Seat PlayOnTable(Table& t, Seat seat, Card card, Suit named) {
    const CardList& hand = t.hands[static_cast<std::size_t>(seat)];
    t.passCount = 0;
    t.top = card;
    if (IsEight(card)) {
        t.suit = named;
        return hand.Empty() ? HandWon : t.Next(seat);
    }
    t.suit = SuitOf(card);
    if (hand.Empty()) return HandWon;
    if (t.advanced) {
        switch (RankOf(card)) {
            case Ace: t.reversed = !t.reversed; break;
            case Queen: return OppositeSeat(seat);
            case Two: {
                const Seat drawer = t.Next(seat);
                t.Draw(drawer);
                t.Draw(drawer);
                break;
            }
            default: break;
        }
    }
    return t.Next(seat);
}

// Plays the hand out from `seat`'s turn, every seat by the Normal rule. Returns the
// winner, or HandDead.
Seat PlayOut(Table& t, Seat seat) {
    // Every play sheds a card and the pack only shrinks, so a hand ends; the bound is a
    // guard, far above any real hand.
    for (int turn = 0; turn < 4096; ++turn) {
        if (t.passCount >= 5) return HandDead;
        CardList& hand = t.hands[static_cast<std::size_t>(seat)];
        Suit named = t.suit;
        Card card = ChooseComputerPlay(hand, RankOf(t.top), t.suit, named);
        while (card == NoCard && t.Draw(seat))
            card = ChooseComputerPlay(hand, RankOf(t.top), t.suit, named);
        if (card == NoCard) {
            ++t.passCount;
            seat = t.Next(seat);
            continue;
        }
        const Seat next = PlayOnTable(t, seat, card, named);
        if (next == HandWon) return seat;
        seat = next;
    }
    return HandDead;
}

// Cards of one seat that came to it together (the deal, or one draw), with the cards
// the table has shown they cannot be: when the seat drew or passed with nothing to play,
// or played as the Normal rule does, which shows what it did not hold. A card drawn later
// owes nothing to what was shown before it came.
struct Group {
    CardSet barred = 0;
    int size = 0;
};

// What the view tells about the cards it cannot see.
struct Hidden {
    std::vector<Card> cards;  // not in the hand, not on the discard pile
    std::array<std::vector<Group>, SeatCount> groups;
};

constexpr CardSet EightsSet() {
    CardSet set = 0;
    for (Suit suit : {Spades, Hearts, Diamonds, Clubs}) set |= Bit(MakeCard(Eight, suit));
    return set;
}

// What a play shows of the hand it came from, if the seat plays by the Normal rule: an
// eight comes only when nothing else is legal; a card of the suit to follow is its highest.
CardSet ShownByPlay(Card card, Card top, Suit suit) {
    if (IsEight(card)) return LegalSet(top, suit) & ~EightsSet();
    if (SuitOf(card) != suit) return 0;  // a change of suit by rank: either reason
    CardSet set = 0;
    for (int rank = RankOf(card) + 1; rank <= King; ++rank) {
        if (rank != Eight) set |= Bit(MakeCard(rank, suit));
    }
    return set;
}

void Bar(std::vector<Group>& groups, CardSet set) {
    for (Group& group : groups) group.barred |= set;
}

Hidden ReadHidden(const SeatView& view) {
    Hidden hidden;
    CardSet seen = 0;
    for (Card card : view.hand) seen |= Bit(card);
    if (IsCard(view.starter)) seen |= Bit(view.starter);
    const int dealt = DealtPerSeat(view.rules);
    for (auto& groups : hidden.groups) groups.push_back({0, dealt});
    int pack = CardsInPack - SeatCount * dealt - 1;
    Card top = view.starter;
    Suit suit = SuitOf(view.starter);
    bool reversed = false;
    int forced = 0;
    Seat forcedSeat = NoSeat;
    for (const TableEvent& event : view.history) {
        if (event.seat < 0 || event.seat >= SeatCount) continue;
        auto& groups = hidden.groups[static_cast<std::size_t>(event.seat)];
        switch (event.kind) {
            case TableEvent::Kind::Play: {
                if (!IsCard(event.card)) break;
                Bar(groups, ShownByPlay(event.card, top, suit));
                // The card left the group that could hold it, the one shown most of first.
                Group* from = nullptr;
                for (Group& group : groups) {
                    if (group.size > 0 && !(group.barred & Bit(event.card)) &&
                        (!from || std::popcount(group.barred) > std::popcount(from->barred)))
                        from = &group;
                }
                if (!from) {
                    for (Group& group : groups) {
                        if (group.size > 0) from = &group;
                    }
                }
                if (from) --from->size;
                seen |= Bit(event.card);
                top = event.card;
                suit = IsEight(event.card) ? event.named : SuitOf(event.card);
                forced = 0;
                if (view.rules.advanced && RankOf(event.card) == Ace) reversed = !reversed;
                if (view.rules.advanced && RankOf(event.card) == Two) {
                    forced = std::min(2, pack);
                    forcedSeat = Following(event.seat, reversed, true);
                }
                break;
            }
            case TableEvent::Kind::Draw:
                --pack;
                if (forced > 0 && event.seat == forcedSeat) {
                    --forced;
                } else {
                    forced = 0;
                    Bar(groups, LegalSet(top, suit));
                }
                groups.push_back({0, 1});
                break;
            case TableEvent::Kind::Pass:
                forced = 0;
                Bar(groups, LegalSet(top, suit));
                break;
        }
    }
    for (auto& groups : hidden.groups) {
        // The most telling group first, while it has the most to choose from.
        std::erase_if(groups, [](const Group& group) { return group.size <= 0; });
        std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
            return std::popcount(a.barred) > std::popcount(b.barred);
        });
    }
    for (Card card = 1; card <= CardsInPack; ++card) {
        if (!(seen & Bit(card))) hidden.cards.push_back(card);
    }
    return hidden;
}

// Deals the hidden cards at random to the other seats and the pack, each seat's count
// as the view shows it, keeping shown cards from a group while the rest allow (a person
// need not play by the Normal rule, so nothing shown is taken as certain).
class Dealer {
  public:
    Dealer(const SeatView& view, Hidden hidden) : view_(view), hidden_(std::move(hidden)) {
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            if (seat != view.seat) order_.push_back(seat);
        }
        const auto shown = [&](Seat seat) {
            int count = 0;
            for (const Group& group : hidden_.groups[static_cast<std::size_t>(seat)])
                count += std::popcount(group.barred) * group.size;
            return count;
        };
        std::stable_sort(order_.begin(), order_.end(),
                         [&](Seat a, Seat b) { return shown(a) > shown(b); });
        base_.advanced = view.rules.advanced;
        base_.reversed = view.reversed;
        base_.top = view.topCard;
        base_.suit = view.currentSuit;
        base_.passCount = view.passCount;
        for (auto& hand : base_.hands) hand.SetCapacity(MaxListCards);
        for (Card card : view.hand) base_.hands[static_cast<std::size_t>(view.seat)].Add(card);
        pool_ = hidden_.cards;
    }

    // One deal; `table` is overwritten.
    void Deal(Random& random, Table& table) {
        table = base_;
        const int n = static_cast<int>(pool_.size());
        for (int i = n - 1; i > 0; --i) {
            std::swap(pool_[static_cast<std::size_t>(i)],
                      pool_[static_cast<std::size_t>(random.Below(i + 1))]);
        }
        std::array<bool, CardsInPack> taken{};
        const auto take = [&](CardList& hand, int count, CardSet barred) {
            for (int i = 0; i < n && count > 0; ++i) {
                if (taken[static_cast<std::size_t>(i)]) continue;
                if (barred & Bit(pool_[static_cast<std::size_t>(i)])) continue;
                taken[static_cast<std::size_t>(i)] = true;
                hand.Add(pool_[static_cast<std::size_t>(i)]);
                --count;
            }
        };
        for (Seat seat : order_) {
            const auto s = static_cast<std::size_t>(seat);
            const int want = std::max(0, view_.handCounts[s]);
            CardList& hand = table.hands[s];
            for (const Group& group : hidden_.groups[s])
                take(hand, std::min(group.size, want - hand.Count()), group.barred);
            // What the groups could not fill, and a history that tells less than the
            // counts, take any card left.
            take(hand, want - hand.Count(), 0);
        }
        table.packPos = 0;
        table.packEnd = 0;
        for (int i = 0; i < n && table.packEnd < view_.packCount; ++i) {
            if (!taken[static_cast<std::size_t>(i)])
                table.pack[static_cast<std::size_t>(table.packEnd++)] =
                    pool_[static_cast<std::size_t>(i)];
        }
    }

  private:
    const SeatView& view_;
    Hidden hidden_;
    std::vector<Seat> order_;
    std::vector<Card> pool_;
    Table base_;
};

// One choice open to the searching seat.
struct Choice {
    enum class Kind { Card, NameSuit, Draw } kind = Kind::Card;
    Card card = NoCard;
    Suit named = NoSuit;
};

// Winning the hand counts most; the points only part choices that win equally often.
double Worth(const Table& t, Seat me, Seat winner) {
    if (winner == HandDead) return 0.0;
    if (winner == me) {
        std::int32_t points = 0;
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            if (seat != me) points += HandPoints(t.hands[static_cast<std::size_t>(seat)]);
        }
        return 1.0 + points / 10000.0;
    }
    return -HandPoints(t.hands[static_cast<std::size_t>(me)]) / 10000.0;
}

// The hand's winner once the seat has made the choice and every seat plays on.
Seat PlayChoice(Table& t, Seat me, const Choice& choice) {
    switch (choice.kind) {
        case Choice::Kind::Card: {
            t.hands[static_cast<std::size_t>(me)].Remove(choice.card);
            const Seat next = PlayOnTable(t, me, choice.card, choice.named);
            return next == HandWon ? me : PlayOut(t, next);
        }
        case Choice::Kind::NameSuit: t.suit = choice.named; return PlayOut(t, t.Next(me));
        // The turn stays with the seat after a draw, as the person's does.
        case Choice::Kind::Draw: t.Draw(me); return PlayOut(t, me);
    }
    return HandDead;
}

// What the same deals made of each choice.
struct Tally {
    double worth = 0.0;
    int wins = 0;
};

std::vector<Tally> TallyChoices(const SeatView& view, const std::vector<Choice>& choices,
                                int samples) {
    Random random(HashView(view));
    Dealer dealer(view, ReadHidden(view));
    std::vector<Tally> tallies(choices.size());
    Table deal;
    Table table;
    for (int i = 0; i < samples; ++i) {
        dealer.Deal(random, deal);
        for (std::size_t k = 0; k < choices.size(); ++k) {
            table = deal;
            const Seat winner = PlayChoice(table, view.seat, choices[k]);
            tallies[k].worth += Worth(table, view.seat, winner);
            tallies[k].wins += winner == view.seat ? 1 : 0;
        }
    }
    return tallies;
}

// The best of the first `count` tallies; the first of equals.
std::size_t BestOf(const std::vector<Tally>& tallies, std::size_t count) {
    std::size_t best = 0;
    for (std::size_t k = 1; k < count; ++k) {
        if (tallies[k].worth > tallies[best].worth) best = k;
    }
    return best;
}

// The cards the searching seat weighs: every legal card but the eights, then the first
// eight once with each suit, since any eight does what any other does.
std::vector<Choice> CardChoices(const SeatView& view) {
    std::vector<Choice> choices;
    Card eight = NoCard;
    for (Card card : view.hand) {
        if (!IsLegalPlay(card, view.topCard, view.currentSuit)) continue;
        if (IsEight(card)) {
            if (eight == NoCard) eight = card;
        } else {
            choices.push_back({Choice::Kind::Card, card, NoSuit});
        }
    }
    if (eight != NoCard) {
        for (Suit suit : {Hearts, Diamonds, Clubs, Spades})
            choices.push_back({Choice::Kind::Card, eight, suit});
    }
    return choices;
}

Suit SuitByChance(const SeatView& view) {
    Random random(HashView(view) ^ 0x5EEDull);
    return static_cast<Suit>(random.Below(4));
}

}  // namespace

std::optional<Level> ParseLevel(std::string_view text) {
    if (text == "easy") return Level::Easy;
    if (text == "normal") return Level::Normal;
    if (text == "hard") return Level::Hard;
    return std::nullopt;
}

std::string_view LevelName(Level level) {
    switch (level) {
        case Level::Easy: return "easy";
        case Level::Normal: return "normal";
        case Level::Hard: return "hard";
    }
    return "normal";
}

std::unique_ptr<SeatPlayer> MakeComputerPlayer(Level level) {
    switch (level) {
        case Level::Easy: return std::make_unique<EasyPolicy>();
        case Level::Normal: return std::make_unique<NormalPolicy>();
        case Level::Hard: return std::make_unique<HardPolicy>();
    }
    return std::make_unique<NormalPolicy>();
}

std::uint64_t HashView(const SeatView& view) {
    // FNV-1a over every field a seat sees, in a fixed order.
    std::uint64_t hash = 0xCBF29CE484222325ull;
    const auto mix = [&hash](std::int64_t value) {
        hash ^= static_cast<std::uint64_t>(value);
        hash *= 0x100000001B3ull;
    };
    mix(view.seat);
    for (Card card : view.hand) mix(card);
    mix(view.starter);
    mix(view.topCard);
    mix(view.currentSuit);
    for (auto count : view.handCounts) mix(count);
    mix(view.packCount);
    for (auto score : view.scores) mix(score);
    mix(view.playTo);
    mix(view.rules.advanced);
    mix(view.rules.sevenCards);
    mix(view.reversed);
    mix(view.dealer);
    mix(view.passCount);
    for (const TableEvent& event : view.history) {
        mix(static_cast<int>(event.kind) * 1000 + event.seat * 100);
        mix(event.card);
        mix(event.named);
    }
    return hash;
}

Decision<SeatMove> EasyPolicy::ChooseMove(const SeatView& view) {
    // A card of the top card's rank first, then one of the suit, each in hand order; an
    // eight goes as soon as it comes up, as a beginner spends it.
    for (const bool byRank : {true, false}) {
        for (Card card : view.hand) {
            if (!IsLegalPlay(card, view.topCard, view.currentSuit)) continue;
            if (IsEight(card)) return SeatMove::Play(card, SuitByChance(view));
            if (!byRank || RankOf(card) == RankOf(view.topCard)) return SeatMove::Play(card);
        }
    }
    return SeatMove::Draw();
}

Decision<Suit> EasyPolicy::ChooseSuit(const SeatView& view) {
    return SuitByChance(view);
}

Decision<SeatMove> HardPolicy::ChooseMove(const SeatView& view) {
    return HardMove(view, samples_);
}

std::function<SeatMove(const SeatView&)> HardPolicy::MoveSearch() const {
    return [samples = samples_](const SeatView& view) { return HardMove(view, samples); };
}

Decision<Suit> HardPolicy::ChooseSuit(const SeatView& view) {
    if (view.hand.Empty()) return LongestSuit(view.hand);  // the hand is won already
    std::vector<Choice> choices;
    for (Suit suit : {Hearts, Diamonds, Clubs, Spades})
        choices.push_back({Choice::Kind::NameSuit, NoCard, suit});
    return choices[BestOf(TallyChoices(view, choices, samples_), choices.size())].named;
}

SeatMove HardMove(const SeatView& view, int samples) {
    // Drawing with a card to play was weighed too and lost hands against three Normal
    // seats (the estimates' noise favours it), so the pack is for a hand with nothing.
    const std::vector<Choice> choices = CardChoices(view);
    if (choices.empty()) return SeatMove::Draw();
    const std::size_t best =
        choices.size() == 1 ? 0 : BestOf(TallyChoices(view, choices, samples), choices.size());
    return SeatMove::Play(choices[best].card, choices[best].named);
}

MoveSurvey SurveyMoves(const SeatView& view, int samples) {
    std::vector<Choice> choices = CardChoices(view);
    const std::size_t cardChoices = choices.size();
    if (view.packCount > 0) choices.push_back({Choice::Kind::Draw, NoCard, NoSuit});
    MoveSurvey survey;
    if (choices.empty()) return survey;
    const std::vector<Tally> tallies = TallyChoices(view, choices, samples);
    const std::size_t best = cardChoices == 0 ? choices.size() - 1 : BestOf(tallies, cardChoices);
    const auto share = [samples](const Tally& tally) {
        return static_cast<double>(tally.wins) / static_cast<double>(samples);
    };
    // Every eight shows what the first one does naming its best suit; Hard's card is
    // the best move, and the pack is the best only with nothing to play.
    std::size_t bestEight = cardChoices;
    for (std::size_t k = 0; k < cardChoices; ++k) {
        if (!IsEight(choices[k].card)) continue;
        if (bestEight == cardChoices || tallies[k].worth > tallies[bestEight].worth) bestEight = k;
    }
    for (std::size_t k = 0; k < cardChoices; ++k) {
        if (IsEight(choices[k].card) && k != bestEight) continue;
        for (Card card : view.hand) {
            const bool same = IsEight(card) ? IsEight(choices[k].card) : card == choices[k].card;
            if (!same || !IsLegalPlay(card, view.topCard, view.currentSuit)) continue;
            if (k == best && card == choices[k].card) survey.best = survey.moves.size();
            survey.moves.push_back({SeatMove::Play(card, choices[k].named), share(tallies[k])});
        }
    }
    if (cardChoices < choices.size()) {
        if (best == choices.size() - 1) survey.best = survey.moves.size();
        survey.moves.push_back({SeatMove::Draw(), share(tallies.back())});
    }
    return survey;
}

}  // namespace mervane
