#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/Timers.h"
#include "game/DayClock.h"
#include "game/NewGame.h"
#include "game/TimerTable.h"
#include "internet/Dialup.h"
#include "internet/InternetWindow.h"
#include "internet/Missions.h"
#include "internet/Utilities.h"
#include "support/ClockStates.h"
#include "support/RecordingShell.h"
#include "support/RunFor.h"

namespace tessaro {
namespace {

using testing::TestGame;
using testing::VirtualTime;

TEST(TimersTest, AtProgramStartEveryTimerIsStoppedWithTheIntervalOfItsRow) {
    struct Row {
        TimerId id;
        const char* name;
        int interval;
    };
    const Row rows[] = {
        {TimerId::tTime, "tTime", 10},
        {TimerId::tConnect, "tConnect", 100},
        {TimerId::tSoftLoad, "tSoftLoad", 150},
        {TimerId::tFTPhack, "tFTPhack", 1000},
        {TimerId::tFTPnARChack, "tFTPnARChack", 1000},
        {TimerId::tCompHack, "tCompHack", 1000},
        {TimerId::tCompHacknDownload, "tCompHacknDownload", 1000},
        {TimerId::tDeface, "tDeface", 1000},
        {TimerId::tmFormClose, "tmFormClose", 2000},
    };
    const GameState state;
    for (const Row& row : rows) {
        EXPECT_STREQ(timerDefinition(row.id).name, row.name);
        EXPECT_EQ(state.timer(row.id).interval, row.interval) << row.name;
        EXPECT_FALSE(state.timer(row.id).running) << row.name;
        EXPECT_EQ(state.timer(row.id).starts, 0u) << row.name;
    }
    EXPECT_EQ(timerTicks()[0].tick, &DayClockTick);
}

// What a rule does to a timer, and whether the real timer must count its interval afresh.
TEST(TimersTest, OnlyAFreshStartOrANewIntervalRestartsTheInterval) {
    enum Step { Start, Stop, Interval50, Interval10 };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        bool running;
        int interval;
        std::uint32_t starts;
    };
    const Row rows[] = {
        {"a first start", {Start}, true, 10, 1},
        {"starting a running timer changes nothing", {Start, Start}, true, 10, 1},
        {"stopped and started in one event", {Start, Stop, Start}, true, 10, 2},
        {"stopping a stopped timer changes nothing", {Stop}, false, 10, 0},
        {"a new interval restarts a running timer", {Start, Interval50}, true, 50, 2},
        {"the same interval again changes nothing", {Start, Interval10}, true, 10, 1},
        {"a stopped timer keeps its new interval for its start", {Interval50, Start}, true, 50, 1},
    };
    for (const Row& row : rows) {
        GameState state;
        for (Step step : row.steps) {
            switch (step) {
                case Start:
                    startTimer(state, TimerId::tTime);
                    break;
                case Stop:
                    stopTimer(state, TimerId::tTime);
                    break;
                case Interval50:
                    setTimerInterval(state, TimerId::tTime, 50);
                    break;
                case Interval10:
                    setTimerInterval(state, TimerId::tTime, 10);
                    break;
            }
        }
        const TimerState& timer = state.timer(TimerId::tTime);
        EXPECT_EQ(timer.running, row.running) << row.name;
        EXPECT_EQ(timer.interval, row.interval) << row.name;
        EXPECT_EQ(timer.starts, row.starts) << row.name;
    }
}

// The virtual clock of the tests, over a table of its own whose ticks write down who fired.
std::string firings;

void tickFast(Game&) {
    firings += 'F';
}
void tickSlow(Game& game) {
    firings += 'S';
    // The slow timer starts the fast one afresh, which then counts its interval from here.
    stopTimer(game, TimerId::tTime);
    startTimer(game, TimerId::tTime);
}
void tickOnce(Game& game) {
    firings += 'O';
    stopTimer(game, TimerId::tSoftLoad);
    setTimerInterval(game, TimerId::tConnect, 5);
}

const TimerTick kTestTable[] = {
    {TimerId::tTime, &tickFast},
    {TimerId::tConnect, &tickSlow},
    {TimerId::tSoftLoad, &tickOnce},
};

TEST(TimersTest, VirtualTimeFiresTheEarliestFirstAndTiesInTimerOrder) {
    TestGame t;
    Game& game = t.game;
    setTimerInterval(game, TimerId::tTime, 10);
    setTimerInterval(game, TimerId::tConnect, 25);
    startTimer(game, TimerId::tTime);
    startTimer(game, TimerId::tConnect);
    firings.clear();
    VirtualTime time(game, kTestTable);

    // Fast at 10 and 20; slow at 25 restarts it, so fast comes next at 35, not 30.
    time.runFor(40);
    EXPECT_EQ(firings, "FFSF");
    EXPECT_EQ(time.now(), 40);

    // Fast at 45; slow at 50 restarts it: 60, then 70. The third timer, started at 40 with
    // 32 ms, fires at 72, stops itself and gives slow 5 ms: slow comes at 77, not at 75, and
    // restarts fast once more, whose 80 falls away.
    firings.clear();
    setTimerInterval(game, TimerId::tSoftLoad, 32);
    startTimer(game, TimerId::tSoftLoad);
    time.runFor(40);
    EXPECT_EQ(firings, "FSFFOS");
    EXPECT_EQ(time.now(), 80);
    EXPECT_FALSE(game.timer(TimerId::tSoftLoad).running);

    // At a tie the timer with the lower id goes first: fast and slow both fall due at 90.
    firings.clear();
    setTimerInterval(game, TimerId::tConnect, 10);
    stopTimer(game, TimerId::tTime);
    startTimer(game, TimerId::tTime);
    time.runFor(10);
    EXPECT_EQ(firings, "FS");
}

// The game's own table with every tick run one by one, as a clock that never sleeps runs it.
std::vector<TimerTick> tickByTick() {
    std::vector<TimerTick> table(timerTicks().begin(), timerTicks().end());
    for (TimerTick& row : table) {
        row.quietTicks = nullptr;
        row.runQuietTicks = nullptr;
    }
    return table;
}

// The clock that sleeps through quiet ticks against the clock that runs every one: the same
// game at every step, whatever the step, with the download, the dialling and a mission ticking
// beside the day clock, over games drawn from every edge of the day clock.
TEST(TimersTest, TheSleepingClockPlaysTheGameTickForTick) {
    const std::vector<TimerTick> everyTick = tickByTick();
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        std::mt19937 random(static_cast<std::uint32_t>(round));
        TestGame sleeping(7);
        TestGame awake(7);
        for (TestGame* t : {&sleeping, &awake}) {
            testing::openInternetWindow(t->game);
            std::mt19937 same(static_cast<std::uint32_t>(round));
            testing::scatterClockState(t->game, same);
            t->game.Money = 5000;
            t->game.Mood = 200;
            if (round % 4 != 0) {  // the others may win at once
                t->game.Experience = t->game.main.shownExperience = 400;
            }
            if (round % 2 == 0) {
                ConnectClick(t->game);  // the dialling runs its ten ticks beside the clock
            } else {
                t->game.Connected = true;
                BuyUtility(t->game, 3);
                t->game.ToolOwned.fill(true);
                t->game.Knowledge.fill(true);
                t->game.internet.missionEnabled.fill(true);
                StartMission(t->game, 1 + round / 2 % 5);
            }
            startTimer(t->game, TimerId::tTime);
        }
        VirtualTime sleepingTime(sleeping.game);
        VirtualTime awakeTime(awake.game, everyTick);
        for (int step = 0; step < 40; ++step) {
            const int milliseconds = std::uniform_int_distribution<int>(1, 900)(random);
            sleepingTime.runFor(milliseconds);
            awakeTime.runFor(milliseconds);
            ASSERT_TRUE(sleeping.game == awake.game) << "step " << step;
            ASSERT_EQ(sleeping.shell.messages.size(), awake.shell.messages.size());
        }
    }
}

// A game day lasts 241 ticks of 10 ms however long the clock sleeps between them.
TEST(TimersTest, TheSleepingClockKeepsThePaceOfADay) {
    TestGame t;
    NewGame(t.game);
    t.game.Mood = 255;
    t.game.VirusDay = -1;
    VirtualTime time(t.game);
    const int firstDay = t.game.Day;
    for (int day = 1; day <= 50; ++day) {
        time.runUntil(std::int64_t{day} * 2410 - 1);
        ASSERT_EQ(t.game.Day, firstDay + day - 1);
        time.runFor(1);
        ASSERT_EQ(t.game.Day, firstDay + day);
    }
}

}  // namespace
}  // namespace tessaro
