#include "widgets/symbol_glyphs.h"

#include <gtest/gtest.h>

namespace zentaro::widgets {
namespace {

TEST(SymbolGlyphs, MapsTheSymbolFontLettersAndLeavesTheRest)
{
    EXPECT_EQ(SymbolGlyphs(std::string_view("a = 1 + iÖ 3; b = 1 - iÖ 3")),
              QString::fromUtf8("α = 1 + ι√ 3; β = 1 - ι√ 3"));
    EXPECT_EQ(SymbolGlyphs(QString::fromUtf8("q S Þ ß")), QString::fromUtf8("θ Σ ⇒ ⇓"));
    EXPECT_EQ(SymbolGlyphs(QStringLiteral("x = 1E+15 / 2")), QStringLiteral("x = 1E+15 / 2"));
}

} // namespace
} // namespace zentaro::widgets
