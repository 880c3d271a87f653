#pragma once

#include <QString>

#include <string_view>

namespace zentaro::widgets {

// The old windows showed some texts in the font "Symbol", where ordinary
// characters draw as Greek letters, the radical sign or arrows. Those texts are
// shown here with the glyphs themselves, so copying gives what is seen:
// a α, b β, i ι, q θ, S Σ, Ö (0xD6) √, Þ (0xDE) ⇒, ß (0xDF) ⇓. Every other
// character stays as it is.
QString SymbolGlyphs(const QString& text);

// The same for a computation's UTF-8 text.
QString SymbolGlyphs(std::string_view utf8);

} // namespace zentaro::widgets
