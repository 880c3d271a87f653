#pragma once

#include "conventions/working.h"
#include "statistics/data_entry.h"
#include "statistics/pasted_data.h"

#include <optional>
#include <string_view>
#include <vector>

class QPlainTextEdit;
class QWidget;

namespace zentaro::widgets {

// The replies a paste gives an entry of `kind`, or nothing once the user has
// been told that the text holds no numbers.
std::optional<std::vector<statistics::PastedReply>> PastedReplies(QWidget* window, statistics::EntryKind kind,
                                                                  std::string_view text);

// An entry of `kind` whose running list `list` shows, answered from `pasted`
// before the user is asked. Cancel before the first value asks for nothing, so
// the list goes back to what it showed before.
statistics::DataEntry EnterIntoList(QWidget* window, QPlainTextEdit* list, statistics::EntryKind kind,
                                    std::vector<statistics::PastedReply> pasted, const Working& working);

} // namespace zentaro::widgets
