#pragma once

#include <QPixmap>
#include <QVector>

#include "widgets/Pictures.h"

namespace tessaro {

// The software window's CD pictures (the image list `iCD`): 0 a red rim, not installable;
// 1 a plain grey disc, neutral; 2 a green rim, installable.
inline constexpr int kCdNotInstallable = 0;
inline constexpr int kCdNeutral = 1;
inline constexpr int kCdInstallable = 2;
QVector<QPixmap> drawCdPictures(qreal ratio = screenRatio());

}  // namespace tessaro
