#include "education/TfEducation.h"

namespace tessaro {

TfEducation::TfEducation(Game& game)
    : ActivityWindow(game, WindowId::fEducation, QStringLiteral("Обучение"), QSize(377, 248),
                     QStringLiteral("Label21"), ReturnLook::WhiteOnHighlight) {
    setObjectName(QStringLiteral("fEducation"));
}

}  // namespace tessaro
