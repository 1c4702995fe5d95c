#include <gtest/gtest.h>

#include "education/Courses.h"
#include "game/NewGame.h"
#include "support/RecordingShell.h"

namespace tessaro {
namespace {

using testing::TestGame;

const Course& C(int index) {
    return courseCatalogue()[static_cast<std::size_t>(index)];
}

class CoursesTest : public ::testing::Test {
  protected:
    CoursesTest() {
        NewGame(game);
        RefreshCourses(game);
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(CoursesTest, ACourseNeedsMoreMoneyThanItsPriceAndItsProgram) {
    struct Row {
        const char* name;
        int course;
        int money;
        int ideId;
        int extraSoft;  // index of the one other program installed, or -1
        bool allowed;
        const char* verdict;
    };
    const Row rows[] = {
        {"Windows 9x with exactly $200", 0, 200, 0, -1, false, "Не все условия были выполнены"},
        {"Windows 9x with $201", 0, 201, 0, -1, true, "Обучение возможно"},
        {"Windows 2000/XP with $400", 1, 400, 0, -1, false, "Обучение невозможно"},
        {"Delphi with Delphi installed", 3, 10000, 1, -1, true, "Обучение возможно"},
        {"Delphi with C++ Builder installed", 3, 10000, 2, -1, false, "Обучение невозможно"},
        {"Kylix with Kylix installed", 5, 1001, 3, -1, true, "Обучение возможно"},
        {"Visual Basic with Visual Basic installed", 6, 1001, 4, -1, true, "Обучение возможно"},
        {"HTML needs no program at all", 7, 101, 0, -1, true, "Обучение возможно"},
        {"Dreamweaver with Dreamweaver MX", 12, 151, 0, 1, true, "Обучение возможно"},
        {"Flash with only Dreamweaver MX", 13, 10000, 0, 1, false, "Обучение невозможно"},
        {"Office with Office 97", 16, 51, 0, 2, true, "Обучение возможно"},
        {"Office with $50", 16, 50, 0, 2, false, "Обучение невозможно"},
    };
    for (const Row& row : rows) {
        game.Money = row.money;
        game.IdeId = static_cast<std::uint8_t>(row.ideId);
        game.ExtraSoft.fill(false);
        if (row.extraSoft >= 0) {
            game.ExtraSoft[static_cast<std::size_t>(row.extraSoft)] = true;
        }
        EXPECT_EQ(CourseCondition(game, C(row.course)), row.allowed) << row.name;
        EXPECT_EQ(CourseVerdict(game, C(row.course)), row.verdict) << row.name;
    }
}

TEST_F(CoursesTest, TakingACourseCostsItsPriceAndWritesOnlyTheMoney) {
    game.Money = 201;
    TakeCourse(game, C(0));
    EXPECT_EQ(game.Money, 1);
    EXPECT_EQ(game.main.lMoney, "1");
    EXPECT_TRUE(game.Knowledge[0]);
    EXPECT_FALSE(game.education.itemEnabled[0]);
    EXPECT_EQ(game.Experience, 0);
    EXPECT_EQ(game.Mood, 100);

    // Refused silently: not enough money, or already taken.
    const GameState poor = game;
    TakeCourse(game, C(7));
    EXPECT_TRUE(game == poor);
    game.Money = 10000;
    const GameState rich = game;
    TakeCourse(game, C(0));
    EXPECT_TRUE(game == rich);
    EXPECT_TRUE(t.shell.messages.empty());
}

TEST_F(CoursesTest, TheLinesNameTheProgramInTheCoursesOwnWords) {
    struct Row {
        int course;
        const char* line1;
        const char* line2;
    };
    const Row rows[] = {
        {0, "Стоимость обучения: $200", ""},
        {5, "Установить Borland Kylix 1.0", "Стоимость обучения: $1000"},
        {9, "Стоимость обучения: $400", ""},
        {16, "Установить Microsoft Office 98", "Стоимость обучения: $50"},
        {12, "Установить Macromedia Dreamweaver MX", "Стоимость обучения: $150"},
    };
    for (const Row& row : rows) {
        const auto lines = CourseLines(C(row.course));
        EXPECT_EQ(lines[0], row.line1) << C(row.course).caption;
        EXPECT_EQ(lines[1], row.line2) << C(row.course).caption;
    }
}

TEST_F(CoursesTest, ShowingTheWindowOffersTheCoursesNotYetTaken) {
    for (bool enabled : game.education.itemEnabled) {
        EXPECT_TRUE(enabled);
    }
    game.Knowledge[3] = true;
    game.Knowledge[16] = true;
    RefreshCourses(game);
    for (int i = 0; i < kCourseCount; ++i) {
        EXPECT_EQ(game.education.itemEnabled[static_cast<std::size_t>(i)], i != 3 && i != 16) << i;
    }
}

}  // namespace
}  // namespace tessaro
