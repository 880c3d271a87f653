#pragma once

#include <QAbstractButton>
#include <QObject>

#include <functional>

class QWidget;

namespace zentaro::widgets {

// Runs one event handler; a run-time error stops it and is reported in a message
// box ("Run-time error '6':" and "Overflow"), and the application goes on.
void RunHandler(QWidget* window, const std::function<void()>& handler);

// Connects a signal of `sender` to a handler of `window`, through RunHandler.
template <typename Sender, typename Signal, typename Window>
void ConnectHandler(Sender* sender, Signal signal, Window* window, void (Window::*handler)())
{
    QObject::connect(sender, signal, window, [window, handler] { RunHandler(window, [&] { (window->*handler)(); }); });
}

// The usual case: a button's click.
template <typename Window> void ConnectClick(QAbstractButton* button, Window* window, void (Window::*handler)())
{
    ConnectHandler(button, &QAbstractButton::clicked, window, handler);
}

} // namespace zentaro::widgets
