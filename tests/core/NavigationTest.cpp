#include <gtest/gtest.h>

#include "core/Navigation.h"
#include "core/NewGame.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

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
        EXPECT_EQ(game.timer(TimerId::tTime), activity == WindowId::fDeveloper);

        CloseActivity(game, activity);
        EXPECT_FALSE(game.window(activity).shown);
        EXPECT_TRUE(game.window(WindowId::fMain).enabled);
        EXPECT_TRUE(game.timer(TimerId::tTime));
    }
}

TEST_F(NavigationTest, ALockedButtonOpensNothing) {
    OpenActivity(game, WindowId::fSoftware);
    OpenActivity(game, WindowId::fInternet);
    EXPECT_FALSE(game.window(WindowId::fSoftware).shown);
    EXPECT_FALSE(game.window(WindowId::fInternet).shown);
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
    EXPECT_TRUE(game.timer(TimerId::tTime));
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
    EXPECT_FALSE(game.timer(TimerId::tTime));
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
}

TEST_F(NavigationTest, LeavingAndRestartingEndThisProgram) {
    QuitProgram(game);
    EXPECT_EQ(t.shell.ends, 1);
    EXPECT_FALSE(game.timer(TimerId::tTime));

    TestGame other;
    NewGame(other.game);
    RestartProgram(other.game);
    EXPECT_EQ(other.shell.restarts, 1);
    EXPECT_EQ(other.shell.ends, 0);
    EXPECT_FALSE(other.game.timer(TimerId::tTime));
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
