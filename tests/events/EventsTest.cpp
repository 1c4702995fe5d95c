#include <gtest/gtest.h>

#include "core/Navigation.h"
#include "development/Project.h"
#include "events/Leisure.h"
#include "events/Virus.h"
#include "game/Activities.h"
#include "game/DayClock.h"
#include "game/NewGame.h"
#include "internet/Market.h"
#include "software/Installation.h"
#include "support/RecordingShell.h"
#include "support/RunFor.h"

namespace tessaro {
namespace {

using testing::running;
using testing::seedDrawing;
using testing::TestGame;
using testing::VirtualTime;

TEST(LeisureTest, AnActivityNeedsMoreMoneyThanItsPrice) {
    TestGame t;
    Game& game = t.game;
    NewGame(game);
    game.Money = 5;
    const GameState poor = game;
    DoActivity(game, 0);
    EXPECT_TRUE(game == poor);
    game.Money = 6;
    DoActivity(game, 0);
    EXPECT_EQ(game.Money, 1);
    EXPECT_EQ(game.Mood, 105);
    EXPECT_EQ(game.main.lMoney, "1");
    EXPECT_EQ(game.main.gMood, 105);
    EXPECT_TRUE(t.shell.messages.empty());
}

TEST(LeisureTest, TheMoodRisesPastAHundredButStopsAtTwoHundredFiftyFive) {
    struct Row {
        int activity;
        int moodBefore;
        int moodAfter;
    };
    const Row rows[] = {{1, 100, 112}, {2, 100, 125}, {3, 100, 137}, {4, 100, 160},
                        {4, 200, 255}, {4, 255, 255}, {0, 251, 255}};
    for (const Row& row : rows) {
        TestGame t;
        NewGame(t.game);
        t.game.Money = 1000;
        t.game.Mood = static_cast<std::uint8_t>(row.moodBefore);
        DoActivity(t.game, row.activity);
        EXPECT_EQ(t.game.Mood, row.moodAfter) << row.activity << " from " << row.moodBefore;
        EXPECT_EQ(t.game.Money, 1000 - activities()[static_cast<std::size_t>(row.activity)].price);
    }
}

// A game with Windows XP, Delphi, Norton and Office installed and a project under way, on
// the day the virus comes.
struct VirusDayGame {
    VirusDayGame() {
        NewGame(game);
        game.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
        game.DiskTotal = game.DiskFree = 10000;
        for (SoftwareIndex item : {osWXP, dvD7, avNA, lOffice}) {
            Install(game, softwareItem(item));
        }
        game.developer.projectEnabled[1] = true;
        StartProject(game, 2);
        game.ProjectProgress = 4;
        game.developer.gProgress = 40;
        game.developer.gProgressVisible = true;
        game.Day = 50;
        game.VirusDay = 50;
        game.DayTicks = 240;
        DayClockTick(game);
    }

