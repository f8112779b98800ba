#include "ui/Flags.h"

#include <QPainter>
#include <QPainterPath>

QPixmap italianFlag(QSize size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    const int band = size.width() / 3;
    painter.fillRect(0, 0, band, size.height(), QColor(0x00, 0x92, 0x46));
    painter.fillRect(band, 0, size.width() - 2 * band, size.height(), Qt::white);
    painter.fillRect(size.width() - band, 0, band, size.height(), QColor(0xCE, 0x2B, 0x37));
    return pixmap;
}

QPixmap unitedKingdomFlag(QSize size)
{
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    QPixmap pixmap(size);
    pixmap.fill(blue);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal unit = h / 30.0;

    painter.setPen(QPen(Qt::white, 6 * unit));
    painter.drawLine(QPointF(0, 0), QPointF(w, h));
    painter.drawLine(QPointF(w, 0), QPointF(0, h));
    painter.setPen(QPen(red, 2 * unit));
    painter.drawLine(QPointF(0, 0), QPointF(w, h));
    painter.drawLine(QPointF(w, 0), QPointF(0, h));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0, h / 2 - 5 * unit, w, 10 * unit));
    painter.drawRect(QRectF(w / 2 - 5 * unit, 0, 10 * unit, h));
    painter.setBrush(red);
    painter.drawRect(QRectF(0, h / 2 - 3 * unit, w, 6 * unit));
    painter.drawRect(QRectF(w / 2 - 3 * unit, 0, 6 * unit, h));
    return pixmap;
}
