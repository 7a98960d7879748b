#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "cards/rules.h"
#include "game/saved_game.h"

namespace mervane {
namespace {

// Five cards each from a shuffled pack, the starter turned, and the person to move after
// Left played a card of the starter's suit, or drew.
SavedGame Dealt(unsigned seed) {
    SavedGame game;
    std::iota(game.pack.begin(), game.pack.end(), Card{1});
    std::shuffle(game.pack.begin(), game.pack.end(), std::mt19937(seed));
    std::size_t next = 0;
    for (int round = 0; round < 5; ++round)
        for (CardList& hand : game.hands) {
            hand.SetCapacity(CardsInPack);
            hand.Add(game.pack[next++]);
        }
    game.starter = game.topCard = game.pack[next++];
    game.currentSuit = SuitOf(game.starter);
    game.drawn = static_cast<std::int32_t>(next);
    game.handsDealt = 3;
    game.scores = {12, 0, 40, 7};
    game.level = Level::Hard;
    game.nextLevel = Level::Easy;
    game.rules.advanced = true;
    game.sheet = {{{0, 0, 40, 0}, 2}, {{12, 0, 0, 0}, 0}, {{0, 0, 0, 7}, 3}};
    game.log = {"Player3 deals; the starter is the 9 of Hearts", "Sie ziehen eine Karte", "",
                "Vous jouez le 8 de ♠ et demandez ♥"};
    game.logHandStart = 2;
    for (Card card : game.hands[1]) {
        if (!IsLegalPlay(card, game.topCard, game.currentSuit)) continue;
        game.hands[1].Remove(card);
        game.history.push_back({TableEvent::Kind::Play, 1, card, IsEight(card) ? Hearts : NoSuit});
        game.topCard = card;
        game.currentSuit = IsEight(card) ? Hearts : SuitOf(card);
        return game;
    }
    game.hands[1].Add(game.pack[next++]);
    game.drawn = static_cast<std::int32_t>(next);
    game.history.push_back({TableEvent::Kind::Draw, 1, NoCard, NoSuit});
    return game;
}

TEST(SavedGame, ReadsBackWhatItWrote) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SavedGame game = Dealt(seed);
        if (seed % 2 == 0) game.pendingMove = TableEvent{TableEvent::Kind::Draw, HumanSeat};
        std::string why;
        const auto read = ReadSavedGame(WriteSavedGame(game), &why);
        ASSERT_TRUE(read) << why;
        EXPECT_EQ(*read, game) << seed;
    }
}

// Each file is refused with its reason, never half read: another version, a text cut
// short or garbled, and tables that cannot be.
TEST(SavedGame, RefusesWhatCannotBe) {
    const SavedGame good = Dealt(7);
    ASSERT_FALSE(IsEight(good.topCard));
    const std::string text = WriteSavedGame(good);
    const auto replaced = [&text](const std::string& key, const std::string& line) {
        const std::size_t at = text.find("\n" + key + " ") + 1;
        return text.substr(0, at) + line + text.substr(text.find('\n', at));
    };
    const auto added = [&text](const std::string& line) {
        return text.substr(0, text.rfind("end\n")) + line + "end\n";
    };
    SavedGame handWon = good;
    for (Card card : handWon.hands[3]) handWon.hands[1].Add(card);
    handWon.hands[3].Clear();
    // A table where Left's eight is the top card.
    const auto leftPlayedEight = [](const SavedGame& game) {
        return !game.history.empty() && game.history.back().kind == TableEvent::Kind::Play &&
               IsEight(game.history.back().card);
    };
    SavedGame eightUnnamed = Dealt(1);
    for (unsigned seed = 2; !leftPlayedEight(eightUnnamed); ++seed) eightUnnamed = Dealt(seed);
    eightUnnamed.history.back().named = NoSuit;
    const Card otherHands = good.hands[2].At(0);
    std::string pack53 = "pack";
    for (int card = 1; card <= CardsInPack; ++card) pack53 += " " + std::to_string(card);
    pack53 += " 1";
    std::string hand46 = "hand 0";
    for (int card = 1; card <= 46; ++card) hand46 += " " + std::to_string(card);
    const struct {
        const char* what;
        std::string text;
        const char* why;
    } cases[] = {
        {"empty", "", "version"},
        {"another version", "mervane saved game 2" + text.substr(text.find('\n')), "version"},
        {"cut short", text.substr(0, text.size() / 2), ""},
        {"cut before its end", text.substr(0, text.rfind("end")), "cut short"},
        {"a line after the end", text + "log more\n", "after the end"},
        {"not text", std::string("\x89PNG\r\n\x1a\n\0\0", 10), "version"},
        {"a card twice", replaced("hand 0", "hand 0 " + std::to_string(otherHands) + " 1 2 3 4"),
         "twice"},
        {"53 cards", replaced("pack", pack53), "garbled"},
        {"a hand of 46", replaced("hand 0", hand46), "garbled"},
        {"a seat that does not exist", added("pending 1 7 0 4\n"), "seat"},
        {"an event of no seat", added("event 1 9 0 4\n"), "seat"},
        {"a dealer of no seat", replaced("dealer", "dealer 4"), "dealer"},
        {"a number too large", replaced("drawn", "drawn 99999999999999999999"), "garbled"},
        {"a line twice", replaced("dealer", "dealer 1\ndealer 1"), "single line dealer"},
        {"a log that does not reach its hand", replaced("log-hand-start", "log-hand-start 5"),
         "log"},
        {"a sheet row of no seat", replaced("sheet", "sheet 4 0 0 0 0"), "garbled"},
        {"a sheet beyond the scores", added("sheet 1 0 5 0 0\n"), "scores"},
        {"a score at the target", replaced("play-to", "play-to 40"), "scores"},
        {"a target beyond any", replaced("play-to", "play-to 501"), "impossible game"},
        {"a hand twice and one missing", replaced("hand 3", "hand 2 " + std::to_string(otherHands)),
         "garbled"},
        {"five passes", replaced("passes", "passes 5"), "pass count"},
        {"a pass to make", added("pending 2 0 0 4\n"), "may not"},
        {"a move asked in a hand already won", WriteSavedGame(handWon), "already won"},
        {"an eight that named no suit", WriteSavedGame(eightUnnamed), "cannot have been made"},
        {"a suit the top card does not give",
         replaced("top", "top " + std::to_string(good.topCard) + " " +
                             std::to_string((SuitOf(good.topCard) + 1) % 4)),
         "suit"},
        {"a card that is none", replaced("starter", "starter 60"), "top card"},
        {"an illegal move", added("pending 0 0 " + std::to_string(good.hands[0].At(0)) + " 4\n"),
         "may not"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(ReadSavedGame(c.text, &why)) << c.what;
        EXPECT_NE(why.find(c.why), std::string::npos) << c.what << ": " << why;
    }
}

}  // namespace
}  // namespace mervane
