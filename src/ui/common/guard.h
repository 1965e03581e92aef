#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace fin::ui {

// Runs one command handler: a silent abort ends it quietly; a refused input
// shows its message and puts the cursor in its field (looked up by object
// name under `window`); any other error shows the standard error box.
// Returns true when the handler ran to its end.
bool guarded(QWidget* window, const std::function<void()>& handler);

// The message text the standard error box shows for an exception.
QString errorText(const std::exception& e);

// Connects a signal to a guarded handler of `window`.
template <class Sender, class Signal>
QMetaObject::Connection onSignal(Sender* sender, Signal signal, QWidget* window, std::function<void()> handler)
{
    return QObject::connect(sender, signal, reinterpret_cast<QObject*>(window),
                            [window, handler = std::move(handler)] { guarded(window, handler); });
}

} // namespace fin::ui
