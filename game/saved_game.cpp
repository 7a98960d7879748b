#include "game/saved_game.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>
#include <utility>

#include "cards/rules.h"
#include "game/settings.h"

namespace mervane {

namespace {

constexpr std::string_view kFirstLine = "mervane saved game 1";
// Far more than a game to the highest target writes.
constexpr std::size_t kMostLogLines = 100000;
// More than a hand can hold: every card drawn and played, four passes after each play.
constexpr std::size_t kMostEvents = 8 * CardsInPack;

std::string Numbers(const auto& values) {
    std::string text;
    for (const auto value : values) (text += ' ') += std::to_string(value);
    return text;
}

// The whole-number words of a line after its key.
std::optional<std::vector<std::int64_t>> ReadNumbers(std::string_view text) {
    std::vector<std::int64_t> values;
    while (!text.empty()) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        if (text.empty()) break;
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || (end != text.data() + text.size() && *end != ' '))
            return std::nullopt;
        values.push_back(value);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    return values;
}

bool Fail(std::string* why, std::string reason) {
    if (why) *why = std::move(reason);
    return false;
}

// The 52 cards, each once.
bool PackIsWhole(const SavedGame& game, std::string* why) {
    std::array<int, CardsInPack + 1> seen{};
    for (Card card : game.pack) {
        if (!IsCard(card)) return Fail(why, "a card that does not exist");
        if (++seen[static_cast<std::size_t>(card)] > 1)
            return Fail(why, "a card twice in the pack");
    }
    return true;
}

// Every card once: the pack is the 52 cards, and what it has dealt is exactly what the
// hands hold, the starter and the cards played since.
bool CardsAddUp(const SavedGame& game, std::string* why) {
    if (!PackIsWhole(game, why)) return false;
    if (game.drawn < 1 || game.drawn > CardsInPack) return Fail(why, "a pack dealt impossibly");
    std::array<int, CardsInPack + 1> onTable{};
    const auto place = [&onTable](Card card) {
        return IsCard(card) && ++onTable[static_cast<std::size_t>(card)] == 1;
    };
    for (const CardList& hand : game.hands)
        for (Card card : hand)
            if (!place(card)) return Fail(why, "a card twice on the table");
    if (!place(game.starter)) return Fail(why, "a card twice on the table");
    for (const TableEvent& event : game.history)
        if (event.kind == TableEvent::Kind::Play && !place(event.card))
            return Fail(why, "a card twice on the table");
    for (int i = 0; i < CardsInPack; ++i) {
        const Card card = game.pack[static_cast<std::size_t>(i)];
        const bool isDealt = i < game.drawn;
        if (isDealt != (onTable[static_cast<std::size_t>(card)] == 1))
            return Fail(why, "the table and the pack disagree");
    }
    return true;
}

// A hand to deal: the pack whole, nothing dealt yet.
bool DealIsPossible(const SavedGame& game, std::string* why) {
    if (!PackIsWhole(game, why)) return false;
    const bool handsEmpty = std::all_of(game.hands.begin(), game.hands.end(),
                                        [](const CardList& hand) { return hand.Empty(); });
    if (game.drawn != 0 || !handsEmpty || !game.history.empty() || game.pendingMove)
        return Fail(why, "a hand to deal that was dealt");
    return true;
}

// Below the target, as a game that goes on must be; the sheet's hands add up to no more.
bool ScoresArePossible(const SavedGame& game, std::string* why) {
    std::array<std::int64_t, SeatCount> sheet{};
    for (const HandScore& row : game.sheet)
        for (std::size_t s = 0; s < SeatCount; ++s) sheet[s] += row.points[s];
    for (std::size_t s = 0; s < SeatCount; ++s)
        if (game.scores[s] < 0 || game.scores[s] >= game.playTo || sheet[s] > game.scores[s])
            return Fail(why, "impossible scores");
    return true;
}

// A move as it can be: a pass only in the hand's history, where each eight has named its
// suit; the person's move made again may still have its suit to name.
bool IsPossibleMove(const TableEvent& event, bool inHistory) {
    if (event.named < Spades || event.named > NoSuit) return false;
    if (event.kind == TableEvent::Kind::Pass) return inHistory;
    const bool eight = event.kind == TableEvent::Kind::Play && IsEight(event.card);
    return !eight || !inHistory || event.named != NoSuit;
}

bool TableIsPossible(const SavedGame& game, std::string* why) {
    if (game.dealer < 0 || game.dealer >= SeatCount)
        return Fail(why, "a dealer that does not exist");
    if (game.playTo < MinPlayTo || game.playTo > MaxPlayTo || game.handsDealt < 0)
        return Fail(why, "an impossible game");
    if (!ScoresArePossible(game, why)) return false;
    if (game.at == SavedGame::At::Deal) return DealIsPossible(game, why);
    if (game.currentSuit < Spades || game.currentSuit > Clubs)
        return Fail(why, "no suit to follow");
    // Five passes end the hand as a dead round before anyone is asked again.
    if (game.passCount < 0 || game.passCount >= 5) return Fail(why, "an impossible pass count");
    if (game.handsDealt < 1) return Fail(why, "an impossible game");
    for (const TableEvent& event : game.history)
        if (event.seat < 0 || event.seat >= SeatCount)
            return Fail(why, "a seat that does not exist");
    Card top = game.starter;
    for (const TableEvent& event : game.history)
        if (event.kind == TableEvent::Kind::Play) top = event.card;
    if (top != game.topCard) return Fail(why, "the top card is not the last one played");
    if (!CardsAddUp(game, why)) return false;
    if (game.at == SavedGame::At::Move &&
        std::any_of(game.hands.begin(), game.hands.end(),
                    [](const CardList& hand) { return hand.Empty(); }))
        return Fail(why, "a move asked in a hand already won");
    if (!IsEight(game.topCard) && game.currentSuit != SuitOf(game.topCard))
        return Fail(why, "a suit to follow that the top card does not give");
    for (const TableEvent& event : game.history)
        if (!IsPossibleMove(event, true)) return Fail(why, "a move that cannot have been made");
    if (game.pendingMove && !IsPossibleMove(*game.pendingMove, false))
        return Fail(why, "a move that may not be made");
    if (const auto& move = game.pendingMove) {
        if (move->seat != HumanSeat) return Fail(why, "a move of a seat that does not exist");
        const bool legal = move->kind == TableEvent::Kind::Draw
                               ? game.drawn < CardsInPack
                               : game.hands[HumanSeat].Contains(move->card) &&
                                     IsLegalPlay(move->card, game.topCard, game.currentSuit);
        if (!legal) return Fail(why, "a move that may not be made");
    }
    return true;
}

}  // namespace

