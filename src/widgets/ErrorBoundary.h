#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// Runs a handler and shows any error it raises in a message box, so that no exception reaches
// the event loop and the window stays usable. Returns false when the handler failed.
bool runGuarded(QWidget* parent, const std::function<void()>& handler);

// Shows a failed operation's message in a modal box.
void showError(QWidget* parent, const QString& message);
