#pragma once

#include <QPixmap>

namespace zentaro::shell {

// The highest ratio of device pixels to logical pixels among the screens (1
// before there is an application): pictures drawn with it stay sharp on a
// scaled screen.
qreal ScreenPixelRatio();

// The start-up picture: a sky with clouds, the title in large script, the
// version, the credit, "Freeware" and the addresses. Drawn here so that the
// application ships no image files. `size` is in logical pixels; the picture
// holds `pixelRatio` device pixels per logical one.
QPixmap DrawStartupPicture(const QSize& size, qreal pixelRatio = ScreenPixelRatio());

// The application's icon, square, `side` logical pixels wide.
QPixmap DrawIcon(int side, qreal pixelRatio = ScreenPixelRatio());

inline constexpr char kWebAddress[] = "https://zentaro.example.org";
inline constexpr char kMailAddress[] = "author@zentaro.example.org";

} // namespace zentaro::shell
