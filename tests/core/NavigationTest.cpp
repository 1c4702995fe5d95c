#include <gtest/gtest.h>

#include <functional>

#include "core/Navigation.h"
#include "game/Activities.h"
#include "game/NewGame.h"
#include "internet/Dialup.h"
#include "support/RecordingShell.h"
#include "titles/AboutAndCongratulations.h"

namespace tessaro {
namespace {

using testing::running;
using testing::TestGame;

constexpr Slot kSoftwareParts[] = {kMotherboard, kProcessor, kMemory, kHardDisk,
                                   kVideo,       kMonitor,   kCdDvd};

TEST(UnlockRuleTest, SoftwareNeedsSevenPartsButNotTheSoundCardOrTheModem) {
    TestGame t;
    NewGame(t.game);
    for (Slot slot : kSoftwareParts) {
        t.game.PartLevel[slot] = 1;
    }
    ApplyUnlockRule(t.game, 1);
    EXPECT_TRUE(t.game.SoftwareOpen);
    EXPECT_TRUE(t.game.main.bSoftwareImageEnabled);

    for (Slot missing : kSoftwareParts) {
        SCOPED_TRACE(missing);
        TestGame other;
        NewGame(other.game);
        other.game.PartLevel.fill(2);
        other.game.PartLevel[missing] = 0;
        ApplyUnlockRule(other.game, 0);
        EXPECT_FALSE(other.game.SoftwareOpen);
        EXPECT_FALSE(other.game.main.bSoftwareImageEnabled);
    }
}

TEST(UnlockRuleTest, InternetNeedsTheModemAndAStatusAboveTheThreshold) {
    struct Row {
        int threshold;
        int statusLevel;
        bool modem;
        bool unlocked;
    };
    const Row rows[] = {
        {0, 0, true, false}, {0, 1, true, true}, {0, 1, false, false},
        {1, 1, true, false}, {1, 2, true, true}, {1, 3, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "threshold " << row.threshold << " status "
                                          << row.statusLevel << " modem " << row.modem);
        TestGame t;
        NewGame(t.game);
        t.game.PartLevel.fill(1);
        t.game.PartLevel[kModem] = row.modem ? 1 : 0;
        t.game.StatusLevel = row.statusLevel;
        ApplyUnlockRule(t.game, row.threshold);
        EXPECT_EQ(t.game.InternetOpen, row.unlocked);
        EXPECT_EQ(t.game.main.bInternetImageEnabled, row.unlocked);
    }
}

TEST(UnlockRuleTest, InternetNeedsTheSoftwareButtonFirst) {
    TestGame t;
    NewGame(t.game);
    t.game.PartLevel[kModem] = 1;
    t.game.StatusLevel = 3;
    ApplyUnlockRule(t.game, 0);
    EXPECT_FALSE(t.game.InternetOpen);
}

TEST(UnlockRuleTest, AnUnlockedButtonStaysUnlockedWhenPartsGoAway) {
    TestGame t;
    NewGame(t.game);
    t.game.PartLevel.fill(1);
    t.game.StatusLevel = 2;
    ApplyUnlockRule(t.game, 1);
    t.game.PartLevel.fill(0);
    t.game.StatusLevel = 0;
    ApplyUnlockRule(t.game, 1);
    EXPECT_TRUE(t.game.SoftwareOpen);
    EXPECT_TRUE(t.game.InternetOpen);
    EXPECT_TRUE(t.game.main.bSoftwareImageEnabled);
    EXPECT_TRUE(t.game.main.bInternetImageEnabled);
}

class NavigationTest : public ::testing::Test {
  protected:
    NavigationTest() {
        NewGame(game);
        game.window(WindowId::fMain).shown = true;
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(NavigationTest, AnActivityWindowStopsTheDayExceptDevelopment) {
    const WindowId activities[] = {WindowId::fJob, WindowId::fComputer, WindowId::fEducation,
                                   WindowId::fDeveloper, WindowId::Form3};
    for (WindowId activity : activities) {
        SCOPED_TRACE(static_cast<int>(activity));
        OpenActivity(game, activity);
        EXPECT_TRUE(game.window(activity).shown);
        EXPECT_FALSE(game.window(WindowId::fMain).enabled);
        EXPECT_TRUE(game.window(WindowId::fMain).shown);
        EXPECT_EQ(running(game, TimerId::tTime), activity == WindowId::fDeveloper);

        CloseActivity(game, activity);
        EXPECT_FALSE(game.window(activity).shown);
        EXPECT_TRUE(game.window(WindowId::fMain).enabled);
        EXPECT_TRUE(running(game, TimerId::tTime));
    }
}

TEST_F(NavigationTest, ALockedButtonOpensNothing) {
    OpenActivity(game, WindowId::fSoftware);
    OpenActivity(game, WindowId::fInternet);
    EXPECT_FALSE(game.window(WindowId::fSoftware).shown);
    EXPECT_FALSE(game.window(WindowId::fInternet).shown);
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
    EXPECT_TRUE(running(game, TimerId::tTime));
}

// A loaded game can leave a button enabled while its flag is false: the button then shows its
// locked picture, and the click checks the flag.
TEST_F(NavigationTest, TheSoftwareAndInternetButtonsOpenOnlyWithTheirFlag) {
    struct Row {
        const char* name;
        bool buttonEnabled;
        bool flag;
        bool opens;
    };
    const Row rows[] = {
        {"locked", false, false, false},
        {"enabled by a loaded game, flag false", true, false, false},
        {"unlocked", true, true, true},
    };
    for (WindowId activity : {WindowId::fSoftware, WindowId::fInternet}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            TestGame fresh;
            Game& g = fresh.game;
            NewGame(g);
            const bool software = activity == WindowId::fSoftware;
            (software ? g.main.bSoftwareImageEnabled : g.main.bInternetImageEnabled) =
                row.buttonEnabled;
            (software ? g.SoftwareOpen : g.InternetOpen) = row.flag;
            EXPECT_EQ(ButtonShowsLocked(g, activity), !row.flag);

            OpenActivity(g, activity);
            EXPECT_EQ(g.window(activity).shown, row.opens);
            EXPECT_EQ(g.window(WindowId::fMain).enabled, !row.opens);
            EXPECT_EQ(running(g, TimerId::tTime), !row.opens);
        }
    }
}

TEST_F(NavigationTest, ReturningToTheMainWindowUnlocksTheInternetForAUser) {
    game.PartLevel.fill(1);
    game.StatusLevel = 1;
    OpenActivity(game, WindowId::fJob);
    EXPECT_FALSE(game.InternetOpen);
    CloseActivity(game, WindowId::fJob);
    EXPECT_TRUE(game.SoftwareOpen);
    EXPECT_TRUE(game.InternetOpen);
}

TEST_F(NavigationTest, TheAboutWindowStopsTheClockButLeavesTheMainWindowUsable) {
    ShowAbout(game);
    EXPECT_TRUE(game.window(WindowId::Form2).shown);
    EXPECT_FALSE(running(game, TimerId::tTime));
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
}

// The about window opened from the main menu pauses the game. Whatever the player opens and
// closes beside it, no day passes until it is left, and leaving it gives back only what it took:
// the day clock where the window in play lets days pass, never the main window under another.
TEST_F(NavigationTest, TheAboutWindowsPauseHoldsUntilItIsLeft) {
    struct Row {
        const char* name;
        WindowId activity;
        std::function<void(Game&)> beside;
        bool clockAfterLeaving;
        bool mainEnabledAfterLeaving;
    };
    const Row rows[] = {
        {"the shop opened and closed", WindowId::fComputer,
         [](Game& g) { CloseActivity(g, WindowId::fComputer); }, true, true},
        {"the shop still open", WindowId::fComputer, [](Game&) {}, false, false},
        {"the development window still open", WindowId::fDeveloper, [](Game&) {}, true, false},
        {"the internet window, offline", WindowId::fInternet, [](Game&) {}, false, false},
        {"the internet window, connected", WindowId::fInternet,
         [](Game& g) {
             ConnectClick(g);
             g.DialDraw = 2;
             for (int step = 0; step <= 10; ++step) {
                 DialTick(g);
             }
             ASSERT_TRUE(g.Connected);
         },
         true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestGame t;
        Game& g = t.game;
        NewGame(g);
        g.window(WindowId::fMain).shown = true;
        g.SoftwareOpen = g.InternetOpen = true;
        g.main.bSoftwareImageEnabled = g.main.bInternetImageEnabled = true;
        ShowAbout(g);
        OpenActivity(g, row.activity);
        row.beside(g);
        EXPECT_FALSE(running(g, TimerId::tTime));
        LeaveAbout(g);
        EXPECT_EQ(running(g, TimerId::tTime), row.clockAfterLeaving);
        EXPECT_EQ(g.window(WindowId::fMain).enabled, row.mainEnabledAfterLeaving);
    }
}

TEST_F(NavigationTest, LeavingAndRestartingEndThisProgram) {
    QuitProgram(game);
    EXPECT_EQ(t.shell.ends, 1);
    EXPECT_FALSE(running(game, TimerId::tTime));

    TestGame other;
    NewGame(other.game);
    RestartProgram(other.game);
    EXPECT_EQ(other.shell.restarts, 1);
    EXPECT_EQ(other.shell.ends, 0);
    EXPECT_FALSE(running(other.game, TimerId::tTime));

    // A new game that cannot start leaves this one going, once the player has read why.
    TestGame kept;
    NewGame(kept.game);
    startTimer(kept.game, TimerId::tTime);
    kept.shell.refuseRestart = true;
    RestartProgram(kept.game);
    EXPECT_EQ(kept.shell.ends, 0);
    ASSERT_EQ(kept.shell.messages.size(), 1u);
    EXPECT_EQ(kept.shell.messages[0].text, "Новая игра не началась");
    EXPECT_FALSE(kept.shell.messages[0].timersRunning[0]);
    EXPECT_TRUE(running(kept.game, TimerId::tTime));
}

TEST_F(NavigationTest, ShowingTheMainWindowDrawsTheFirstVirusDay) {
    // Reseeding from 0 gives Random(30) = 0: the earliest virus day.
    MainWindowShown(game);
    EXPECT_EQ(game.VirusDay, 40);

    TestGame seeded(12345);
    MainWindowShown(seeded.game);
    EXPECT_EQ(seeded.game.VirusDay, 51);
}

}  // namespace
}  // namespace tessaro
