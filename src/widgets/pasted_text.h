#pragma once

#include "conventions/dialogs.h"

#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QWidget;

namespace zentaro::widgets {

// Data for a window to take in: Ctrl+V and the context-menu item "Paste data"
// hand `paste` the clipboard's text, and dropping a .txt, .csv or .tsv file on
// the window hands it the file's text, in UTF-8. `paste` runs as a handler.
void AcceptPastedText(QWidget* window, std::function<void(std::string_view text)> paste);

// The running list of an input-box entry, shown in `field`. The text reaches
// the field when a box is about to ask the user and when the entry ends or a
// run-time error stops it: a paste answers hundreds of boxes without the user,
// and laying out the growing list again for each would take most of a second.
class EntryListField {
public:
    explicit EntryListField(QPlainTextEdit* field) : field_(field) {}
    EntryListField(const EntryListField&) = delete;
    EntryListField& operator=(const EntryListField&) = delete;
    ~EntryListField() { write(); }

    // What the entry calls with each new text of the list.
    std::function<void(std::string_view)> show();
    // `ask`, the list written first.
    AskInput beforeAsking(AskInput ask);

private:
    void write();

    QPlainTextEdit* field_;
    std::string text_;
    bool pending_ = false;
};

} // namespace zentaro::widgets
