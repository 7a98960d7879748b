// The texts the game shows go through the installed catalogue, while the game's state
// and trace keep the English source texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/move_log.h"
#include "game/texts.h"
#include "game/translate.h"
#include "tests/game/game_fixture.h"
#include "tools/sim/sim_driver.h"

namespace mervane {
namespace {

// Installs a translator for one test and always takes it away again: the catalogue is
// one per process, and the other tests read English.
class ScopedTranslator {
  public:
    explicit ScopedTranslator(Translator translator) { SetTranslator(std::move(translator)); }
    ~ScopedTranslator() { SetTranslator({}); }
    ScopedTranslator(const ScopedTranslator&) = delete;
    ScopedTranslator& operator=(const ScopedTranslator&) = delete;
};

// A small catalogue that orders words otherwise than English; a text it lacks stays.
Translator Dictionary() {
    using Key = std::pair<std::string, std::string>;
    static const std::map<Key, std::string> entries{
        {{"Cards", "%1 of %2"}, "%2-%1"},
        {{"Cards", "Hearts"}, "Herz"},
        {{"Cards", "Clubs"}, "Kreuz"},
        {{"Cards", "Spades"}, "Pik"},
        {{"Cards", "a Heart"}, "ein Herz"},
        {{"Cards", "a %1"}, "eine %1"},
        {{"MoveLog", "%1 plays the %2"}, "%1 spielt %2"},
        {{"MoveLog", "You play the %1 and name %2"}, "Du spielst %1 und wählst %2"},
        {{"MoveLog", "%1 draws a card"}, "%1 zieht eine Karte"},
        {{"MoveLog",
          "The %1 does not follow %2 or match the %3; play %4, %5 or an eight, "
          "or draw"},
         "%1 passt weder zu %2 noch zur %3: %4, %5, eine Acht oder ziehen"},
        {{"Status", "Pass"}, "Passe"},
        {{"Status", "You"}, "Du"},
    };
    return [](std::string_view context, std::string_view source) {
        const auto found = entries.find({std::string(context), std::string(source)});
        return found == entries.end() ? std::string(source) : found->second;
    };
}

class TranslatedLog : public GameTest {
  protected:
    TranslatedLog() { game.AddObserver(&log); }
    ~TranslatedLog() override { game.RemoveObserver(&log); }

    std::vector<std::string> Written() const {
        return {log.Lines().begin() + static_cast<long>(mark), log.Lines().end()};
    }
    void SetTable(const TableSetup& setup) {
        GameTest::SetTable(setup);
        mark = log.Lines().size();
    }

    ScopedTranslator translator{Dictionary()};
    MoveLog log{game.State()};
    std::size_t mark = 0;
};

TEST_F(TranslatedLog, LinesAreTranslatedSentencesAroundTranslatedCardNames) {
    SetTable({.hands = {{C("3C"), C("4C")},
                        {C("8S"), C("KC"), C("QC")},
                        {C("9H"), C("KS")},
                        {C("KD"), C("JD")}},
              .top = C("5H"),
              .draws = {C("9D")}});
    GameTestAccess::ComputerTurn(game, TopSeat);
    // "Diamonds" is missing from the catalogue, so it stays English inside the pattern.
    const std::vector<std::string> computer{"Player2 spielt Herz-9", "Player3 zieht eine Karte",
                                            "Player3 spielt Diamonds-9"};
    EXPECT_EQ(Written(), computer);

    SetTable({.hands = {{C("8S"), C("4C")}, {C("KC")}, {C("KD")}, {C("KS")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    TapSuitBox(2);
    ASSERT_FALSE(Written().empty());
    EXPECT_EQ(Written()[0], "Du spielst Pik-8 und wählst Kreuz");

    SetTable({.hands = {{C("9C"), C("4D")}, {C("KC")}, {C("KD")}, {C("KS")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    const std::vector<std::string> refused{
        "Kreuz-9 passt weder zu Herz noch zur 5: ein Herz, eine 5, eine Acht oder ziehen"};
    EXPECT_EQ(Written(), refused);
    // The state keeps the source texts; only what is shown is translated.
    EXPECT_EQ(State().statusText[HumanSeat], text::YourMove);
    EXPECT_EQ(State().SeatName(HumanSeat), "You");
}

TEST(TranslatedStatus, StatusWordsAndSuitsAreTranslatedScoresAndNamesAreNot) {
    const ScopedTranslator translator(Dictionary());
    EXPECT_EQ(text::ShownStatus(text::Pass), "Passe");
    EXPECT_EQ(text::ShownStatus("Hearts"), "Herz");  // a suit named by an eight
    EXPECT_EQ(text::ShownStatus("Diamonds"), "Diamonds");
    EXPECT_EQ(text::ShownStatus("23"), "23");
    EXPECT_EQ(text::ShownStatus(""), "");
    EXPECT_EQ(text::ShownSeatName("You", true), "Du");
    EXPECT_EQ(text::ShownSeatName("You", false), "You");  // a seat someone named "You"
    EXPECT_EQ(text::CardName(MakeCard(Ace, Spades)), "Pik-Ace");
    EXPECT_EQ(text::CardName(NoCard), "");
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The game's trace, and the log's lines in `told`.
std::vector<std::string> TraceOf(const sim::Options& options, std::vector<std::string>& told) {
    sim::Driver driver(options);
    MoveLog log(driver.Game().State());
    driver.Game().AddObserver(&log);
    std::vector<std::string> trace;
    driver.SetLineSink([&](std::string_view line) { trace.emplace_back(line); });
    driver.Run();
    driver.Game().RemoveObserver(&log);
    told = log.Lines();
    return trace;
}

TEST(TranslatedGame, TheTraceIsTheSameWithACatalogueInstalled) {
    sim::Options options;
    options.clock = *sim::ParseClock("2026-03-07 00:00:00");
    options.human = *sim::ParseHumanPolicy("random:42");
    options.rules.advanced = true;
    std::vector<std::string> englishLog;
    const std::vector<std::string> english = TraceOf(options, englishLog);
    ASSERT_FALSE(english.empty());

    std::vector<std::string> shoutedLog;
    std::vector<std::string> shouted;
    {
        const ScopedTranslator shouting(
            [](std::string_view, std::string_view source) { return Upper(std::string(source)); });
        shouted = TraceOf(options, shoutedLog);
    }
    EXPECT_EQ(shouted, english);
    // The same lines, each through the catalogue; seat names are the user's and stay.
    ASSERT_EQ(shoutedLog.size(), englishLog.size());
    for (std::size_t i = 0; i < englishLog.size(); ++i) {
        EXPECT_NE(shoutedLog[i], englishLog[i]);
        EXPECT_EQ(Upper(shoutedLog[i]), Upper(englishLog[i]));
    }
}

}  // namespace
}  // namespace mervane
