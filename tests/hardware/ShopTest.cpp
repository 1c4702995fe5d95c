#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/NewGame.h"
#include "hardware/Shop.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::TestGame;

const PartModel& M(const char* control) {
    const PartModel* model = findModel(control);
    EXPECT_NE(model, nullptr) << control;
    return *model;
}

std::set<std::string> OfferedControls(const GameState& state) {
    std::set<std::string> offered;
    for (const PartModel& model : partsCatalogue()) {
        if (Offered(state, model)) {
            offered.insert(model.control);
        }
    }
    return offered;
}

std::set<std::string> Controls(std::initializer_list<const char*> controls) {
    return {controls.begin(), controls.end()};
}

const std::set<std::string> kEveryDiskSoundMonitorDriveAndModem = {
    "hd1",  "hd3",  "hd6",  "hd8", "hd13", "hd20",    "hd40", "snLive", "snAudigy",
    "mn15", "mn17", "mn21", "cdR", "cdRW", "cdDVDRW", "md28", "md38",   "md57"};

std::set<std::string> With(std::set<std::string> set, std::initializer_list<const char*> more) {
    set.insert(more.begin(), more.end());
    return set;
}

class ShopTest : public ::testing::Test {
  protected:
    ShopTest() { NewGame(game); }

    void Install(const char* control) {
        const PartModel& model = M(control);
        game.PartLevel[model.slot] = static_cast<std::uint8_t>(model.level);
        game.PartTradeIn[model.slot] = static_cast<std::int16_t>(model.tradeIn);
    }

    // Buys with money enough, checking that the purchase went through.
    void BuyWithMoney(const char* control, int money = 10000) {
        game.Money = money;
        Buy(game, M(control));
        ASSERT_TRUE(t.shell.messages.empty()) << t.shell.messages.front().text;
        ASSERT_EQ(game.PartLevel[M(control).slot], M(control).level);
    }

