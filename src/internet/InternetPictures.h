#pragma once

#include <QPixmap>
#include <QVector>

#include "widgets/Pictures.h"

namespace tessaro {

// The internet window's picture of the wide world.
QPixmap drawGlobePicture(int size, qreal ratio = screenRatio());

}  // namespace tessaro
