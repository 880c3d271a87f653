#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace zentaro::shell {

// At most one instance of each window: showing an open window (hidden or
// covered) brings that instance forward as it is; showing one that was never
// opened, or that the user closed, creates it afresh. A closed window is
// discarded. The registry owns the windows it made and deletes what is left
// when it goes.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    void add(const QString& formName, Factory factory);
    bool knows(const QString& formName) const;

    // Creates the window on first use; shows it, raises it and gives it the focus.
    QWidget* show(const QString& formName);
    // The open instance, or nullptr.
    QWidget* find(const QString& formName) const;
    // Hides every window at once, with no close handling, and deletes them as
    // soon as control is back in the event loop.
    void discardAll();

private:
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<QWidget>> open_;
};

} // namespace zentaro::shell
