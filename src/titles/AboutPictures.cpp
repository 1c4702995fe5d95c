#include "titles/AboutPictures.h"

#include <QLinearGradient>
#include <QPainter>

#include "widgets/Fonts.h"

namespace tessaro {

QPixmap drawTeamPortrait(qreal ratio) {
    QPixmap pixmap = transparentPixmap(64, 72, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 72);
    sky.setColorAt(0, QColor(190, 215, 240));
    sky.setColorAt(1, QColor(120, 160, 210));
    painter.fillRect(QRect(0, 0, 64, 72), sky);
    painter.setPen(Qt::NoPen);
    // Three heads and shoulders: the team, not one person.
    const QColor shirts[] = {QColor(70, 90, 140), QColor(150, 60, 60), QColor(60, 120, 80)};
    const QPointF heads[] = {QPointF(16, 34), QPointF(48, 34), QPointF(32, 28)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(shirts[i]);
        painter.drawEllipse(QRectF(heads[i].x() - 15, heads[i].y() + 12, 30, 40));
        painter.setBrush(QColor(240, 205, 170));
        painter.drawEllipse(heads[i], 9, 10);
    }
    return pixmap;
}

QPixmap drawTeamPicture(qreal ratio) {
    QPixmap pixmap = transparentPixmap(80, 48, ratio);
    pixmap.fill(QColor(20, 30, 40));
    QPainter painter(&pixmap);
    painter.setFont(gameFont(8, true));
    const char* lines[] = {"#include <life>", "while (day++)", "  learn();", "  hack();"};
    QColor ink(110, 230, 120);
    for (int i = 0; i < 4; ++i) {
        painter.setPen(ink);
        painter.drawText(4, 11 + i * 11, QString::fromLatin1(lines[i]));
    }
    return pixmap;
}

QPixmap drawTeamLogo(qreal ratio) {
    QPixmap pixmap = transparentPixmap(24, 24, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 70, 150));
    painter.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
    painter.setPen(Qt::white);
    painter.setFont(gameFont(15, true));
    painter.drawText(QRectF(1, 1, 22, 22), Qt::AlignCenter, QStringLiteral("T"));
    return pixmap;
}

}  // namespace tessaro
