#include "app/table/table_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "app/table/mervane_view.h"
#include "cards/rules.h"
#include "game/texts.h"
#include "game/translate.h"
#include "render/table_marks.h"

namespace mervane {
namespace {

AccessibleEventSink& Sink() {
    static AccessibleEventSink sink;
    return sink;
}

// A text of the catalogue, which answers in UTF-8.
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString ShownName(const GameState& state, Seat seat) {
    return Q(text::ShownSeatName(state.SeatName(seat), seat == HumanSeat));
}

QString ShownStatus(const std::string& status) {
    return Q(text::ShownStatus(status));
}

// What a child of the table stands for. `index` tells cards, seats and suit boxes apart.
enum class ItemKind { Title, Winner, Card, DrawPile, Discard, Seat, SuitBox, Scores, Notice };

struct Item {
    ItemKind kind;
    int index = 0;
    int Key() const { return static_cast<int>(kind) * 100 + index; }
};

enum class Screen { Title, Table, Winner };

// The picture the view paints, chosen as the painting chooses it.
Screen ScreenOf(const GameState& state) {
    if (!state.gameInProgress && state.betweenGames && state.handOver) return Screen::Winner;
    return state.showSplash ? Screen::Title : Screen::Table;
}

// The children in reading order. The notice child is always last, so an announcement
// never moves the others.
std::vector<Item> ItemsOf(const GameState& state) {
    std::vector<Item> items;
    const Screen screen = ScreenOf(state);
    if (screen == Screen::Title) {
        items.push_back({ItemKind::Title});
    } else if (screen == Screen::Winner) {
        items.push_back({ItemKind::Winner});
    } else {
        for (int i = 0; i < state.hands[HumanSeat].Count(); ++i)
            items.push_back({ItemKind::Card, i});
        if (!state.deck.Empty()) items.push_back({ItemKind::DrawPile});
        if (IsCard(state.topCard)) items.push_back({ItemKind::Discard});
        for (Seat seat = 0; seat < SeatCount; ++seat) items.push_back({ItemKind::Seat, seat});
        if (state.choosingSuit)
            for (int box = 0; box < 4; ++box) items.push_back({ItemKind::SuitBox, box});
        if (state.showHandScore) items.push_back({ItemKind::Scores});
    }
    items.push_back({ItemKind::Notice});
    return items;
}

// The boxes' order on the table.

// The game's layout fitted to the table, as each paint fits its own copy.
Rect HandArea(const CCardTable& layout, TablePosition position, int count) {
    const Size card{layout.cardWidth, layout.cardHeight};
    Rect area = RectAt(layout.CardPos(position, 0), card);
    for (int i = 1; i < count; ++i) {
        const Rect next = RectAt(layout.CardPos(position, i), card);
        area = {std::min(area.left, next.left), std::min(area.top, next.top),
                std::max(area.right, next.right), std::max(area.bottom, next.bottom)};
    }
    return area;
}

Rect DiscardRect(const GameState& state, const CCardTable& layout) {
    const Point top = state.deck.Empty() ? layout.DiscardOnlyPosition().top
                                         : layout.StockPilePositions().discardTop;
    return RectAt(top, {layout.cardWidth, layout.cardHeight});
}

QString SeatText(const GameState& state, Seat seat) {
    const int count = state.hands[static_cast<std::size_t>(seat)].Count();
    const QString cards =
        count == 1 ? Q(Tr("Accessible", "1 card")) : Q(Tr("Accessible", "%1 cards")).arg(count);
    const std::string& status = state.statusText[static_cast<std::size_t>(seat)];
    //: A seat and its cards ("Player1: 5 cards"), or a seat and its new status word.
    if (status.empty()) return Q(Tr("Accessible", "%1: %2")).arg(ShownName(state, seat), cards);
    //: A seat, its cards and its status word: "You: 5 cards, Your Move?".
    return Q(Tr("Accessible", "%1: %2, %3"))
        .arg(ShownName(state, seat), cards, ShownStatus(status));
}

QString ScoresText(const GameState& state) {
    QStringList parts;
    for (Seat seat = 0; seat < SeatCount; ++seat)
        // One arg() call: a name holding "%1" must not take the score.
        //: A seat and its score in the list of scores: "Player1 42".
        parts << Q(Tr("Accessible", "%1 %2"))
                     .arg(ShownName(state, seat),
                          QString::number(state.scores[static_cast<std::size_t>(seat)]));
    return Q(Tr("Accessible", "Scores: %1. Tap the table to go on."))
        .arg(parts.join(QStringLiteral(", ")));
}

QString WinnerText(const GameState& state) {
    if (state.gameWinner == NoSeat)
        return Q(Tr("Accessible", "Game over. Tap the table for a new game."));
    return Q(Tr("Accessible", "Winner: %1. Tap the table for a new game."))
        .arg(ShownName(state, state.gameWinner));
}

bool Playable(const GameState& state, Card card) {
    return state.humanTurn && !state.choosingSuit && !state.handOver &&
           IsLegalPlay(card, state.topCard, state.currentSuit);
}

QString ItemName(const GameState& state, const Item& item, const QString& notice) {
    switch (item.kind) {
        case ItemKind::Title: return Q(Tr("Accessible", "Mervane. Choose New Game to deal."));
        case ItemKind::Winner: return WinnerText(state);
        case ItemKind::Card: return SpokenCardName(state.hands[HumanSeat].At(item.index));
        case ItemKind::DrawPile:
            if (state.deck.Remaining() == 1) return Q(Tr("Accessible", "Draw pile, 1 card"));
            return Q(Tr("Accessible", "Draw pile, %1 cards")).arg(state.deck.Remaining());
        case ItemKind::Discard:
            return Q(Tr("Accessible", "Top card: %1; follow %2"))
                .arg(SpokenCardName(state.topCard), SpokenSuitName(state.currentSuit));
        case ItemKind::Seat: return SeatText(state, item.index);
        case ItemKind::SuitBox:
            return SpokenSuitName(SuitBoxOrder[static_cast<std::size_t>(item.index)]);
        case ItemKind::Scores: return ScoresText(state);
        case ItemKind::Notice: return notice;
    }
    return {};
}

// A hint's odds for the card, or the pack (NoCard), as a screen reader hears them.
QString HintText(const GameState& state, Card card) {
    const auto odds = HintOdds(state, card);
    if (!odds) return {};
    const auto percent = QString::number(std::lround(*odds * 100));
    //: A hint on the move it marks best: "best move, 34 % to win the hand".
    if (HintedBest(state) == card)
        return Q(Tr("Accessible", "best move, %1 % to win the hand")).arg(percent);
    //: A hint on another move: "21 % to win the hand".
    return Q(Tr("Accessible", "%1 % to win the hand")).arg(percent);
}

QString JoinedDescription(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) return first + second;
    //: Two parts of a card's description: "playable, best move, 34 % to win the hand".
    return Q(Tr("Accessible", "%1, %2")).arg(first, second);
}

QString ItemDescription(const GameState& state, const Item& item) {
    if (item.kind == ItemKind::Seat) {
        const auto seat = static_cast<std::size_t>(item.index);
        //: What a seat's plate shows beside its cards: its score in the game.
        const QString score = Q(Tr("Accessible", "score %1")).arg(state.scores[seat]);
        if (item.index != state.dealer) return score;
        //: A seat's score and that it dealt this hand: "score 42, dealer".
        return Q(Tr("Accessible", "%1, dealer")).arg(score);
    }
    if (item.kind == ItemKind::DrawPile) return HintText(state, NoCard);
    if (item.kind != ItemKind::Card) return {};
    const Card card = state.hands[HumanSeat].At(item.index);
    return JoinedDescription(Playable(state, card) ? Q(Tr("Accessible", "playable")) : QString(),
                             HintText(state, card));
}

QAccessible::Role ItemRole(const Item& item) {
    switch (item.kind) {
        case ItemKind::Card:
        case ItemKind::DrawPile:
        case ItemKind::SuitBox: return QAccessible::Button;
        case ItemKind::Notice: return QAccessible::Notification;
        default: return QAccessible::StaticText;
    }
}

// In table pixels; the whole table for what covers it.
Rect ItemRect(const GameState& state, const Item& item) {
    const CCardTable layout = FittedToTable(state.table);
    const Rect table{0, 0, TableWidth, TableHeight};
    switch (item.kind) {
        case ItemKind::Card:
            return layout.HandCardStrip(item.index, state.hands[HumanSeat].Count());
        case ItemKind::DrawPile: return layout.DrawPileRect();
        case ItemKind::Discard: return DiscardRect(state, layout);
        case ItemKind::Seat: {
            const Seat seat = item.index;
            const int count = state.hands[static_cast<std::size_t>(seat)].Count();
            return HandArea(layout, PositionOfSeat(seat), std::max(1, count));
        }
        case ItemKind::SuitBox: return layout.SuitBoxes()[static_cast<std::size_t>(item.index)];
        default: return table;
    }
}

// In the Sharp table's device pixels: what answers a tap there, or the seat's plate
// with its fan.
Rect SharpItemRect(const SharpTable& layout, const Item& item) {
    switch (item.kind) {
        case ItemKind::Card: {
            const auto at = static_cast<std::size_t>(item.index);
            return at < layout.handStrips.size() ? layout.handStrips[at] : Rect{};
        }
        case ItemKind::DrawPile: return layout.pack;
        case ItemKind::Discard: return layout.discard;
        case ItemKind::Seat: {
            const SharpSeat& seat = layout.Seat(PositionOfSeat(item.index));
            Rect area = seat.plate;
            for (const Rect& card : seat.cards)
                area = {std::min(area.left, card.left), std::min(area.top, card.top),
                        std::max(area.right, card.right), std::max(area.bottom, card.bottom)};
            return area;
        }
        case ItemKind::SuitBox: return layout.suitBoxes[static_cast<std::size_t>(item.index)];
        default: return RectAt({0, 0}, layout.window);
    }
}

// What a press of the item asks of the game, or nothing for an item that takes no press.
std::optional<TableIntent> PressIntent(const Item& item) {
    switch (item.kind) {
        case ItemKind::Card: return TableIntent::Play(item.index);
        case ItemKind::DrawPile: return TableIntent::Draw();
        case ItemKind::SuitBox:
            return TableIntent::Name(SuitBoxOrder[static_cast<std::size_t>(item.index)]);
        // Pressing the winner or the scores goes on after a hand or a game.
        case ItemKind::Winner:
        case ItemKind::Scores: return TableIntent::GoOn();
        default: return std::nullopt;
    }
}

// One child of the table: its text, place and press are read from the game whenever
// asked, so a child never holds a stale name.
class TableItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TableItemAccessible(CMervaneView* view, Item item) : view_(view), item_(item) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return ItemRole(item_); }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    const Item& ItemOf() const { return item_; }

  private:
    bool Present() const;

    QPointer<CMervaneView> view_;
    Item item_;
};

