#include <gtest/gtest.h>

#include "core/Navigation.h"
#include "persistence/SavedGame.h"
#include "support/RecordingShell.h"
#include "titles/AboutAndCongratulations.h"
#include "titles/StartGame.h"

namespace tessaro {
namespace {

using testing::running;
using testing::TestGame;

class StartGameTest : public ::testing::Test {
  protected:
    StartGameTest() { game.window(WindowId::fStart).shown = true; }

    TestGame t{12345};
    Game& game = t.game;
};

TEST_F(StartGameTest, AnEmptyNameIsRefusedAndNothingStarts) {
    EXPECT_FALSE(StartGame(game, ""));
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text, "Необходимо ввести имя");
    EXPECT_EQ(t.shell.messages[0].title, "Tessaro 1.1");
    EXPECT_EQ(t.shell.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(game.Money, 5000);
    EXPECT_TRUE(game.window(WindowId::fStart).shown);
    EXPECT_FALSE(game.window(WindowId::fMain).shown);
    EXPECT_FALSE(running(game, TimerId::tTime));
}

TEST_F(StartGameTest, ANameStartsANewGameInTheMainWindow) {
    EXPECT_TRUE(StartGame(game, "Иван"));
    EXPECT_TRUE(t.shell.messages.empty());
    EXPECT_EQ(game.PlayerName, "Иван");
    EXPECT_EQ(game.main.lName, "Иван");
    EXPECT_EQ(game.Money, 500);
    EXPECT_TRUE(game.window(WindowId::fMain).shown);
    EXPECT_FALSE(game.window(WindowId::fStart).shown);
    EXPECT_TRUE(running(game, TimerId::tTime));
    EXPECT_EQ(game.VirusDay, 51);
}

TEST_F(StartGameTest, ASingleSpaceIsAName) {
    EXPECT_TRUE(StartGame(game, " "));
    EXPECT_EQ(game.main.lName, " ");
}

TEST_F(StartGameTest, ALongNameIsCutToTwoHundredFiftyFiveCharacters) {
    std::string name;
    for (int i = 0; i < 300; ++i) {
        name += i % 2 == 0 ? "Я" : "z";
    }
    EXPECT_TRUE(StartGame(game, name));
    std::string expected;
    for (int i = 0; i < 255; ++i) {
        expected += i % 2 == 0 ? "Я" : "z";
    }
    EXPECT_EQ(game.PlayerName, expected);
}

TEST_F(StartGameTest, LeavingTheAboutWindowResumesTheGameOrTheCongratulations) {
    StartGame(game, "Иван");
    stopTimer(game, TimerId::tTime);
    game.window(WindowId::Form2).shown = true;
    LeaveAbout(game);
    EXPECT_TRUE(running(game, TimerId::tTime));
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
    EXPECT_FALSE(game.window(WindowId::Form2).shown);

    game.Experience = 1001;
    stopTimer(game, TimerId::tTime);
    game.window(WindowId::fMain).shown = false;
    game.window(WindowId::Form1).shown = true;
    ShowAboutAfterWin(game);
    EXPECT_FALSE(game.window(WindowId::Form1).enabled);
    EXPECT_TRUE(game.window(WindowId::Form2).shown);
    LeaveAbout(game);
    EXPECT_TRUE(game.window(WindowId::Form1).enabled);
    EXPECT_FALSE(game.window(WindowId::Form2).shown);
    EXPECT_FALSE(running(game, TimerId::tTime));
    EXPECT_FALSE(game.window(WindowId::fMain).shown);
}

// The virus day is not saved: a game loaded past the run's virus day draws its next one from the
// loaded day (a fresh seed, 40 + Random(30) days on), from the menu as from the command line; a
// virus day still ahead stays.
TEST_F(StartGameTest, ALoadedGameKeepsAVirusAhead) {
    // Reseeding from 12345 gives Random(30) = 11: the run's first virus day is 51.
    struct Row {
        const char* name;
        bool fromTheMenu;
        int savedDay;
        int virusDay;
    };
    const Row rows[] = {
        {"menu, before the virus day", true, 39, 51},
        {"menu, past it", true, 70, 70 + 40 + 11},
        {"command line, before it", false, 39, 51},
        {"command line, past it", false, 70, 70 + 40 + 11},
        {"menu, on the day itself", true, 51, 51},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestGame saved;
        StartGame(saved.game, "Пётр");
        saved.game.Day = row.savedDay;
        TestGame loading{12345};
        loading.shell.files["petr.tso"] = SavedGameLines(saved.game);
        if (row.fromTheMenu) {
            StartGame(loading.game, "Иван");
            ASSERT_EQ(loading.game.VirusDay, 51);
            loading.shell.fileAnswers.push_back("petr.tso");
            LoadGame(loading.game);
        } else {
            ASSERT_TRUE(StartGameFromFile(loading.game, "petr.tso"));
        }
        EXPECT_EQ(loading.game.Day, row.savedDay);
        EXPECT_EQ(loading.game.VirusDay, row.virusDay);
    }
}

TEST_F(StartGameTest, AGameStartedFromAFileSkipsTheStartWindow) {
    TestGame saved;
    StartGame(saved.game, "Пётр");
    saved.game.Money = 777;
    t.shell.files["petr.tso"] = SavedGameLines(saved.game);
    game.window(WindowId::fStart).shown = false;

    EXPECT_TRUE(StartGameFromFile(game, "petr.tso"));
    EXPECT_EQ(game.PlayerName, "Пётр");
    EXPECT_EQ(game.main.lName, "Пётр");
    EXPECT_EQ(game.Money, 777);
    EXPECT_EQ(game.main.lMoney, "777");
    EXPECT_TRUE(game.window(WindowId::fMain).shown);
    EXPECT_FALSE(game.window(WindowId::fStart).shown);
    EXPECT_TRUE(running(game, TimerId::tTime));
    EXPECT_EQ(game.VirusDay, 51);  // drawn as when the main window is shown
    EXPECT_EQ(game.dialogs.odOpenGame, "petr.tso");
    EXPECT_TRUE(t.shell.messages.empty());
}

TEST_F(StartGameTest, AFileThatDoesNotLoadLeavesTheProgramAsItStarted) {
    t.shell.files["bad.tso"] = {"Пётр", "maybe"};
    const GameState before = game;
    EXPECT_FALSE(StartGameFromFile(game, "bad.tso"));
    EXPECT_FALSE(StartGameFromFile(game, "missing.tso"));
    EXPECT_TRUE(game == before);
    ASSERT_EQ(t.shell.messages.size(), 2u);
    EXPECT_EQ(t.shell.messages[0].text, "Line 2: 'maybe' is not a valid boolean value");
}

TEST_F(StartGameTest, TheAboutWindowLeftBeforeTheClockSawTheWinStillGivesTheClockBack) {
    StartGame(game, "Иван");
    game.Experience = 1001;  // reached just now; the clock has not ticked since
    ShowAbout(game);
    LeaveAbout(game);
    EXPECT_TRUE(running(game, TimerId::tTime));
    EXPECT_TRUE(game.window(WindowId::fMain).enabled);
}

}  // namespace
}  // namespace tessaro
