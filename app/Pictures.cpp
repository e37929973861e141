#include "app/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace pictures {

namespace {

const QColor Ink(0x20, 0x3a, 0x6b);
const QColor Accent(0x2f, 0x8f, 0x3f);
const QColor Paper(0xfb, 0xfb, 0xf4);

QPixmap paint(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

// A page with a folded corner, the background of the file pictures.
void drawPage(QPainter& painter)
{
    QPainterPath page;
    page.moveTo(7, 2);
    page.lineTo(20, 2);
    page.lineTo(26, 8);
    page.lineTo(26, 30);
    page.lineTo(7, 30);
    page.closeSubpath();
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(Paper);
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
}

// An arrow pointing up or down; with a bar, the arrow stops against it.
void drawArrow(QPainter& painter, bool up, bool withBar)
{
    // Drawn pointing up and mirrored for down.
    const auto y = [up](qreal upY) { return up ? upY : 32 - upY; };
    const qreal tip = withBar ? 9 : 4;
    const qreal head = tip + 11;
    const qreal tail = 29;
    const QPolygonF arrow({QPointF(16, y(tip)), QPointF(27, y(head)), QPointF(20, y(head)),
                           QPointF(20, y(tail)), QPointF(12, y(tail)), QPointF(12, y(head)),
                           QPointF(5, y(head))});
    painter.setPen(QPen(Ink.darker(120), 1.2));
    painter.setBrush(Accent);
    painter.drawPolygon(arrow);
    if (withBar) {
        painter.setBrush(Ink);
        painter.drawRect(QRectF(4, up ? 2 : 26, 24, 4));
    }
}

QPixmap arrow(bool up, bool withBar)
{
    return paint(32, 32, [&](QPainter& painter) { drawArrow(painter, up, withBar); });
}

} // namespace

QPixmap rename()
{
    return paint(32, 32, [](QPainter& painter) {
        drawPage(painter);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(10);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Ink);
        painter.drawText(QRectF(7, 9, 19, 10), Qt::AlignCenter, QStringLiteral("01"));
        painter.setPen(QPen(Accent, 2.5));
        painter.drawLine(QPointF(10, 24), QPointF(22, 24));
        painter.drawLine(QPointF(18, 20), QPointF(22, 24));
        painter.drawLine(QPointF(18, 28), QPointF(22, 24));
    });
}

QPixmap moveUp()
{
    return arrow(true, false);
}

QPixmap moveDown()
{
    return arrow(false, false);
}

QPixmap moveToTop()
{
    return arrow(true, true);
}

QPixmap moveToBottom()
{
    return arrow(false, true);
}

QPixmap print()
{
    return paint(32, 32, [](QPainter& painter) {
        painter.setPen(QPen(Ink, 1.5));
        painter.setBrush(Paper);
        painter.drawRect(QRectF(9, 3, 14, 10));
        painter.setBrush(QColor(0xb8, 0xc0, 0xcc));
        painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        painter.setBrush(Paper);
        painter.drawRect(QRectF(9, 20, 14, 9));
        painter.drawLine(QPointF(11, 24), QPointF(21, 24));
        painter.setBrush(Accent);
        painter.drawEllipse(QPointF(25, 16), 1.5, 1.5);
    });
}

QPixmap exit()
{
    return paint(32, 32, [](QPainter& painter) {
        painter.setPen(QPen(Ink, 1.5));
        painter.setBrush(QColor(0xc9, 0xa2, 0x6b));
        painter.drawRect(QRectF(5, 3, 15, 26));
        painter.setBrush(Ink);
        painter.drawEllipse(QPointF(16, 17), 1.3, 1.3);
        painter.setPen(QPen(QColor(0xb0, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18, 16), QPointF(29, 16));
        painter.drawLine(QPointF(25, 12), QPointF(29, 16));
        painter.drawLine(QPointF(25, 20), QPointF(29, 16));
    });
}

QPixmap banner()
{
    return paint(200, 37, [](QPainter& painter) {
        QLinearGradient fill(0, 0, 200, 0);
        fill.setColorAt(0, Ink);
        fill.setColorAt(1, Accent);
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
    return paint(128, 54, [](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Accent);
        for (int bar = 0; bar < 5; ++bar) {
            const qreal height = 10 + 7 * ((bar * 3) % 5);
            painter.drawRect(QRectF(4 + bar * 7, 50 - height, 5, height));
        }
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(26);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Ink);
        painter.drawText(QRectF(42, 0, 86, 54), Qt::AlignCenter, QStringLiteral("ORVEN"));
    });
}

} // namespace pictures
