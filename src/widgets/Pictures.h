#pragma once

#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace tessaro {

// The device pixel ratio the pictures are drawn for: the highest of the screens', 1 before
// the application exists. Every picture is drawn at it, so that it stays sharp on a dense
// screen rather than being a small picture scaled up.
qreal screenRatio();

// A canvas of a logical size, with as many pixels as the ratio asks, transparent; a painter
// draws on it in logical coordinates.
QPixmap transparentPixmap(int width, int height, qreal ratio);

// A JPEG picture of the resources, in its twice-as-large drawing on a dense screen.
QPixmap loadPicture(const QString& name);
inline const QColor kMoneyGreen(192, 220, 192);

// The program's icon: in the title bars, on every window, and in the desktop's menu.
QPixmap drawProgramIcon(int size, qreal ratio = screenRatio());
QIcon programIcon();
// The same icon as a scalable picture, for the desktop's icon theme.
QByteArray programIconSvg();
QPixmap drawComputerIcon(qreal ratio = screenRatio());

}  // namespace tessaro
