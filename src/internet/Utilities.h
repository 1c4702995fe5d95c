#pragma once

#include <array>

#include "core/GameState.h"

namespace tessaro {

// A break-in utility of the utilities site.
struct Utility {
    int index;  // its ToolOwned flag
    const char* control;
    const char* caption;
    const char* costText;  // shown while the pointer is on it
    int price;
    int experience;
};

const std::array<Utility, kToolCount>& utilities();

// Why a utility is greyed, where the player owns the reason: bought. Nothing otherwise.
const char* UtilityGreyedReason(const GameState& state, int index);

// The download interval for the installed modem.
int DownloadInterval(const GameState& state);

// A click on a utility: bought when no download runs and the money is more than its price;
// its download starts and the missions wait for it.
void BuyUtility(Game& game, int index);

// A tick of `tSoftLoad`: one percent more, or, at 100, the end of the download.
void DownloadTick(Game& game);

}  // namespace tessaro
