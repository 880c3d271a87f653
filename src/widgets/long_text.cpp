#include "widgets/long_text.h"

#include <algorithm>

namespace zentaro::widgets {

bool LongText::write(qsizetype from, qsizetype to, const Sink& sink) const
{
    // Pieces end before a high surrogate, so that a character is never cut in two.
    constexpr qsizetype kPiece = qsizetype{1} << 20;
    while (from < to) {
        qsizetype end = std::min(to, from + kPiece);
        if (end < to && at(end - 1).isHighSurrogate())
            --end;
        if (!sink(text(from, end).toUtf8()))
            return false;
        from = end;
    }
    return true;
}

QString LongText::text(qsizetype from, qsizetype to) const
{
    from = std::clamp<qsizetype>(from, 0, size());
    to = std::clamp<qsizetype>(to, from, size());
    QString stretch(to - from, Qt::Uninitialized);
    read(from, to - from, reinterpret_cast<char16_t*>(stretch.data()));
    return stretch;
}

QChar LongText::at(qsizetype position) const
{
    char16_t c = 0;
    read(position, 1, &c);
    return QChar(c);
}

void PlainText::read(qsizetype from, qsizetype n, char16_t* out) const
{
    std::copy_n(reinterpret_cast<const char16_t*>(text_.constData()) + from, n, out);
}

} // namespace zentaro::widgets
