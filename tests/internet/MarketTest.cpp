#include <gtest/gtest.h>

#include "development/Project.h"
#include "game/NewGame.h"
#include "internet/Market.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::seedDrawing;
using testing::TestGame;

// A finished project of 40 dollars, offered on the market.
class MarketTest : public ::testing::Test {
  protected:
    MarketTest() {
        NewGame(game);
        game.ProjectKind = 7;
        game.ProjectPrice = 40;
        game.developer.lNowProject = game.internet.lNowProject = "Операционная система";
        game.internet.saleVisible = true;
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(MarketTest, FiveTimesInNineTheProjectSells) {
    struct Row {
        int draw;  // Random(9)
        bool sells;
    };
    for (const Row& row : {Row{3, false}, Row{4, true}, Row{8, true}, Row{0, false}}) {
        TestGame fresh(seedDrawing(9, row.draw));
        Game& g = fresh.game;
        NewGame(g);
        g.ProjectKind = 2;
        g.ProjectPrice = 40;
        g.internet.saleVisible = true;
        TrySell(g);
        EXPECT_EQ(g.SaleDraw, row.draw + 1);
        EXPECT_EQ(g.Money, row.sells ? 540 : 500) << row.draw;
        EXPECT_EQ(g.Mood, row.sells ? 100 : 95) << row.draw;
        ASSERT_EQ(fresh.shell.messages.size(), 1u);
        const auto& message = fresh.shell.messages[0];
        EXPECT_EQ(message.text, row.sells ? "Вам удалось продать этот проект за $40"
                                          : "Вам не удалось продать этот проект и у вас понизилось "
                                            "настроение");
        EXPECT_EQ(message.title, "Tessaro 1.1");
        EXPECT_EQ(message.icon, row.sells ? MessageIcon::None : MessageIcon::Question);
    }
}

TEST_F(MarketTest, EitherWayTheProjectIsGoneAndTheMainWindowWaitsForTheClock) {
    t.seed = seedDrawing(9, 8);
    TrySell(game);
    EXPECT_EQ(game.ProjectKind, 0);
    EXPECT_EQ(game.internet.lNowProject, "Нет");
    EXPECT_EQ(game.developer.lNowProject, "Нет");
    EXPECT_FALSE(game.internet.saleVisible);
    EXPECT_EQ(game.main.lMoney, "500");
    EXPECT_EQ(game.Money, 540);
    // Offered only once.
    TrySell(game);
    EXPECT_EQ(t.shell.messages.size(), 1u);
}

TEST_F(MarketTest, AFailedSaleNeverTakesTheMoodBelowZero) {
    t.seed = seedDrawing(9, 0);
    game.Mood = 3;
    TrySell(game);
    EXPECT_EQ(game.Mood, 0);
}

TEST_F(MarketTest, AProjectSoldInDevelopmentStillFinishesWithoutASecondSale) {
    game.ProjectActive = true;
    game.ProjectProgress = 4;
    game.ProjectName = "Операционная система";
    game.developer.lNowProject = game.internet.lNowProject = "Нет";
    t.seed = seedDrawing(9, 5);
    TrySell(game);
    EXPECT_EQ(game.ProjectKind, 0);
    EXPECT_TRUE(game.ProjectActive);
    for (int day = 0; day < 7; ++day) {
        AdvanceProject(game);
    }
    EXPECT_FALSE(game.ProjectActive);
    EXPECT_EQ(game.Experience, 5);
    EXPECT_EQ(game.developer.lNowProject, "Операционная система");
    for (bool enabled : game.developer.projectEnabled) {
        EXPECT_FALSE(enabled);
    }
}

}  // namespace
}  // namespace tessaro