// The table view with its children, keeping one interface per child for as long as
// the view lives, as the accessibility cache expects.
class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(CMervaneView* view)
        : QAccessibleWidget(view, QAccessible::Pane, Q(Tr("Accessible", "Card table"))) {
        last_ = Snapshot();
        lastStatus_ = view->State().statusText;
    }
    ~TableAccessible() override {
        for (QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
    }

    CMervaneView* View() const { return static_cast<CMervaneView*>(widget()); }
    const QString& Notice() const { return notice_; }

    int childCount() const override { return static_cast<int>(ItemsOf(View()->State()).size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }

    // Reports what changed since the last call.
    void Refresh();
    void Announce(const QString& text);

  private:
    struct Shown {
        QString name, description;
    };
    using Picture = QHash<int, Shown>;  // by Item::Key
    Picture Snapshot() const;
    QAccessibleInterface* ChildFor(const Item& item) const;
    void Send(QAccessibleInterface* child, QAccessible::Event type) const;
    QString NewStatusLines() const;

    mutable QHash<int, QAccessible::Id> ids_;  // by Item::Key
    Picture last_;
    std::array<std::string, SeatCount> lastStatus_{};
    QString notice_;
};

bool TableItemAccessible::Present() const {
    if (!view_) return false;
    for (const Item& item : ItemsOf(view_->State()))
        if (item.Key() == item_.Key()) return true;
    return false;
}

QString TableItemAccessible::text(QAccessible::Text t) const {
    if (!Present()) return {};
    const GameState& state = view_->State();
    if (t == QAccessible::Name) {
        const auto* table = dynamic_cast<const TableAccessible*>(parent());
        return ItemName(state, item_, table ? table->Notice() : QString());
    }
    if (t == QAccessible::Description) return ItemDescription(state, item_);
    return {};
}

QRect TableItemAccessible::rect() const {
    if (!Present()) return {};
    if (view_->ShowsSharpTable()) {
        const Rect r = SharpItemRect(view_->SharpLayout(), item_);
        const double ratio = view_->devicePixelRatioF();
        const QRect inView =
            QRectF(r.left / ratio, r.top / ratio, r.Width() / ratio, r.Height() / ratio)
                .toAlignedRect();
        return QRect(view_->mapToGlobal(inView.topLeft()), inView.size());
    }
    const Rect r = ItemRect(view_->State(), item_);
    const TableViewport viewport = view_->Viewport();
    const QRectF inView(viewport.left + r.left * viewport.scale,
                        viewport.top + r.top * viewport.scale, r.Width() * viewport.scale,
                        r.Height() * viewport.scale);
    const QRect rounded = inView.toAlignedRect();
    return QRect(view_->mapToGlobal(rounded.topLeft()), rounded.size());
}

QAccessible::State TableItemAccessible::state() const {
    QAccessible::State s;
    if (!Present()) {
        s.invisible = true;
        return s;
    }
    if (role() == QAccessible::Button && view_->Busy()) s.disabled = true;
    return s;
}

QStringList TableItemAccessible::actionNames() const {
    if (!Present() || !PressIntent(item_)) return {};
    return {pressAction()};
}

// The press is the intent a tap on the item would be.
void TableItemAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() || !Present() || view_->Platform().Quitting()) return;
    const std::optional<TableIntent> intent = PressIntent(item_);
    if (!intent) return;
    // The intent runs the game's turns and events; only a guarded view is used after it.
    const QPointer<CMervaneView> view = view_;
    view->Game().Act(*intent);
    if (view) emit view->stateChanged();
}

