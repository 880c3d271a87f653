#pragma once

#include <QPushButton>

namespace zentaro::widgets {

// A push button whose caption wraps onto several lines when it is wider than the
// button, as the tall buttons of the old forms did. "&&" still shows one "&".
class WrappedButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zentaro::widgets
