#include "shell/font_setup.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zentaro::shell {
namespace {

TEST(FontAliases, AreReadFromAFontConfigurationFile)
{
    const auto wrap = [](const char* body) {
        return QByteArray("<?xml version=\"1.0\"?><fontconfig>") + body + "</fontconfig>";
    };
    const struct {
        const char* what;
        QByteArray configuration;
        std::map<std::string, std::string> aliases; // family -> substitutes, comma-separated
    } cases[] = {
        {"preferred and accepted families in order",
         wrap("<alias><family>Tahoma</family><prefer><family>A</family></prefer>"
              "<accept><family>B</family><family>C</family></accept></alias>"),
         {{"Tahoma", "A,B,C"}}},
        {"an alias with nothing to use instead is dropped",
         wrap("<alias><family>Lonely</family></alias><alias><family>X</family><default><family>Y</family>"
              "</default></alias>"),
         {{"X", "Y"}}},
        {"a broken file gives nothing", wrap("<alias><family>Arial</family><accept>"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::map<std::string, std::string> aliases;
        for (const FontAlias& alias : ParseFontAliases(c.configuration))
            aliases[alias.family.toStdString()] = alias.substitutes.join(',').toStdString();
        EXPECT_EQ(aliases, c.aliases);
    }
}

// The file Zentaro carries at work: the windows' fonts are drawn with free faces.
TEST(FontAliases, TheWindowsFontsAreDrawnWithTheFreeFaces)
{
    const QString systemSans = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
    const struct {
        const char* asked;
        std::string drawn;
    } cases[] = {{"Arial", "Liberation Sans"}, {"Verdana", "DejaVu Sans"}, {"MS Sans Serif", systemSans.toStdString()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.asked), 9)).family().toStdString(), c.drawn);
    }
}

} // namespace
} // namespace zentaro::shell
