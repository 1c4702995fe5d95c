#pragma once

#include <array>
#include <string>

#include "core/Text.h"

namespace tessaro {

inline constexpr int kProjectKindCount = 8;
inline constexpr int kLanguageCount = 5;
inline constexpr int kNoLanguage = -1;

// The development window's part of the game state.
struct DeveloperCaptions {
    std::array<bool, kProjectKindCount> projectEnabled{};  // devPlayer .. devHomepage, 85..92
    std::string lNowProject = kNone;                       // 115
    int gProgress = 0;                                     // 117
    bool gProgressVisible = false;                         // 119
    // The language radio buttons, ideDelphi .. ideWeb: which take a click, and which one is
    // selected. Not saved: activating the window sets the first from the game.
    std::array<bool, kLanguageCount> languageEnabled{};
    int selectedLanguage = kNoLanguage;

    bool operator==(const DeveloperCaptions&) const = default;
};

}  // namespace tessaro