    std::string OnlyMessage() {
        EXPECT_EQ(t.shell.messages.size(), 1u);
        return t.shell.messages.empty() ? std::string() : t.shell.messages.front().text;
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(ShopTest, CatalogueCaptionsKeepTheirQuirks) {
    EXPECT_EQ(partsCatalogue().size(), 45u);
    EXPECT_STREQ(M("mm64D").caption, "64MB  (DIMM)");
    EXPECT_STREQ(M("mm64D").installedName, "64MB (DIMM)");
    EXPECT_STREQ(M("vd256A").caption, "GeForce IV 256 (AGP)");
    EXPECT_STREQ(M("vd256A").installedName, "GeForce IV 256MB (AGP)");
    EXPECT_STREQ(M("mn17").caption, "LG Flatron 17\"");
    EXPECT_STREQ(M("mbP3").installedName, "A-Bit BE6 II (Socket 370, DIMM)");
    EXPECT_STREQ(M("prP700").infoName, "Intel Pentium III 700MHz (Socket 370)");
}

TEST_F(ShopTest, EveryModelIsFoundByItsControlAndBySlotAndLevel) {
    for (const PartModel& model : partsCatalogue()) {
        EXPECT_EQ(findModel(model.control), &model) << model.control;
        EXPECT_EQ(&modelAt(model.slot, model.level), &model) << model.control;
        EXPECT_EQ(&modelsOf(model.slot)[model.level - 1], &model) << model.control;
        // A trade-in never pays more than the part cost.
        EXPECT_LT(model.tradeIn, model.price) << model.control;
    }
    EXPECT_EQ(findModel("mbP6"), nullptr);
    EXPECT_EQ(findModel(""), nullptr);
    const int counts[kSlotCount] = {5, 10, 6, 7, 6, 2, 3, 3, 3};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(modelCount(static_cast<Slot>(slot)), counts[slot]) << slot;
    }
}

TEST_F(ShopTest, ANewGameOffersTheFiveBoardsAndQuotesEveryPrice) {
    EXPECT_EQ(OfferedControls(game), Controls({"mbP1", "mbP2", "mbP3", "mbA", "mbP4"}));
    EXPECT_EQ(InfoText(game, M("mbP1")), "ASUS TXP4 (Socket 7, SIMM) - $45");
    EXPECT_EQ(InfoText(game, M("prP166")), "Intel Pentium 166MHz (Socket 7) - $30");
    EXPECT_EQ(InfoText(game, M("cdRW")), "Nec CD-RW - $110");
    EXPECT_EQ(InfoText(game, M("mn21")), "SONY 21\" - $450");
    EXPECT_EQ(InfoText(game, M("vd256A")), "GeForce IV 256MB (AGP) - $450");
    for (const PartModel& model : partsCatalogue()) {
        EXPECT_EQ(InfoText(game, model), OfferText(model));
    }
}

TEST_F(ShopTest, TheOfferFollowsTheBoard) {
    struct Row {
        const char* board;
        std::set<std::string> offered;
    };
    const Row rows[] = {
        {"mbP1",
         With(kEveryDiskSoundMonitorDriveAndModem, {"mbP2", "mbP3", "mbA", "mbP4", "prP166",
                                                    "prK233", "mm32S", "mm64S", "vd4P", "vd12P"})},
        {"mbP2", With(kEveryDiskSoundMonitorDriveAndModem,
                      {"mbP3", "mbA", "mbP4", "prP366", "prP500", "mm64D", "mm128D", "mm256D",
                       "mm512D", "vd16A", "vd32A", "vd64A", "vd256A"})},
        {"mbP3", With(kEveryDiskSoundMonitorDriveAndModem,
                      {"mbA", "mbP4", "prP700", "mm64D", "mm128D", "mm256D", "mm512D", "vd16A",
                       "vd32A", "vd64A", "vd256A"})},
        {"mbA", With(kEveryDiskSoundMonitorDriveAndModem,
                     {"mbP4", "prD900", "prA1200", "mm64D", "mm128D", "mm256D", "mm512D", "vd16A",
                      "vd32A", "vd64A", "vd256A"})},
        {"mbP4", With(kEveryDiskSoundMonitorDriveAndModem,
                      {"prP1000", "prP1500", "prP3000", "mm64D", "mm128D", "mm256D", "mm512D",
                       "vd16A", "vd32A", "vd64A", "vd256A"})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.board);
        NewGame(game);
        Install(row.board);
        EXPECT_EQ(OfferedControls(game), row.offered);
    }
}

TEST_F(ShopTest, TheTopModelOfASlotEndsItsOffer) {
    Install("mbP4");
    for (const char* top :
         {"prP3000", "mm512D", "hd40", "vd256A", "snAudigy", "mn21", "cdDVDRW", "md57"}) {
        Install(top);
    }
    EXPECT_TRUE(OfferedControls(game).empty());
}

TEST_F(ShopTest, AnInstalledProcessorBlocksItsLevelAndBelow) {
    Install("mbA");
    Install("prD900");
    EXPECT_FALSE(Offered(game, M("prD900")));
    EXPECT_TRUE(Offered(game, M("prA1200")));
    Install("prA1200");
    EXPECT_FALSE(Offered(game, M("prD900")));
    EXPECT_FALSE(Offered(game, M("prA1200")));
}

TEST_F(ShopTest, FromTheAthlonTheCheapestPentiumFourIsStillOffered) {
    Install("mbA");
    Install("prA1200");
    BuyWithMoney("mbP4");
    EXPECT_EQ(OfferedControls(game).count("prP1000"), 1u);
    EXPECT_TRUE(game.computer.itemEnabled[M("prP1000").index]);
    EXPECT_EQ(NetPrice(game, M("prP1000")), 30);

    BuyWithMoney("prP1000", 100);
    EXPECT_EQ(game.Money, 70);
    EXPECT_EQ(game.PartLevel[kProcessor], 7);
    EXPECT_EQ(game.PartTradeIn[kProcessor], 40);
    EXPECT_FALSE(game.computer.itemEnabled[M("prP1000").index]);
    EXPECT_TRUE(game.computer.itemEnabled[M("prP1500").index]);
}

TEST_F(ShopTest, TheMoneyTestLetsBoardsProcessorsAndDisksTakeTheLastDollar) {
    struct Row {
        const char* name;
        const char* board;      // installed first, or nullptr
        const char* installed;  // in the bought model's slot, or nullptr
        const char* bought;
        int money;
        int moneyAfter;       // when bought
        const char* message;  // when refused
    };
    const Row rows[] = {
        {"board for all the money", nullptr, nullptr, "mbP1", 45, 0, nullptr},
        {"board a dollar short", nullptr, nullptr, "mbP1", 44, 0, "У вас не хватает $1"},
        {"trade-in lowers the board's price", "mbP1", nullptr, "mbP2", 37, 0, nullptr},
        {"disk for all the money", "mbP1", nullptr, "hd1", 50, 0, nullptr},
        {"processor short by twenty", "mbP2", nullptr, "prP366", 30, 0, "У вас не хватает $20"},
        {"memory for all the money", "mbP1", nullptr, "mm32S", 4, 0, "У вас не хватает $0"},
        {"memory with a dollar left", "mbP1", nullptr, "mm32S", 5, 1, nullptr},
        {"memory with trade-in", "mbP2", "mm64S", "mm128D", 30, 14, nullptr},
        {"memory with trade-in, short", "mbP2", "mm64S", "mm128D", 10, 0, "У вас не хватает $6"},
        {"memory short by five", "mbP2", nullptr, "mm256D", 35, 0, "У вас не хватает $5"},
        {"modem for all the money", "mbP1", nullptr, "md28", 30, 0, "У вас не хватает $0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestGame fresh;
        Game& g = fresh.game;
        NewGame(g);
        for (const char* control : {row.board, row.installed}) {
            if (control != nullptr) {
                g.PartLevel[M(control).slot] = static_cast<std::uint8_t>(M(control).level);
                g.PartTradeIn[M(control).slot] = static_cast<std::int16_t>(M(control).tradeIn);
            }
        }
        g.Money = row.money;
        RefreshOffer(g);
        const GameState before = g;
        Buy(g, M(row.bought));
        if (row.message == nullptr) {
            EXPECT_TRUE(fresh.shell.messages.empty());
            EXPECT_EQ(g.Money, row.moneyAfter);
            EXPECT_EQ(g.main.lMoney, std::to_string(row.moneyAfter));
            EXPECT_EQ(g.PartLevel[M(row.bought).slot], M(row.bought).level);
        } else {
            ASSERT_EQ(fresh.shell.messages.size(), 1u);
            EXPECT_EQ(fresh.shell.messages[0].text, row.message);
            EXPECT_EQ(fresh.shell.messages[0].title, "Tessaro 1.1");
            EXPECT_EQ(fresh.shell.messages[0].icon, MessageIcon::None);
            EXPECT_TRUE(g == before) << "a refused purchase changed the game";
        }
    }
}

TEST_F(ShopTest, ThePurchaseChecksTheBoardAfterTheMoney) {
    struct Row {
        const char* board;  // or nullptr
        const char* bought;
        const char* message;
    };
    const Row rows[] = {
        {"mbP2", "prK233", "Необходима системная плата с Socket 7"},
        {"mbP1", "prP366", "Необходима системная плата с Slot 1"},
        {"mbP3", "prP500", "Необходима системная плата с Slot 1"},
        {"mbP2", "prP700", "Необходима системная плата с Socket 370"},
        {"mbP4", "prD900", "Необходима системная плата с Socket A"},
        {"mbP3", "prA1200", "Необходима системная плата с Socket A"},
        {"mbA", "prP1000", "Необходима системная плата с Socket 478"},
        {"mbP1", "prP3000", "Необходима системная плата с Socket 478"},
        {nullptr, "hd13", "Необходима любая системная плата"},
        {nullptr, "hd40", "Необходима любая системная плата"},
        {nullptr, "cdR", "Необходима любая системная плата"},
        {nullptr, "cdDVDRW", "Необходима любая системная плата"},
        {nullptr, "md38", "Необходима любая системная плата"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bought);
        TestGame fresh;
        NewGame(fresh.game);
        if (row.board != nullptr) {
            fresh.game.PartLevel[kMotherboard] = static_cast<std::uint8_t>(M(row.board).level);
        }
        fresh.game.Money = 1000;
        const GameState before = fresh.game;
        Buy(fresh.game, M(row.bought));
        ASSERT_EQ(fresh.shell.messages.size(), 1u);
        EXPECT_EQ(fresh.shell.messages[0].text, row.message);
        EXPECT_TRUE(fresh.game == before);
    }
    // Models without a board test: the offer rule alone keeps them from a missing board.
    for (const char* control : {"prP166", "hd1", "hd8", "mm32S", "vd4P", "snLive", "mn15"}) {
        SCOPED_TRACE(control);
        TestGame fresh;
        NewGame(fresh.game);
        Buy(fresh.game, M(control));
        EXPECT_TRUE(fresh.shell.messages.empty());
    }
}

TEST_F(ShopTest, WhenMoneyAndBoardBothFailOnlyTheMoneyIsNamed) {
    game.Money = 10;
    Buy(game, M("hd13"));
    EXPECT_EQ(OnlyMessage(), "У вас не хватает $80");
}

TEST_F(ShopTest, AFirstBoardInstallsAndOpensTheShop) {
    BuyWithMoney("mbP1", 500);
    EXPECT_EQ(game.Money, 455);
    EXPECT_EQ(game.PartLevel[kMotherboard], 1);
    EXPECT_EQ(game.PartTradeIn[kMotherboard], 23);
    EXPECT_EQ(game.Experience, 5);
    EXPECT_EQ(game.main.lExpansion, "5");
    EXPECT_EQ(game.main.hardware[kMotherboard], "ASUS TXP4 (Socket 7, SIMM)");
    for (const PartModel& model : partsCatalogue()) {
        EXPECT_EQ(game.computer.itemEnabled[model.index], Offered(game, model)) << model.control;
    }
    EXPECT_EQ(TradeInText(game, M("mbP2")),
              "Если продать старую, то ASUS P2B (Slot 1, DIMM) - $37");
    BuyWithMoney("mbP2", 455);
    EXPECT_EQ(game.Money, 418);
}

TEST_F(ShopTest, AProcessorsExperienceReachesTheMainWindowOnlyLater) {
    BuyWithMoney("mbP1", 500);
    BuyWithMoney("prP166", 455);
    EXPECT_EQ(game.Experience, 8);
    EXPECT_EQ(game.main.lExpansion, "5");
    EXPECT_EQ(game.main.hardware[kProcessor], "Intel Pentium 166MHz");
}

TEST_F(ShopTest, AfterEveryPurchaseTheLabelsMatchTheOffer) {
    game.Money = 100000;
    RefreshOffer(game);
    const char* purchases[] = {"mbP1",   "prP166",  "mm32S", "hd1",     "vd4P",   "mn15",    "cdR",
                               "prK233", "mm64S",   "mbP2",  "prP500",  "mm512D", "vd256A",  "hd13",
                               "mbA",    "prA1200", "mbP4",  "prP1000", "md57",   "snAudigy"};
    for (const char* control : purchases) {
        SCOPED_TRACE(control);
        ASSERT_TRUE(game.computer.itemEnabled[M(control).index]);
        Buy(game, M(control));
        ASSERT_TRUE(t.shell.messages.empty());
        for (const PartModel& model : partsCatalogue()) {
            EXPECT_EQ(game.computer.itemEnabled[model.index], Offered(game, model))
                << model.control;
        }
    }
}

TEST_F(ShopTest, ABiggerDiskKeepsTheSpaceInUse) {
    BuyWithMoney("mbP1");
    BuyWithMoney("hd1");
    EXPECT_EQ(game.DiskTotal, 1000);
    EXPECT_EQ(game.DiskFree, 1000);

    NewGame(game);
    Install("mbP1");
    Install("hd3");
    game.DiskTotal = 3000;
    game.DiskFree = 1800;
    BuyWithMoney("hd13");
    EXPECT_EQ(game.DiskTotal, 13000);
    EXPECT_EQ(game.DiskFree, 11800);
    BuyWithMoney("hd20");
    EXPECT_EQ(game.DiskTotal, 20000);
    EXPECT_EQ(game.DiskFree, 18800);
}

TEST_F(ShopTest, APartThatNoLongerFitsStaysAndIsTradedInLater) {
    BuyWithMoney("mbP1");
    BuyWithMoney("prP166");
    BuyWithMoney("mbP2");
    EXPECT_EQ(game.PartLevel[kProcessor], 1);
    EXPECT_EQ(game.main.hardware[kProcessor], "Intel Pentium 166MHz");
    EXPECT_EQ(NetPrice(game, M("prP366")), 35);
    EXPECT_EQ(TradeInText(game, M("prP366")),
              "Если продать старый, то Intel Pentium II 366MHz (Slot 1) - $35");
    BuyWithMoney("prP366", 35);
    EXPECT_EQ(game.Money, 0);
    EXPECT_EQ(game.PartTradeIn[kProcessor], 25);
}

}  // namespace
}  // namespace tessaro
