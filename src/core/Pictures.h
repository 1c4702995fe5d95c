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

// The software window's CD pictures (the image list `iCD`): 0 a red rim, not installable;
// 1 a plain grey disc, neutral; 2 a green rim, installable.
inline constexpr int kCdNotInstallable = 0;
inline constexpr int kCdNeutral = 1;
inline constexpr int kCdInstallable = 2;
QVector<QPixmap> drawCdPictures();

// The internet window's picture of the wide world.
QPixmap drawGlobePicture(int size);

// The about window's pictures of the team.
QPixmap drawTeamPortrait();
QPixmap drawTeamPicture();
QPixmap drawTeamLogo();

}  // namespace tessaro
