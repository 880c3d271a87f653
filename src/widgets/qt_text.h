#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zentaro::widgets {

// The computations speak UTF-8; the windows, QString. These two are the only
// crossings between them.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

} // namespace zentaro::widgets
