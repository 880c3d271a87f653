#include "shell/artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zentaro::shell {
namespace {

void DrawCloud(QPainter& painter, QPointF centre, qreal scale)
{
    // A cloud is a few overlapping puffs, lit from above.
    const struct {
        qreal dx, dy, r;
    } puffs[] = {{-30, 6, 18}, {-10, -6, 24}, {16, -2, 20}, {34, 8, 15}, {4, 10, 20}};
    for (const auto& puff : puffs) {
        const QPointF c = centre + QPointF(puff.dx, puff.dy) * scale;
        QRadialGradient shade(c - QPointF(0, puff.r * scale * 0.4), puff.r * scale * 1.2);
        shade.setColorAt(0.0, QColor(255, 255, 255, 235));
        shade.setColorAt(0.7, QColor(236, 242, 250, 210));
        shade.setColorAt(1.0, QColor(210, 222, 238, 0));
        painter.setBrush(shade);
        painter.drawEllipse(c, puff.r * scale * 1.2, puff.r * scale);
    }
}

// A pixmap of `size` logical pixels at `pixelRatio`, so that a painter on it
// draws in logical coordinates and fills every device pixel.
QPixmap Canvas(const QSize& size, qreal pixelRatio)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QPixmap canvas(size * ratio);
    canvas.setDevicePixelRatio(ratio);
    return canvas;
}

} // namespace

qreal ScreenPixelRatio()
{
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap DrawStartupPicture(const QSize& size, qreal pixelRatio)
{
    QPixmap picture = Canvas(size, pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(38, 92, 168));
    sky.setColorAt(0.6, QColor(110, 164, 222));
    sky.setColorAt(1.0, QColor(196, 222, 244));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    painter.setPen(Qt::NoPen);
    DrawCloud(painter, {345, 42}, 1.1);
    DrawCloud(painter, {250, 95}, 0.7);
    DrawCloud(painter, {400, 110}, 0.6);
    DrawCloud(painter, {262, 170}, 0.5);

    QFont script(QStringLiteral("DejaVu Serif"));
    script.setItalic(true);
    script.setBold(true);
    script.setPixelSize(52);
    QPainterPath title;
    title.addText(18, 66, script, QStringLiteral("Zentaro"));
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(title.translated(2, 2));
    painter.setBrush(QColor(255, 250, 235));
    painter.drawPath(title);

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    painter.setFont(small);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QPointF(24, 88), QStringLiteral("v" ZENTARO_VERSION));
    painter.drawText(QPointF(24, 112), QStringLiteral("Written by the Zentaro author"));
    QFont freeware = small;
    freeware.setBold(true);
    freeware.setPixelSize(14);
    painter.setFont(freeware);
    painter.drawText(QPointF(24, 136), QStringLiteral("Freeware"));
    painter.setFont(small);
    painter.drawText(QPointF(24, 166), QString::fromLatin1(kWebAddress));
    painter.drawText(QPointF(24, 184), QString::fromLatin1(kMailAddress));
    return picture;
}

QPixmap DrawIcon(int side, qreal pixelRatio)
{
    QPixmap icon = Canvas(QSize(side, side), pixelRatio);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QLinearGradient face(0, 0, 0, s);
    face.setColorAt(0.0, QColor(70, 130, 210));
    face.setColorAt(1.0, QColor(30, 70, 140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(s * 0.7));
    painter.setFont(font);
    painter.setPen(QColor(255, 250, 235));
    painter.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("Z"));
    return icon;
}

} // namespace zentaro::shell