QAccessibleInterface* TableAccessible::ChildFor(const Item& item) const {
    const auto found = ids_.constFind(item.Key());
    if (found != ids_.constEnd()) return QAccessible::accessibleInterface(*found);
    auto* child = new TableItemAccessible(View(), item);
    ids_.insert(item.Key(), QAccessible::registerAccessibleInterface(child));
    return child;
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const std::vector<Item> items = ItemsOf(View()->State());
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return ChildFor(items[static_cast<std::size_t>(index)]);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const TableItemAccessible*>(child);
    if (!item) return -1;
    const std::vector<Item> items = ItemsOf(View()->State());
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].Key() == item->ItemOf().Key()) return static_cast<int>(i);
    return -1;
}

// The topmost child under a screen point: later children lie over earlier ones.
QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    const std::vector<Item> items = ItemsOf(View()->State());
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (it->kind == ItemKind::Notice) continue;
        QAccessibleInterface* child = ChildFor(*it);
        if (child->rect().contains(x, y)) return child;
    }
    return nullptr;
}

TableAccessible::Picture TableAccessible::Snapshot() const {
    Picture picture;
    const GameState& state = View()->State();
    for (const Item& item : ItemsOf(state))
        picture.insert(item.Key(), {ItemName(state, item, notice_), ItemDescription(state, item)});
    return picture;
}