    TestGame t;
    Game& game = t.game;
};

// What a virus that struck an operating system leaves.
void ExpectWiped(const GameState& game) {
    EXPECT_EQ(game.virus.lKill, "Накрылась операционная система.");
    EXPECT_EQ(game.DiskFree, 10000);
    EXPECT_EQ(game.OsId, 0);
    EXPECT_EQ(game.IdeId, 0);
    EXPECT_EQ(game.AvId, 0);
    EXPECT_FALSE(game.ExtraSoft[2]);
    EXPECT_EQ(game.OsSize + game.IdeSize + game.AvSize, 0);
    for (bool enabled : game.software.itemEnabled) {
        EXPECT_TRUE(enabled);
    }
    EXPECT_EQ(game.software.gFreeSpace, 100);
    EXPECT_EQ(game.main.lOS, "Нет");
    EXPECT_EQ(game.main.lIDE, "Нет");
    EXPECT_EQ(game.main.lAV, "Нет");
    EXPECT_EQ(game.ProjectName, "Нет");
    EXPECT_FALSE(game.ProjectActive);
    EXPECT_EQ(game.ProjectProgress, 0);
    EXPECT_EQ(game.developer.gProgress, 0);
    // The gauge goes to 0 but stays visible; the project can still be sold.
    EXPECT_TRUE(game.developer.gProgressVisible);
    EXPECT_EQ(game.ProjectKind, 2);
    EXPECT_NE(game.ProjectValue, 0);
}

class VirusTest : public ::testing::Test {
  protected:
    VirusDayGame day;
    TestGame& t = day.t;
    Game& game = day.game;
};

TEST_F(VirusTest, TheVirusDayStopsTheGameAndShowsTheVirusWindow) {
    EXPECT_TRUE(game.window(WindowId::Form4).shown);
    EXPECT_FALSE(game.window(WindowId::fMain).enabled);
    EXPECT_FALSE(running(game, TimerId::tTime));
    EXPECT_EQ(game.Day, 51);
    VirusShown(game);
    EXPECT_TRUE(game.virus.killEnabled);
    EXPECT_TRUE(game.virus.leaveEnabled);
    EXPECT_EQ(game.virus.lKill, "");
}

TEST_F(VirusTest, EachAntivirusKillsWithItsOwnChance) {
    struct Row {
        const char* name;
        int avId;
        int draw;  // Random(n) after the reseed
        int killDraw;
        bool kills;
    };
    const Row rows[] = {
        {"Dr.Web fails on 1", 1, 0, 1, false},   {"Dr.Web kills on 2", 1, 1, 2, true},
        {"Dr.Web kills on 3", 1, 2, 3, true},    {"Norton fails on 1", 2, 0, 1, false},
        {"Norton kills on 14", 2, 13, 14, true}, {"Kaspersky always kills", 3, 0, 0, true},
    };
    for (const Row& row : rows) {
        VirusDayGame fresh;
        Game& g = fresh.game;
        g.AvId = static_cast<std::uint8_t>(row.avId);
        VirusShown(g);
        const int n = row.avId == 1 ? 3 : 14;
        fresh.t.seed = seedDrawing(n, row.draw);
        KillVirus(g);
        EXPECT_EQ(g.VirusKillDraw, row.killDraw) << row.name;
        if (row.kills) {
            EXPECT_EQ(g.virus.lKill, "Вам удалось уничтожить вирус.") << row.name;
            EXPECT_EQ(g.OsId, kWindowsXp) << row.name;
        } else {
            ExpectWiped(g);
        }
        EXPECT_TRUE(running(g, TimerId::tmFormClose)) << row.name;
        EXPECT_FALSE(g.virus.killEnabled);
        EXPECT_FALSE(g.virus.leaveEnabled);
    }
}

TEST_F(VirusTest, WithoutAnAntivirusOnlyLeavingRemains) {
    game.AvId = 0;
    game.VirusKillDraw = 7;
    VirusShown(game);
    EXPECT_FALSE(game.virus.killEnabled);
    KillVirus(game);
    EXPECT_FALSE(game.virus.choiceMade);
    EXPECT_EQ(game.VirusKillDraw, 7);  // kept from the last event
    LeaveVirus(game);
    ExpectWiped(game);
}

TEST_F(VirusTest, WithoutAnOperatingSystemTheVirusDoesNoHarm) {
    game.OsId = 0;
    const int free = game.DiskFree;
    LeaveVirus(game);
    EXPECT_EQ(game.virus.lKill, "Вирус не причинил вреда.");
    EXPECT_EQ(game.DiskFree, free);
    EXPECT_EQ(game.IdeId, 1);
    EXPECT_TRUE(game.ProjectActive);
}

TEST_F(VirusTest, TheEventEndsTwoSecondsAfterTheChoice) {
    VirtualTime time(game);
    LeaveVirus(game);
    time.runFor(1990);
    EXPECT_TRUE(game.window(WindowId::Form4).shown);
    EXPECT_FALSE(running(game, TimerId::tTime));
    time.runFor(10);
    EXPECT_FALSE(game.window(WindowId::Form4).shown);
    EXPECT_FALSE(running(game, TimerId::tmFormClose));
    EXPECT_EQ(game.virus.lKill, "");
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
    EXPECT_TRUE(running(game, TimerId::tTime));
}

TEST_F(VirusTest, TheCloseBoxLeavesTheVirusOnlyBeforeAChoice) {
    {
        VirusDayGame fresh;
        CloseVirusWindow(fresh.game);
        ExpectWiped(fresh.game);
        EXPECT_FALSE(fresh.game.window(WindowId::Form4).shown);
        EXPECT_TRUE(running(fresh.game, TimerId::tmFormClose));
    }
    // After a successful kill the close box only hides the window: the system stays.
    game.AvId = 3;
    VirusShown(game);
    KillVirus(game);
    CloseVirusWindow(game);
    EXPECT_FALSE(game.window(WindowId::Form4).shown);
    EXPECT_EQ(game.OsId, kWindowsXp);
    EXPECT_TRUE(VirusEventUnderWay(game));
    VirtualTime time(game);
    time.runFor(2000);
    EXPECT_FALSE(VirusEventUnderWay(game));
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
}

// A finished project waits for its sale: the virus takes the system, not the project. Both
// labels keep its name, a save keeps it, it still bars a new one and still sells.
TEST(VirusAfterAFinishedProjectTest, TheProjectKeepsItsNameAndStillSells) {
    TestGame t;
    Game& game = t.game;
    NewGame(game);
    game.OsId = kWindowsXp;
    game.developer.projectEnabled[1] = true;
    StartProject(game, 2);
    game.ProjectProgress = 10;
    AdvanceProject(game);
    ASSERT_FALSE(game.ProjectActive);
    const GameState finished = game;
    ASSERT_EQ(finished.developer.lNowProject, "Текстовый редактор");

    VirusStrike(game);
    EXPECT_EQ(game.OsId, 0);
    EXPECT_EQ(game.developer.lNowProject, finished.developer.lNowProject);
    EXPECT_EQ(game.internet.lNowProject, finished.internet.lNowProject);
    EXPECT_EQ(game.ProjectName, finished.ProjectName);
    EXPECT_EQ(game.ProjectProgress, finished.ProjectProgress);
    EXPECT_EQ(game.developer.gProgress, finished.developer.gProgress);

    StartProject(game, 2);
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text, "Необходимо продать старый проект");
    EXPECT_EQ(game.ProjectKind, 2);

