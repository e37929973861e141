#include "app/Pictures.h"

#include "app/PictureIconEngine.h"
#include "platform/ui/PictureOutline.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <QtMath>

#include <functional>

namespace pictures {

namespace {

// The inks of the pictures; on a dark window colour, light ones that keep their hue.
struct Colors
{
    QColor ink;
    QColor accent;
    QColor paper;
    QColor plastic;
    QColor wood;
    QColor warning;
};

Colors colorsFor(const QPalette& palette)
{
    if (palette.color(QPalette::Window).lightnessF() >= 0.5)
        return {QColor(0x20, 0x3a, 0x6b), QColor(0x2f, 0x8f, 0x3f), QColor(0xfb, 0xfb, 0xf4),
                QColor(0xb8, 0xc0, 0xcc), QColor(0xc9, 0xa2, 0x6b), QColor(0xb0, 0x30, 0x30)};
    return {QColor(0xc4, 0xd6, 0xf5), QColor(0x6c, 0xd8, 0x7c), QColor(0x3a, 0x40, 0x4a),
            QColor(0x6a, 0x74, 0x84), QColor(0xd9, 0xb2, 0x7b), QColor(0xff, 0x78, 0x70)};
}

// Painted in device-independent units on a pixmap of the ratio's device pixels, so a picture
// is drawn sharp at 2x rather than enlarged from 1x.
QPixmap paint(int width, int height, qreal ratio, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(qCeil(width * ratio), qCeil(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return pixmap;
}

qreal highestRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// A page with a folded corner, the background of the file pictures.
void drawPage(QPainter& painter, const Colors& c)
{
    const QPainterPath page =
        platform::closedOutline({{7, 2}, {20, 2}, {26, 8}, {26, 30}, {7, 30}});
    painter.setPen(QPen(c.ink, 1.5));
    painter.setBrush(c.paper);
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
}

// An arrow pointing up or down; with a bar, the arrow stops against it.
void drawArrow(QPainter& painter, const Colors& c, bool up, bool withBar)
{
    // Drawn pointing up and mirrored for down.
    const auto y = [up](qreal upY) { return up ? upY : 32 - upY; };
    const qreal tip = withBar ? 9 : 4;
    const qreal head = tip + 11;
    const qreal tail = 29;
    const QPolygonF arrow({QPointF(16, y(tip)), QPointF(27, y(head)), QPointF(20, y(head)),
                           QPointF(20, y(tail)), QPointF(12, y(tail)), QPointF(12, y(head)),
                           QPointF(5, y(head))});
    painter.setPen(QPen(c.ink, 1.2));
    painter.setBrush(c.accent);
    painter.drawPolygon(arrow);
    if (withBar) {
        painter.setBrush(c.ink);
        painter.drawRect(QRectF(4, up ? 2 : 26, 24, 4));
    }
}

void drawRename(QPainter& painter, const Colors& c)
{
    drawPage(painter, c);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(c.ink);
    painter.drawText(QRectF(7, 9, 19, 10), Qt::AlignCenter, QStringLiteral("01"));
    painter.setPen(QPen(c.accent, 2.5));
    painter.drawLine(QPointF(10, 24), QPointF(22, 24));
    painter.drawLine(QPointF(18, 20), QPointF(22, 24));
    painter.drawLine(QPointF(18, 28), QPointF(22, 24));
}

void drawPrint(QPainter& painter, const Colors& c)
{
    painter.setPen(QPen(c.ink, 1.5));
    painter.setBrush(c.paper);
    painter.drawRect(QRectF(9, 3, 14, 10));
    painter.setBrush(c.plastic);
    painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    painter.setBrush(c.paper);
    painter.drawRect(QRectF(9, 20, 14, 9));
    painter.drawLine(QPointF(11, 24), QPointF(21, 24));
    painter.setBrush(c.accent);
    painter.drawEllipse(QPointF(25, 16), 1.5, 1.5);
}

void drawExit(QPainter& painter, const Colors& c)
{
    painter.setPen(QPen(c.ink, 1.5));
    painter.setBrush(c.wood);
    painter.drawRect(QRectF(5, 3, 15, 26));
    painter.setBrush(c.ink);
    painter.drawEllipse(QPointF(16, 17), 1.3, 1.3);
    painter.setPen(QPen(c.warning, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 16), QPointF(29, 16));
    painter.drawLine(QPointF(25, 12), QPointF(29, 16));
    painter.drawLine(QPointF(25, 20), QPointF(29, 16));
}

} // namespace

QPixmap tool(Tool picture, qreal devicePixelRatio, const QPalette& palette)
{
    const Colors c = colorsFor(palette);
    return paint(32, 32, devicePixelRatio, [&](QPainter& painter) {
        switch (picture) {
        case Tool::Rename:
            drawRename(painter, c);
            break;
        case Tool::MoveUp:
            drawArrow(painter, c, true, false);
            break;
        case Tool::MoveDown:
            drawArrow(painter, c, false, false);
            break;
        case Tool::MoveToTop:
            drawArrow(painter, c, true, true);
            break;
        case Tool::MoveToBottom:
            drawArrow(painter, c, false, true);
            break;
        case Tool::Print:
            drawPrint(painter, c);
            break;
        case Tool::Exit:
            drawExit(painter, c);
            break;
        }
    });
}

QIcon toolIcon(Tool picture)
{
    return QIcon(new PictureIconEngine(picture));
}

QPixmap banner()
{
    const Colors c = colorsFor(QGuiApplication::palette());
    return paint(200, 37, highestRatio(), [&c](QPainter& painter) {
        QLinearGradient fill(0, 0, 200, 0);
        fill.setColorAt(0, c.ink);
        fill.setColorAt(1, c.accent);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(22);
        font.setBold(true);
        font.setItalic(true);
        painter.setFont(font);
        painter.setPen(QPen(QBrush(fill), 1));
        painter.drawText(QRectF(0, 0, 200, 37), Qt::AlignCenter, QStringLiteral("File Vivider"));
    });
}

QPixmap aboutLogo()
{
    const Colors c = colorsFor(QGuiApplication::palette());
    return paint(128, 54, highestRatio(), [&c](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(c.accent);
        for (int bar = 0; bar < 5; ++bar) {
            const qreal height = 10 + 7 * ((bar * 3) % 5);
            painter.drawRect(QRectF(4 + bar * 7, 50 - height, 5, height));
        }
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(26);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(c.ink);
        painter.drawText(QRectF(42, 0, 86, 54), Qt::AlignCenter, QStringLiteral("ORVEN"));
    });
}

} // namespace pictures
