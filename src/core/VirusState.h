#pragma once

#include <string>

namespace tessaro {

// The virus window's part of the game state. Not saved: a saved game never holds a virus.
struct VirusCaptions {
    std::string lKill;
    bool killEnabled = false;  // Label1, "Уничтожить антивирусом"
    bool leaveEnabled = true;  // Label2, "Оставить"
    bool choiceMade = false;

    bool operator==(const VirusCaptions&) const = default;
};

}  // namespace tessaro
