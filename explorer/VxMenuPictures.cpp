#include "explorer/VxMenuPictures.h"

#include "platform/ui/PictureOutline.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

using Picture = VxMenuPictures::Picture;

const char* themeName(Picture picture)
{
    switch (picture) {
    case Picture::Open:
        return "document-open";
    case Picture::View:
        return "document-preview";
    case Picture::SendTo:
        return "document-send";
    case Picture::Cut:
        return "edit-cut";
    case Picture::Copy:
        return "edit-copy";
    case Picture::Paste:
        return "edit-paste";
    case Picture::Rename:
        return "edit-rename";
    case Picture::Delete:
        return "edit-delete";
    case Picture::Attributes:
        return "document-properties";
    case Picture::NewFolder:
        return "folder-new";
    case Picture::AnyFolder:
        return "folder";
    case Picture::Clipboard:
        return "edit-paste";
    case Picture::Desktop:
        return "user-desktop";
    }
    return "";
}

// Drawn on a 16 x 16 grid.
void drawPage(QPainter& p, const QRectF& page)
{
    p.drawRect(page);
    for (qreal y = page.top() + 3; y < page.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(page.left() + 2, y), QPointF(page.right() - 2, y));
}

void drawFolder(QPainter& p, const QColor& accent)
{
    const QPainterPath folder = platform::closedOutline(
        {{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}});
    p.fillPath(folder, accent);
    p.drawPath(folder);
}

void drawClipboard(QPainter& p, const QColor& accent)
{
    p.fillRect(QRectF(2.5, 2.5, 11, 12), accent);
    p.drawRect(QRectF(2.5, 2.5, 11, 12));
    p.drawRect(QRectF(5.5, 1.5, 5, 2.5));
}

void draw(QPainter& p, Picture picture, const QColor& ink, const QColor& accent,
          const QColor& paper)
{
    const QColor warning(220, 50, 47);
    switch (picture) {
    case Picture::Open: {
        drawFolder(p, accent);
        p.drawLine(QPointF(4, 8), QPointF(15, 8));
        break;
    }
    case Picture::View:
        p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(14, 14));
        break;
    case Picture::SendTo:
        drawPage(p, QRectF(1.5, 1.5, 8, 12));
        p.setPen(QPen(accent, 2));
        p.drawLine(QPointF(6, 10), QPointF(14, 10));
        p.drawLine(QPointF(11, 7), QPointF(14, 10));
        p.drawLine(QPointF(11, 13), QPointF(14, 10));
        break;
    case Picture::Cut:
        p.drawLine(QPointF(4, 1.5), QPointF(11, 10));
        p.drawLine(QPointF(12, 1.5), QPointF(5, 10));
        p.setPen(QPen(accent, 1.5));
        p.drawEllipse(QPointF(4, 12.5), 2.3, 2.3);
        p.drawEllipse(QPointF(12, 12.5), 2.3, 2.3);
        break;
    case Picture::Copy:
        drawPage(p, QRectF(1.5, 1.5, 8, 10));
        p.fillRect(QRectF(6.5, 5.5, 8, 10), accent);
        drawPage(p, QRectF(6.5, 5.5, 8, 10));
        break;
    case Picture::Paste:
        drawClipboard(p, accent);
        p.fillRect(QRectF(6.5, 6.5, 8, 8.5), paper);
        drawPage(p, QRectF(6.5, 6.5, 8, 8.5));
        break;
    case Picture::Rename:
        p.drawRect(QRectF(1.5, 4.5, 13, 7));
        p.setPen(QPen(accent, 1.5));
        p.drawLine(QPointF(10, 2), QPointF(10, 14));
        p.drawLine(QPointF(8, 2), QPointF(12, 2));
        p.drawLine(QPointF(8, 14), QPointF(12, 14));
        break;
    case Picture::Delete:
        p.setPen(QPen(warning, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    case Picture::Attributes:
        drawPage(p, QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(accent, 2));
        p.drawLine(QPointF(8, 7), QPointF(8, 12));
        p.drawPoint(QPointF(8, 4.5));
        break;
    case Picture::NewFolder:
        drawFolder(p, accent);
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(8, 6.5), QPointF(8, 12.5));
        p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
        break;
    case Picture::AnyFolder:
        drawFolder(p, accent);
        break;
    case Picture::Clipboard:
        drawClipboard(p, accent);
        break;
    case Picture::Desktop:
        p.fillRect(QRectF(1.5, 2.5, 13, 9), accent);
        p.drawRect(QRectF(1.5, 2.5, 13, 9));
        p.drawLine(QPointF(8, 11.5), QPointF(8, 13.5));
        p.drawLine(QPointF(4.5, 14), QPointF(11.5, 14));
        break;
    }
}

QPixmap render(Picture picture, const QPalette& palette, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QColor ink = palette.color(QPalette::Active, QPalette::WindowText);
    // The highlight colour keeps its contrast against the menu's background in either palette.
    QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    accent.setAlpha(170);
    p.setPen(QPen(ink, 1.2));
    draw(p, picture, ink, accent, palette.color(QPalette::Active, QPalette::Base));
    return pixmap;
}

} // namespace

QIcon VxMenuPictures::drawn(Picture picture, const QPalette& palette)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48})
        icon.addPixmap(render(picture, palette, size));
    return icon;
}

QIcon VxMenuPictures::picture(Picture picture, const QPalette& palette)
{
    const QString name = QString::fromLatin1(themeName(picture));
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return drawn(picture, palette);
}
