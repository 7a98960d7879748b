#include "app/mervane_view.h"

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

#include "app/game_setup_dlg.h"
#include "app/message_box.h"
#include "app/score_dlg.h"
#include "app/table_accessible.h"
#include "app/table_setup_dlg.h"
#include "game/timings.h"
#include "render/qt_surface.h"
#include "render/qt_text.h"
#include "render/sharp_surface.h"

namespace mervane {
namespace {

constexpr int SlideFrameMs = 16;  // about one frame of a 60 Hz screen

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

CMervaneView::CMervaneView(const SettingsStore& store, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), store_(store), messages_(messages), platform_(*this), game_(platform_) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted; nothing to erase
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The table is played by keys as well as by taps.
    setFocusPolicy(Qt::StrongFocus);
    // The faces drawn meanwhile were the classic ones: show the deck's.
    connect(&faceSource_, &CardFaceSource::parsed, this, [this] { update(); });
    connect(&faceSource_, &CardFaceSource::drawn, this, [this] { update(); });
    // Whatever changed the table also changes what a screen reader finds on it.
    InstallTableAccessibility();
    connect(this, &CMervaneView::stateChanged, this, [this] { UpdateTableAccessibility(this); });
    shakeTimer_.setInterval(ShakeStepMs);
    connect(&shakeTimer_, &QTimer::timeout, this, &CMervaneView::ShakeStep);
    // Precise timers: a slide must land before the pause that follows its move ends.
    slideFrame_.setTimerType(Qt::PreciseTimer);
    slideFrame_.setInterval(SlideFrameMs);
    connect(&slideFrame_, &QTimer::timeout, this, [this] { update(); });
    slideEnd_.setTimerType(Qt::PreciseTimer);
    slideEnd_.setSingleShot(true);
    connect(&slideEnd_, &QTimer::timeout, this, [this] { EndSlide(true); });
    game_.AddObserver(this);
}

void CMervaneView::OnInitialUpdate() {
    LoadSettings();
}

void CMervaneView::LoadSettings() {
    game_.ApplyLoadedSettings(store_.Load());
}

// --- painting and zoom ---

void CMervaneView::PaintNow() {
    repaint();
    emit stateChanged();
}

void CMervaneView::paintEvent(QPaintEvent*) {
    ++paints_;
    const TableViewport viewport = Viewport();
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
    }
}

// The room around the table, in the colour of what the table shows.
void CMervaneView::PaintMargins(const QRectF& table) {
    const QRegion margins = QRegion(rect()) - QRegion(table.toAlignedRect().adjusted(1, 1, -1, -1));
    if (margins.isEmpty()) return;
    QPainter painter(this);
    painter.setClipRegion(margins);
    painter.fillRect(rect(), ToQColor(ScreenBackground(game_.State())));
}

void CMervaneView::PaintClassic(const TableViewport& viewport) {
    frame_ = QImage(TableWidth, TableHeight, QImage::Format_RGB32);
    frame_.fill(Qt::black);
    {
        QtSurface table(frame_);
        OnDraw(game_.State(), table, classicTitle_, Marks());
    }
    QPainter painter(this);
    // Nearest-neighbour: every table pixel becomes a crisp block of device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(viewport.left, viewport.top, TableWidth * viewport.scale,
                             TableHeight * viewport.scale),
                      frame_);
}

void CMervaneView::PaintSharp(const TableViewport& viewport) {
    SharpSurface surface(*this, {TableWidth, TableHeight}, QPointF(viewport.left, viewport.top),
                         viewport.scale, faces_);
    // A deck's face takes from a millisecond to seconds to draw: the window never waits
    // for one, so that it keeps answering (Exit above all) whatever deck is chosen.
    surface.TakeReadyFacesOnly();
    OnDraw(game_.State(), surface, sharpTitle_, Marks());
    if (faces_ && faces_->HasWanted()) faceSource_.DrawInBackground(faces_);
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
}

