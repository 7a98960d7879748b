#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/translations.h"
#include "game/headless_platform.h"
#include "game/mervane_game.h"
#include "game/texts.h"
#include "game/translate.h"
#include "render/surface.h"
#include "render/table_fonts.h"
#include "render/table_marks.h"
#include "render/table_painter.h"

// Whole games played in each language and every paint of the 1x table measured with
// the table's real fonts: no text may touch another text or a card, or leave the table.
namespace mervane {
namespace {

constexpr Rect kTable{0, 0, 240, 268};

struct Drawn {
    enum Kind { Text, Card, Picture, Sheet } kind;
    Rect rect;
    std::string what;   // the text, or the bitmap
    std::string owner;  // what it is on the table, the same in every language
};

// One text meeting something, or leaving the table, by `area` pixels.
struct Fault {
    std::string description;
    int area = 0;
};
using Faults = std::map<std::string, Fault>;  // by the two owners

bool Meet(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
int CommonArea(const Rect& a, const Rect& b) {
    const int w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}
bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
std::string Str(const Rect& r) {
    return std::to_string(r.left) + ',' + std::to_string(r.top) + ' ' + std::to_string(r.Width()) +
           'x' + std::to_string(r.Height());
}

// Writes down where each text and picture lands; texts are measured as the Qt and
// the Sharp surfaces measure them. Off-screen surfaces write into the same list.
class MeasuringSurface final : public Surface {
  public:
    MeasuringSurface() : drawn_(std::make_shared<std::vector<Drawn>>()) {}
    const std::vector<Drawn>& Items() const { return *drawn_; }

    Rect Bounds() const override { return kTable; }
    void FillRect(Rect, Color) override {}
    bool LoadBitmap(int) override { return true; }
    void ReleaseBitmap(int) override {}
    void StretchBitmap(int id, Rect, Rect destination) override { AddBitmap(id, destination); }
    void TransparentBitmap(int id, Rect, Rect destination, Color) override {
        AddBitmap(id, destination);
    }
    std::unique_ptr<Picture> LoadPicture(int) override { return nullptr; }
    void DrawPicture(const Picture&, Point, Size) override {}
    FontSpec SelectFont(FontSpec font) override { return std::exchange(font_, font); }
    Size MeasureText(std::string_view text) override {
        const TableFont& font = TableFonts::For(font_);
        return {text.empty() ? 0 : font.Width(QString::fromUtf8(text.data(), text.size())),
                font.height};
    }
    Color SetTextColor(Color color) override { return color; }
    Color SetBackColor(Color color) override { return color; }
    // Empty texts are kept too: the labels are told apart by their order.
    void TextOpaque(Point topLeft, std::string_view text) override {
        drawn_->push_back({Drawn::Text, RectAt(topLeft, MeasureText(text)), std::string(text), {}});
    }
    void Rectangle(Rect rect, Color) override {
        drawn_->push_back({Drawn::Sheet, rect, "", "score sheet"});
    }
    void Line(Point, Point) override {}
    void FillRoundedRect(Rect, int, Color) override {}
    void FillFelt(Rect, Color, Color) override {}
    std::unique_ptr<Surface> CreateOffscreen(Size) override {
        auto off = std::make_unique<MeasuringSurface>();
        off->drawn_ = drawn_;
        return off;
    }
    void BlockCopy(Point, Size, Surface&, Point) override {}

  private:
    void AddBitmap(int id, Rect destination) {
        const bool card = id >= 1 && id <= LastCardBackId;
        drawn_->push_back({card ? Drawn::Card : Drawn::Picture, destination,
                           card ? std::to_string(id) : "", "picture " + std::to_string(id)});
    }

    std::shared_ptr<std::vector<Drawn>> drawn_;
    FontSpec font_ = LabelFont;
};

const char* const kSeatNames[] = {"You", "Left", "Top", "Right"};

// Names each item: the table's labels come as the four statuses (You, Left, Top,
// Right) and then the three names; cards hand by hand, then the piles. Other texts
// (the score sheet's, the winner screen's) by their order.
void NameItems(const GameState& state, bool table, std::vector<Drawn>& items) {
    int text = 0, card = 0;
    std::size_t seat = 0;
    int seatCards = state.hands[0].Count();
    for (Drawn& item : items) {
        if (item.kind == Drawn::Text) {
            const int i = text++;
            if (table && i < 4)
                item.owner = std::string("status of ") + kSeatNames[i];
            else if (table && i < 7)
                item.owner = std::string("name of ") + kSeatNames[i - 3];
            else
                item.owner = "text " + std::to_string(i);
            item.what = "'" + item.what + "'";
        } else if (item.kind == Drawn::Card && table) {
            while (seat < 4 && card >= seatCards) {
                ++seat;
                card = 0;
                seatCards = seat < 4 ? state.hands[seat].Count() : 0;
            }
            // Numbered in the order drawn, which is the same in every language.
            item.owner =
                seat < 4 ? std::string("card of ") + kSeatNames[seat] + " #" + std::to_string(card)
                         : "pile";
            item.what = "(bitmap " + item.what + ")";
            ++card;
        }
    }
}

// The faults of one paint. The score sheet over the table hides what lies beneath it;
// on the winner screen nothing may hide under it.
Faults FindFaults(const std::vector<Drawn>& items, bool sheetHides) {
    Faults faults;
    const auto add = [&](const Drawn& a, const std::string& other, const std::string& otherWhat,
                         const Rect& otherRect, int area) {
        Fault& fault = faults[a.owner + " | " + other];
        if (area <= fault.area) return;
        fault = {a.owner + (a.what.empty() ? "" : " ") + a.what + " at " + Str(a.rect) + " " +
                     otherWhat + " " + Str(otherRect),
                 area};
    };
    std::vector<const Drawn*> shown;
    const Drawn* sheet = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Drawn& item = items[i];
        if (item.kind == Drawn::Text && item.rect.Width() == 0) continue;
        const auto later = std::find_if(items.begin() + static_cast<long>(i) + 1, items.end(),
                                        [](const Drawn& d) { return d.kind == Drawn::Sheet; });
        if (sheetHides && later != items.end() && Meet(item.rect, later->rect)) continue;
        if (item.kind == Drawn::Sheet) {
            sheet = &item;
            continue;
        }
        const int area = item.rect.Width() * item.rect.Height();
        if (item.kind == Drawn::Text) {
            if (!Inside(item.rect, kTable))
                add(item, "table", "leaves the table", kTable,
                    area - CommonArea(item.rect, kTable));
            if (sheet && !Inside(item.rect, sheet->rect))
                add(item, "sheet", "leaves the score sheet", sheet->rect,
                    area - CommonArea(item.rect, sheet->rect));
        }
        shown.push_back(&item);
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Drawn& a = *shown[i];
            const Drawn& b = *shown[j];
            if ((a.kind == Drawn::Text || b.kind == Drawn::Text) && Meet(a.rect, b.rect))
                add(a, b.owner, "meets " + b.owner + (b.what.empty() ? "" : " ") + b.what + " at",
                    b.rect, CommonArea(a.rect, b.rect));
        }
    return faults;
}

// The language a paint is measured in: the catalogue's, or English to compare with.
bool measureInEnglish = false;
Translator shownLanguage;

void UseLanguage(Translator translator) {
    shownLanguage = std::move(translator);
    SetTranslator([](std::string_view context, std::string_view source) {
        return measureInEnglish || !shownLanguage ? std::string(source)
                                                  : shownLanguage(context, source);
    });
}

// What the games showed: each fault once with the number of paints it was seen in,
// and the status words seen at each seat.
struct Findings {
    std::map<std::string, int> faults;                 // beyond English's at the same paint
    std::map<std::string, int> englishFaults;          // the layout's own, by their owners
    std::map<std::string, std::set<int>> statusSeats;  // source text -> seats
    int paints = 0, sheets = 0, winners = 0;
};

Faults PaintFaults(const GameState& state, bool english) {
    measureInEnglish = english;
    TableMarks marks;
    marks.showDirection = true;
    marks.showPlayable = true;
    MeasuringSurface surface;
    OnDraw(state, surface, nullptr, marks);
    measureInEnglish = false;
    std::vector<Drawn> items = surface.Items();
    const bool winner = !state.gameInProgress && state.betweenGames && state.handOver;
    NameItems(state, !winner, items);
    return FindFaults(items, !winner);
}

// A text may meet something only where, and no more than, the English text does at
// the same paint: the game plays the same whatever the language.
void Measure(const GameState& state, Findings& found) {
    const Faults english = PaintFaults(state, true);
    for (const auto& [owners, fault] : english) ++found.englishFaults[owners];
    for (const auto& [owners, fault] : PaintFaults(state, false)) {
        const auto same = english.find(owners);
        if (same == english.end() || fault.area > same->second.area)
            ++found.faults[fault.description];
    }
    const bool winner = !state.gameInProgress && state.betweenGames && state.handOver;
    ++found.paints;
    found.sheets += state.showHandScore && !winner;
    found.winners += winner;
    if (winner || state.showSplash) return;
    for (int seat = 0; seat < SeatCount; ++seat)
        found.statusSeats[state.statusText[static_cast<std::size_t>(seat)]].insert(seat);
}

// Games with the advanced rules, the human's moves made by taps aimed at his cards,
// the pack and the suit boxes; every redraw is measured.
void PlayGames(unsigned seed, int games, Findings& found) {
    std::mt19937 rng(seed);
    HeadlessPlatform platform(
        LocalTime{static_cast<int>(seed % 28) + 1, static_cast<int>(seed % 12), 1, 2, 3});
    MervaneGame game(platform);
    platform.Attach(game);
    platform.SetLineSink([&](std::string_view line) {
        if (line == "redraw") Measure(game.State(), found);
    });
    GameSettings settings;
    settings.rules.advanced = true;
    settings.playSpeed = 2;
    settings.playTo = 60;
    game.ApplyLoadedSettings(settings);
    for (int played = 0; played < games;) {
        GameSettings s = game.Settings();
        s.rules.sevenCards = rng() % 2 == 1;
        game.ApplySettings(s);
        game.NewGame();
        for (int taps = 0; game.State().gameInProgress; ++taps) {
            ASSERT_LT(taps, 100000) << "a game that never ends";
            const GameState& st = game.State();
            Point p{static_cast<int>(rng() % 240), static_cast<int>(rng() % 268)};
            const int n = st.hands[HumanSeat].Count();
            if (st.choosingSuit) {
                const Rect r = st.table.SuitBoxes()[rng() % 4];
                p = {r.left + 3, r.top + 3};
            } else if (n > 0 && rng() % 3 != 0) {
                const Point c = st.table.CardPos(Bottom, static_cast<int>(rng() % n));
                p = {c.x + 3, c.y + 30};
            } else if (rng() % 2) {
                const Rect r = st.table.DrawPileRect();
                p = {r.left + 5, r.top + 5};
            }
            game.OnTableTap(p.x, p.y);
        }
        ++played;
        // The winner screen is painted on the next redraw; a tap leaves it.
        platform.Redraw();
    }
}

// The words each seat can show, by their source texts.
std::map<std::string, std::set<int>> ExpectedStatuses() {
    const std::set<int> all{0, 1, 2, 3}, computers{1, 2, 3}, you{0};
    std::map<std::string, std::set<int>> expected{
        {std::string(text::Thinking), computers}, {std::string(text::DrawOne), computers},
        {std::string(text::Pass), all},           {std::string(text::YourMove), you},
        {std::string(text::ChooseSuit), you},     {std::string(text::Dealing), all},
        {std::string(text::Reverse), all},        {std::string(text::Skip), all},
        {std::string(text::DrawTwo), all}};
    return expected;
}

Findings PlayAll() {
    Findings found;
    for (unsigned seed : {1u, 7u, 23u, 61u, 97u, 211u}) {
        PlayGames(seed, 3, found);
        if (::testing::Test::HasFatalFailure()) break;
    }
    return found;
}

void ExpectCoverage(const Findings& found) {
    for (const auto& [word, seats] : ExpectedStatuses()) {
        const auto seen = found.statusSeats.find(word);
        for (int seat : seats)
            EXPECT_TRUE(seen != found.statusSeats.end() && seen->second.count(seat))
                << "'" << word << "' never shown at " << kSeatNames[seat];
    }
    std::set<int> namedSuit;
    for (Suit suit : {Spades, Hearts, Diamonds, Clubs}) {
        const auto seen = found.statusSeats.find(std::string(SuitName(suit)));
        EXPECT_NE(seen, found.statusSeats.end()) << SuitName(suit) << " never named";
        if (seen != found.statusSeats.end())
            namedSuit.insert(seen->second.begin(), seen->second.end());
    }
    EXPECT_EQ(namedSuit.size(), 4u) << "a seat that never named a suit";
    EXPECT_GT(found.sheets, 0);
    EXPECT_GT(found.winners, 0);
}

// The faults by kind (the owners without numbers), each with its count and the
// first example.
std::string Report(const std::map<std::string, int>& faults) {
    std::map<std::string, std::pair<int, std::string>> kinds;
    for (const auto& [fault, paints] : faults) {
        std::string kind;
        for (std::size_t i = 0; i < fault.size() && fault.compare(i, 4, " at ") != 0; ++i)
            if (fault[i] < '0' || fault[i] > '9') kind += fault[i];
        auto& [count, example] = kinds[kind];
        if (count == 0) example = fault;
        count += paints;
    }
    std::string out;
    for (const auto& [kind, seen] : kinds)
        out += "  " + std::to_string(seen.first) + " paints: " + seen.second + "\n";
    return out;
}

// The texts of the table that the catalogue leaves in English: they are checked in
// English, which the run says, so that a language does not pass unseen.
std::vector<std::string> Untranslated() {
    std::vector<std::string> english;
    for (const auto& [word, seats] : ExpectedStatuses())
        if (Tr("Status", word) == word) english.push_back(word);
    if (Tr("Status", "You") == "You") english.push_back("You");
    for (const char* word : {"Winner", "Score", "Tap To Continue"})
        if (Tr("Table", word) == word) english.push_back(word);
    for (Suit suit : {Spades, Hearts, Diamonds, Clubs})
        if (text::SuitName(suit) == SuitName(suit)) english.emplace_back(SuitName(suit));
    return english;
}

// The catalogue of one language for one test, looked up as the program does; English
// again afterwards.
class Language {
  public:
    explicit Language(const QString& code) {
        if (code != u"en") shown_ = InstallTranslations(QStringList{code});
        UseLanguage([](std::string_view context, std::string_view source) {
            const std::string contextZ(context), sourceZ(source);
            return QCoreApplication::translate(contextZ.c_str(), sourceZ.c_str()).toStdString();
        });
    }
    ~Language() {
        UseLanguage({});
        RemoveTranslations();
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
    QString Shown() const { return shown_; }

  private:
    QString shown_ = QStringLiteral("en");
};

// The layout's own overlap, in English too: the left seat's status, under a short left
// hand, reaches a pixel or two into the first card of a full bottom row.
bool KnownEnglishOverlap(const std::string& owners) {
    const std::string_view tail = " | status of Left";
    return owners.rfind("card of You #", 0) == 0 && owners.size() > tail.size() &&
           owners.compare(owners.size() - tail.size(), tail.size(), tail) == 0;
}

class TableTexts : public ::testing::TestWithParam<const char*> {};

TEST_P(TableTexts, NothingOverlapsOrLeavesTheTableAtOneTimes) {
    const QString code = QString::fromLatin1(GetParam());
    const Language language(code);
    ASSERT_EQ(language.Shown(), code) << "no catalogue for " << GetParam();
    const std::vector<std::string> english = Untranslated();
    if (code != u"en" && !english.empty()) {
        std::string list;
        for (const std::string& word : english) list += " '" + word + "'";
        std::printf("[ %s ] compared with English, not translated:%s\n", GetParam(), list.c_str());
    }
    const Findings found = PlayAll();
    ExpectCoverage(found);
    EXPECT_TRUE(found.faults.empty())
        << found.faults.size() << " overlaps in " << found.paints << " paints beyond English's:\n"
        << Report(found.faults);
    for (const auto& [owners, paints] : found.englishFaults)
        EXPECT_TRUE(KnownEnglishOverlap(owners))
            << owners << " in English (" << paints << " paints)";
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, TableTexts, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

// The check itself: texts two fifths longer than English must be caught somewhere.
TEST(TableTextsCheck, CatchesTextsTwoFifthsLonger) {
    UseLanguage([](std::string_view, std::string_view source) {
        std::string longer(source);
        const std::size_t extra = (source.size() * 2 + 4) / 5;
        for (std::size_t i = 0; i < extra; ++i) longer += source[i % source.size()];
        return longer;
    });
    const Findings found = PlayAll();
    UseLanguage({});
    SetTranslator({});
    EXPECT_FALSE(found.faults.empty());
    std::printf("%zu overlaps with texts two fifths longer:\n%s", found.faults.size(),
                Report(found.faults).c_str());
}

}  // namespace
}  // namespace mervane
