#include "software/TfSoftware.h"

namespace tessaro {

TfSoftware::TfSoftware(Game& game)
    : ActivityWindow(game, WindowId::fSoftware, QStringLiteral("Установка программ"),
                     QSize(314, 313), QStringLiteral("Label3")) {
    setObjectName(QStringLiteral("fSoftware"));
}

}  // namespace tessaro
