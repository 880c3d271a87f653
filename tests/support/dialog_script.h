#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <optional>

namespace zentaro::testing {

// Answers the message and input boxes a handler opens, in the order the test
// expects them. A box the script does not expect, or one that differs from what
// it expects, is closed and recorded as a failure; checkDone() reports those and
// any expected box that never came.
class DialogScript : public QObject {
public:
    DialogScript();
    ~DialogScript() override;

    // A message box whose text is `text`, answered by the button with that caption.
    DialogScript& message(const QString& text, const QString& button = QStringLiteral("OK"),
                          const QString& title = QStringLiteral("Zentaro"));
    // An input box with this prompt; `reply` typed and OK pressed, or Cancel for nullopt.
    DialogScript& input(const QString& prompt, std::optional<QString> reply,
                        const QString& title = QStringLiteral("Zentaro"));
    // Any message box that reports a run-time error ("Run-time error '6':" ...).
    DialogScript& runtimeError(int number, const QString& text);

    // Every box seen so far, as "title | text".
    const QStringList& seen() const { return seen_; }
    // GoogleTest failures for unexpected, mismatched or missing boxes.
    void checkDone();

private:
    struct Expected {
        bool isInput = false;
        QString text;
        QString title;
        std::optional<QString> reply;
    };
    void poll();

    std::deque<Expected> expected_;
    QStringList seen_;
    QStringList failures_;
    QTimer timer_;
};

} // namespace zentaro::testing
