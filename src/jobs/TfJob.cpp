#include "jobs/TfJob.h"

namespace tessaro {

TfJob::TfJob(Game& game)
    : ActivityWindow(game, WindowId::fJob, QStringLiteral("Поиск работы"), QSize(350, 182),
                     QStringLiteral("Label6"), ReturnLook::WhiteOnHighlight) {
    setObjectName(QStringLiteral("fJob"));
}

}  // namespace tessaro
