// GCC 12 at -O3 takes a short literal assigned to a std::string for an overlapping copy (GCC
// bug 105651, a false positive of -Wrestrict), and this file assigns many lines so. The
// warning is raised inside the standard headers, so it is silenced before they are read.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/NewGame.h"
#include "persistence/SavedGame.h"
#include "support/RecordingShell.h"
#include "titles/StartGame.h"

namespace tessaro {
namespace {

using testing::running;
using testing::TestGame;

// A game some days in: a board and a processor, Windows 98 with Delphi and Dr.Web, two
// courses, a job, a project under way and a utility. Every value differs from a new game's.
void PlayAWhile(Game& game) {
    StartGame(game, "Иван");
    game.Money = 1234;
    game.Mood = 87;
    game.Day = 15;
    game.DayTicks = 17;
    game.MoodTicks = 33;
    game.Wage = 5;
    game.Experience = 96;
    game.Status = "Ламер";
    game.JobId = 2;
    game.PartTradeIn[0] = 23;
    game.PartTradeIn[1] = 15;
    game.PartLevel[0] = 1;
    game.PartLevel[1] = 1;
    game.PartLevel[3] = 2;
    game.ProjectKind = 2;
    game.ProjectPrice = 9;
    game.ProjectValue = 11;
    game.ProjectActive = true;
    game.ProjectProgress = 4;
    game.ProjectName = "Текстовый редактор";
    game.Knowledge[0] = true;
    game.Knowledge[3] = true;
    game.OsId = 1;
    game.IdeId = 1;
    game.AvId = 1;
    game.ExtraSoft[1] = true;
    game.DiskFree = 2140;
    game.DiskTotal = 3000;
    game.OsSize = 200;
    game.IdeSize = 600;
    game.AvSize = 5;
    game.software.itemEnabled[0] = false;   // osW98
    game.software.itemEnabled[5] = false;   // dvD7
    game.software.itemEnabled[10] = false;  // lDreamweaver
    game.software.itemEnabled[14] = false;  // avDW
    game.developer.projectEnabled[0] = true;
    game.DialDraw = 3;
    game.DialStep = 11;
    game.ToolOwned[4] = true;
    game.main.lJob = "Программист $5/день";
    game.main.hardware[0] = "ASUS TXP4 (Socket 7, SIMM)";
    game.main.hardware[1] = "Intel Pentium 166MHz";
    game.main.hardware[3] = "Quantum 3GB 5200RPM";
    game.main.lOS = "Windows 98";
    game.main.lIDE = "Borland Delphi 7.0";
    game.main.lAV = "Dr.Web 4.29";
    game.developer.lNowProject = "Медиа проигрыватель";
    game.internet.lNowProject = "Медиа проигрыватель";
    game.developer.gProgress = 40;
    game.developer.gProgressVisible = true;
}

// The same game, line by line as the saved game's table lists it.
const std::vector<std::string> kGolden = {
    "Иван",
    "0",
    "0",
    "1234",
    "87",
    "15",
    "17",
    "33",
    "5",
    "96",
    "0",
    "Ламер",  // 0..11
    "2",      // 12 JobId
    "23",
    "15",
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",  // 13..21
    "1",
    "1",
    "0",
    "2",
    "0",
    "0",
    "0",
    "0",
    "0",  // 22..30
    "2",
    "9",
    "11",
    "-1",
    "4",
    "Текстовый редактор",  // 31..36
    "-1",
    "0",
    "0",
    "-1",
    "0",
    "0",
    "0",
    "0",
    "0",  // 37..45
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",  // 46..53
    "1",
    "1",
    "1",  // 54..56
    "0",
    "-1",
    "0",
    "0",
    "0",  // 57..61
    "2140",
    "3000",
    "200",
    "600",
    "5",  // 62..66
    "0",
    "-1",
    "-1",
    "-1",
    "-1",  // 67..71
    "0",
    "-1",
    "-1",
    "-1",  // 72..75
    "-1",
    "0",
    "-1",
    "-1",
    "-1",  // 76..80
    "0",
    "-1",
    "-1",  // 81..83
    "0",   // 84
    "-1",
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",
    "0",  // 85..92
    "0",
    "3",
    "11",
    "0",  // 93..96
    "0",
    "0",
    "0",
    "0",
    "-1",                   // 97..101
    "Программист $5/день",  // 102
    "ASUS TXP4 (Socket 7, SIMM)",
    "Intel Pentium 166MHz",
    "Нет",
    "Quantum 3GB 5200RPM",
    "Нет",
    "Нет",
    "Нет",
    "Нет",
    "Нет",  // 103..111
    "Windows 98",
    "Borland Delphi 7.0",
    "Dr.Web 4.29",  // 112..114
    "Медиа проигрыватель",
    "Медиа проигрыватель",  // 115, 116
    "40",
    "-1",
    "-1",  // 117..119
};

class SavedGameTest : public ::testing::Test {
  protected:
    SavedGameTest() { PlayAWhile(game); }

