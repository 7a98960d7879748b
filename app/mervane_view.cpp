#include "app/mervane_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "app/game_setup_dlg.h"
#include "app/message_box.h"
#include "app/score_dlg.h"
#include "app/table_setup_dlg.h"
#include "game/timings.h"
#include "render/qt_text.h"
#include "render/snapshot.h"

namespace mervane {
namespace {

// For the start-up figure: the wall clock at the first paint, when asked for.
void StampFirstPaint() {
    if (qEnvironmentVariableIsEmpty("MERVANE_PRINT_FIRST_PAINT")) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "first-paint-ns %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

}  // namespace

CMervaneView::CMervaneView(const SettingsStore& store, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), store_(store), messages_(messages), platform_(*this), game_(platform_) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted; nothing to erase
    SetZoom(1);
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
    frame_ = RenderTableImage(game_.State(), title_);
    ++paints_;
    QPainter painter(this);
    // Nearest-neighbour: every table pixel becomes a crisp zoom x zoom block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, TableWidth * zoom_, TableHeight * zoom_), frame_);
    painter.end();
    if (paints_ == 1) StampFirstPaint();
}

void CMervaneView::SetZoom(int zoom) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    const bool changed = zoom != zoom_;
    zoom_ = zoom;
    setFixedSize(TableWidth * zoom_, TableHeight * zoom_);
    update();
    if (changed) emit zoomChanged(zoom_);
}

Point CMervaneView::ToTable(QPointF widgetPoint) const {
    return Viewport().ToTable(widgetPoint.x(), widgetPoint.y());
}

TableViewport CMervaneView::Viewport() const {
    return FitTable({TableWidth, TableHeight}, width(), height(), true);
}

// --- input ---

void CMervaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || platform_.Quitting()) return;
    const Point tap = ToTable(event->position());
    if (tap.x < 0 || tap.y < 0 || tap.x >= TableWidth || tap.y >= TableHeight) return;
    game_.OnTableTap(tap.x, tap.y);
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
        restart = platform_.AskYesNo("\"Play To\" points changed, Quit Current Game?");
        if (!restart) platform_.ShowMessage("Points change not saved.");
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
    dialog.sevenCards = state.sevenCards;
    dialog.advancedRules = state.advancedRules;
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || platform_.Quitting()) return;
    GameSettings values = CurrentSettings();
    values.cardBackId = dialog.cardBackId;
    values.tableColor = static_cast<std::int32_t>(dialog.tableColor);
    values.trainingMode = dialog.trainingMode;
    values.sevenCards = dialog.sevenCards;
    values.advancedRules = dialog.advancedRules;
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
    dialog.zoom = zoom_;
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

}  // namespace mervane
