#pragma once

#include <QPixmap>

namespace zentaro::shell {

// The start-up picture: a sky with clouds, the title in large script, the
// version, the credit, "Freeware" and the addresses. Drawn here so that the
// application ships no image files.
QPixmap DrawStartupPicture(const QSize& size);

// The application's icon, square.
QPixmap DrawIcon(int side);

inline constexpr char kWebAddress[] = "https://zentaro.example.org";
inline constexpr char kMailAddress[] = "author@zentaro.example.org";

} // namespace zentaro::shell