    // Loads `lines` from an answered dialog, as the menu does.
    void Load(const std::vector<std::string>& lines) {
        t.shell.files["game.tso"] = lines;
        t.shell.fileAnswers.push_back("game.tso");
        LoadGame(game);
    }

    // The game is as it was, but for the name the open dialog remembers.
    bool Unchanged(const GameState& before) const {
        GameState expected = before;
        expected.dialogs = game.dialogs;
        return game == expected;
    }

    TestGame t;
    Game& game = t.game;
};

TEST_F(SavedGameTest, TheLinesFollowTheTableOfTheSavedGame) {
    ASSERT_EQ(kGolden.size(), 120u);
    EXPECT_EQ(SavedGameLines(game), kGolden);
}

TEST_F(SavedGameTest, TheGoldenFileLoadsIntoEveryFieldAndWritesBackByteForByte) {
    TestGame other;
    NewGame(other.game);
    other.game.VirusDay = 77;
    const LoadOutcome outcome = ReadSavedGame(other.game, kGolden);
    ASSERT_TRUE(outcome.loaded) << outcome.error;
    const GameState& loaded = *outcome.loaded;
    EXPECT_EQ(SavedGameLines(loaded), kGolden);
    EXPECT_EQ(loaded.PlayerName, "Иван");
    EXPECT_EQ(loaded.Knowledge[3], true);
    EXPECT_EQ(loaded.Knowledge[4], false);
    EXPECT_EQ(loaded.PartLevel[3], 2);
    EXPECT_EQ(loaded.software.itemEnabled[5], false);
    EXPECT_EQ(loaded.ToolOwned[4], true);
    EXPECT_EQ(loaded.main.hardware[3], "Quantum 3GB 5200RPM");
    EXPECT_EQ(loaded.developer.gProgress, 40);  // ProjectProgress × 10
    // What the file does not hold stays as it was.
    EXPECT_EQ(loaded.VirusDay, 77);
    // The main window shows the loaded game.
    EXPECT_EQ(loaded.main.lName, "Иван");
    EXPECT_EQ(loaded.main.lMoney, "1234");
    EXPECT_EQ(loaded.main.lDay, "15");
    EXPECT_EQ(loaded.main.lExpansion, "96");
    EXPECT_EQ(loaded.main.gMood, 87);
}

TEST_F(SavedGameTest, ARoundTripKeepsEveryField) {
    // Values at the edges of what the game writes.
    game.Money = -40;
    game.Mood = 255;
    game.Wage = -4;
    game.PartTradeIn[2] = -7;
    game.ProjectKind = 0;  // sold during development
    game.MissionStep = 15;
    game.developer.gProgress = game.ProjectProgress * 10;
    const std::vector<std::string> lines = SavedGameLines(game);
    TestGame other;
    NewGame(other.game);
    const LoadOutcome outcome = ReadSavedGame(other.game, lines);
    ASSERT_TRUE(outcome.loaded) << outcome.error;
    EXPECT_EQ(SavedGameLines(*outcome.loaded), lines);
    for (const SavedLine& row : savedGameTable()) {
        EXPECT_EQ(row.write(*outcome.loaded), row.write(game)) << row.line << " " << row.field;
    }
}

// A game saved online comes back in the main window, where no connection can show: offline,
// with the wage that the connection took, and nothing of it left that a click would find.
TEST_F(SavedGameTest, AGameSavedOnlineComesBackOfflineWithItsWage) {
    struct Row {
        std::int32_t savedWage;
        std::int32_t loadedWage;
    };
    // The benefit less the connection, and an edited file's wage that no connection lowered.
    for (const Row row : {Row{-4, 1}, Row{15, 20}, Row{25, 25}}) {
        game.Connected = true;
        game.Wage = row.savedWage;
        game.MissionStep = 3;
        game.internet.lConnect = "Отключить";
        game.internet.surfToolsEnabled = true;
        game.internet.grHackVisible = true;
        TestGame other;
        NewGame(other.game);
        const LoadOutcome outcome = ReadSavedGame(other.game, SavedGameLines(game));
        ASSERT_TRUE(outcome.loaded) << outcome.error;
        const GameState& loaded = *outcome.loaded;
        EXPECT_FALSE(loaded.Connected) << row.savedWage;
        EXPECT_EQ(loaded.Wage, row.loadedWage);
        EXPECT_EQ(loaded.MissionStep, 0);
        EXPECT_EQ(loaded.internet.lConnect, "Подключиться");
        EXPECT_FALSE(loaded.internet.surfToolsEnabled);
        EXPECT_FALSE(loaded.internet.grHackVisible);
        // What it saves again loads again.
        EXPECT_TRUE(ReadSavedGame(other.game, SavedGameLines(loaded)).loaded);
    }
}

TEST_F(SavedGameTest, ANewGameSavesTheSaleLabelEnabled) {
    TestGame fresh;
    StartGame(fresh.game, "Пётр");
    const auto lines = SavedGameLines(fresh.game);
    EXPECT_EQ(lines[118], "-1");
    EXPECT_EQ(lines[84], lines[81]);
    EXPECT_EQ(lines[102], "Пособие по безработице $1/день");
}

TEST_F(SavedGameTest, LoadingReadsFlagsAsTheGameDoesAndIgnoresLineEightyFour) {
    struct Row {
        const char* text;
        bool value;
    };
    for (const Row& row : {Row{"True", true}, Row{"FALSE", false}, Row{"tRuE", true},
                           Row{"5", true}, Row{"-1", true}, Row{"0", false}}) {
        std::vector<std::string> lines = kGolden;
        lines[1] = row.text;
        lines[84] = "nonsense";
        lines.push_back("a 121st line is ignored");
        const LoadOutcome outcome = ReadSavedGame(game, lines);
        ASSERT_TRUE(outcome.loaded) << row.text << ": " << outcome.error;
        EXPECT_EQ(outcome.loaded->InternetOpen, row.value) << row.text;
    }
}

TEST_F(SavedGameTest, ALongNameIsCutToTwoHundredFiftyFiveCharacters) {
    std::vector<std::string> lines = kGolden;
    lines[0].clear();
    for (int i = 0; i < 300; ++i) {
        lines[0] += "Ж";
    }
    const LoadOutcome outcome = ReadSavedGame(game, lines);
    ASSERT_TRUE(outcome.loaded);
    EXPECT_EQ(outcome.loaded->PlayerName.size(), 255u * 2);
    EXPECT_EQ(outcome.loaded->main.lName, outcome.loaded->PlayerName);
}

// A bad file names its line and leaves the running game exactly as it was.
TEST_F(SavedGameTest, ABadFileChangesNothing) {
    static const std::string kMegabyteLine(1 << 20, '7');
    struct Row {
        const char* name;
        int line;
        const char* text;
        const char* error;
    };
    const Row rows[] = {
        {"not a number", 3, "12x", "Line 4: '12x' is not a valid integer value"},
        {"an empty number", 5, "", "Line 6: '' is not a valid integer value"},
        {"a bad flag", 34, "yes", "Line 35: 'yes' is not a valid boolean value"},
        {"a number past 32 bits", 3, "2147483648",
         "Line 4: '2147483648' is not a valid integer value"},
        {"a mood past one byte", 4, "300",
         "Line 5: '300' is not a valid integer value (Mood 0..255)"},
        {"a board past the catalogue", 22, "6",
         "Line 23: '6' is not a valid integer value (PartLevel[0] 0..5)"},
        {"an unknown operating system", 54, "9",
         "Line 55: '9' is not a valid integer value (OsId 0..5)"},
        {"a dial draw past 4", 94, "5",
         "Line 95: '5' is not a valid integer value (DialDraw 0..4)"},
        {"an escape in the name", 0, "Ив\x1b[31mан",
         "Line 1: в имени игрока есть управляющий символ"},
        {"a soft hyphen in the name", 0, "Ив\u00ADан",
         "Line 1: в имени игрока есть управляющий символ"},
        {"a line of a megabyte", 3, kMegabyteLine.c_str(),
         "Line 4: '7777777777777777777777777777777777777777…' is not a valid integer value"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> lines = kGolden;
        lines[static_cast<std::size_t>(row.line)] = row.text;
        t.shell.messages.clear();
        const GameState before = game;
        Load(lines);
        EXPECT_TRUE(Unchanged(before)) << row.name;
        ASSERT_EQ(t.shell.messages.size(), 1u) << row.name;
        EXPECT_EQ(t.shell.messages[0].text, row.error) << row.name;
    }

    // A short file reads its missing lines as empty: the first number among them fails.
    t.shell.messages.clear();
    const GameState before = game;
    Load(std::vector<std::string>(kGolden.begin(), kGolden.begin() + 100));
    EXPECT_TRUE(Unchanged(before));
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text, "Line 101: '' is not a valid boolean value");

    // A file that cannot be opened.
    t.shell.messages.clear();
    t.shell.fileAnswers.push_back("missing.tso");
    LoadGame(game);
    EXPECT_TRUE(Unchanged(before));
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text,
              "Cannot open file \"missing.tso\". No such file or directory");
}

TEST_F(SavedGameTest, AFinishedProjectsGaugeComesBackFullAndASecondRoundTripChangesNothing) {
    std::vector<std::string> lines = kGolden;
    lines[34] = "0";   // ProjectActive: finished
    lines[35] = "10";  // ProjectProgress
    lines[117] = "0";  // the gauge, hidden at 0
    lines[119] = "0";
    const LoadOutcome outcome = ReadSavedGame(game, lines);
    ASSERT_TRUE(outcome.loaded) << outcome.error;
    EXPECT_EQ(outcome.loaded->developer.gProgress, 100);
    std::vector<std::string> saved = SavedGameLines(*outcome.loaded);
    lines[117] = "100";
    EXPECT_EQ(saved, lines);
    const LoadOutcome again = ReadSavedGame(game, saved);
    ASSERT_TRUE(again.loaded) << again.error;
    EXPECT_EQ(SavedGameLines(*again.loaded), saved);
}

TEST_F(SavedGameTest, ALoadFinishesAsTheGameDoes) {
    std::vector<std::string> lines = kGolden;
    // A programmer with the parts and a modem, whose buttons the running game never unlocked.
    lines[9] = "400";
    lines[10] = "2";
    for (int slot = 22; slot <= 30; ++slot) {
        lines[static_cast<std::size_t>(slot)] = "1";
    }
    lines[117] = "90";  // the gauge follows ProjectProgress instead
    game.VirusDay = 123;
    game.MissionDraw = 2;
    Load(lines);
    EXPECT_EQ(game.Experience, 400);
    EXPECT_TRUE(game.SoftwareOpen);
    EXPECT_TRUE(game.InternetOpen);
    EXPECT_TRUE(game.main.bInternetImageEnabled);
    EXPECT_EQ(game.developer.gProgress, 40);
    EXPECT_EQ(game.VirusDay, 123);
    EXPECT_EQ(game.MissionDraw, 2);
    EXPECT_TRUE(running(game, TimerId::tTime));
    EXPECT_TRUE(t.shell.messages.empty());
}

TEST_F(SavedGameTest, TheDialogsAskWithTheirTitlesAndRememberTheLastName) {
    t.shell.fileAnswers = {std::string("saves/first"), std::nullopt, std::string("second.tso")};
    SaveGame(game);
    ASSERT_EQ(t.shell.fileChoices.size(), 1u);
    const FileChoice& save = t.shell.fileChoices[0];
    EXPECT_EQ(save.purpose, FileChoice::Purpose::Save);
    EXPECT_EQ(save.title, "Сохранение игры");
    EXPECT_EQ(save.filter, "Файл игры Tessaro 1.0 (*.tso)");
    EXPECT_EQ(save.rememberedName, "");
    EXPECT_EQ(t.shell.files.count("saves/first.tso"), 1u);

    // Cancelled: nothing is written, the remembered name stays.
    SaveGame(game);
    EXPECT_EQ(t.shell.fileChoices[1].rememberedName, "saves/first");
    EXPECT_EQ(t.shell.files.size(), 1u);

    LoadGame(game);
    const FileChoice& open = t.shell.fileChoices[2];
    EXPECT_EQ(open.purpose, FileChoice::Purpose::Open);
    EXPECT_EQ(open.title, "Загрузка игры");
    EXPECT_EQ(open.rememberedName, "");
    EXPECT_EQ(game.dialogs.odOpenGame, "second.tso");
    EXPECT_EQ(game.dialogs.sdSaveGame, "saves/first");
}

TEST_F(SavedGameTest, AFailedSaveSaysWhyAndTheGameGoesOn) {
    t.shell.refuseWrites = true;
    t.shell.fileAnswers.push_back("locked/game.tso");
    const int day = game.Day;
    SaveGame(game);
    ASSERT_EQ(t.shell.messages.size(), 1u);
    EXPECT_EQ(t.shell.messages[0].text,
              "Cannot create file \"locked/game.tso\". Permission denied");
    EXPECT_EQ(game.Day, day);
}

TEST(SavedGameFileNameTest, TheNameEndsInTsoExactly) {
    struct Row {
        const char* chosen;
        const char* saved;
    };
    const Row rows[] = {
        {"game", "game.tso"},       {"game.tso", "game.tso"},
        {"mygametso", "mygametso"}, {"game.TSO", "game.TSO.tso"},
        {"ts", "ts.tso"},           {"/home/игрок/игра", "/home/игрок/игра.tso"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SavedGameFileName(row.chosen), row.saved) << row.chosen;
    }
}

}  // namespace
}  // namespace tessaro
