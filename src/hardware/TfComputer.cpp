#include "hardware/TfComputer.h"

namespace tessaro {

TfComputer::TfComputer(Game& game)
    : ActivityWindow(game, WindowId::fComputer, QStringLiteral("Покупка комплектующих"),
                     QSize(492, 257), QStringLiteral("Label6")) {
    setObjectName(QStringLiteral("fComputer"));
}

}  // namespace tessaro
