#include "internet/Market.h"

#include <algorithm>

#include "core/Saturating.h"
#include "core/Templates.h"
#include "development/Project.h"

namespace tessaro {

namespace {

constexpr int kSellsFrom = 5;  // SaleDraw 5..9 sells
constexpr int kMoodLost = 5;

}  // namespace

void TrySell(Game& game) {
    if (!game.internet.saleVisible || game.ProjectKind == 0) {
        return;
    }
    game.Randomize();
    game.SaleDraw = 1 + game.Random(9);
    if (game.SaleDraw >= kSellsFrom) {
        // Not changeMoney: the sale leaves the main window's money label alone; the day clock
        // shows the new sum when it next refreshes the label.
        addSaturating(game.Money, game.ProjectPrice);
        game.shell.message(fillIn(kProjectSoldText, {std::to_string(game.ProjectPrice)}),
                           kGameTitle, MessageIcon::None);
    } else {
        game.shell.message(
            GAME_TEXT("Вам не удалось продать этот проект и у вас понизилось настроение"),
            kGameTitle, MessageIcon::Question);
        // A mood below 5 stops at 0 rather than wrapping to 250; the day clock then ends the
        // game.
        game.Mood = static_cast<std::uint8_t>(std::max(0, game.Mood - kMoodLost));
    }
    endProjectSale(game);
    game.internet.saleVisible = false;
}

}  // namespace tessaro
