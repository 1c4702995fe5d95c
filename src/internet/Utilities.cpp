#include "internet/Utilities.h"

#include "core/MainLabels.h"
#include "core/Saturating.h"
#include "internet/Missions.h"

namespace tessaro {

namespace {

// clang-format off
constexpr std::array<Utility, kToolCount> kUtilities = {{
    {0, "lBrutus", "Brutus AET2", GAME_TEXT("Стоимость: $300"), 300, 5},
    {1, "lXsharez", "X-Sharez", GAME_TEXT("Стоимость: $500"), 500, 10},
    {2, "lAAPR", "Advanced Archive Password Recovery", GAME_TEXT("Стоимость: $500"), 500, 10},
    {3, "lLPS", "LANguard Port Scanner", GAME_TEXT("Стоимость: $500"), 500, 10},
    {4, "Label5", "IP Tools 1.1", GAME_TEXT("Стоимость: $500"), 500, 10},
}};
// clang-format on

constexpr int kComplete = 100;

}  // namespace

const std::array<Utility, kToolCount>& utilities() {
    return kUtilities;
}

int DownloadInterval(const GameState& state) {
    switch (state.PartLevel[kModem]) {
        case 1:
            return 150;
        case 2:
            return 100;
        default:
            return 50;
    }
}

void BuyUtility(Game& game, int index) {
    if (index < 0 || index >= kToolCount) {
        return;
    }
    const Utility& utility = kUtilities[static_cast<std::size_t>(index)];
    InternetCaptions& internet = game.internet;
    if (!internet.toolEnabled[static_cast<std::size_t>(index)] ||
        game.timer(TimerId::tSoftLoad).running || game.Money <= utility.price) {
        return;
    }
    changeMoney(game, -utility.price);
    game.ToolOwned[static_cast<std::size_t>(index)] = true;
    internet.toolEnabled[static_cast<std::size_t>(index)] = false;
    internet.gSoftLoadVisible = true;
    startTimer(game, TimerId::tSoftLoad);
    internet.missionEnabled.fill(false);
    addSaturating(game.Experience, utility.experience);
}

void DownloadTick(Game& game) {
    InternetCaptions& internet = game.internet;
    if (internet.gSoftLoad < kComplete) {
        ++internet.gSoftLoad;
        return;
    }
    internet.gSoftLoadVisible = false;
    internet.gSoftLoad = 0;
    stopTimer(game, TimerId::tSoftLoad);
    // A mission that runs keeps the labels closed until its own end.
    if (!MissionRunning(game)) {
        internet.missionEnabled.fill(true);
    }
}

const char* UtilityGreyedReason(const GameState& state, int index) {
    return state.ToolOwned[static_cast<std::size_t>(index)] ? GAME_TEXT("куплено") : nullptr;
}

}  // namespace tessaro