    const int money = game.Money;
    game.internet.saleVisible = true;
    t.seed = seedDrawing(9, 8);  // a sale
    TrySell(game);
    EXPECT_EQ(game.Money, money + game.ProjectPrice);
    EXPECT_EQ(game.ProjectKind, 0);
}

// The virus can come while the development window is open, since days pass there. It holds
// that window greyed beneath it, and gives it back with the main window.
TEST(VirusDuringAnActivityTest, TheEventGivesBackTheWindowItInterrupted) {
    TestGame t;
    Game& game = t.game;
    NewGame(game);
    OpenActivity(game, WindowId::fDeveloper);
    game.VirusDay = 1;
    game.DayTicks = 240;
    DayClockTick(game);
    ASSERT_TRUE(game.window(WindowId::Form4).shown);
    EXPECT_FALSE(game.window(WindowId::fDeveloper).enabled);

    // Closing the development window meanwhile does not end the event early.
    CloseActivity(game, WindowId::fDeveloper);
    EXPECT_FALSE(game.window(WindowId::fMain).enabled);
    EXPECT_FALSE(running(game, TimerId::tTime));
    LeaveVirus(game);
    EndVirusEvent(game);
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
    EXPECT_TRUE(game.window(WindowId::fDeveloper).enabled);
    EXPECT_TRUE(running(game, TimerId::tTime));

    // With the development window still open, the main window waits for it.
    OpenActivity(game, WindowId::fDeveloper);
    game.VirusDay = game.Day;
    game.DayTicks = 240;
    DayClockTick(game);
    EXPECT_FALSE(game.window(WindowId::fDeveloper).enabled);
    LeaveVirus(game);
    EndVirusEvent(game);
    EXPECT_TRUE(game.window(WindowId::fDeveloper).enabled);
    EXPECT_FALSE(game.window(WindowId::fMain).enabled);
    EXPECT_TRUE(running(game, TimerId::tTime));
    CloseActivity(game, WindowId::fDeveloper);
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
}

}  // namespace
}  // namespace tessaro
