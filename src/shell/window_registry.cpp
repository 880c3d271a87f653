#include "shell/window_registry.h"

namespace zentaro::shell {

WindowRegistry::~WindowRegistry()
{
    for (auto& [name, window] : open_)
        delete window.data();
}

void WindowRegistry::add(const QString& formName, Factory factory)
{
    factories_[formName] = std::move(factory);
}

bool WindowRegistry::knows(const QString& formName) const
{
    return factories_.contains(formName);
}

QWidget* WindowRegistry::show(const QString& formName)
{
    QWidget* window = find(formName);
    if (window == nullptr) {
        const auto factory = factories_.find(formName);
        if (factory == factories_.end() || !factory->second)
            return nullptr;
        window = factory->second();
        window->setAttribute(Qt::WA_DeleteOnClose);
        open_[formName] = window;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::find(const QString& formName) const
{
    const auto it = open_.find(formName);
    return it == open_.end() ? nullptr : it->second.data();
}

void WindowRegistry::discardAll()
{
    // Exit runs inside a click handler of a window it discards: hide everything
    // now, delete once the click has returned.
    auto open = std::move(open_);
    open_.clear();
    for (auto& [name, window] : open) {
        if (window != nullptr) {
            window->hide();
            window->deleteLater();
        }
    }
}

} // namespace zentaro::shell
