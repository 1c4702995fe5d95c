#include "internet/Dialup.h"

#include "core/Navigation.h"
#include "internet/Missions.h"
#include "internet/Utilities.h"

namespace tessaro {

namespace {

constexpr int kBusyLine = 1;

// The stages of a dial attempt, in ticks of 100 ms.
constexpr int kFirstAnswer = 5;  // past it: busy, or checking the password
constexpr int kBusyHangUp = 6;   // past it: a busy attempt is over
constexpr int kRegistering = 8;  // past it: registering the computer
constexpr int kConnected = 10;   // past it: online

void offerDialAgain(InternetCaptions& internet) {
    internet.lConnectInfo.clear();
    internet.lConnect = kConnectCaption;
    internet.lConnectEnabled = true;
}

// What going offline does, by the label or by closing the window: the wage comes back, the
// sites and the missions close, a mission is abandoned. A download goes on.
void goOffline(GameState& game) {
    InternetCaptions& internet = game.internet;
    game.Wage += kOnlineWageCost;
    offerDialAgain(internet);
    game.Connected = false;
    stopTimer(game, TimerId::tConnect);
    internet.surfToolsEnabled = false;
    internet.surfMarketEnabled = false;
    internet.grHackVisible = false;
    internet.grToolsVisible = false;
    internet.grMarketVisible = false;
    AbandonMissions(game);
}

}  // namespace

void HangUpAfterLoad(GameState& state) {
    if (state.Connected) {
        goOffline(state);
    }
}

void InternetShown(Game& game) {
    setTimerInterval(game, TimerId::tSoftLoad, DownloadInterval(game));
    game.internet.lConnectInfo.clear();
    game.internet.saleVisible = game.ProjectKind != 0;
    // Each utility is on sale exactly while it is not owned, so a loaded game that owns
    // fewer utilities than the running one finds them on sale again.
    for (std::size_t tool = 0; tool < kToolCount; ++tool) {
        game.internet.toolEnabled[tool] = !game.ToolOwned[tool];
    }
}

void ConnectClick(Game& game) {
    if (!game.internet.lConnectEnabled) {
        return;
    }
    game.DialStep = 0;
    if (!game.Connected) {
        startTimer(game, TimerId::tConnect);
        game.internet.lConnectEnabled = false;
        game.internet.lConnectInfo = GAME_TEXT("Набор номера...");
        game.Randomize();
        game.DialDraw = static_cast<std::uint8_t>(1 + game.Random(4));
        return;
    }
    goOffline(game);
    // Offline with the window open, no days pass.
    stopTimer(game, TimerId::tTime);
}

void DialTick(Game& game) {
    InternetCaptions& internet = game.internet;
    ++game.DialStep;
    if (game.DialDraw == kBusyLine) {
        if (game.DialStep > kFirstAnswer) {
            internet.lConnectInfo = GAME_TEXT("Телефонная линия занята");
        }
        if (game.DialStep > kBusyHangUp) {
            offerDialAgain(internet);
            stopTimer(game, TimerId::tConnect);
        }
        return;
    }
    if (game.DialStep > kFirstAnswer) {
        internet.lConnectInfo = GAME_TEXT("Проверка имени пользователя и пароля...");
    }
    if (game.DialStep > kRegistering) {
        internet.lConnectInfo = GAME_TEXT("Регистрация компьютера в сети...");
    }
    if (game.DialStep > kConnected) {
        internet.lConnectInfo.clear();
        game.Connected = true;
        game.Wage -= kOnlineWageCost;
        internet.lConnect = GAME_TEXT("Отключить");
        internet.lConnectEnabled = true;
        stopTimer(game, TimerId::tConnect);
        // Days pass while online, unless a virus holds the game until its end.
        ResumeDayClock(game);
        internet.surfToolsEnabled = true;
        internet.surfMarketEnabled = true;
        internet.grHackVisible = true;
    }
}

void SurfTools(GameState& state) {
    if (!state.internet.surfToolsEnabled) {
        return;
    }
    state.internet.grToolsVisible = true;
    state.internet.grMarketVisible = false;
}

void SurfMarket(GameState& state) {
    if (!state.internet.surfMarketEnabled) {
        return;
    }
    state.internet.grMarketVisible = true;
    state.internet.grToolsVisible = false;
}

void CloseInternet(Game& game) {
    if (game.Connected) {
        goOffline(game);
    } else if (game.timer(TimerId::tConnect).running) {
        // A dial attempt ends with the window: no connection is made behind it, and the
        // next visit can dial.
        stopTimer(game, TimerId::tConnect);
        offerDialAgain(game.internet);
    }
    CloseActivity(game, WindowId::fInternet);
}

}  // namespace tessaro
