#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/qt_platform.h"
#include "app/settings_store.h"
#include "game/mervane_game.h"
#include "layout/viewport.h"
#include "render/table_painter.h"

namespace mervane {

class MessageBoxes;

// The card table. It owns the game, paints it at its own size (240 x 268) and shows
// it enlarged by a whole factor; taps are mapped back to table pixels. Taps and
// commands go to the game at once; while a chain of turns runs, the game holds them.
class CMervaneView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int TableWidth = 240;
    static constexpr int TableHeight = 268;
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 4;

    CMervaneView(const SettingsStore& store, MessageBoxes& messages, QWidget* parent = nullptr);

    MervaneGame& Game() { return game_; }
    const GameState& State() const { return game_.State(); }
    QtGamePlatform& Platform() { return platform_; }
    MessageBoxes& Messages() { return messages_; }

    // Start-up: the stored settings into the game.
    void OnInitialUpdate();
    void LoadSettings();

    // The view's commands.
    void OnGameSetup();
    void OnTableSetup();
    void OnQuitAndNewGame();
    void OnToolbarNewGame();
    void OnShowScore();
    // Runs a command now, or after the chain of turns under way.
    void Dispatch(std::function<void()> command);
    bool Busy() const { return game_.Busy(); }

    // Paints at once, as the game's Redraw asks.
    void PaintNow();
    // The window is closing: the chain stops where it is and nothing more runs.
    void Shutdown();

    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    // A widget point in table pixels: divided, never rounded up to the next pixel.
    Point ToTable(QPointF widgetPoint) const;
    // Where the table stands in the widget.
    TableViewport Viewport() const;
    // The last frame painted, at table size.
    const QImage& LastFrame() const { return frame_; }
    int PaintCount() const { return paints_; }
    std::size_t QueuedInputs() const { return game_.HeldInputs(); }

  signals:
    // Something the command states depend on may have changed.
    void stateChanged();
    void zoomChanged(int zoom);
    // F1 in a setup dialog: help at `anchor`, at once.
    void helpRequested(const QString& anchor);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void ApplyGameSetup(const class CGameSetupDlg& dialog);
    GameSettings CurrentSettings() const;

    const SettingsStore& store_;
    MessageBoxes& messages_;
    QtGamePlatform platform_;
    MervaneGame game_;
    int zoom_ = 1;
    int paints_ = 0;
    QImage frame_;
    // The title picture, ours rather than the game's: held from the first paint of
    // the title until the first deal.
    TitleArt title_;
};

}  // namespace mervane