TableMarks CMervaneView::Marks() const {
    TableMarks marks = keys_.Marks(game_.State(), choice_.showPlayable);
    if (choice_.look != TableLook::Sharp) return marks;
    marks.showDirection = true;
    // Found by value: the hand may have changed under a shake still running.
    const CardList& hand = game_.State().hands[HumanSeat];
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
    return choice_.look == TableLook::Sharp && choice_.animations && !platform_.Quitting();
}

CCardTable CMervaneView::PaintedLayout() const {
    return FittedToTable(game_.State().table);
}

void CMervaneView::HandDealt(int, Seat, Card starter) {
    topSeen_ = starter;
    EndSlide(false);
}

void CMervaneView::CardPlayed(Seat seat, Card card) {
    const Card beneath = std::exchange(topSeen_, card);
    if (!ShowsSlides()) return;
    const GameState& state = game_.State();
    // The hand as it was, the card still in it: a computer's card leaves from the
    // middle of its fan, the human's from its own place.
    const int count = state.hands[static_cast<std::size_t>(seat)].Count() + 1;
    int index = count / 2;
    if (seat == HumanSeat && leftHand_.card == card) index = leftHand_.index;
    const CCardTable layout = PaintedLayout();
    Slide slide;
    slide.card = card;
    slide.played = true;
    slide.beneath = beneath;
    slide.from = HandSlot(layout, PositionOfSeat(seat), index, count);
    slide.to = DiscardSlot(layout, state.deck.DrawPos() < CardsInPack);
    StartSlide(slide);
}

void CMervaneView::CardLeftHand(Seat seat, Card card, int index) {
    if (seat == HumanSeat) leftHand_ = {card, index};
}

void CMervaneView::CardDrawn(Seat seat, Card card) {
    if (!ShowsSlides()) return;
    const GameState& state = game_.State();
    const CardList& hand = state.hands[static_cast<std::size_t>(seat)];
    Slide slide;
    slide.card = card;
    slide.faceUp = seat == HumanSeat || state.trainingMode;
    slide.hand = PositionOfSeat(seat);
    for (int i = 0; i < hand.Count(); ++i)
        if (hand.At(i) == card) slide.handIndex = i;
    const CCardTable layout = PaintedLayout();
    slide.from = PackSlot(layout);
    slide.to = HandSlot(layout, slide.hand, slide.handIndex, hand.Count());
    StartSlide(slide);
}

void CMervaneView::StartSlide(const Slide& slide) {
    EndSlide(false);
    slideMs_ = SlideDuration(platform_.PauseScale());
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
    slideFrame_.stop();
    slideEnd_.stop();
    update();
    emit slideEnded(landed);
}

void CMervaneView::HoldSlidesAt(std::optional<double> t) {
    slidesHeldAt_ = t;
    if (!t) {
        EndSlide(true);
        return;
    }
    slideEnd_.stop();
    slideFrame_.stop();
    update();
}

// --- input ---

void CMervaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || platform_.Quitting()) return;
    const Point tap = ToTable(event->position());
    if (tap.x < 0 || tap.y < 0 || tap.x >= TableWidth || tap.y >= TableHeight) return;
    // A card still on its way lands at once: the tap is never kept waiting.
    EndSlide(false);
    if (keys_.RingShown()) {
        keys_.OnMouseTap();
        update();
    }
    game_.OnTableTap(tap.x, tap.y);
    emit stateChanged();
}

