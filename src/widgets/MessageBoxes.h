#pragma once

#include <QString>

class QWidget;

// The two modal boxes of the program. Both block until the learner answers, and both are
// ordinary application-modal QMessageBoxes, so a test answers them by finding
// QApplication::activeModalWidget() from a zero-delay timer and clicking one of its buttons.
namespace MessageBoxes {

// A box with one text and an OK button.
void showMessage(QWidget* parent, const QString& text);

// A question with Yes and No buttons; true when the learner answers Yes. Closing the box
// any other way counts as No.
bool askYesNo(QWidget* parent, const QString& text);

} // namespace MessageBoxes
