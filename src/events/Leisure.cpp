#include "events/Leisure.h"

#include "core/MainLabels.h"

#include <algorithm>
#include <string>

namespace tessaro {

namespace {

// clang-format off
constexpr std::array<Activity, kActivityCount> kActivities = {{
    {"lCompClub", GAME_TEXT("Сходить в компьютерный клуб"), GAME_TEXT("Стоимость: $5"), 5, 5},
    {"lCafe", GAME_TEXT("Посетить с друзьями кафе"), GAME_TEXT("Стоимость: $10"), 10, 12},
    {"lSkate", GAME_TEXT("Покататься на скейте в скейтпарке"), GAME_TEXT("Стоимость: $20"), 20, 25},
    {"lDisco", GAME_TEXT("Сходить на дискотеку"), GAME_TEXT("Стоимость: $30"), 30, 37},
    {"lKibersex", GAME_TEXT("Заняться киберсексом"), GAME_TEXT("Стоимость: $50"), 50, 60},
}};
// clang-format on

constexpr int kMoodLimit = 255;  // the width of the mood

}  // namespace

const std::array<Activity, kActivityCount>& activities() {
    return kActivities;
}

void DoActivity(Game& game, int index) {
    if (index < 0 || index >= kActivityCount) {
        return;
    }
    const Activity& activity = kActivities[static_cast<std::size_t>(index)];
    if (game.Money <= activity.price) {
        return;
    }
    game.Mood = static_cast<std::uint8_t>(std::min(kMoodLimit, game.Mood + activity.moodGain));
    changeMoney(game, -activity.price);
    game.main.gMood = game.Mood;
}

}  // namespace tessaro
