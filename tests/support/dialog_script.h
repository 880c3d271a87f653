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
// it expects, is closed and recorded as a failure, unless the script answers any
// box; checkDone() reports those failures and any expected box that never came.
class DialogScript : public QObject {
public:
    DialogScript();

    // A message box whose text is `text`, answered by the button with that caption.
    DialogScript& message(const QString& text, const QString& button = QStringLiteral("OK"),
                          const QString& title = QStringLiteral("Zentaro"));
    // An input box with this prompt; `reply` typed and OK pressed, or Cancel for nullopt.
    DialogScript& input(const QString& prompt, std::optional<QString> reply,
                        const QString& title = QStringLiteral("Zentaro"));
    // Any message box that reports a run-time error ("Run-time error '6':" ...).
    DialogScript& runtimeError(int number, const QString& text);
    // Answers the boxes it does not expect, whatever they say: a message box with
    // its default button (or its last), an input box with the next of `replies` in
    // turn until `inputsPerRound` have been answered since the last newRound(), then
    // with Cancel; a progress dialog is cancelled, any other modal window closed.
    DialogScript& answerAnyBox(QStringList replies = {}, int inputsPerRound = 8);
    void newRound() { inputsThisRound_ = 0; }

    // Every box seen so far, as "title | text".
    const QStringList& seen() const { return seen_; }
    // Input boxes answered with a reply (not cancelled) by answerAnyBox.
    int repliesGiven() const { return replied_; }
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
    void answerUnexpected(QWidget* modal, const QString& what);

    std::deque<Expected> expected_;
    QStringList seen_;
    QStringList failures_;
    std::optional<QStringList> anyReplies_;
    int inputsPerRound_ = 0;
    int inputsThisRound_ = 0;
    int next_ = 0;
    int replied_ = 0;
    QTimer timer_;
};

} // namespace zentaro::testing
