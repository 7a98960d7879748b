#include "app/table/mervane_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "game/timings.h"
#include "render/qt_surface.h"
#include "render/qt_text.h"
#include "render/sharp_sheet_draw.h"
#include "render/sharp_surface.h"
#include "render/sharp_table_draw.h"

namespace mervane {
namespace {

constexpr int SlideFrameMs = 16;  // about one frame of a 60 Hz screen
constexpr int ClassicCardWidth = 29;

// For the start-up figures: the wall clock at the first paint and the peak resident
// memory so far, when asked for. "quit" ends the program there, so that a profiler sees
// the start alone.
void StampFirstPaint() {
    const QByteArray asked = qgetenv("MERVANE_PRINT_FIRST_PAINT");
    if (asked.isEmpty()) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "first-paint-ns %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[128];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                std::printf("first-paint-hwm-kb %ld\n", std::atol(line + 6));
        std::fclose(status);
    }
    std::fflush(stdout);
    if (asked == "quit") std::exit(0);
}

}  // namespace

CMervaneView::CMervaneView(GameHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      story_(host.Game().State(), [this] { return storyClock_.elapsed(); }) {
    host_.Platform().ShowOn(this, [this] { PaintNow(); });
    connect(&host_, &GameHost::commandRun, this, &CMervaneView::stateChanged);
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted; nothing to erase
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The table is played by keys as well as by taps.
    setFocusPolicy(Qt::StrongFocus);
    // The faces drawn meanwhile were the classic ones: show the deck's.
    connect(&faceSource_, &CardFaceSource::parsed, this, [this] { update(); });
    connect(&faceSource_, &CardFaceSource::drawn, this, [this] { update(); });
    shakeTimer_.setInterval(ShakeStepMs);
    connect(&shakeTimer_, &QTimer::timeout, this, &CMervaneView::ShakeStep);
    // Precise timers: a slide must land before the pause that follows its move ends.
    slideFrame_.setTimerType(Qt::PreciseTimer);
    slideFrame_.setInterval(SlideFrameMs);
    connect(&slideFrame_, &QTimer::timeout, this, [this] { update(); });
    slideEnd_.setTimerType(Qt::PreciseTimer);
    slideEnd_.setSingleShot(true);
    connect(&slideEnd_, &QTimer::timeout, this, [this] { EndSlide(true); });
    dealEnd_.setSingleShot(true);
    connect(&dealEnd_, &QTimer::timeout, this, &CMervaneView::EndDeal);
    storyClock_.start();
    storyTimer_.setSingleShot(true);
    connect(&storyTimer_, &QTimer::timeout, this, [this] { update(); });
    host_.Game().AddObserver(&story_);
    host_.Game().AddObserver(this);
}

CMervaneView::~CMervaneView() {
    host_.Game().RemoveObserver(this);
    host_.Game().RemoveObserver(&story_);
    host_.Platform().ShowOn(nullptr, {});
}

// --- painting and zoom ---

void CMervaneView::PaintNow() {
    repaint();
    emit stateChanged();
}

void CMervaneView::paintEvent(QPaintEvent*) {
    ++paints_;
    const TableViewport viewport = Viewport();
    // The Sharp table fills the widget; the table scaled up leaves margins.
    if (!ShowsSharpTable())
        PaintMargins(QRectF(viewport.left, viewport.top, TableWidth * viewport.scale,
                            TableHeight * viewport.scale));
    if (choice_.look == TableLook::Classic)
        PaintClassic(viewport);
    else
        PaintSharp(viewport);
    if (paints_ == 1) {
        StampFirstPaint();
        // The deck is parsed once the window shows something: the title needs no cards.
        QTimer::singleShot(0, this, &CMervaneView::PreloadFaces);
        emit firstPainted();
    }
}

// The room around the table, in the colour of what the table shows.
void CMervaneView::PaintMargins(const QRectF& table) {
    const QRegion margins = QRegion(rect()) - QRegion(table.toAlignedRect().adjusted(1, 1, -1, -1));
    if (margins.isEmpty()) return;
    QPainter painter(this);
    painter.setClipRegion(margins);
    painter.fillRect(rect(), ToQColor(ScreenBackground(host_.Game().State())));
}

void CMervaneView::PaintClassic(const TableViewport& viewport) {
    frame_ = QImage(TableWidth, TableHeight, QImage::Format_RGB32);
    frame_.fill(Qt::black);
    {
        QtSurface table(frame_);
        OnDraw(host_.Game().State(), table, classicTitle_, Marks());
    }
    QPainter painter(this);
    // Nearest-neighbour: every table pixel becomes a crisp block of device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(viewport.left, viewport.top, TableWidth * viewport.scale,
                             TableHeight * viewport.scale),
                      frame_);
}

