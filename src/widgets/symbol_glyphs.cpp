#include "widgets/symbol_glyphs.h"

#include "widgets/qt_text.h"

namespace zentaro::widgets {

QString SymbolGlyphs(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        switch (c.unicode()) {
        case u'a':
            c = QChar(0x03B1);
            break;
        case u'b':
            c = QChar(0x03B2);
            break;
        case u'i':
            c = QChar(0x03B9);
            break;
        case u'q':
            c = QChar(0x03B8);
            break;
        case u'S':
            c = QChar(0x03A3);
            break;
        case 0x00D6:
            c = QChar(0x221A);
            break;
        case 0x00DE:
            c = QChar(0x21D2);
            break;
        case 0x00DF:
            c = QChar(0x21D3);
            break;
        default:
            break;
        }
    }
    return shown;
}

QString SymbolGlyphs(std::string_view utf8)
{
    return SymbolGlyphs(FromUtf8(utf8));
}

} // namespace zentaro::widgets
