#pragma once

#include <QString>
#include <functional>

#include "cards/card.h"

class QAccessibleEvent;
class QWidget;

namespace mervane {

class CMervaneView;

// "9 of Hearts", "Ace of Spades"; empty for anything but a card. Every card name a
// screen reader hears is made here, so that one place is translated.
QString SpokenCardName(Card card);
// "Hearts", "Diamonds", "Clubs", "Spades"; empty for anything else.
QString SpokenSuitName(Suit suit);

// Gives every table view its accessible tree: the hand's cards, the pack, the discard
// pile, the seats and the suit boxes as children. Safe to call more than once.
void InstallTableAccessibility();

// The view's state may have changed: children that came or went, names and
// descriptions that changed, and new status lines are reported to assistive
// technology. Cheap when nothing changed.
void UpdateTableAccessibility(CMervaneView* view);

// Has a screen reader speak `text` without moving its focus. The text is shown by a
// notification child of the table view that `widget` belongs to, which is shown
// afresh for each text: Orca speaks a notification when it becomes showing, as it
// would a live region's new text. Does nothing for a widget without a table.
void AnnounceToScreenReader(QWidget* widget, const QString& text);

// Where the table's events go instead of to the platform, while set; null restores
// the platform. Qt drops every event while no assistive technology listens, which is
// always so on the offscreen platform: this lets the tests see them.
using AccessibleEventSink = std::function<void(QAccessibleEvent*)>;
void SetAccessibleEventSink(AccessibleEventSink sink);

}  // namespace mervane
