#pragma once

#include <QString>

#include <string_view>

namespace zentaro::ui {

// The computations speak UTF-8; the windows, QString.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zentaro::ui
