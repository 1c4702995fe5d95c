#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Navigation.h"
#include "game/NewGame.h"
#include "internet/Dialup.h"
#include "internet/InternetWindow.h"
#include "internet/Missions.h"
#include "internet/Utilities.h"
#include "support/RecordingShell.h"
#include "support/RunFor.h"

namespace tessaro {
namespace {

using testing::firstDraw;
using testing::openInternetWindow;
using testing::running;
using testing::seedDrawing;
using testing::TestGame;
using testing::VirtualTime;

// A player online, with money, in the internet window.
class OnlineTest : public ::testing::Test {
  protected:
    OnlineTest() {
        openInternetWindow(game);
        t.seed = seedDrawing(4, 1);
        ConnectClick(game);
        time.runFor(1100);
        EXPECT_TRUE(game.Connected);
        game.Money = 5000;
    }

    TestGame t;
    Game& game = t.game;
    VirtualTime time{game};
};

TEST_F(OnlineTest, ADownloadTakesAHundredAndOneTicksOfTheModemsInterval) {
    struct Row {
        int modem;
        int interval;
    };
    for (const Row& row : {Row{1, 150}, Row{2, 100}, Row{3, 50}}) {
        game.PartLevel[kModem] = static_cast<std::uint8_t>(row.modem);
        InternetShown(game);
        const int tool = row.modem - 1;
        BuyUtility(game, tool);
        ASSERT_TRUE(game.ToolOwned[static_cast<std::size_t>(tool)]) << row.modem;
        EXPECT_TRUE(game.internet.gSoftLoadVisible);
        for (bool enabled : game.internet.missionEnabled) {
            EXPECT_FALSE(enabled);
        }
        time.runFor(100 * row.interval);
        EXPECT_EQ(game.internet.gSoftLoad, 100) << row.modem;
        // The tick that shows 100 does not finish the download; the next one does.
        time.runFor(row.interval - 1);
        EXPECT_TRUE(running(game, TimerId::tSoftLoad)) << row.modem;
        time.runFor(1);
        EXPECT_FALSE(running(game, TimerId::tSoftLoad)) << row.modem;
        EXPECT_FALSE(game.internet.gSoftLoadVisible);
        EXPECT_EQ(game.internet.gSoftLoad, 0);
        for (bool enabled : game.internet.missionEnabled) {
            EXPECT_TRUE(enabled) << row.modem;
        }
    }
}

TEST_F(OnlineTest, AUtilityNeedsMoreMoneyThanItsPriceAndNoDownloadRunning) {
    game.Money = 300;
    BuyUtility(game, 0);
    EXPECT_FALSE(game.ToolOwned[0]);
    game.Money = 301;
    BuyUtility(game, 0);
    EXPECT_TRUE(game.ToolOwned[0]);
    EXPECT_EQ(game.Money, 1);
    EXPECT_EQ(game.main.lMoney, "1");
    EXPECT_EQ(game.Experience, 5);
    EXPECT_FALSE(game.internet.toolEnabled[0]);

    game.Money = 5000;
    const GameState downloading = game;
    BuyUtility(game, 1);
    EXPECT_TRUE(game == downloading);
}

TEST_F(OnlineTest, ADownloadGoesOnAfterTheWindowCloses) {
    BuyUtility(game, 3);  // at the 150 ms of the first modem
    time.runFor(1500);
    CloseInternet(game);
    EXPECT_TRUE(running(game, TimerId::tSoftLoad));
    EXPECT_TRUE(running(game, TimerId::tTime));
    time.runFor(91 * 150);
    EXPECT_FALSE(running(game, TimerId::tSoftLoad));
    EXPECT_FALSE(game.internet.gSoftLoadVisible);
}

// Each mission's status line at every second of both branches, its outcome and its end.
TEST_F(OnlineTest, EachMissionFollowsItsTimelineInBothBranches) {
    const std::string ftp = "Подключаемся ftp.filearchive.example...";
    const std::string brutus = "Используем Brutus AET2...";
    const std::string cracking = "Попытка взлома пароля...";
    const std::string scanning = "Сканируем сеть...";
    const std::string ports = "Сканируем порты...";
    const std::string ipTools = "Применяем IP Tools 1.1...";
    const std::string cgi = "Тестируем CGI на уязвимость...";
    const std::string deface = "Дефейс главной страницы...";
    const std::string outcome = "outcome";
    struct Row {
        int mission;
        bool detected;
        int amountBase;
        std::vector<std::string> lines;  // the status line at the start and after each second
    };
    const std::vector<Row> rows = {
        {1, true, 100, {ftp, ftp, brutus, brutus, brutus, brutus, outcome, ""}},
        {1, false, 50, {ftp, ftp, brutus, brutus, brutus, brutus, outcome, ""}},
        {2, true, 150, {ftp, ftp, brutus, brutus, brutus, brutus, outcome, ""}},
        {2,
         false,
         70,
         {ftp, ftp, brutus, brutus, brutus, brutus, cracking, cracking, cracking, cracking, outcome,
          ""}},
        {3, true, 150, {scanning, scanning, scanning, scanning, outcome, ""}},
        {3,
         false,
         70,
         {scanning, scanning, scanning, scanning, ports, ports, ports, ipTools, ipTools, ipTools,
          outcome, ""}},
        {4, true, 200, {scanning, scanning, scanning, scanning, outcome, ""}},
        {4,
         false,
         120,
         {scanning, scanning, scanning, scanning, ports, ports, ports, ipTools, ipTools, ipTools,
          cracking, cracking, cracking, cracking, outcome, ""}},
        {5, true, 200, {cgi, cgi, cgi, cgi, cgi, cgi, cgi, cgi, outcome, ""}},
        {5, false, 60, {cgi, cgi, cgi, cgi, cgi, cgi, cgi, cgi, cgi, deface, deface, outcome, ""}},
    };
    game.ToolOwned.fill(true);
    game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
    // Days pass while online; without a wage they leave the money to the missions.
    game.Wage = 0;
    for (const Row& row : rows) {
        const std::string name =
            "mission " + std::to_string(row.mission) + (row.detected ? " detected" : " success");
        const MissionInfo& mission = missions()[static_cast<std::size_t>(row.mission - 1)];
        // Missions 1 to 4 are detected on MissionDraw 1, mission 5 on 2.
        const bool drawOne = row.detected == (row.mission != 5);
        t.seed = seedDrawing(2, drawOne ? 0 : 1);
        const int amount = row.amountBase + firstDraw(t.seed, row.detected ? 30 : 20);
        const std::string outcomeLine =
            row.detected ? "Вас обнаружили. Штраф $" + std::to_string(amount)
                         : "Задание выполнено. На ваш счет переведено $" + std::to_string(amount);
        const int money = game.Money;
        const int experience = game.Experience;

        StartMission(game, row.mission);
        EXPECT_EQ(game.MissionDraw, drawOne ? 1 : 2) << name;
        ASSERT_TRUE(running(game, mission.timer)) << name;
        for (std::size_t step = 0; step < row.lines.size(); ++step) {
            if (step > 0) {
                time.runFor(1000);
            }
            const std::string& expected =
                row.lines[step] == outcome ? outcomeLine : row.lines[step];
            EXPECT_EQ(game.internet.hLine6, expected) << name << ", second " << step;
            const bool over = step + 1 == row.lines.size();
            EXPECT_EQ(running(game, mission.timer), !over) << name << ", second " << step;
        }
        EXPECT_EQ(game.Money, money + (row.detected ? -amount : amount)) << name;
        EXPECT_EQ(game.main.lMoney, std::to_string(game.Money)) << name;
        EXPECT_EQ(game.Experience, experience + (row.detected ? 0 : 5)) << name;
        EXPECT_EQ(game.MissionStep, 0) << name;
        for (bool enabled : game.internet.missionEnabled) {
            EXPECT_TRUE(enabled) << name;
        }
    }
}

TEST_F(OnlineTest, AMissionNeedsItsUtilitiesOrTheWebCourses) {
    const GameState before = game;
    for (int number = 1; number <= 5; ++number) {
        StartMission(game, number);
    }
    EXPECT_TRUE(game == before);
    game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
    StartMission(game, 5);
    EXPECT_TRUE(running(game, TimerId::tDeface));
}

TEST_F(OnlineTest, TheLinesUnderThePointerNameWhatAMissionNeeds) {
    game.internet.hLine[3] = "Требуется Advanced Archive Password Recovery";
    ShowMissionNeeds(game, 3);
    EXPECT_EQ(game.internet.hLine[0], "Требуется X-Sharez");
    EXPECT_EQ(game.internet.hLine[2], "Требуется IP Tools 1.1");
    EXPECT_EQ(game.internet.hLine[3], "Требуется Advanced Archive Password Recovery");
    HideMissionNeeds(game, 3);
    EXPECT_EQ(game.internet.hLine[0], "");
    EXPECT_EQ(game.internet.hLine[3], "Требуется Advanced Archive Password Recovery");
    ShowMissionNeeds(game, 1);
    HideMissionNeeds(game, 1);
    EXPECT_EQ(game.internet.hLine[0], "");
}

TEST_F(OnlineTest, ASecondMissionInTheLastSecondOfADetectionEndsTheFirst) {
    game.ToolOwned[0] = true;
    game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
    t.seed = seedDrawing(2, 0);
    StartMission(game, 1);
    time.runFor(6000);
    ASSERT_EQ(game.internet.hLine6.rfind("Вас обнаружили", 0), 0u);
    ASSERT_TRUE(game.internet.missionEnabled[4]);

    t.seed = seedDrawing(2, 0);  // mission 5 succeeds on 1
    StartMission(game, 5);
    EXPECT_FALSE(running(game, TimerId::tFTPhack));
    EXPECT_EQ(game.MissionStep, 0);
    EXPECT_EQ(game.internet.hLine6, "Тестируем CGI на уязвимость...");
    EXPECT_FALSE(game.internet.missionEnabled[0]);
    time.runFor(9000);
    EXPECT_EQ(game.MissionStep, 9);
    EXPECT_EQ(game.internet.hLine6, "Дефейс главной страницы...");
}

TEST_F(OnlineTest, OneMissionAtATimeEvenWhenADownloadEndsDuringIt) {
    game.PartLevel[kModem] = 3;
    InternetShown(game);
    game.ToolOwned[0] = true;
    t.seed = seedDrawing(2, 1);
    StartMission(game, 1);  // seven seconds
    BuyUtility(game, 1);    // five
    time.runFor(101 * 50);
    EXPECT_FALSE(running(game, TimerId::tSoftLoad));
    EXPECT_TRUE(running(game, TimerId::tFTPhack));
    EXPECT_FALSE(game.internet.missionEnabled[0]);
    time.runFor(2000);
    EXPECT_FALSE(running(game, TimerId::tFTPhack));
    EXPECT_TRUE(game.internet.missionEnabled[0]);
}

TEST_F(OnlineTest, AFineMayLeaveTheMoneyBelowZero) {
    game.ToolOwned[0] = true;
    game.Money = 10;
    t.seed = seedDrawing(2, 0);
    StartMission(game, 1);
    time.runFor(6000);
    EXPECT_LT(game.Money, 0);
}

TEST_F(OnlineTest, GoingOfflineAbandonsAMissionWithoutRewardOrFine) {
    game.ToolOwned[0] = true;
    StartMission(game, 1);
    time.runFor(3000);
    const int money = game.Money;
    ConnectClick(game);
    EXPECT_FALSE(running(game, TimerId::tFTPhack));
    EXPECT_EQ(game.MissionStep, 0);
    EXPECT_EQ(game.internet.hLine6, "");
    time.runFor(10000);
    EXPECT_EQ(game.Money, money);
    for (bool enabled : game.internet.missionEnabled) {
        EXPECT_TRUE(enabled);
    }
}

}  // namespace
}  // namespace tessaro