// A key is the intent a tap on its target would be; the game cannot tell them apart.
void CMervaneView::keyPressEvent(QKeyEvent* event) {
    constexpr auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (platform_.Quitting() || (event->modifiers() & chords) ||
        !KeyboardPlay::Handles(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    EndSlide(false);
    const std::optional<TableIntent> intent =
        keys_.OnKey(event->key(), game_.State(), event->isAutoRepeat());
    update();
    if (!intent) return;
    game_.Act(*intent);
    emit stateChanged();
}

void CMervaneView::Dispatch(std::function<void()> command) {
    if (platform_.Quitting()) return;
    game_.WhenIdle([this, command = std::move(command)] {
        command();
        emit stateChanged();
    });
}

void CMervaneView::Shutdown() {
    platform_.Quit();
    EndSlide(false);
}

// --- commands ---

GameSettings CMervaneView::CurrentSettings() const {
    return game_.Settings();
}

void CMervaneView::OnGameSetup() {
    const GameState& state = game_.State();
    CGameSetupDlg dialog(messages_, window());
    connect(&dialog, &CGameSetupDlg::helpRequested, this, &CMervaneView::helpRequested);
    dialog.leftName = ToQString(state.playerNames[0]);
    dialog.topName = ToQString(state.playerNames[1]);
    dialog.rightName = ToQString(state.playerNames[2]);
    dialog.playTo = state.playTo;
    dialog.speedIndex = SpeedForDelay(state.computerDelayMs);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || platform_.Quitting()) return;
    ApplyGameSetup(dialog);
}

// The names and the speed take effect at once; a changed target only once it is
// confirmed, when a game is under way.
void CMervaneView::ApplyGameSetup(const CGameSetupDlg& dialog) {
    GameSettings values = CurrentSettings();
    values.playerNames = {dialog.leftName.toStdString(), dialog.topName.toStdString(),
                          dialog.rightName.toStdString()};
    values.playSpeed = dialog.speedIndex;
    game_.ApplySettings(values);
    bool newTarget = dialog.playTo != values.playTo;
    bool restart = false;
    if (newTarget && game_.State().gameInProgress) {
        restart =
            platform_.AskYesNo(tr("\"Play To\" points changed, Quit Current Game?").toStdString());
        if (!restart) platform_.ShowMessage(tr("Points change not saved.").toStdString());
        newTarget = restart;
    }
    if (newTarget) {
        values.playTo = dialog.playTo;
        game_.ApplySettings(values);
    }
    store_.SaveGameSetup(values, newTarget);
    if (restart) {
        game_.AbandonAndNewGame();
        return;
    }
    PaintNow();
}

void CMervaneView::OnTableSetup() {
    const GameState& state = game_.State();
    CTableSetupDlg dialog(messages_, window());
    connect(&dialog, &CTableSetupDlg::helpRequested, this, &CMervaneView::helpRequested);
    dialog.cardBackId = state.table.cardBackId;
    dialog.tableColor = state.table.tableColor;
    dialog.trainingMode = state.trainingMode;
    dialog.rules = state.rules;
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || platform_.Quitting()) return;
    GameSettings values = CurrentSettings();
    values.cardBackId = dialog.cardBackId;
    values.tableColor = static_cast<std::int32_t>(dialog.tableColor);
    values.trainingMode = dialog.trainingMode;
    values.rules = dialog.rules;
    game_.ApplySettings(values);
    store_.SaveTableSetup(CurrentSettings());
    PaintNow();
}

void CMervaneView::OnQuitAndNewGame() {
    game_.QuitAndNewGame();
}

void CMervaneView::OnToolbarNewGame() {
    // The button may have been pressed before the game it waited behind began.
    if (game_.CanUseToolbarNewGame()) game_.NewGame();
}

void CMervaneView::OnShowScore() {
    if (!game_.CanShowScore()) return;
    const GameState& state = game_.State();
    CScoreDlg dialog(window());
    for (int i = 0; i < 3; ++i) dialog.seatNames[i] = ToQString(state.playerNames[i]);
    dialog.scoreLeft = state.scores[1];
    dialog.scoreTop = state.scores[2];
    dialog.scoreRight = state.scores[3];
    dialog.scoreYou = state.scores[0];
    // As large as the sheet over the table; the dialog keeps itself within the screen.
    dialog.zoom = zoom_;
    dialog.sharp = choice_.look == TableLook::Sharp;
    dialog.scale = Viewport().scale;
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

}  // namespace mervane
