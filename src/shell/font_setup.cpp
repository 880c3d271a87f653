#include "shell/font_setup.h"

#include <QFile>
#include <QFont>
#include <QXmlStreamReader>

#if ZENTARO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace zentaro::shell {
namespace {

QByteArray ZentaroFontConfiguration()
{
    QFile file(QStringLiteral(":/zentaro/fonts/zentaro-fonts.conf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

std::vector<FontAlias> ParseFontAliases(const QByteArray& fontConfiguration)
{
    std::vector<FontAlias> aliases;
    QXmlStreamReader xml(fontConfiguration);
    bool inAlias = false;
    bool inSubstitutes = false;
    const auto isSubstituteList = [](QStringView name) {
        return name == u"prefer" || name == u"accept" || name == u"default";
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"alias") {
            aliases.emplace_back();
            inAlias = true;
        } else if (xml.isStartElement() && inAlias && isSubstituteList(xml.name())) {
            inSubstitutes = true;
        } else if (xml.isStartElement() && inAlias && xml.name() == u"family") {
            const QString family = xml.readElementText().trimmed();
            if (inSubstitutes)
                aliases.back().substitutes << family;
            else
                aliases.back().family = family;
        } else if (xml.isEndElement() && xml.name() == u"alias") {
            inAlias = false;
        } else if (xml.isEndElement() && isSubstituteList(xml.name())) {
            inSubstitutes = false;
        }
    }
    if (xml.hasError())
        return {};
    std::erase_if(aliases, [](const FontAlias& a) { return a.family.isEmpty() || a.substitutes.isEmpty(); });
    return aliases;
}

void LoadFontSubstitutes()
{
    const QByteArray configuration = ZentaroFontConfiguration();
    if (configuration.isEmpty())
        return;
#if ZENTARO_HAVE_FONTCONFIG
    if (FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(),
                                       reinterpret_cast<const FcChar8*>(configuration.constData()), FcTrue) == FcTrue)
        return;
#endif
    for (const FontAlias& alias : ParseFontAliases(configuration))
        QFont::insertSubstitutions(alias.family, alias.substitutes);
}

} // namespace zentaro::shell
