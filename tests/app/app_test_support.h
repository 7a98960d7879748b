#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>

#include "app/frame/main_frame.h"
#include "app/table/mervane_view.h"

namespace mervane::testing {

// Records every message a window shows and answers its questions from a script.
class MessageRecorder {
  public:
    MessageRecorder() = default;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Answers for `boxes` from now on; the recorder must outlive their use.
    void Attach(MessageBoxes& boxes);

    QStringList shown;
    std::deque<bool> answers;  // for Yes/No questions, in order; No when empty
};

// A real main window over a settings file of its own, shown on the offscreen screen,
// with pauses cut to nothing unless a test asks for time.
class AppFixture {
  public:
    AppFixture();
    ~AppFixture();

    QString SettingsPath() const { return dir_.filePath(QStringLiteral("mervane.ini")); }
    void WriteSettingsFile(const QString& iniText) const;
    QString ReadSetting(const QString& key) const;  // "Settings/PLAYTO", "" when absent
    bool HasSetting(const QString& key) const;

    // Over the fixture's own settings file, or over another path when given; `messages`
    // answer for the window. The table is shown in `startLook` unless `storedLook`.
    CMainFrame& Start(const QString& settingsPath = {});
    TableLook startLook = TableLook::Classic;
    bool storedLook = false;
    CMainFrame& Frame() { return *frame_; }
    CMervaneView& View() { return *frame_->View(); }
    const GameState& State() const { return frame_->View()->State(); }

    // A command, or a tap at a table pixel (clicked on the last whole window pixel
    // of its block, wherever the viewport puts it). Made while the game is idle, it returns once
    // the chain of turns it starts is over; made during a chain, at once.
    void Trigger(CommandId id);
    void TapTable(Point tablePoint);
    // Plays the human's turns (a legal card, else the pack, a suit after an eight)
    // until the hand is over; false when it never ends.
    bool PlayOutHand();
    bool PlayHumanMove();
    // A point inside the visible part of a card of the bottom hand.
    Point HandCardPoint(int index);
    Point DrawPilePoint();
    // A tap on the human's card, the pack or a suit box (in SuitBoxOrder) wherever the
    // look shows it: the Sharp table's own layout, else the Classic table's.
    void TapHandCard(int index);
    void TapPack();
    void TapSuitBox(int box);
    // A tap at a device pixel of the view.
    void TapDevice(Point devicePoint);

    MessageRecorder messages;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<CMainFrame> frame_;
};

// Runs the event loop until the view's chain of turns is over.
void WaitWhileBusy(const CMervaneView& view);

// The human to move with `cards` on the 9 of Hearts; each computer seat holds three.
void SetHumanToMove(CMervaneView& view, std::initializer_list<const char*> cards);

// Runs `action` once a dialog of type T is shown (from inside its exec()).
template <class T>
void WhenShown(QWidget& owner, std::function<void(T&)> action) {
    auto* poll = new QTimer(&owner);
    QObject::connect(poll, &QTimer::timeout, &owner, [poll, &owner, action] {
        for (T* dialog : owner.findChildren<T*>()) {
            if (!dialog->isVisible()) continue;
            poll->stop();
            poll->deleteLater();
            action(*dialog);
            return;
        }
    });
    poll->start(5);
}

}  // namespace mervane::testing
