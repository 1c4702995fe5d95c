#include "events/TForm4.h"

namespace tessaro {

TForm4::TForm4(Game& game)
    : GameWindow(game, WindowId::Form4, QStringLiteral("Обнаружен вирус..."), QSize(319, 143)) {
    setObjectName(QStringLiteral("Form4"));
}

}  // namespace tessaro
