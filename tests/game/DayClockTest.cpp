#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/Navigation.h"
#include "game/Activities.h"
#include "game/DayClock.h"
#include "game/KeptGame.h"
#include "game/NewGame.h"
#include "support/ClockStates.h"
#include "support/RecordingShell.h"
#include "support/RunFor.h"

namespace tessaro {
namespace {

using testing::RunFor;
using testing::running;
using testing::TestGame;

class DayClockTest : public ::testing::Test {
  protected:
    DayClockTest() {
        NewGame(game);
        game.VirusDay = 40;
    }

    void Tick(int count) {
        for (int i = 0; i < count; ++i) {
            DayClockTick(game);
        }
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(DayClockTest, TheFirstDayEndsAtTheTwoHundredFortyFirstTick) {
    Tick(240);
    EXPECT_EQ(game.Day, 1);
    EXPECT_EQ(game.Money, 500);
    EXPECT_EQ(game.DayTicks, 240);

    Tick(1);
    EXPECT_EQ(game.Day, 2);
    EXPECT_EQ(game.Money, 501);
    EXPECT_EQ(game.main.lDay, "2");
    EXPECT_EQ(game.main.lMoney, "501");
    EXPECT_EQ(game.DayTicks, 0);
}

TEST_F(DayClockTest, GameTimeRunsOnlyWhileTheClockRuns) {
    RunFor(game, 2410);
    EXPECT_EQ(game.Day, 2);
    stopTimer(game, TimerId::tTime);
    RunFor(game, 10000);
    EXPECT_EQ(game.Day, 2);
}

TEST_F(DayClockTest, AMoodPointGoesEveryHundredEightyFirstTick) {
    Tick(180);
    EXPECT_EQ(game.Mood, 100);
    EXPECT_EQ(game.MoodTicks, 180);
    Tick(1);
    EXPECT_EQ(game.Mood, 99);
    EXPECT_EQ(game.main.gMood, 99);
    EXPECT_EQ(game.MoodTicks, 0);
    Tick(181);
    EXPECT_EQ(game.Mood, 98);
}

TEST_F(DayClockTest, AnInterruptedDayGoesOnWhereItStopped) {
    game.DayTicks = 200;
    game.MoodTicks = 100;
    Tick(41);
    EXPECT_EQ(game.Day, 2);
    EXPECT_EQ(game.MoodTicks, 141);
}

TEST_F(DayClockTest, StatusFollowsExperience) {
    struct Row {
        int experience;
        int level;
        const char* status;
    };
    const Row rows[] = {
        {0, 0, "Ламер"},          {149, 0, "Ламер"},        {150, 0, "Ламер"},
        {151, 1, "Пользователь"}, {300, 1, "Пользователь"}, {301, 2, "Программист"},
        {600, 2, "Программист"},  {601, 3, "Хакер"},        {1000, 3, "Хакер"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.experience);
        NewGame(game);
        game.Experience = row.experience;
        Tick(1);
        EXPECT_EQ(game.StatusLevel, row.level);
        EXPECT_EQ(game.Status, row.status);
        EXPECT_EQ(game.main.lStatus, row.status);
        EXPECT_EQ(game.main.lExpansion, std::to_string(row.experience));
    }
}

TEST_F(DayClockTest, AtExactlyOneHundredFiftyTheStatusStaysAsItWas) {
    game.StatusLevel = 1;
    game.Status = "Пользователь";
    game.Experience = 150;
    Tick(1);
    EXPECT_EQ(game.StatusLevel, 1);
    EXPECT_EQ(game.main.lStatus, "Пользователь");
}

TEST_F(DayClockTest, ExperienceAboveOneThousandWinsTheGame) {
    game.Experience = 1000;
    Tick(1);
    EXPECT_FALSE(game.window(WindowId::Form1).shown);

    // The tick that wins ends with the win: a mood or money that would lose, or the virus day
    // ending with it, comes to nothing.
    struct Row {
        const char* name;
        int mood;
        int money;
        bool virusDayEnds;
    };
    const Row rows[] = {
        {"in good health", 50, 500, false},
        {"with mood 0", 0, 500, false},
        {"in debt", 50, -1, false},
        {"on the virus day", 50, 500, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestGame fresh;
        Game& won = fresh.game;
        NewGame(won);
        won.window(WindowId::fMain).shown = true;
        won.window(WindowId::fDeveloper).shown = true;
        won.Experience = 1001;
        won.Mood = static_cast<std::uint8_t>(row.mood);
        won.Money = row.money;
        won.VirusDay = row.virusDayEnds ? won.Day : won.Day + 40;
        won.DayTicks = row.virusDayEnds ? kLastTickOfDay : 0;
        const GameState before = won;
        DayClockTick(won);
        EXPECT_TRUE(won.window(WindowId::Form1).shown);
        EXPECT_FALSE(won.window(WindowId::fMain).shown);
        EXPECT_FALSE(won.window(WindowId::fDeveloper).shown);
        EXPECT_FALSE(won.window(WindowId::Form4).shown);
        EXPECT_FALSE(running(won, TimerId::tTime));
        EXPECT_TRUE(fresh.shell.messages.empty());
        EXPECT_EQ(fresh.shell.ends, 0);
        EXPECT_EQ(won.Day, before.Day);
        EXPECT_EQ(won.Mood, before.Mood);
        EXPECT_EQ(won.Money, before.Money);
    }
}

TEST_F(DayClockTest, LosingShowsOneMessageWithTheClockStoppedThenEndsTheProgram) {
    struct Row {
        const char* name;
        int mood;
        int money;
        const char* message;
    };
    const Row rows[] = {
        {"mood", 0, 500, "У вас плохое настроение. К сожалению вы проиграли"},
        {"money", 50, -1, "Закончились все деньги. К сожалению вы проиграли"},
        {"both", 0, -1, "У вас плохое настроение. К сожалению вы проиграли"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestGame fresh;
        NewGame(fresh.game);
        fresh.game.Mood = static_cast<std::uint8_t>(row.mood);
        fresh.game.Money = row.money;
        DayClockTick(fresh.game);
        ASSERT_EQ(fresh.shell.messages.size(), 1u);
        EXPECT_EQ(fresh.shell.messages[0].text, row.message);
        EXPECT_EQ(fresh.shell.messages[0].title, "Tessaro 1.1");
        EXPECT_EQ(fresh.shell.messages[0].icon, MessageIcon::Question);
        EXPECT_FALSE(fresh.shell.messages[0].timersRunning[0]);
        EXPECT_EQ(fresh.shell.ends, 1);
        EXPECT_FALSE(running(fresh.game, TimerId::tTime));
    }
}

TEST_F(DayClockTest, NoMoneyAtAllIsNotYetALoss) {
    game.Money = 0;
    Tick(1);
    EXPECT_TRUE(t.shell.messages.empty());
    EXPECT_TRUE(running(game, TimerId::tTime));
}

TEST_F(DayClockTest, UntouchedMoodRunsOutAfterEighteenThousandOneHundredTicks) {
    game.VirusDay = 1000;
    Tick(18100);
    EXPECT_EQ(game.Mood, 0);
    EXPECT_TRUE(t.shell.messages.empty());
    Tick(1);
    EXPECT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.ends, 1);
}

TEST_F(DayClockTest, TheWageIsPaidEvenWhenNegative) {
    game.Wage = -3;
    game.DayTicks = 240;
    Tick(1);
    EXPECT_EQ(game.Money, 497);
    EXPECT_EQ(game.main.lMoney, "497");
}

// A saved game may start these sums at any value their lines allow; a day end never wraps one.
TEST_F(DayClockTest, SumsAtTheirLimitsStayThereAtTheEndOfADay) {
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
    game.Day = game.VirusDay = kMost;
    game.Money = kMost;
    game.Wage = 25;
    game.Experience = kMost;
    game.JobId = 9;  // the Linux programmer gains a point a day
    EndOfDay(game);
    EXPECT_EQ(game.Day, kMost);
    EXPECT_EQ(game.main.lDay, "2147483647");
    EXPECT_EQ(game.Money, kMost);
    EXPECT_EQ(game.main.lMoney, "2147483647");
    EXPECT_EQ(game.Experience, kMost);
    EXPECT_EQ(game.VirusDay, kMost);

    game.Money = kLeast;
    game.Wage = -4;
    EndOfDay(game);
    EXPECT_EQ(game.Money, kLeast);
}

TEST_F(DayClockTest, OnlyTheLinuxProgrammerGainsExperienceFromTheDay) {
    for (int job : {0, 1, 8, 9}) {
        SCOPED_TRACE(job);
        NewGame(game);
        game.JobId = static_cast<std::uint8_t>(job);
        game.DayTicks = 0;
        Tick(241 * 3);
        EXPECT_EQ(game.Experience, job == 9 ? 3 : 0);
    }
}

TEST_F(DayClockTest, ExperienceLabelFollowsEveryTick) {
    game.main.lExpansion = "stale";
    game.Experience = 42;
    Tick(1);
    EXPECT_EQ(game.main.lExpansion, "42");
}

TEST_F(DayClockTest, TheVirusDayDrawsTheNextOneFortyToSixtyNineDaysLater) {
    // Reseeding from 12345 gives the seed 1655067934 and Random(30) = 11.
    TestGame seeded(12345);
    Game& g = seeded.game;
    NewGame(g);
    g.Day = 40;
    g.VirusDay = 40;
    g.DayTicks = 240;
    DayClockTick(g);
    EXPECT_EQ(g.VirusDay, 40 + 40 + 11);
    EXPECT_EQ(g.Day, 41);
    // The virus holds the game, but the rest of the day's steps run.
    EXPECT_EQ(g.Money, 501);
    EXPECT_FALSE(running(g, TimerId::tTime));
    EXPECT_TRUE(g.window(WindowId::Form4).shown);
    EXPECT_FALSE(g.window(WindowId::fMain).enabled);
}

TEST_F(DayClockTest, APassedVirusDayNeverComesBack) {
    game.Day = 90;
    game.VirusDay = 60;
    game.DayTicks = 240;
    Tick(1);
    EXPECT_EQ(game.VirusDay, 60);
}

TEST_F(DayClockTest, TheClockUnlocksTheInternetOnlyFromProgrammerOn) {
    game.PartLevel.fill(1);
    game.StatusLevel = 1;
    game.Experience = 200;
    Tick(1);
    EXPECT_TRUE(game.SoftwareOpen);
    EXPECT_FALSE(game.InternetOpen);

    game.Experience = 301;
    Tick(1);  // the status rises after the unlock rule of this tick
    EXPECT_FALSE(game.InternetOpen);
    Tick(1);
    EXPECT_TRUE(game.InternetOpen);
    EXPECT_TRUE(game.main.bInternetImageEnabled);
}

// The last game is kept only where a load gives it back: started, not over, with nothing under
// way that the file does not hold.
TEST(KeptGameTest, AGameIsKeptOnlyWhereALoadGivesItBack) {
    struct Row {
        const char* name;
        std::function<void(Game&)> change;
        bool kept;
    };
    const Row rows[] = {
        {"at the start window", [](Game& g) { g.window(WindowId::fMain).shown = false; }, false},
        {"in the main window", [](Game&) {}, true},
        {"in the shop", [](Game& g) { OpenActivity(g, WindowId::fComputer); }, true},
        {"while developing", [](Game& g) { g.window(WindowId::fDeveloper).shown = true; }, true},
        {"with the virus asking", [](Game& g) { g.window(WindowId::Form4).shown = true; }, false},
        {"during a mission", [](Game& g) { startTimer(g, TimerId::tFTPhack); }, false},
        {"while dialling", [](Game& g) { startTimer(g, TimerId::tConnect); }, false},
        {"with mood 0", [](Game& g) { g.Mood = 0; }, false},
        {"in debt", [](Game& g) { g.Money = -1; }, false},
        {"won", [](Game& g) { g.Experience = kWinningExperience + 1; }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestGame t;
        NewGame(t.game);
        t.game.window(WindowId::fMain).shown = true;
        startTimer(t.game, TimerId::tTime);
        row.change(t.game);
        EXPECT_EQ(GameCanBeKept(t.game), row.kept);
    }
}

// The clock sleeps through the ticks that the rule calls quiet: they must leave the game as the
// same ticks one by one, show nothing on the way, and end where a tick shows something.
TEST(QuietTicksTest, RunTogetherTheyEqualTheTicksOneByOneAndEndAtAVisibleTick) {
    std::mt19937 random(2026);
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE(round);
        TestGame byOne;
        NewGame(byOne.game);
        testing::scatterClockState(byOne.game, random);
        TestGame together;
        static_cast<GameState&>(together.game) = byOne.game;

        const int quiet = quietDayClockTicks(byOne.game);
        const GameState start = byOne.game;
        for (int tick = 1; tick <= quiet; ++tick) {
            DayClockTick(byOne.game);
            GameState counted = start;
            counted.MoodTicks += tick;
            counted.DayTicks += tick;
            ASSERT_TRUE(byOne.game == counted) << "tick " << tick << " of " << quiet;
        }
        runQuietDayClockTicks(together.game, quiet);
        ASSERT_TRUE(together.game == byOne.game);

        // The next tick shows something, or ends the game.
        const GameState beforeVisible = byOne.game;
        DayClockTick(byOne.game);
        GameState counted = beforeVisible;
        ++counted.MoodTicks;
        ++counted.DayTicks;
        EXPECT_TRUE(!(byOne.game == counted) || !byOne.shell.messages.empty());
    }
}

}  // namespace
}  // namespace tessaro