bool CMervaneView::ShowsSharpTable() const {
    if (choice_.look != TableLook::Sharp) return false;
    const GameState& state = host_.Game().State();
    const bool winner = !state.gameInProgress && state.betweenGames && state.handOver;
    return !winner && !state.showSplash && !state.showHandScore;
}

SharpTable CMervaneView::SharpLayout(Seat grown) const {
    const GameState& state = host_.Game().State();
    SharpCounts counts;
    for (Seat seat = 0; seat < SeatCount; ++seat)
        counts.handSize[static_cast<std::size_t>(PositionOfSeat(seat) - 1)] =
            state.hands[static_cast<std::size_t>(seat)].Count() + (seat == grown ? 1 : 0);
    const double ratio = devicePixelRatioF();
    const int uncovered = std::max(0, width() - coveredRight_);
    const Size window{static_cast<std::int32_t>(std::floor(uncovered * ratio)),
                      static_cast<std::int32_t>(std::floor(height() * ratio))};
    return LayOutSharpTable(window, counts);
}

void CMervaneView::SetCoveredRight(int width) {
    if (width == coveredRight_) return;
    coveredRight_ = width;
    update();
}

void CMervaneView::PaintSharp(const TableViewport& viewport) {
    if (ShowsSharpTable()) {
        SharpTable layout = SharpLayout();
        const TableMarks marks = Marks();
        if (marks.shakeCard >= 0) {
            // The shake's steps are the Classic table's pixels; a Classic card is 29 wide.
            const auto dx = static_cast<std::int32_t>(
                std::lround(marks.shakeOffset * layout.card.width / double(ClassicCardWidth)));
            const auto shake = static_cast<std::size_t>(marks.shakeCard);
            std::vector<Rect>& cards = layout.seats[Bottom - 1].cards;
            if (shake < cards.size()) {
                cards[shake].left += dx;
                cards[shake].right += dx;
            }
        }
        // One table unit per device pixel, over the whole widget.
        const double ratio = devicePixelRatioF();
        const Size whole{static_cast<std::int32_t>(std::ceil(width() * ratio)),
                         static_cast<std::int32_t>(std::ceil(height() * ratio))};
        SharpSurface surface(*this, whole, QPointF(0, 0), 1.0 / ratio, faces_);
        surface.TakeReadyFacesOnly();
        const std::int64_t now = storyClock_.elapsed();
        DrawSharpTable(host_.Game().State(), layout, story_.At(now), marks, surface);
        // Under the drawer over the right edge, the felt's own colour shows through it.
        if (whole.width > layout.window.width)
            surface.FillRect({layout.window.width, 0, whole.width, whole.height},
                             PaletteFor(host_.Game().State().table.tableColor).felt);
        if (faces_ && faces_->HasWanted()) faceSource_.DrawInBackground(faces_);
        // A fade repaints at the frame rate; a callout waiting to go, once when it goes.
        if (const std::optional<std::int64_t> at = story_.NextChangeAt(now))
            storyTimer_.start(static_cast<int>(std::max<std::int64_t>(SlideFrameMs, *at - now)));
        else
            storyTimer_.stop();
        return;
    }
    storyTimer_.stop();
    if (ShowsSharpSheet()) return PaintSharpSheet();
    SharpSurface surface(*this, {TableWidth, TableHeight}, QPointF(viewport.left, viewport.top),
                         viewport.scale, faces_);
    // A deck's face takes from a millisecond to seconds to draw: the window never waits
    // for one, so that it keeps answering (Exit above all) whatever deck is chosen.
    surface.TakeReadyFacesOnly();
    OnDraw(host_.Game().State(), surface, sharpTitle_, Marks());
    if (faces_ && faces_->HasWanted()) faceSource_.DrawInBackground(faces_);
}

