#pragma once

#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace tessaro {

inline constexpr int kButtonPictureCount = 16;
inline const QColor kMoneyGreen(192, 220, 192);

// The sixteen pictures of the main window's buttons (the image list `iButtons`), in its order.
QVector<QPixmap> drawButtonPictures();

enum class MenuIcon { NewGame, Save, Load };
QIcon drawMenuIcon(MenuIcon icon);

QPixmap drawProgramIcon(int size);
QPixmap drawComputerIcon();

// The about window's pictures of the team.
QPixmap drawTeamPortrait();
QPixmap drawTeamPicture();
QPixmap drawTeamLogo();

}  // namespace tessaro
