#include <gtest/gtest.h>

#include "game/NewGame.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::running;
using testing::TestGame;

TEST(NewGameTest, ProgramStartValuesStandUntilANewGame) {
    TestGame t;
    const Game& game = t.game;
    EXPECT_EQ(game.Money, 5000);
    EXPECT_EQ(game.Mood, 100);
    EXPECT_EQ(game.Day, 1);
    EXPECT_EQ(game.Wage, 0);
    EXPECT_FALSE(game.SoftwareOpen);
    EXPECT_FALSE(game.InternetOpen);
    EXPECT_EQ(game.DiskTotal, 0);
    EXPECT_EQ(game.Status, "");
    EXPECT_EQ(game.ProjectName, "");
    EXPECT_EQ(game.VirusDay, 0);
    EXPECT_FALSE(running(game, TimerId::tTime));
    EXPECT_EQ(game.developer.lNowProject, "Нет");
    EXPECT_EQ(game.internet.lNowProject, "Нет");
    EXPECT_FALSE(game.main.bSoftwareImageEnabled);
    EXPECT_FALSE(game.main.bInternetImageEnabled);
    for (const WindowState& window : game.windows) {
        EXPECT_FALSE(window.shown);
    }
}

TEST(NewGameTest, PutsThePlayerAtTheStart) {
    TestGame t;
    Game& game = t.game;
    // A state that a new game must clear.
    game.Money = 77;
    game.Mood = 3;
    game.Experience = 900;
    game.StatusLevel = 3;
    game.Knowledge.fill(true);
    game.OsId = 2;
    game.IdeId = 1;
    game.AvId = 3;
    game.ExtraSoft.fill(true);
    game.DiskFree = 10;
    game.DiskTotal = 20;
    game.OsSize = game.IdeSize = game.AvSize = 5;
    game.PartLevel.fill(2);
    game.PartTradeIn.fill(30);
    game.Connected = true;
    game.DialStep = game.MissionStep = 4;
    game.ToolOwned.fill(true);
    game.MissionDraw = 8;
    game.MissionAmount = 9;

    NewGame(game);

    EXPECT_EQ(game.Day, 1);
    EXPECT_EQ(game.Experience, 0);
    EXPECT_EQ(game.StatusLevel, 0);
    EXPECT_EQ(game.Status, "Ламер");
    EXPECT_EQ(game.Money, 500);
    EXPECT_EQ(game.Mood, 100);
    EXPECT_EQ(game.Wage, 1);
    for (bool known : game.Knowledge)
        EXPECT_FALSE(known);
    EXPECT_EQ(game.OsId + game.IdeId + game.AvId, 0);
    for (bool installed : game.ExtraSoft)
        EXPECT_FALSE(installed);
    EXPECT_EQ(game.DiskFree + game.DiskTotal + game.OsSize + game.IdeSize + game.AvSize, 0);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(game.PartLevel[slot], 0);
        EXPECT_EQ(game.PartTradeIn[slot], 0);
    }
    EXPECT_FALSE(game.Connected);
    EXPECT_EQ(game.DialStep + game.MissionStep + game.MissionDraw + game.MissionAmount, 0);
    for (bool owned : game.ToolOwned)
        EXPECT_FALSE(owned);
    EXPECT_EQ(game.ProjectName, "Нет");
    EXPECT_TRUE(running(game, TimerId::tTime));

    for (bool enabled : game.internet.toolEnabled)
        EXPECT_TRUE(enabled);
    for (bool enabled : game.internet.missionEnabled)
        EXPECT_TRUE(enabled);
    for (bool enabled : game.software.itemEnabled)
        EXPECT_TRUE(enabled);
}

TEST(NewGameTest, MainWindowShowsTheNewPlayer) {
    TestGame t;
    NewGame(t.game);
    const MainCaptions& main = t.game.main;
    EXPECT_EQ(main.lStatus, "Ламер");
    EXPECT_EQ(main.lExpansion, "0");
    EXPECT_EQ(main.lJob, "Пособие по безработице $1/день");
    EXPECT_EQ(main.lMoney, "500");
    EXPECT_EQ(main.gMood, 100);
    EXPECT_EQ(main.lDay, "1");
    for (const std::string& part : main.hardware)
        EXPECT_EQ(part, "Нет");
    EXPECT_EQ(main.lOS, "Нет");
    EXPECT_EQ(main.lIDE, "Нет");
    EXPECT_EQ(main.lAV, "Нет");
    EXPECT_FALSE(main.bSoftwareImageEnabled);
    EXPECT_FALSE(main.bInternetImageEnabled);
}

// What a new game leaves alone stays at its program-start value; a saved game relies on it.
TEST(NewGameTest, LeavesTheJobTheProjectAndTheClockPhaseAlone) {
    TestGame t;
    Game& game = t.game;
    game.JobId = 4;
    game.ProjectKind = 2;
    game.ProjectPrice = 40;
    game.ProjectValue = 9;
    game.ProjectActive = true;
    game.ProjectProgress = 6;
    game.DialDraw = 3;
    game.DayTicks = 17;
    game.MoodTicks = 33;
    game.developer.lNowProject = "Антивирус";

    NewGame(game);

    EXPECT_EQ(game.JobId, 4);
    EXPECT_EQ(game.ProjectKind, 2);
    EXPECT_EQ(game.ProjectPrice, 40);
    EXPECT_EQ(game.ProjectValue, 9);
    EXPECT_TRUE(game.ProjectActive);
    EXPECT_EQ(game.ProjectProgress, 6);
    EXPECT_EQ(game.DialDraw, 3);
    EXPECT_EQ(game.DayTicks, 17);
    EXPECT_EQ(game.MoodTicks, 33);
    EXPECT_EQ(game.developer.lNowProject, "Антивирус");
}

}  // namespace
}  // namespace tessaro