bool CMervaneView::ShowsSharpSheet() const {
    if (choice_.look != TableLook::Sharp) return false;
    const GameState& state = host_.Game().State();
    const bool winner = !state.gameInProgress && state.betweenGames && state.handOver;
    return winner || state.showHandScore;
}

// The game's hands so far, on the felt at the widget's size in device pixels.
void CMervaneView::PaintSharpSheet() {
    const double ratio = devicePixelRatioF();
    const Size window{static_cast<std::int32_t>(std::floor(width() * ratio)),
                      static_cast<std::int32_t>(std::floor(height() * ratio))};
    SharpSurface surface(*this, window, QPointF(0, 0), 1.0 / ratio, faces_);
    DrawSharpSheet(SharpSheetFor(host_.Game().State(), host_.History().Hands()), surface);
}

void CMervaneView::SetZoom(int zoom) {
    zoom_ = std::clamp(zoom, MinZoom, MaxZoom);
    updateGeometry();
    update();
}

QSize CMervaneView::sizeHint() const {
    return QSize(TableWidth, TableHeight) * zoom_;
}

QSize CMervaneView::minimumSizeHint() const {
    return QSize(TableWidth, TableHeight);
}

void CMervaneView::resizeEvent(QResizeEvent*) {
    const int fits = std::max(MinZoom, std::min(width() / TableWidth, height() / TableHeight));
    if (fits == zoom_) return;
    zoom_ = fits;
}

// A point stands for the device pixel under it, and that pixel shows the table pixel
// under its centre: at a fractional scale a tap then hits what is painted there. The
// surfaces round a table pixel's edges half up, so a centre that falls exactly on an
// edge shows the pixel before it; a hair to the left keeps that.
Point CMervaneView::ToTable(QPointF widgetPoint) const {
    const double ratio = devicePixelRatioF();
    const auto centre = [ratio](double at) {
        return (std::floor(at * ratio) + 0.5 - 1e-6) / ratio;
    };
    return Viewport().ToTable(centre(widgetPoint.x()), centre(widgetPoint.y()));
}

TableViewport CMervaneView::Viewport() const {
    const double ratio = devicePixelRatioF();
    const bool classic = choice_.look == TableLook::Classic;
    const TableViewport device = FitTable({TableWidth, TableHeight}, std::floor(width() * ratio),
                                          std::floor(height() * ratio), classic);
    return {device.scale / ratio, std::floor(device.left) / ratio, std::floor(device.top) / ratio};
}

// --- looks and card faces ---

void CMervaneView::SetLook(TableLook look) {
    if (look == choice_.look) return;
    EndSlide(false);
    EndDeal();
    choice_.look = look;
    classicTitle_ = {};
    sharpTitle_ = {};
    PreloadFaces();
    update();
}

void CMervaneView::SetFaces(const QString& faces) {
    if (faces == choice_.faces) return;
    choice_.faces = faces;
    PreloadFaces();
    update();
}

// Until the first paint there is none: not even the decks' folders are read before it.
void CMervaneView::PreloadFaces() {
    faces_ = nullptr;
    if (choice_.look != TableLook::Sharp || paints_ == 0 ||
        choice_.faces == ViewChoice::ClassicFaces)
        return;
    faces_ = faceSource_.Renderer(choice_.faces);
    faceSource_.PreloadInBackground(choice_.faces);
}

void CMervaneView::SetShowPlayable(bool show) {
    if (show == choice_.showPlayable) return;
    choice_.showPlayable = show;
    update();
}

void CMervaneView::SetAnimations(bool on) {
    if (on == choice_.animations) return;
    choice_.animations = on;
    EndSlide(false);
    EndDeal();
}

TableMarks CMervaneView::Marks() const {
    TableMarks marks = keys_.Marks(host_.Game().State(), choice_.showPlayable);
    if (choice_.look != TableLook::Sharp) return marks;
    marks.showDirection = true;
    // Found by value: the hand may have changed under a shake still running.
    const CardList& hand = host_.Game().State().hands[HumanSeat];
    if (shakeTimer_.isActive()) {
        for (int i = 0; i < hand.Count(); ++i) {
            if (hand.At(i) != shakenCard_) continue;
            marks.shakeCard = i;
            marks.shakeOffset = ShakeOffsets[shakeStep_];
        }
    }
    if (slide_) {
        marks.slide = slide_;
        marks.slide->t = slidesHeldAt_.value_or(
            slideMs_ > 0 ? std::min(1.0, double(slideClock_.elapsed()) / slideMs_) : 1.0);
    }
    if (dealing_)
        marks.deal = slidesHeldAt_.value_or(
            dealMs_ > 0 ? std::min(1.0, double(dealClock_.elapsed()) / dealMs_) : 1.0);
    return marks;
}

