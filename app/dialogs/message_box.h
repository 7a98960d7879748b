#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace mervane {

// Every message of the program: modal, captioned "Mervane", with the warning icon.
enum class MessageKind { Ok, YesNo };

// Tests answer messages through this instead of a box; true means Yes.
using MessageAnswerer = std::function<bool(MessageKind kind, const QString& text)>;

// The message boxes of one main window. Each window has its own, so that closing
// one window, or a test answering for it, leaves the others alone.
class MessageBoxes {
  public:
    MessageBoxes() = default;
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    // The answerer must outlive its use; an empty one brings the real boxes back.
    void SetAnswerer(MessageAnswerer answerer);

    void Show(QWidget* parent, const QString& text);
    // The same message without waiting here: the box opens modal to its window and
    // `answered` is called once from the event loop when OK closes it. False when it
    // is answered at once (by the answerer, or while closing down); `answered` is then
    // not called, nor ever after CloseDown.
    bool Open(QWidget* parent, const QString& text, std::function<void()> answered);
    // True for Yes.
    bool Ask(QWidget* parent, const QString& text);

    // The window closes: a box still open answers OK or No, and so do later ones at
    // once, so that nothing waits for a person who has left; an opened one stays
    // unanswered.
    void CloseDown();
    bool ClosingDown() const { return closing_; }

  private:
    bool Run(QWidget* parent, MessageKind kind, const QString& text);
    static void Prepare(QMessageBox& box, MessageKind kind);

    MessageAnswerer answerer_;
    bool closing_ = false;
};

}  // namespace mervane
