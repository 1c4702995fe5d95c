#include "internet/InternetPictures.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace tessaro {

QPixmap drawGlobePicture(int size, qreal ratio) {
    QPixmap pixmap = transparentPixmap(size, size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    QRadialGradient sea(QPointF(32, 32), 30, QPointF(24, 22));
    sea.setColorAt(0, QColor(150, 200, 250));
    sea.setColorAt(1, QColor(30, 80, 170));
    painter.setPen(QPen(QColor(20, 50, 110), 1.5));
    painter.setBrush(sea);
    painter.drawEllipse(QPointF(32, 32), 29, 29);
    // Meridians and parallels of the net around it.
    painter.setPen(QPen(QColor(220, 235, 255, 170), 1));
    painter.setBrush(Qt::NoBrush);
    for (qreal width : {10.0, 20.0}) {
        painter.drawEllipse(QPointF(32, 32), width, 29);
    }
    painter.drawLine(QPointF(32, 3), QPointF(32, 61));
    for (qreal y : {17.0, 32.0, 47.0}) {
        const qreal half = std::sqrt(29.0 * 29.0 - (y - 32) * (y - 32));
        painter.drawLine(QPointF(32 - half, y), QPointF(32 + half, y));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 170, 90));
    painter.drawEllipse(QRectF(14, 16, 16, 12));
    painter.drawEllipse(QRectF(34, 34, 14, 16));
    painter.drawEllipse(QRectF(22, 40, 8, 8));
    return pixmap;
}

}  // namespace tessaro
