#include "app/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <utility>

namespace mervane {
namespace {

MessageAnswerer& Answerer() {
    static MessageAnswerer answerer;
    return answerer;
}

bool& Closing() {
    static bool closing = false;
    return closing;
}

QPointer<QMessageBox>& OpenBox() {
    static QPointer<QMessageBox> box;
    return box;
}

bool Run(QWidget* parent, MessageKind kind, const QString& text) {
    if (Closing()) return false;
    if (Answerer()) return Answerer()(kind, text);
    const auto buttons =
        kind == MessageKind::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Mervane"), text, buttons, parent);
    box.setDefaultButton(kind == MessageKind::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
    OpenBox() = &box;
    const int answer = box.exec();
    OpenBox() = nullptr;
    return !Closing() && answer == QMessageBox::Yes;
}

}  // namespace

void SetMessageAnswerer(MessageAnswerer answerer) {
    Answerer() = std::move(answerer);
}

void ShowWarning(QWidget* parent, const QString& text) {
    Run(parent, MessageKind::Ok, text);
}

bool AskWarningYesNo(QWidget* parent, const QString& text) {
    return Run(parent, MessageKind::YesNo, text);
}

void SetClosingDown(bool closing) {
    Closing() = closing;
    if (closing && OpenBox()) OpenBox()->reject();
}

bool ClosingDown() {
    return Closing();
}

}  // namespace mervane
