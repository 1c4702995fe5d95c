#include <gtest/gtest.h>

#include <initializer_list>

#include "game/NewGame.h"
#include "jobs/JobOffers.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::TestGame;

const JobOffer& J(int id) {
    return jobOffers()[static_cast<std::size_t>(id - 1)];
}

class JobOffersTest : public ::testing::Test {
  protected:
    JobOffersTest() {
        NewGame(game);
        RefreshOffers(game);
    }

    void Know(std::initializer_list<int> courses) {
        for (int course : courses) {
            game.Knowledge[static_cast<std::size_t>(course)] = true;
        }
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(JobOffersTest, EachOfferNeedsExactlyItsCourses) {
    struct Row {
        int job;
        std::initializer_list<int> courses;
    };
    const Row rows[] = {
        {1, {16}},         {2, {3, 0}},
        {3, {13, 12, 7}},  {4, {4, 1}},
        {5, {15, 14, 13}}, {6, {7, 8, 9, 10, 11}},
        {7, {6, 1}},       {8, {7, 8, 9, 10, 11, 14, 12, 13}},
        {9, {2, 5}},
    };
    for (const Row& row : rows) {
        game.Knowledge.fill(false);
        Know(row.courses);
        EXPECT_TRUE(JobRequirementsMet(game, J(row.job))) << row.job;
        EXPECT_EQ(JobVerdict(game, J(row.job)), "Вы можете получить эту работу");
        for (int missing : row.courses) {
            game.Knowledge[static_cast<std::size_t>(missing)] = false;
            EXPECT_FALSE(JobRequirementsMet(game, J(row.job))) << row.job << " without " << missing;
            EXPECT_EQ(JobVerdict(game, J(row.job)), "С вашими знаниями эта работа недоступна");
            game.Knowledge[static_cast<std::size_t>(missing)] = true;
        }
    }
}

TEST_F(JobOffersTest, TheInterviewNeedsAMoodAboveFifty) {
    Know({16});
    game.Mood = 50;
    const GameState before = game;
    EXPECT_FALSE(TakeJob(game, J(1)));
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text, "У плохое настроение. Вы не прошли собеседовние");
    EXPECT_EQ(t.shell.messages[0].title, "Tessaro 1.1");
    EXPECT_EQ(t.shell.messages[0].icon, MessageIcon::Question);
    EXPECT_TRUE(game == before);
    // The verdict does not consider the mood.
    EXPECT_EQ(JobVerdict(game, J(1)), "Вы можете получить эту работу");

    game.Mood = 51;
    EXPECT_TRUE(TakeJob(game, J(1)));
    EXPECT_EQ(game.Wage, 3);
    EXPECT_EQ(game.JobId, 1);
    EXPECT_EQ(game.main.lJob, "Верстальщик $3/день");
    EXPECT_EQ(game.Experience, 10);
    EXPECT_EQ(game.Money, 500);  // nothing is paid at once
    EXPECT_EQ(t.shell.messages.size(), 1u);
}

TEST_F(JobOffersTest, MissingCoursesRefuseSilentlyWhateverTheMood) {
    game.Mood = 10;
    const GameState before = game;
    EXPECT_FALSE(TakeJob(game, J(9)));
    EXPECT_TRUE(game == before);
    EXPECT_TRUE(t.shell.messages.empty());
}

TEST_F(JobOffersTest, TheWindowOffersTheJobsAboveTheCurrentOneAndAfterATakeAllButIt) {
    struct Row {
        const char* name;
        int jobId;
        std::array<bool, 9> enabled;
    };
    const Row rows[] = {
        {"unemployed", 0, {true, true, true, true, true, true, true, true, true}},
        {"designer", 5, {false, false, false, false, false, true, true, true, true}},
        {"Linux programmer", 9, {false, false, false, false, false, false, false, false, false}},
    };
    for (const Row& row : rows) {
        game.JobId = static_cast<std::uint8_t>(row.jobId);
        RefreshOffers(game);
        EXPECT_EQ(game.jobs.itemEnabled, row.enabled) << row.name;
    }

    game.JobId = 0;
    RefreshOffers(game);
    Know({2, 5});
    ASSERT_TRUE(TakeJob(game, J(9)));
    EXPECT_EQ(game.jobs.itemEnabled,
              (std::array<bool, 9>{true, true, true, true, true, true, true, true, false}));
    Know({16});
    EXPECT_TRUE(TakeJob(game, J(1)));  // a lower offer, within the same opening
    EXPECT_EQ(game.Experience, 60);
    EXPECT_EQ(game.Wage, 3);
    RefreshOffers(game);
    EXPECT_EQ(game.jobs.itemEnabled,
              (std::array<bool, 9>{false, true, true, true, true, true, true, true, true}));
}

TEST_F(JobOffersTest, TheJobTextsKeepTheGamesOwnWords) {
    Know({2, 5});
    ASSERT_TRUE(TakeJob(game, J(9)));
    EXPECT_EQ(game.Wage, 25);
    EXPECT_EQ(game.main.lJob, "Linux-программист $25/день");
    EXPECT_EQ(J(9).lines[0], std::string("Знать Linux Mandrake 9.0"));
    EXPECT_EQ(J(2).lines[0], std::string("Знать Borlad Delphi"));
    EXPECT_EQ(J(4).lines[0], std::string("Знать Borland C++ Buider"));
}

}  // namespace
}  // namespace tessaro
