#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace zentaro::shell {

// A font family and the families to draw it with instead, as an alias file of
// the system's font configuration lists them.
struct FontAlias {
    QString family;
    QStringList substitutes;
};
std::vector<FontAlias> ParseFontAliases(const QByteArray& fontConfiguration);

// Adds Zentaro's font aliases to the font configuration (to Qt's own list of
// substitutions where the build has no font configuration library). Call it
// once the application object exists and before the first window asks for a
// font, so that the first lookup already sees the aliases.
void LoadFontSubstitutes();

} // namespace zentaro::shell
