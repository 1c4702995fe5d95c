#include "development/Project.h"

namespace tessaro {

void AdvanceProject(Game& game) {
    if (!game.ProjectActive) {
        return;
    }
    DeveloperCaptions& developer = game.developer;
    if (game.ProjectProgress == kProjectDays) {
        // A project sold while still in development has kind 0: no label comes back then.
        if (game.ProjectKind >= 1 && game.ProjectKind <= kProjectKindCount) {
            developer.projectEnabled[game.ProjectKind - 1] = true;
        }
        developer.lNowProject = game.ProjectName;
        game.internet.lNowProject = game.ProjectName;
        game.ProjectName = kNone;
        game.Experience += 5;
        developer.gProgressVisible = false;
        developer.gProgress = 0;
        game.ProjectActive = false;
        return;
    }
    ++game.ProjectProgress;
    developer.gProgress = game.ProjectProgress * 10;
    developer.gProgressVisible = true;
}

}  // namespace tessaro
