#pragma once

#include <QPixmap>
#include <QVector>

#include "widgets/Pictures.h"

namespace tessaro {

// The about window's pictures of the team.
QPixmap drawTeamPortrait(qreal ratio = screenRatio());
QPixmap drawTeamPicture(qreal ratio = screenRatio());
QPixmap drawTeamLogo(qreal ratio = screenRatio());

}  // namespace tessaro
