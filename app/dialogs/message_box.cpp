#include "app/dialogs/message_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

namespace mervane {

void MessageBoxes::SetAnswerer(MessageAnswerer answerer) {
    answerer_ = std::move(answerer);
}

void MessageBoxes::Show(QWidget* parent, const QString& text) {
    Run(parent, MessageKind::Ok, text);
}

bool MessageBoxes::Ask(QWidget* parent, const QString& text) {
    return Run(parent, MessageKind::YesNo, text);
}

bool MessageBoxes::Run(QWidget* parent, MessageKind kind, const QString& text) {
    if (closing_) return false;
    if (answerer_) return answerer_(kind, text);
    const auto buttons =
        kind == MessageKind::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Mervane"), text, buttons, parent);
    Prepare(box, kind);
    const int answer = box.exec();
    return !closing_ && answer == QMessageBox::Yes;
}

bool MessageBoxes::Open(QWidget* parent, const QString& text, std::function<void()> answered) {
    if (closing_) return false;
    if (answerer_) {
        answerer_(MessageKind::Ok, text);
        return false;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Mervane"), text,
                                QMessageBox::Ok, parent);
    Prepare(*box, MessageKind::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box, [this, answered = std::move(answered)] {
        if (!closing_) answered();
    });
    // Modal to its window, yet no loop of its own: the caller's chain stays suspended.
    box->open();
    return true;
}

void MessageBoxes::Prepare(QMessageBox& box, MessageKind kind) {
    box.setDefaultButton(kind == MessageKind::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
    // Each button answers to its Alt+letter, whatever the platform's own texts.
    if (kind == MessageKind::YesNo) {
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("mervane::MessageBoxes", "&Yes"));
        box.button(QMessageBox::No)
            ->setText(QCoreApplication::translate("mervane::MessageBoxes", "&No"));
    } else {
        box.button(QMessageBox::Ok)
            ->setText(QCoreApplication::translate("mervane::MessageBoxes", "&OK"));
    }
}

// The application's quit ends the loop of any box still in exec(), and the boxes go
// with their hidden window; what is left is to answer later ones at once.
void MessageBoxes::CloseDown() {
    closing_ = true;
}

}  // namespace mervane
