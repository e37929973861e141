#pragma once

#include "app/Pictures.h"

#include <QIconEngine>

// Paints a toolbar picture afresh for every size and pixel ratio it is asked for, so the
// picture is sharp on any screen and follows a palette changed while the program runs.
class PictureIconEngine : public QIconEngine
{
public:
    explicit PictureIconEngine(pictures::Tool picture) : m_picture(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    pictures::Tool m_picture;
};
