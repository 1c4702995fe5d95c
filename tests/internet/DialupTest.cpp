#include <gtest/gtest.h>

#include "core/Navigation.h"
#include "game/Activities.h"
#include "game/NewGame.h"
#include "internet/Dialup.h"
#include "internet/InternetWindow.h"
#include "support/RecordingShell.h"
#include "support/RunFor.h"

namespace tessaro {
namespace {

using testing::openInternetWindow;
using testing::running;
using testing::seedDrawing;
using testing::TestGame;
using testing::VirtualTime;

// A player with a full computer and a modem, the internet window just opened.
class DialupTest : public ::testing::Test {
  protected:
    DialupTest() { openInternetWindow(game); }

    void Dial(bool busy) {
        t.seed = seedDrawing(4, busy ? 0 : 1);
        ConnectClick(game);
    }

    TestGame t;
    Game& game = t.game;
    VirtualTime time{game};
};

TEST_F(DialupTest, AFreeLineConnectsAfterElevenTicks) {
    Dial(false);
    EXPECT_EQ(game.DialDraw, 2);
    EXPECT_FALSE(game.internet.lConnectEnabled);
    struct Row {
        int at;  // ms after the click
        const char* info;
    };
    const Row rows[] = {
        {0, "Набор номера..."},
        {500, "Набор номера..."},
        {600, "Проверка имени пользователя и пароля..."},
        {800, "Проверка имени пользователя и пароля..."},
        {900, "Регистрация компьютера в сети..."},
        {1000, "Регистрация компьютера в сети..."},
    };
    for (const Row& row : rows) {
        time.runFor(static_cast<int>(row.at - time.now()));
        EXPECT_EQ(game.internet.lConnectInfo, row.info) << row.at << " ms";
        EXPECT_FALSE(game.Connected) << row.at << " ms";
    }
    EXPECT_FALSE(running(game, TimerId::tTime));

    time.runFor(100);
    EXPECT_TRUE(game.Connected);
    EXPECT_EQ(game.internet.lConnectInfo, "");
    EXPECT_EQ(game.internet.lConnect, "Отключить");
    EXPECT_TRUE(game.internet.lConnectEnabled);
    EXPECT_EQ(game.Wage, 1 - 5);
    EXPECT_FALSE(running(game, TimerId::tConnect));
    EXPECT_TRUE(running(game, TimerId::tTime));
    EXPECT_TRUE(game.internet.surfToolsEnabled);
    EXPECT_TRUE(game.internet.surfMarketEnabled);
    EXPECT_TRUE(game.internet.grHackVisible);
    EXPECT_EQ(game.DialStep, 11);
}

TEST_F(DialupTest, ABusyLineGivesTheLabelBackAfterSevenTicks) {
    Dial(true);
    EXPECT_EQ(game.DialDraw, 1);
    time.runFor(500);
    EXPECT_EQ(game.internet.lConnectInfo, "Набор номера...");
    time.runFor(100);
    EXPECT_EQ(game.internet.lConnectInfo, "Телефонная линия занята");
    EXPECT_FALSE(game.internet.lConnectEnabled);
    time.runFor(100);
    EXPECT_EQ(game.internet.lConnectInfo, "");
    EXPECT_EQ(game.internet.lConnect, "Подключиться");
    EXPECT_TRUE(game.internet.lConnectEnabled);
    EXPECT_FALSE(running(game, TimerId::tConnect));
    EXPECT_FALSE(game.Connected);
    EXPECT_EQ(game.Wage, 1);
    EXPECT_FALSE(running(game, TimerId::tTime));

    // The next attempt starts from its own first step.
    Dial(false);
    EXPECT_EQ(game.DialStep, 0);
    time.runFor(1100);
    EXPECT_TRUE(game.Connected);
}

TEST_F(DialupTest, AClickWhileDiallingDoesNothing) {
    Dial(false);
    time.runFor(300);
    ConnectClick(game);
    EXPECT_EQ(game.DialStep, 3);
    EXPECT_EQ(game.internet.lConnectInfo, "Набор номера...");
}

TEST_F(DialupTest, TheWageComesBackOnceWhicheverWayThePlayerGoesOffline) {
    struct Row {
        const char* name;
        bool byClose;
    };
    for (const Row& row : {Row{"by the label", false}, Row{"by closing the window", true}}) {
        Dial(false);
        time.runFor(1100);
        ASSERT_TRUE(game.Connected) << row.name;
        EXPECT_EQ(game.Wage, -4) << row.name;
        if (row.byClose) {
            CloseInternet(game);
            EXPECT_TRUE(running(game, TimerId::tTime)) << row.name;
            EXPECT_TRUE(game.window(WindowId::fMain).enabled);
            EXPECT_FALSE(game.window(WindowId::fInternet).shown);
            // Closing again, offline, changes nothing more.
            CloseInternet(game);
            OpenActivity(game, WindowId::fInternet);
            InternetShown(game);
        } else {
            ConnectClick(game);
            EXPECT_FALSE(running(game, TimerId::tTime)) << row.name;
        }
        EXPECT_FALSE(game.Connected) << row.name;
        EXPECT_EQ(game.Wage, 1) << row.name;
        EXPECT_EQ(game.internet.lConnect, "Подключиться") << row.name;
        EXPECT_FALSE(game.internet.surfToolsEnabled) << row.name;
        EXPECT_FALSE(game.internet.grHackVisible) << row.name;
        EXPECT_FALSE(game.internet.grToolsVisible) << row.name;
    }
}

TEST_F(DialupTest, EveryDayOnlineCreditsTheWageLessFive) {
    game.Wage = 25;
    Dial(false);
    time.runFor(1100);
    const int money = game.Money;
    game.DayTicks = 0;
    time.runFor(2410);
    EXPECT_EQ(game.Money, money + 20);
}

TEST_F(DialupTest, ClosingTheWindowCancelsADialAttempt) {
    Dial(false);
    time.runFor(500);
    CloseInternet(game);
    EXPECT_FALSE(running(game, TimerId::tConnect));
    EXPECT_TRUE(game.internet.lConnectEnabled);
    EXPECT_EQ(game.internet.lConnect, "Подключиться");
    EXPECT_EQ(game.internet.lConnectInfo, "");
    time.runFor(1000);
    EXPECT_FALSE(game.Connected);
    EXPECT_EQ(game.Wage, 1);

    // The next visit dials as usual.
    OpenActivity(game, WindowId::fInternet);
    InternetShown(game);
    Dial(false);
    time.runFor(1100);
    EXPECT_TRUE(game.Connected);
}

TEST_F(DialupTest, ShowingTheWindowPreparesItFromTheGame) {
    struct Row {
        int modem;
        int interval;
    };
    for (const Row& row : {Row{1, 150}, Row{2, 100}, Row{3, 50}, Row{0, 50}}) {
        game.PartLevel[kModem] = static_cast<std::uint8_t>(row.modem);
        InternetShown(game);
        EXPECT_EQ(game.timer(TimerId::tSoftLoad).interval, row.interval) << row.modem;
    }
    game.internet.lConnectInfo = "Телефонная линия занята";
    game.ProjectKind = 3;
    game.ToolOwned[2] = true;
    InternetShown(game);
    EXPECT_EQ(game.internet.lConnectInfo, "");
    EXPECT_TRUE(game.internet.saleVisible);
    EXPECT_FALSE(game.internet.toolEnabled[2]);
    EXPECT_TRUE(game.internet.toolEnabled[1]);
    // A loaded game that owns fewer utilities finds them on sale again.
    game.ToolOwned[2] = false;
    InternetShown(game);
    EXPECT_TRUE(game.internet.toolEnabled[2]);
    game.ProjectKind = 0;
    InternetShown(game);
    EXPECT_FALSE(game.internet.saleVisible);
}

TEST_F(DialupTest, TheSiteLabelsShowOneSiteAtATimeAndOnlyOnline) {
    SurfTools(game);
    EXPECT_FALSE(game.internet.grToolsVisible);
    Dial(false);
    time.runFor(1100);
    SurfTools(game);
    EXPECT_TRUE(game.internet.grToolsVisible);
    EXPECT_FALSE(game.internet.grMarketVisible);
    SurfMarket(game);
    EXPECT_FALSE(game.internet.grToolsVisible);
    EXPECT_TRUE(game.internet.grMarketVisible);
}

}  // namespace
}  // namespace tessaro
