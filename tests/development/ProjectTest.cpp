#include <gtest/gtest.h>

#include "development/Project.h"
#include "game/DayClock.h"
#include "game/NewGame.h"
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

// A fresh game in the development window, with nothing started.
class StartProjectTest : public ::testing::Test {
  protected:
    StartProjectTest() { NewGame(game); }

    TestGame t;
    Game& game = t.game;
};

TEST_F(StartProjectTest, ActivationOffersTheInstalledEnvironmentAndTheWebOnceLearned) {
    struct Row {
        const char* name;
        int ideId;
        bool web;
        std::array<bool, 5> enabled;  // Delphi, Builder, Kylix, Basic, web
    };
    const Row rows[] = {
        {"nothing installed", 0, false, {false, false, false, false, false}},
        {"Delphi", 1, false, {true, false, false, false, false}},
        {"C++ Builder", 2, false, {false, true, false, false, false}},
        {"Kylix", 3, false, {false, false, true, false, false}},
        {"Visual Basic", 4, true, {false, false, false, true, true}},
        {"the web alone", 0, true, {false, false, false, false, true}},
    };
    for (const Row& row : rows) {
        game.IdeId = static_cast<std::uint8_t>(row.ideId);
        game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = row.web;
        DeveloperActivated(game);
        EXPECT_EQ(game.developer.languageEnabled, row.enabled) << row.name;
    }
    // Two of the three web courses are not enough; an unknown environment leaves the buttons.
    game.IdeId = 4;
    DeveloperActivated(game);
    game.IdeId = 9;
    game.Knowledge[8] = false;
    DeveloperActivated(game);
    EXPECT_EQ(game.developer.languageEnabled,
              (std::array<bool, 5>{false, false, false, true, false}));
}

TEST_F(StartProjectTest, ALanguageOffersItsKindsAndTheLabelsOutliveTheEnvironment) {
    game.IdeId = 3;
    DeveloperActivated(game);
    SelectLanguage(game, 0);  // Delphi: not installed
    EXPECT_EQ(game.developer.selectedLanguage, kNoLanguage);
    SelectLanguage(game, 2);
    EXPECT_EQ(game.developer.projectEnabled,
              (std::array<bool, 8>{false, false, false, false, false, true, true, false}));
    game.IdeId = 0;
    DeveloperActivated(game);
    EXPECT_FALSE(game.developer.languageEnabled[2]);
    EXPECT_TRUE(game.developer.projectEnabled[6]);
    StartProject(game, 7);
    EXPECT_EQ(game.ProjectKind, 7);
}

TEST_F(StartProjectTest, ThePriceComesFromTheMoodAtTheStartAndTheRunningSequence) {
    struct Row {
        int kind;
        int mood;
        const char* name;
        int base;
        int range;
    };
    const Row rows[] = {
        {7, 100, "Операционная система", 30, 30},
        {1, 50, "Медиа проигрыватель", 5, 5},
        {6, 255, "Интернет браузер", 20, 30},
        {8, 1, "Web-сайт", 10, 50},
    };
    for (const Row& row : rows) {
        TestGame fresh(99);
        Game& g = fresh.game;
        NewGame(g);
        g.random.setSeed(123456789);
        g.Mood = static_cast<std::uint8_t>(row.mood);
        g.developer.projectEnabled[static_cast<std::size_t>(row.kind - 1)] = true;
        // The draw continues the running sequence: no reseed.
        LcgRandom expected([] { return 0u; });
        expected.setSeed(123456789);
        const int value = row.base + expected.Random(row.range);

        StartProject(g, row.kind);
        EXPECT_EQ(g.ProjectName, row.name);
        EXPECT_EQ(g.ProjectValue, value) << row.name;
        EXPECT_EQ(g.ProjectPrice, row.mood * value / 100) << row.name;
        EXPECT_TRUE(g.ProjectActive);
        EXPECT_EQ(g.ProjectProgress, 0);
        EXPECT_FALSE(g.developer.projectEnabled[static_cast<std::size_t>(row.kind - 1)]);
        EXPECT_FALSE(g.developer.gProgressVisible);
    }
}

TEST_F(StartProjectTest, ANewProjectAfterOneSoldInDevelopmentStartsItsGaugeAtZero) {
    game.ProjectActive = true;
    game.ProjectProgress = 7;
    game.developer.gProgress = 70;
    game.developer.gProgressVisible = true;
    game.ProjectKind = 0;  // sold
    game.developer.projectEnabled[0] = true;
    StartProject(game, 1);
    EXPECT_EQ(game.developer.gProgress, 0);
    EXPECT_EQ(game.ProjectProgress, 0);
}

TEST_F(StartProjectTest, AnUnsoldProjectMustBeSoldFirst) {
    game.developer.projectEnabled.fill(true);
    StartProject(game, 2);
    const GameState started = game;
    StartProject(game, 3);
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text, "Необходимо продать старый проект");
    EXPECT_EQ(t.shell.messages[0].title, "");
    EXPECT_EQ(t.shell.messages[0].icon, MessageIcon::Question);
    EXPECT_TRUE(game == started);
}

}  // namespace
}  // namespace tessaro
