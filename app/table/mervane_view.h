#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/play/game_host.h"
#include "app/stores/window_state.h"
#include "app/table/card_face_source.h"
#include "app/table/keyboard_play.h"
#include "game/mervane_game.h"
#include "game/observer.h"
#include "game/table_story.h"
#include "layout/sharp_layout.h"
#include "layout/viewport.h"
#include "render/table_painter.h"

namespace mervane {

// The card table. It shows the host's game as large as the widget allows, centred, in
// one of two looks: Classic paints the table at its own size (240 x 268) and enlarges
// it by a whole factor; Sharp draws it at the screen's resolution. Taps and keys become
// the person's intents and go to the game at once; while a chain of turns runs, the
// game holds them.
class CMervaneView : public QWidget, private GameObserver {
    Q_OBJECT
  public:
    explicit CMervaneView(GameHost& host, QWidget* parent = nullptr);
    ~CMervaneView() override;

    MervaneGame& Game() { return host_.Game(); }
    const GameState& State() const { return host_.Game().State(); }
    QtGamePlatform& Platform() { return host_.Platform(); }
    bool Busy() const { return host_.Busy(); }

    // Paints at once, as the game's Redraw asks.
    void PaintNow();
    // The window is closing: a card on its way stops where it is.
    void Shutdown();

    // The whole factor the table is shown at, or would be in Classic: the largest
    // that fits the widget.
    int Zoom() const { return zoom_; }
    // The size the widget asks for: the table at `zoom`.
    void SetZoom(int zoom);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // A widget point in table pixels: the table pixel shown on the device pixel under
    // the point.
    Point ToTable(QPointF widgetPoint) const;
    // Where the table stands in the widget: in Classic at a whole factor of device
    // pixels, in Sharp at any scale; either way on a device pixel.
    TableViewport Viewport() const;

    TableLook Look() const { return choice_.look; }
    // The Sharp look shows its own table, laid out for the widget, whenever a hand is
    // on the table; only the title keeps the Classic table scaled up.
    bool ShowsSharpTable() const;
    // In the Sharp look a hand's sheet and the winner screen fill the widget as well.
    bool ShowsSharpSheet() const;
    // That table at the widget's size in device pixels, for the hand sizes now; taps,
    // the painter and the accessible tree read it. With one more card in `grown`'s
    // hand: where a card that just left it stood.
    SharpTable SharpLayout(Seat grown = NoSeat) const;
    // The width, in the widget's pixels, that something lying over the table's right
    // edge takes from it (the Sharp look's move log): the Sharp table keeps clear of it.
    void SetCoveredRight(int width);
    void SetLook(TableLook look);
    // The chosen deck's folder name, ViewChoice::ClassicFaces, or empty for the default.
    const QString& Faces() const { return choice_.faces; }
    void SetFaces(const QString& faces);
    CardFaceSource& FaceSource() { return faceSource_; }
    // During the human's move his playable cards are raised, or the pack marked.
    bool ShowPlayable() const { return choice_.showPlayable; }
    void SetShowPlayable(bool show);
    // In the Sharp look, played and drawn cards slide across the table.
    bool Animations() const { return choice_.animations; }
    void SetAnimations(bool on);
    // What the view paints over the game: the focus ring, the playable cards and, in
    // the Sharp look, the direction of play, the shake of a refused card and a card
    // on its way.
    TableMarks Marks() const;
    bool Shaking() const { return shakeTimer_.isActive(); }
    bool Sliding() const { return slide_.has_value(); }
    bool Dealing() const { return dealing_; }
    // For pictures and tests: each slide stops at `t` (0..1) until the next move or
    // input ends it; nullopt lands the one held and lets slides run again.
    void HoldSlidesAt(std::optional<double> t);
    const KeyboardPlay& Keys() const { return keys_; }
    // The deck the Sharp look draws its faces from; null for the classic faces.
    CardFaceRenderer* ActiveFaces() const { return faces_; }

    // The last Classic frame painted, at table size.
    const QImage& LastFrame() const { return frame_; }
    int PaintCount() const { return paints_; }
    std::size_t QueuedInputs() const { return host_.Game().HeldInputs(); }

  signals:
    // Something the command states depend on may have changed.
    void stateChanged();
    // A slide is over: `landed` when it ran its time, else cut short by a move or an input.
    void slideEnded(bool landed);
    // The table was painted for the first time: the window is on the screen.
    void firstPainted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void PaintMargins(const QRectF& table);
    void PaintClassic(const TableViewport& viewport);
    void PaintSharp(const TableViewport& viewport);
    void PaintSharpSheet();
    void TapSharp(QPointF widgetPoint);
    void PreloadFaces();
    // A refused card shakes, in the Sharp look, without touching the game.
    void TapRefused(Card card, Card topCard, Suit currentSuit) override;
    // What the person may do now has changed (the hint, for one).
    void PersonAsked() override { emit stateChanged(); }
    void MovesTakenBack(std::size_t) override { TableTakenBack(); }
    void DealRestarted() override { TableTakenBack(); }
    // Nothing under way on the table outlives an undo or a restarted deal.
    void TableTakenBack();
    void ShakeStep();
    // A move's card slides from where it was to where the game put it.
    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void CardLeftHand(Seat seat, Card card, int index) override;
    void CardPlayed(Seat seat, Card card) override;
    void CardDrawn(Seat seat, Card card) override;
    bool ShowsSlides() const;
    // The layout the paint uses, at table size.
    CCardTable PaintedLayout() const;
    // Any slide under way ends first: one card moves at a time.
    void StartSlide(const Slide& slide);
    void EndSlide(bool landed);
    // The deal fans out from the pack; any move or input lands it at once.
    void StartDeal();
    void EndDeal();
    void SlideFromSharp(Slide& slide, Seat seat, int index, bool played) const;

    GameHost& host_;
    int zoom_ = 1;
    int paints_ = 0;
    QImage frame_;
    ViewChoice choice_;
    CardFaceSource faceSource_;
    CardFaceRenderer* faces_ = nullptr;
    KeyboardPlay keys_;
    // The title picture, ours rather than the game's: held from the first paint of
    // the title until the first deal, one per look.
    TitleArt classicTitle_;
    TitleArt sharpTitle_;
    // The Sharp table's callouts, on a clock of its own; a single shot repaints when
    // they next change, so nothing is painted while nothing moves.
    QElapsedTimer storyClock_;
    TableStory story_;
    QTimer storyTimer_;
    Card shakenCard_ = NoCard;
    int shakeStep_ = 0;  // index in ShakeOffsets
    QTimer shakeTimer_;
    std::optional<Slide> slide_;  // its `t` is worked out when painted
    std::optional<double> slidesHeldAt_;
    QElapsedTimer slideClock_;
    int slideMs_ = 0;
    QTimer slideFrame_;
    QTimer slideEnd_;
    bool dealing_ = false;
    QElapsedTimer dealClock_;
    int dealMs_ = 0;
    QTimer dealEnd_;
    int coveredRight_ = 0;
    // The top of the discard pile before the latest play: what a played card uncovers.
    Card topSeen_ = NoCard;
    // The human's card that last left his hand, and its place there: where it slides from.
    struct LeftHand {
        Card card = NoCard;
        int index = 0;
    } leftHand_;
};

}  // namespace mervane