void TableAccessible::Send(QAccessibleInterface* child, QAccessible::Event type) const {
    QAccessibleEvent event(child, type);
    if (Sink())
        Sink()(&event);
    else
        QAccessible::updateAccessibility(&event);
}

// Each seat's status line that is new and not empty, as one sentence per seat.
QString TableAccessible::NewStatusLines() const {
    const GameState& state = View()->State();
    if (ScreenOf(state) != Screen::Table) return {};
    QStringList lines;
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        const std::string& status = state.statusText[static_cast<std::size_t>(seat)];
        if (status.empty() || status == lastStatus_[static_cast<std::size_t>(seat)]) continue;
        lines << Q(Tr("Accessible", "%1: %2")).arg(ShownName(state, seat), ShownStatus(status));
    }
    return lines.join(QStringLiteral(". "));
}

void TableAccessible::Refresh() {
    const Picture now = Snapshot();
    bool structure = false;
    // Children that went are reported, but their interfaces stay until the view goes:
    // one may be the child whose press is running, and a screen reader may still hold
    // it. A child that comes back at the same place answers through the same one.
    for (auto it = last_.constBegin(); it != last_.constEnd(); ++it) {
        if (now.contains(it.key())) continue;
        structure = true;
        const auto id = ids_.constFind(it.key());
        if (id != ids_.constEnd())
            Send(QAccessible::accessibleInterface(*id), QAccessible::ObjectDestroyed);
    }
    const std::vector<Item> items = ItemsOf(View()->State());
    for (const Item& item : items) {
        const Shown& shown = now[item.Key()];
        const auto before = last_.constFind(item.Key());
        if (before == last_.constEnd()) {
            structure = true;
            Send(ChildFor(item), QAccessible::ObjectCreated);
            continue;
        }
        if (before->name != shown.name) Send(ChildFor(item), QAccessible::NameChanged);
        if (before->description != shown.description)
            Send(ChildFor(item), QAccessible::DescriptionChanged);
    }
    if (structure) Send(this, QAccessible::ObjectReorder);
    last_ = now;
    const QString status = NewStatusLines();
    lastStatus_ = View()->State().statusText;
    if (!status.isEmpty()) Announce(status);
}

