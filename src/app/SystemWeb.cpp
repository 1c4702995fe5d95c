// The game in the browser: a page, with no processes, signals or terminal of its own. The page
// is never asked to end: it is hidden or closed, which the game hears of elsewhere
// (EndRequestsWeb.cpp).
#include "app/System.h"

namespace tessaro {

std::function<void()> prepareTheSystem() {
    // The fonts are the game's own and Qt's, read as the application starts.
    return [] {};
}

void findTheTerminal() {}

bool aDesktopIsThere(int /*argc*/, char* /*argv*/[]) {
    // The page is the desktop.
    return true;
}

void onTheSystemsRequestToEnd(std::function<void()> /*end*/) {}

void listenForResumption() {}

bool resumedFromStop() {
    // A page that the browser froze is told of nothing: its late wake-up is paused as any.
    return false;
}

bool sendTheKeyboardRoundAgain(QWidget* /*window*/) {
    return false;
}

}  // namespace tessaro
