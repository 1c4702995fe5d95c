#include "development/TfDeveloper.h"

namespace tessaro {

TfDeveloper::TfDeveloper(Game& game)
    : ActivityWindow(game, WindowId::fDeveloper, QStringLiteral("Разработка программ"),
                     QSize(314, 242), QStringLiteral("lReturn")) {
    setObjectName(QStringLiteral("fDeveloper"));
}

}  // namespace tessaro