// --- the refused card's shake ---

void CMervaneView::TapRefused(Card card, Card, Suit) {
    if (choice_.look != TableLook::Sharp) return;
    shakenCard_ = card;
    shakeStep_ = 0;
    shakeTimer_.start();
    update();
}

void CMervaneView::ShakeStep() {
    constexpr int steps = static_cast<int>(std::size(ShakeOffsets));
    if (++shakeStep_ >= steps - 1) {
        shakeStep_ = steps - 1;
        shakeTimer_.stop();
    }
    update();
}

// --- moving cards ---

bool CMervaneView::ShowsSlides() const {
    return choice_.look == TableLook::Sharp && choice_.animations && !host_.Platform().Quitting();
}

CCardTable CMervaneView::PaintedLayout() const {
    return FittedToTable(host_.Game().State().table);
}

void CMervaneView::HandDealt(int, Seat, Card starter) {
    topSeen_ = starter;
    EndSlide(false);
    StartDeal();
}

void CMervaneView::TableTakenBack() {
    EndSlide(false);
    topSeen_ = State().topCard;
    update();
}

void CMervaneView::StartDeal() {
    if (!ShowsSlides()) return;
    dealMs_ = DealDuration(host_.Platform().PauseScale());
    if (dealMs_ <= 0 && !slidesHeldAt_) return;
    dealing_ = true;
    dealClock_.start();
    if (!slidesHeldAt_) {
        dealEnd_.start(dealMs_);
        slideFrame_.start();
    }
    update();
}

void CMervaneView::EndDeal() {
    if (!dealing_) return;
    dealing_ = false;
    dealEnd_.stop();
    if (!slide_) slideFrame_.stop();
    update();
}

// In the Sharp table a card leaves a computer's fan at the fan's size and lands on the
// pile at the pile's, or comes from the pack to its place in a hand.
void CMervaneView::SlideFromSharp(Slide& slide, Seat seat, int index, bool played) const {
    const SharpTable layout = SharpLayout(played ? seat : NoSeat);
    const std::vector<Rect>& cards = layout.Seat(PositionOfSeat(seat)).cards;
    const Rect inHand =
        cards.empty()
            ? layout.pack
            : cards[static_cast<std::size_t>(std::clamp(index, 0, int(cards.size()) - 1))];
    const Rect pile = played ? layout.discard : layout.pack;
    const Rect from = played ? inHand : pile;
    const Rect to = played ? pile : inHand;
    slide.from = {from.left, from.top};
    slide.fromSize = {from.Width(), from.Height()};
    slide.to = {to.left, to.top};
    slide.toSize = {to.Width(), to.Height()};
}

void CMervaneView::CardPlayed(Seat seat, Card card) {
    const Card beneath = std::exchange(topSeen_, card);
    if (!ShowsSlides()) return;
    const GameState& state = host_.Game().State();
    // The hand as it was, the card still in it: a computer's card leaves from the
    // middle of its fan, the human's from its own place.
    const int count = state.hands[static_cast<std::size_t>(seat)].Count() + 1;
    int index = count / 2;
    if (seat == HumanSeat && leftHand_.card == card) index = leftHand_.index;
    Slide slide;
    slide.card = card;
    slide.played = true;
    slide.beneath = beneath;
    if (ShowsSharpTable()) {
        SlideFromSharp(slide, seat, index, true);
    } else {
        const CCardTable layout = PaintedLayout();
        slide.from = HandSlot(layout, PositionOfSeat(seat), index, count);
        slide.to = DiscardSlot(layout, state.deck.DrawPos() < CardsInPack);
    }
    StartSlide(slide);
}

void CMervaneView::CardLeftHand(Seat seat, Card card, int index) {
    if (seat == HumanSeat) leftHand_ = {card, index};
}

