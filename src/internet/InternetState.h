#pragma once

#include <array>
#include <string>

#include "core/Text.h"

namespace tessaro {

inline constexpr int kToolCount = 5;
inline constexpr int kMissionCount = 5;

// The internet window's part of the game state.
struct InternetCaptions {
    std::array<bool, kToolCount> toolEnabled{};
    std::array<bool, kMissionCount> missionEnabled{};
    bool saleEnabled = false;         // lSell, 118
    std::string lNowProject = kNone;  // the market site's existing project, 116

    bool operator==(const InternetCaptions&) const = default;
};

}  // namespace tessaro
