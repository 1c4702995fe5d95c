// In the browser nothing asks the game to end: the page is hidden (another tab, the browser
// minimised, a phone's screen off) or closed, reloaded or left, often never to run again. The
// game is kept at each of these moments, not only every 30 s.
#include <emscripten/html5.h>

#include "app/EndRequests.h"
#include "app/Shell.h"

namespace tessaro {

namespace {

EM_BOOL pageHidden(int /*type*/, const EmscriptenVisibilityChangeEvent* event, void* shell) {
    if (event->hidden) {
        static_cast<Shell*>(shell)->keepTheGame();
    }
    return EM_FALSE;
}

const char* pageLeft(int /*type*/, const void* /*event*/, void* shell) {
    static_cast<Shell*>(shell)->keepTheGame();
    // Nothing to ask the player: the game is kept.
    return nullptr;
}

}  // namespace

void keepTheGameWhenAskedToEnd(Shell& shell, const QStringList& /*restartArguments*/) {
    emscripten_set_visibilitychange_callback(&shell, EM_FALSE, &pageHidden);
    emscripten_set_beforeunload_callback(&shell, &pageLeft);
}

}  // namespace tessaro
