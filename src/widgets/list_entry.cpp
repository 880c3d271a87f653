#include "widgets/list_entry.h"

#include "widgets/message_box.h"
#include "widgets/pasted_text.h"
#include "widgets/qt_text.h"

#include <QPlainTextEdit>

namespace zentaro::widgets {

std::optional<std::vector<statistics::PastedReply>> PastedReplies(QWidget* window, statistics::EntryKind kind,
                                                                  std::string_view text)
{
    std::vector<statistics::PastedReply> replies = statistics::pastedreplies(kind, text);
    if (replies.empty()) {
        MessageBox(window, FromUtf8(statistics::kNoNumbersPasted));
        return std::nullopt;
    }
    return replies;
}

statistics::DataEntry EnterIntoList(QWidget* window, QPlainTextEdit* list, statistics::EntryKind kind,
                                    std::vector<statistics::PastedReply> pasted, const Working& working)
{
    const QString earlier = list->toPlainText();
    list->clear();
    statistics::DataEntry entry;
    {
        EntryListField shown(list);
        entry = statistics::enterdata(
            kind, statistics::answerpasted(std::move(pasted), shown.beforeAsking(InputCallback(window))),
            MessageCallback(window), shown.show(), working);
    }
    if (entry.abandoned())
        list->setPlainText(earlier);
    return entry;
}

} // namespace zentaro::widgets
