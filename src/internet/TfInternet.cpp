#include "internet/TfInternet.h"

namespace tessaro {

TfInternet::TfInternet(Game& game)
    : ActivityWindow(game, WindowId::fInternet, QStringLiteral("Интернет"), QSize(510, 271),
                     QStringLiteral("Label6")) {
    setObjectName(QStringLiteral("fInternet"));
}

}  // namespace tessaro