void TableAccessible::Announce(const QString& text) {
    notice_ = text;
    last_[Item{ItemKind::Notice}.Key()].name = text;
    QAccessibleInterface* notice = ChildFor({ItemKind::Notice});
    Send(notice, QAccessible::NameChanged);
    // Shown again for every text: a notification that becomes showing is spoken.
    Send(notice, QAccessible::ObjectShow);
}

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<CMervaneView*>(object)) return new TableAccessible(view);
    return nullptr;
}

TableAccessible* TableOf(CMervaneView* view) {
    if (!view) return nullptr;
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(view));
}

}  // namespace

QString SpokenSuitName(Suit suit) {
    return Q(text::SuitName(suit));
}

QString SpokenCardName(Card card) {
    return Q(text::CardName(card));
}

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&TableFactory);
        return true;
    }();
    (void)installed;
}

void SetAccessibleEventSink(AccessibleEventSink sink) {
    Sink() = std::move(sink);
}

void UpdateTableAccessibility(CMervaneView* view) {
    // Nobody listens: no tree is built for nothing. One built later starts from then.
    if (!QAccessible::isActive() && !Sink()) return;
    if (view && view->Platform().Quitting()) return;
    if (TableAccessible* table = TableOf(view)) table->Refresh();
}

void AnnounceToScreenReader(QWidget* widget, const QString& text) {
    if (!widget || text.isEmpty()) return;
    auto* view = qobject_cast<CMervaneView*>(widget);
    if (!view) view = widget->window()->findChild<CMervaneView*>();
    if (TableAccessible* table = TableOf(view)) table->Announce(text);
}

}  // namespace mervane
