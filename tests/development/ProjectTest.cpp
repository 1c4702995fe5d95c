#include <gtest/gtest.h>

#include "core/DayClock.h"
#include "core/NewGame.h"
#include "development/Project.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::TestGame;

class ProjectTest : public ::testing::Test {
  protected:
    ProjectTest() {
        NewGame(game);
        game.ProjectKind = 7;
        game.ProjectName = "Операционная система";
        game.ProjectPrice = 45;
        game.ProjectActive = true;
        game.ProjectProgress = 0;
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(ProjectTest, EachDayFillsTheGaugeByTenPercent) {
    AdvanceProject(game);
    EXPECT_EQ(game.ProjectProgress, 1);
    EXPECT_EQ(game.developer.gProgress, 10);
    EXPECT_TRUE(game.developer.gProgressVisible);
    for (int day = 2; day <= 10; ++day) {
        AdvanceProject(game);
    }
    EXPECT_EQ(game.developer.gProgress, 100);
    EXPECT_TRUE(game.ProjectActive);
}

TEST_F(ProjectTest, TheEleventhDayFinishesTheProject) {
    for (int day = 1; day <= 11; ++day) {
        AdvanceProject(game);
    }
    EXPECT_FALSE(game.ProjectActive);
    EXPECT_EQ(game.Experience, 5);
    EXPECT_EQ(game.ProjectName, "Нет");
    EXPECT_EQ(game.developer.lNowProject, "Операционная система");
    EXPECT_EQ(game.internet.lNowProject, "Операционная система");
    EXPECT_TRUE(game.developer.projectEnabled[6]);
    EXPECT_FALSE(game.developer.gProgressVisible);
    EXPECT_EQ(game.developer.gProgress, 0);
    // The finished project waits to be sold.
    EXPECT_EQ(game.ProjectKind, 7);
    EXPECT_EQ(game.ProjectPrice, 45);

    AdvanceProject(game);
    EXPECT_EQ(game.Experience, 5);
}

TEST_F(ProjectTest, AProjectSoldInDevelopmentStillFinishesButEnablesNoLabel) {
    game.ProjectKind = 0;
    game.ProjectProgress = 10;
    AdvanceProject(game);
    EXPECT_EQ(game.Experience, 5);
    EXPECT_EQ(game.developer.lNowProject, "Операционная система");
    for (bool enabled : game.developer.projectEnabled)
        EXPECT_FALSE(enabled);
}

TEST_F(ProjectTest, TheDayClockAdvancesTheProjectOncePerDay) {
    game.VirusDay = 100;
    for (int tick = 0; tick < 241 * 3; ++tick) {
        DayClockTick(game);
    }
    EXPECT_EQ(game.ProjectProgress, 3);
}

}  // namespace
}  // namespace tessaro
