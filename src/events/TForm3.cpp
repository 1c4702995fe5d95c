#include "events/TForm3.h"

namespace tessaro {

TForm3::TForm3(Game& game)
    : ActivityWindow(game, WindowId::Form3, QStringLiteral("Отдых"), QSize(217, 275),
                     QStringLiteral("Label2")) {
    setObjectName(QStringLiteral("Form3"));
}

}  // namespace tessaro
