#include "explorer/VxParentIcon.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/PictureOutline.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSettings>

namespace {

const QSize kLargeSize(36, 31);
const QSize kSmallSize(16, 16);

// Mid-tone fills with dark outlines and a light halo read on light and dark rows alike.
const QColor kFolderFill(0xe8, 0xb0, 0x4a);
const QColor kFolderTab(0xd4, 0x96, 0x2c);
const QColor kFolderLine(0x6b, 0x4a, 0x0c);
const QColor kArrowFill(0x1f, 0x4e, 0x9a);
const QColor kArrowHalo(0xff, 0xff, 0xff);

// Draws the picture into a canvas of `size`, scaled from a 16 x 16 design.
QImage draw(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qMin(size.width(), size.height()) / 16.0;
    painter.translate((size.width() - 16 * scale) / 2, (size.height() - 16 * scale) / 2);
    painter.scale(scale, scale);

    const qreal line = 1.0 / scale;
    painter.setPen(QPen(kFolderLine, qMax(line, 0.75)));
    const QPainterPath tab =
        platform::closedOutline({{1.5, 4.5}, {1.5, 2.5}, {6.0, 2.5}, {7.5, 4.0}});
    painter.setBrush(kFolderTab);
    painter.drawPath(tab);
    painter.setBrush(kFolderFill);
    painter.drawRect(QRectF(1.5, 4.0, 13.0, 10.5));

    const QPainterPath arrow = platform::closedOutline({{8.0, 5.0},
                                                        {12.5, 9.5},
                                                        {9.75, 9.5},
                                                        {9.75, 13.0},
                                                        {6.25, 13.0},
                                                        {6.25, 9.5},
                                                        {3.5, 9.5}});
    painter.setPen(
        QPen(kArrowHalo, qMax(2 * line, 1.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kArrowFill);
    painter.drawPath(arrow);
    painter.setPen(Qt::NoPen);
    painter.drawPath(arrow);
    return image;
}

QByteArray pngBytes(const QIcon& icon)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.pixmap(kLargeSize).toImage().convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

constexpr char kIndexKey[] = "ParentImgIdx";

} // namespace

QImage VxParentIcon::largeImage()
{
    return draw(kLargeSize);
}

QImage VxParentIcon::smallImage()
{
    return draw(kSmallSize);
}

QIcon VxParentIcon::icon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(largeImage()));
    icon.addPixmap(QPixmap::fromImage(smallImage()));
    return icon;
}

bool VxParentIcon::sameImage(const QIcon& a, const QIcon& b)
{
    if (a.isNull() || b.isNull())
        return false;
    return pngBytes(a) == pngBytes(b);
}

int VxParentIcon::establishIndex()
{
    platform::ImageList& images = platform::ImageList::instance();
    QSettings settings(QStringLiteral("Marrel"), QStringLiteral("VeVuraRavidize"));
    const QString key = QLatin1String(kIndexKey);
    if (settings.contains(key)) {
        bool isNumber = false;
        const int stored = settings.value(key).toInt(&isNumber);
        if (isNumber && stored >= 0 && stored < images.count()) {
            const int probe = images.append(icon());
            const bool holdsParent = sameImage(images.icon(stored), images.icon(probe));
            images.removeLast();
            if (holdsParent)
                return stored;
        }
    }
    const int index = images.append(icon());
    settings.setValue(key, index);
    return index;
}
