#pragma once

#include <string>

namespace tessaro {

// The file dialogs of the main window: each offers the name last chosen in it. Not saved.
struct SavedGameDialogs {
    std::string sdSaveGame;
    std::string odOpenGame;

    bool operator==(const SavedGameDialogs&) const = default;
};

}  // namespace tessaro
