#pragma once

#include <array>
#include <string>

#include "core/Text.h"

namespace tessaro {

inline constexpr int kToolCount = 5;
inline constexpr int kMissionCount = 5;
inline constexpr const char* kConnectCaption = GAME_TEXT("Подключиться");

// The internet window's part of the game state: everything of it that the rules write.
struct InternetCaptions {
    // Dial-up.
    std::string lConnect = kConnectCaption;
    bool lConnectEnabled = true;
    std::string lConnectInfo;
    bool surfToolsEnabled = false;
    bool surfMarketEnabled = false;
    bool grToolsVisible = false;
    bool grMarketVisible = false;
    bool grHackVisible = false;

    // The utilities site.
    std::array<bool, kToolCount> toolEnabled{};
    int gSoftLoad = 0;
    bool gSoftLoadVisible = false;

    // The missions: their labels, the four requirement lines and the status line.
    std::array<bool, kMissionCount> missionEnabled{};
    std::array<std::string, 4> hLine;  // hLine1 .. hLine4
    std::string hLine6;

    // The market. The sale label is hidden at start, not disabled: a new game saves it
    // enabled.
    bool saleVisible = false;
    bool saleEnabled = true;          // lSell, 118
    std::string lNowProject = kNone;  // the market site's existing project, 116

    bool operator==(const InternetCaptions&) const = default;
};

}  // namespace tessaro