std::string WriteSavedGame(const SavedGame& game) {
    std::ostringstream out;
    out << kFirstLine << '\n';
    constexpr std::string_view kAt[] = {"move", "hand-over", "deal"};
    out << "at " << kAt[static_cast<std::size_t>(game.at)] << '\n';
    out << "rules " << game.rules.advanced << ' ' << game.rules.sevenCards << '\n';
    out << "play-to " << game.playTo << '\n';
    out << "level " << LevelName(game.level) << '\n';
    if (game.nextLevel) out << "next-level " << LevelName(*game.nextLevel) << '\n';
    out << "scores" << Numbers(game.scores) << '\n';
    out << "dealer " << game.dealer << '\n';
    out << "hands-dealt " << game.handsDealt << '\n';
    out << "random " << game.randomState << '\n';
    out << "shuffles " << game.shuffleCount << '\n';
    out << "pack" << Numbers(game.pack) << '\n';
    out << "drawn " << game.drawn << '\n';
    for (Seat seat = 0; seat < SeatCount; ++seat)
        out << "hand " << seat << Numbers(game.hands[static_cast<std::size_t>(seat)]) << '\n';
    out << "top " << game.topCard << ' ' << game.currentSuit << '\n';
    out << "starter " << game.starter << '\n';
    out << "reversed " << game.reversed << '\n';
    out << "passes " << game.passCount << '\n';
    const auto event = [&out](std::string_view key, const TableEvent& e) {
        out << key << ' ' << static_cast<int>(e.kind) << ' ' << e.seat << ' ' << e.card << ' '
            << e.named << '\n';
    };
    for (const TableEvent& e : game.history) event("event", e);
    if (game.pendingMove) event("pending", *game.pendingMove);
    for (const HandScore& row : game.sheet)
        out << "sheet " << row.winner << Numbers(row.points) << '\n';
    out << "counted " << game.countedAs << ' ' << game.hinted << ' ' << game.tookBack << '\n';
    out << "log-hand-start " << game.logHandStart << '\n';
    for (std::string line : game.log) {
        std::replace_if(
            line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        out << "log " << line << '\n';
    }
    // Nothing of a file cut short can be taken for the whole.
    out << "end\n";
    return out.str();
}

std::optional<SavedGame> ReadSavedGame(std::string_view text, std::string* why) {
    const auto lineEnd = text.find('\n');
    if (text.substr(0, lineEnd) != kFirstLine) {
        Fail(why, "not a saved game of this version");
        return std::nullopt;
    }
    SavedGame game;
    std::map<std::string, int> seen;
    std::istringstream in{
        std::string(text.substr(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1))};
    const auto bad = [why](std::string reason) -> std::optional<SavedGame> {
        Fail(why, std::move(reason));
        return std::nullopt;
    };
    bool ended = false;
    std::array<bool, SeatCount> handRead{};
    for (std::string line; std::getline(in, line);) {
        if (ended) return bad("a line after the end");
        if (line == "end") {
            ended = true;
            continue;
        }
        const auto space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string_view rest = space == std::string::npos
                                          ? std::string_view{}
                                          : std::string_view(line).substr(space + 1);
        ++seen[key];
        if (key == "log") {
            if (game.log.size() >= kMostLogLines) return bad("a log too long");
            game.log.emplace_back(rest);
            continue;
        }
        if (key == "at" || key == "level" || key == "next-level") {
            if (key == "at") {
                if (rest == "move")
                    game.at = SavedGame::At::Move;
                else if (rest == "hand-over")
                    game.at = SavedGame::At::HandOver;
                else if (rest == "deal")
                    game.at = SavedGame::At::Deal;
                else
                    return bad("a garbled line: " + line);
            } else {
                const auto level = ParseLevel(rest);
                if (!level) return bad("a garbled line: " + line);
                (key == "level" ? game.level : game.nextLevel.emplace()) = *level;
            }
            continue;
        }
        const auto numbers = ReadNumbers(rest);
        if (!numbers) return bad("a garbled line: " + line);
        const auto& n = *numbers;
        const auto count = [&n](std::size_t want) { return n.size() == want; };
        const auto fits = [&n](std::int64_t low, std::int64_t high) {
            return std::all_of(n.begin(), n.end(),
                               [=](std::int64_t v) { return v >= low && v <= high; });
        };
        if (!fits(-1, UINT32_MAX)) return bad("a number out of range: " + line);
        const auto i32 = [&n](std::size_t at) { return static_cast<std::int32_t>(n[at]); };
        if (key == "rules" && count(2) && fits(0, 1)) {
            game.rules = {n[0] == 1, n[1] == 1};
        } else if (key == "play-to" && count(1)) {
            game.playTo = i32(0);
        } else if (key == "scores" && count(SeatCount)) {
            for (std::size_t s = 0; s < SeatCount; ++s) game.scores[s] = i32(s);
        } else if (key == "dealer" && count(1)) {
            game.dealer = i32(0);
        } else if (key == "hands-dealt" && count(1)) {
            game.handsDealt = i32(0);
        } else if (key == "random" && count(1)) {
            game.randomState = static_cast<std::uint32_t>(n[0]);
        } else if (key == "shuffles" && count(1)) {
            game.shuffleCount = i32(0);
        } else if (key == "pack" && count(CardsInPack)) {
            for (std::size_t c = 0; c < CardsInPack; ++c) game.pack[c] = static_cast<Card>(n[c]);
        } else if (key == "drawn" && count(1)) {
            game.drawn = i32(0);
        } else if (key == "hand" && !n.empty() && n[0] >= 0 && n[0] < SeatCount &&
                   n.size() <= MaxListCards + 1 &&
                   !std::exchange(handRead[static_cast<std::size_t>(n[0])], true)) {
            CardList& hand = game.hands[static_cast<std::size_t>(n[0])];
            hand.SetCapacity(CardsInPack);
            for (std::size_t c = 1; c < n.size(); ++c) hand.Add(static_cast<Card>(n[c]));
        } else if (key == "top" && count(2)) {
            game.topCard = static_cast<Card>(n[0]);
            game.currentSuit = static_cast<Suit>(n[1]);
        } else if (key == "starter" && count(1)) {
            game.starter = static_cast<Card>(n[0]);
        } else if (key == "reversed" && count(1) && fits(0, 1)) {
            game.reversed = n[0] == 1;
        } else if (key == "passes" && count(1)) {
            game.passCount = i32(0);
        } else if ((key == "event" || key == "pending") && count(4) && n[0] <= 2 && n[0] >= 0 &&
                   game.history.size() < kMostEvents) {
            const TableEvent event{static_cast<TableEvent::Kind>(n[0]), i32(1),
                                   static_cast<Card>(n[2]), static_cast<Suit>(n[3])};
            if (key == "event")
                game.history.push_back(event);
            else
                game.pendingMove = event;
        } else if (key == "sheet" && count(SeatCount + 1) && n[0] >= 0 && n[0] < SeatCount &&
                   fits(0, INT32_MAX) && game.sheet.size() < kMostLogLines) {
            HandScore row;
            row.winner = i32(0);
            for (std::size_t s = 0; s < SeatCount; ++s) row.points[s] = i32(s + 1);
            game.sheet.push_back(row);
        } else if (key == "counted" && count(3) && n[1] <= 1 && n[2] <= 1 && n[0] <= INT32_MAX) {
            game.countedAs = i32(0);
            game.hinted = n[1] == 1;
            game.tookBack = n[2] == 1;
        } else if (key == "log-hand-start" && count(1) && fits(0, kMostLogLines)) {
            game.logHandStart = i32(0);
        } else {
            return bad("a garbled line: " + line);
        }
    }
    if (!ended) return bad("a file cut short");
    for (const char* key : {"at", "rules", "play-to", "level", "scores", "dealer", "hands-dealt",
                            "random", "shuffles", "pack", "drawn", "top", "starter", "reversed",
                            "passes", "counted", "log-hand-start"})
        if (seen[key] != 1) return bad(std::string("no single line ") + key);
    if (seen["hand"] != SeatCount) return bad("not four hands");
    if (static_cast<std::size_t>(game.logHandStart) > game.log.size())
        return bad("a log that does not reach its hand");
    if (!TableIsPossible(game, why)) return std::nullopt;
    return game;
}

}  // namespace mervane
