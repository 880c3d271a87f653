#include "shell/artwork.h"

#include <QImage>

#include <gtest/gtest.h>

namespace zentaro::shell {
namespace {

// Drawn for a screen with more device pixels than logical ones, a picture holds
// all of them, and its detail is drawn there, not blown up from a smaller one.
TEST(Artwork, PicturesHoldADevicePixelForEachOneOfTheScreen)
{
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap picture = DrawStartupPicture(QSize(440, 200), ratio);
        EXPECT_EQ(picture.size(), QSize(440, 200) * ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(440, 200));
        const QPixmap icon = DrawIcon(40, ratio);
        EXPECT_EQ(icon.size(), QSize(40, 40) * ratio);
        EXPECT_EQ(icon.devicePixelRatio(), ratio);
    }
    // A picture scaled up from half the pixels would repeat every pixel in
    // blocks of two by two; the sky's gradient alone changes from row to row.
    const QImage sharp = DrawStartupPicture(QSize(440, 200), 2.0).toImage();
    int blocksWithDetail = 0;
    for (int y = 0; y + 1 < sharp.height(); y += 2) {
        for (int x = 0; x + 1 < sharp.width(); x += 2) {
            const QRgb corner = sharp.pixel(x, y);
            blocksWithDetail += sharp.pixel(x + 1, y) != corner || sharp.pixel(x, y + 1) != corner ||
                                sharp.pixel(x + 1, y + 1) != corner;
        }
    }
    EXPECT_GT(blocksWithDetail, 440 * 200 / 4);
}

} // namespace
} // namespace zentaro::shell
