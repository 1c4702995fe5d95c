#include "software/SoftwarePictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace tessaro {

QVector<QPixmap> drawCdPictures(qreal ratio) {
    const QColor rims[] = {QColor(215, 30, 30), QColor(150, 150, 150), QColor(30, 170, 50)};
    QVector<QPixmap> pictures;
    for (const QColor& rim : rims) {
        QPixmap pixmap = transparentPixmap(47, 47, ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(23.5, 23.5);
        painter.setPen(QPen(rim, 3));
        QRadialGradient silver(centre, 21, QPointF(16, 14));
        silver.setColorAt(0, QColor(250, 250, 252));
        silver.setColorAt(0.6, QColor(200, 205, 215));
        silver.setColorAt(1, QColor(165, 170, 185));
        painter.setBrush(silver);
        painter.drawEllipse(centre, 21, 21);
        // The rainbow sheen of a pressed disc.
        painter.setPen(QPen(QColor(180, 210, 240, 160), 2));
        painter.drawArc(QRectF(9, 9, 29, 29), 30 * 16, 70 * 16);
        painter.setPen(QPen(QColor(240, 200, 230, 160), 2));
        painter.drawArc(QRectF(9, 9, 29, 29), 210 * 16, 70 * 16);
        painter.setPen(QPen(QColor(120, 120, 130), 1));
        painter.setBrush(QColor(225, 228, 235));
        painter.drawEllipse(centre, 7, 7);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, 3, 3);
        pictures.append(pixmap);
    }
    return pictures;
}

}  // namespace tessaro
