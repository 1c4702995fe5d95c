#pragma once

#include <QIcon>
#include <QPixmap>
#include <QVector>

#include "widgets/Pictures.h"

namespace tessaro {

inline constexpr int kButtonPictureCount = 16;

// The sixteen pictures of the main window's buttons (the image list `iButtons`), in its order.
QVector<QPixmap> drawButtonPictures(qreal ratio = screenRatio());
// The word that a picture of the list shows, in the player's language.
QString buttonWord(int picture);

enum class MenuIcon { NewGame, Save, Load };
QIcon drawMenuIcon(MenuIcon icon);

}  // namespace tessaro