void CMervaneView::CardDrawn(Seat seat, Card card) {
    if (!ShowsSlides()) return;
    const GameState& state = host_.Game().State();
    const CardList& hand = state.hands[static_cast<std::size_t>(seat)];
    Slide slide;
    slide.card = card;
    slide.faceUp = seat == HumanSeat || state.trainingMode;
    slide.hand = PositionOfSeat(seat);
    for (int i = 0; i < hand.Count(); ++i)
        if (hand.At(i) == card) slide.handIndex = i;
    if (ShowsSharpTable()) {
        SlideFromSharp(slide, seat, slide.handIndex, false);
    } else {
        const CCardTable layout = PaintedLayout();
        slide.from = PackSlot(layout);
        slide.to = HandSlot(layout, slide.hand, slide.handIndex, hand.Count());
    }
    StartSlide(slide);
}

void CMervaneView::StartSlide(const Slide& slide) {
    EndSlide(false);
    EndDeal();
    slideMs_ = SlideDuration(host_.Platform().PauseScale());
    if (slideMs_ <= 0 && !slidesHeldAt_) return;
    slide_ = slide;
    slideClock_.start();
    if (!slidesHeldAt_) {
        slideEnd_.start(slideMs_);
        slideFrame_.start();
    }
    update();
}

void CMervaneView::EndSlide(bool landed) {
    if (!slide_) return;
    slide_.reset();
    if (!dealing_) slideFrame_.stop();
    slideEnd_.stop();
    update();
    emit slideEnded(landed);
}

void CMervaneView::HoldSlidesAt(std::optional<double> t) {
    slidesHeldAt_ = t;
    if (!t) {
        EndSlide(true);
        EndDeal();
        return;
    }
    slideEnd_.stop();
    dealEnd_.stop();
    slideFrame_.stop();
    update();
}

// --- input ---

void CMervaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || host_.Platform().Quitting()) return;
    if (ShowsSharpTable() || ShowsSharpSheet()) {
        TapSharp(event->position());
        return;
    }
    const Point tap = ToTable(event->position());
    if (tap.x < 0 || tap.y < 0 || tap.x >= TableWidth || tap.y >= TableHeight) return;
    // A card still on its way lands at once: the tap is never kept waiting.
    EndSlide(false);
    EndDeal();
    if (keys_.RingShown()) {
        keys_.OnMouseTap();
        update();
    }
    host_.Game().OnTableTap(tap.x, tap.y);
    emit stateChanged();
}

// A tap hit-tests the table as painted and goes to the game as the intent it names;
// the game holds it, as it holds keys, while a chain of turns runs.
void CMervaneView::TapSharp(QPointF widgetPoint) {
    const double ratio = devicePixelRatioF();
    const Point tap{static_cast<std::int32_t>(std::floor(widgetPoint.x() * ratio)),
                    static_cast<std::int32_t>(std::floor(widgetPoint.y() * ratio))};
    const GameState& state = host_.Game().State();
    const SharpTable layout = SharpLayout();
    std::optional<TableIntent> intent;
    if (state.handOver) {
        intent = TableIntent::GoOn();
    } else if (state.choosingSuit) {
        const int box = layout.SuitBoxAt(tap);
        if (box >= 0) intent = TableIntent::Name(SuitBoxOrder[static_cast<std::size_t>(box)]);
    } else if (layout.PackAt(tap)) {
        if (!state.deck.Empty()) intent = TableIntent::Draw();
    } else if (const int card = layout.HandCardAt(tap); card >= 0) {
        intent = TableIntent::Play(card);
    }
    if (!intent) return;
    // A card still on its way lands at once: the tap is never kept waiting.
    EndSlide(false);
    EndDeal();
    if (keys_.RingShown()) {
        keys_.OnMouseTap();
        update();
    }
    host_.Game().Act(*intent);
    emit stateChanged();
}

// A key is the intent a tap on its target would be; the game cannot tell them apart.
void CMervaneView::keyPressEvent(QKeyEvent* event) {
    constexpr auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (host_.Platform().Quitting() || (event->modifiers() & chords) ||
        !KeyboardPlay::Handles(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    EndSlide(false);
    EndDeal();
    const std::optional<TableIntent> intent =
        keys_.OnKey(event->key(), host_.Game().State(), event->isAutoRepeat());
    update();
    if (!intent) return;
    host_.Game().Act(*intent);
    emit stateChanged();
}

void CMervaneView::Shutdown() {
    EndSlide(false);
    EndDeal();
}

}  // namespace mervane
