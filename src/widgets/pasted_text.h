#pragma once

#include <functional>
#include <string_view>

class QWidget;

namespace zentaro::widgets {

// Data for a window to take in: Ctrl+V and the context-menu item "Paste data"
// hand `paste` the clipboard's text, and dropping a .txt, .csv or .tsv file on
// the window hands it the file's text, in UTF-8. `paste` runs as a handler.
void AcceptPastedText(QWidget* window, std::function<void(std::string_view text)> paste);

} // namespace zentaro::widgets
