#include "app/PictureIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap PictureIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                        qreal scale)
{
    // QIcon asks for the size in device pixels; the picture's 32 x 32 units are scaled to it.
    const qreal ratio = qMin(size.width(), size.height()) / 32.0;
    QPixmap full = pictures::tool(m_picture, ratio, QGuiApplication::palette());
    full.setDevicePixelRatio(scale);
    if (mode != QIcon::Disabled)
        return full;
    QPixmap faded(full.size());
    faded.setDevicePixelRatio(full.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.4);
    painter.drawPixmap(0, 0, full);
    return faded;
}

QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = qMin(size.width(), size.height());
    return QSize(side, side);
}

QIconEngine* PictureIconEngine::clone() const
{
    return new PictureIconEngine(m_picture);
}

QString PictureIconEngine::key() const
{
    return QStringLiteral("PictureIconEngine");
}
