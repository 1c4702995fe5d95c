#pragma once

#include <array>
#include <string>

#include "core/Text.h"

namespace tessaro {

inline constexpr int kProjectKindCount = 8;

// The development window's part of the game state.
struct DeveloperCaptions {
    std::array<bool, kProjectKindCount> projectEnabled{};  // devPlayer .. devHomepage, 85..92
    std::string lNowProject = kNone;                       // 115
    int gProgress = 0;                                     // 117
    bool gProgressVisible = false;                         // 119

    bool operator==(const DeveloperCaptions&) const = default;
};

}  // namespace tessaro
