#include "quiz/media/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Side = 128;
// Near the windows' own ground, so the pictures sit on it without a box.
const QColor Ground(239, 239, 239);

QImage disc(const QColor &fill, const QPen &rim)
{
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(rim);
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(6, 6, Side - 12, Side - 12));
    return image;
}

// A white mark on a coloured disc.
QImage markOn(const QColor &fill, const QColor &rim, const QPainterPath &mark)
{
    QImage image = disc(fill, QPen(rim, 6));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(mark);
    return image;
}

QImage tick()
{
    QPainterPath path;
    path.moveTo(36, 66);
    path.lineTo(56, 86);
    path.lineTo(94, 44);
    return markOn(QColor(46, 160, 67), QColor(27, 110, 44), path);
}

QImage cross()
{
    QPainterPath path;
    path.moveTo(42, 42);
    path.lineTo(86, 86);
    path.moveTo(86, 42);
    path.lineTo(42, 86);
    return markOn(QColor(215, 48, 39), QColor(150, 28, 22), path);
}

QImage ring()
{
    return disc(QColor(250, 250, 250), QPen(QColor(176, 176, 176), 6, Qt::DashLine, Qt::RoundCap));
}

} // namespace

bool writePictures(const QString &folder)
{
    return tick().save(folder + QStringLiteral("/si.bmp"), "BMP") &&
           cross().save(folder + QStringLiteral("/no.bmp"), "BMP") &&
           ring().save(folder + QStringLiteral("/0.bmp"), "BMP");
}
