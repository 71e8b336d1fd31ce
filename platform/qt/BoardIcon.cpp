#include "platform/qt/BoardIcon.h"

#include "forms/QBColor.h"
#include "platform/qt/QtTypes.h"

#include <QPainter>
#include <QPixmap>

namespace qtwin {

QImage boardIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 3, 3);
    auto pen = [&p](const QColor& color, qreal width) {
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
    pen(Qt::white, 2);
    p.drawPolygon(QPolygonF({QPointF(19, 5), QPointF(5, 27), QPointF(27, 27)}));
    pen(QColor(255, 0, 0), 2);
    p.drawLine(QPointF(10.7, 18), QPointF(23.6, 18)); // DE, 3/5 of the way down from A
    pen(QColor(255, 255, 0), 1.2);
    p.drawPolyline(QPolygonF({QPointF(14, 25), QPointF(17, 27), QPointF(14, 29)}));
    return image;
}

QImage iconImage(const IconFile& file)
{
    if (!file.onGreen)
        return boardIcon(file.size);
    QImage image(file.size, file.size, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    QPainter(&image).drawImage(0, 0, boardIcon(file.size));
    return image;
}

namespace {

QImage inSixteenColours(const QImage& image)
{
    QList<QRgb> table;
    for (int16_t i = 0; i < 16; ++i)
        table << toQColor(forms::QBColor(i)).rgb();
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

} // namespace

QIcon windowIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(boardIcon(32).convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)));
    icon.addPixmap(QPixmap::fromImage(inSixteenColours(boardIcon(32))));
    icon.addPixmap(QPixmap::fromImage(inSixteenColours(boardIcon(16))));
    // Window managers want small sizes here; docks and menus take the large
    // ones from the installed icon theme, named by the desktop file.
    for (int size : {48, 64})
        icon.addPixmap(QPixmap::fromImage(boardIcon(size)));
    return icon;
}

} // namespace qtwin
