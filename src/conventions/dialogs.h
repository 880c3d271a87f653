#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zentaro {

// Style codes of a message box: a buttons code plus an icon code.
namespace msgstyle {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kStop = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
} // namespace msgstyle

enum class MessageAnswer { Ok = 1, Yes = 6, No = 7 };

// A computation that must ask the user takes one of these; the windows pass real
// message and input boxes, the tests scripted answers. An empty title means the
// application's own, "Zentaro".
using ShowMessage = std::function<MessageAnswer(std::string_view text, int style, std::string_view title)>;
// Gives the typed text, or the empty text when the user cancels.
using AskInput = std::function<std::string(std::string_view prompt, std::string_view title, std::string_view defaultReply)>;

} // namespace zentaro
