#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace mervane {

// Every message of the program: modal, captioned "Mervane", with the warning icon.
enum class MessageKind { Ok, YesNo };

// Tests answer messages through this instead of a box; true means Yes.
using MessageAnswerer = std::function<bool(MessageKind kind, const QString& text)>;
void SetMessageAnswerer(MessageAnswerer answerer);

void ShowWarning(QWidget* parent, const QString& text);
bool AskWarningYesNo(QWidget* parent, const QString& text);

// While the program closes: open boxes are dismissed and later ones answer OK or No
// at once, so that nothing waits for a person who has left.
void SetClosingDown(bool closing);
bool ClosingDown();

}  // namespace mervane
