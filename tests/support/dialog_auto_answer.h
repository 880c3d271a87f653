#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace zentaro::testing {

// Answers every message, input and progress box that opens, whatever it says:
// message boxes with their last button (OK, or No), input boxes with the next of
// `replies` in turn, until `maxInputs` boxes in a row have been answered, then
// with Cancel. Records what it saw so a test can check that failures were shown.
class DialogAutoAnswer : public QObject {
public:
    explicit DialogAutoAnswer(QStringList replies = {}, int maxInputs = 8);

    // Starts a new round: the count of input boxes answered goes back to 0.
    void reset();
    const QStringList& messages() const { return messages_; }
    int inputBoxes() const { return inputs_; }
    // Input boxes answered with a reply (not cancelled) since the start.
    int repliesGiven() const { return replied_; }
    QStringList takeMessages();

private:
    void poll();

    QStringList replies_;
    int maxInputs_;
    int next_ = 0;
    int inputs_ = 0;
    int replied_ = 0;
    QStringList messages_;
    QTimer timer_;
};

} // namespace zentaro::testing
