#include "persistence/SavedGame.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <type_traits>

#include "core/MainLabels.h"
#include "core/Navigation.h"
#include "core/Templates.h"
#include "core/Text.h"
#include "events/Virus.h"
#include "hardware/PartsCatalogue.h"
#include "internet/Dialup.h"

namespace tessaro {

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
// The wage of the best job, the most that a game ever pays a day.
constexpr std::int32_t kBestWage = 25;
constexpr int kLargestDisk = 40000;  // MB, the shop's biggest disk

// A row whose value is reached by `reach`, a function that returns a reference to the field
// of a game, const or not.
template <typename Reach>
SavedLine number(std::string field, std::int64_t min, std::int64_t max, Reach reach) {
    SavedLine row{0, std::move(field), Encoding::Number, min, max, {}, {}, {}};
    row.write = [reach](const GameState& state) {
        return std::to_string(static_cast<std::int64_t>(reach(state)));
    };
    row.setNumber = [reach](GameState& state, std::int64_t value) {
        auto& target = reach(state);
        target = static_cast<std::remove_reference_t<decltype(target)>>(value);
    };
    return row;
}

template <typename Reach>
SavedLine flag(std::string field, Reach reach) {
    SavedLine row{0, std::move(field), Encoding::Flag, 0, 0, {}, {}, {}};
    row.write = [reach](const GameState& state) { return std::string(reach(state) ? "-1" : "0"); };
    row.setNumber = [reach](GameState& state, std::int64_t value) { reach(state) = value != 0; };
    return row;
}

template <typename Reach>
SavedLine text(std::string field, Reach reach) {
    SavedLine row{0, std::move(field), Encoding::Text, 0, 0, {}, {}, {}};
    row.write = [reach](const GameState& state) { return std::string(reach(state)); };
    row.setText = [reach](GameState& state, const std::string& value) { reach(state) = value; };
    return row;
}

std::string indexed(const char* name, std::size_t index) {
    return std::string(name) + "[" + std::to_string(index) + "]";
}

std::vector<SavedLine> buildTable() {
    std::vector<SavedLine> rows;
    SavedLine name = text(
        "PlayerName", [](auto& s) -> auto& { return s.PlayerName; });
    name.encoding = Encoding::Name;
    rows.push_back(std::move(name));
    rows.push_back(flag(
        "InternetOpen", [](auto& s) -> auto& { return s.InternetOpen; }));
    rows.push_back(flag(
        "SoftwareOpen", [](auto& s) -> auto& { return s.SoftwareOpen; }));
    rows.push_back(number(
        "Money", kInt32Min, kInt32Max, [](auto& s) -> auto& { return s.Money; }));
    rows.push_back(number(
        "Mood", 0, 255, [](auto& s) -> auto& { return s.Mood; }));
    rows.push_back(number(
        "Day", 1, kInt32Max, [](auto& s) -> auto& { return s.Day; }));
    rows.push_back(number(
        "DayTicks", 0, 240, [](auto& s) -> auto& { return s.DayTicks; }));
    rows.push_back(number(
        "MoodTicks", 0, 180, [](auto& s) -> auto& { return s.MoodTicks; }));
    // The best wage, and the benefit less the cost of being online.
    rows.push_back(number(
        "Wage", -4, kBestWage, [](auto& s) -> auto& { return s.Wage; }));
    rows.push_back(number(
        "Experience", 0, kInt32Max, [](auto& s) -> auto& { return s.Experience; }));
    rows.push_back(number(
        "StatusLevel", 0, 3, [](auto& s) -> auto& { return s.StatusLevel; }));
    rows.push_back(text(
        "Status", [](auto& s) -> auto& { return s.Status; }));
    rows.push_back(number(
        "JobId", 0, 9, [](auto& s) -> auto& { return s.JobId; }));
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        rows.push_back(number(
            indexed("PartTradeIn", slot), std::numeric_limits<std::int16_t>::min(),
            std::numeric_limits<std::int16_t>::max(), [slot](auto& s) -> auto& {
                return s.PartTradeIn[slot];
            }));
    }
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        // A level past the slot's models would read the catalogue out of bounds.
        rows.push_back(number(
            indexed("PartLevel", slot), 0,
            modelCount(static_cast<Slot>(slot)), [slot](auto& s) -> auto& {
                return s.PartLevel[slot];
            }));
    }
    rows.push_back(number(
        "ProjectKind", 0, kProjectKindCount, [](auto& s) -> auto& { return s.ProjectKind; }));
    rows.push_back(number(
        "ProjectPrice", 0, 150, [](auto& s) -> auto& { return s.ProjectPrice; }));
    rows.push_back(number(
        "ProjectValue", 0, 59, [](auto& s) -> auto& { return s.ProjectValue; }));
    rows.push_back(flag(
        "ProjectActive", [](auto& s) -> auto& { return s.ProjectActive; }));
    rows.push_back(number(
        "ProjectProgress", 0, 10, [](auto& s) -> auto& { return s.ProjectProgress; }));
    rows.push_back(text(
        "ProjectName", [](auto& s) -> auto& { return s.ProjectName; }));
    for (std::size_t course = 0; course < kCourseCount; ++course) {
        rows.push_back(flag(
            indexed("Knowledge", course), [course](auto& s) -> auto& {
                return s.Knowledge[course];
            }));
    }
    rows.push_back(number(
        "OsId", 0, 5, [](auto& s) -> auto& { return s.OsId; }));
    rows.push_back(number(
        "IdeId", 0, 4, [](auto& s) -> auto& { return s.IdeId; }));
    rows.push_back(number(
        "AvId", 0, 3, [](auto& s) -> auto& { return s.AvId; }));
    for (std::size_t program = 0; program < kExtraSoftCount; ++program) {
        rows.push_back(flag(
            indexed("ExtraSoft", program), [program](auto& s) -> auto& {
                return s.ExtraSoft[program];
            }));
    }
    rows.push_back(number(
        "DiskFree", 0, kLargestDisk, [](auto& s) -> auto& { return s.DiskFree; }));
    rows.push_back(number(
        "DiskTotal", 0, kLargestDisk, [](auto& s) -> auto& { return s.DiskTotal; }));
    rows.push_back(number(
        "OsSize", 0, 3200, [](auto& s) -> auto& { return s.OsSize; }));
    rows.push_back(number(
        "IdeSize", 0, 1500, [](auto& s) -> auto& { return s.IdeSize; }));
    rows.push_back(number(
        "AvSize", 0, 20, [](auto& s) -> auto& { return s.AvSize; }));
    for (std::size_t item = 0; item < kSoftwareItemCount; ++item) {
        rows.push_back(flag(
            indexed("software enabled", item), [item](auto& s) -> auto& {
                return s.software.itemEnabled[item];
            }));
    }
    SavedLine again = flag(
        "avDW enabled, once more", [](auto& s) -> auto& { return s.software.itemEnabled[14]; });
    again.encoding = Encoding::Repeat;
    rows.push_back(std::move(again));
    for (std::size_t kind = 0; kind < kProjectKindCount; ++kind) {
        rows.push_back(flag(
            indexed("project enabled", kind), [kind](auto& s) -> auto& {
                return s.developer.projectEnabled[kind];
            }));
    }
    rows.push_back(flag(
        "Connected", [](auto& s) -> auto& { return s.Connected; }));
    // 0 until the first dial.
    rows.push_back(number(
        "DialDraw", 0, 4, [](auto& s) -> auto& { return s.DialDraw; }));
    rows.push_back(number(
        "DialStep", 0, 11, [](auto& s) -> auto& { return s.DialStep; }));
    rows.push_back(number(
        "MissionStep", 0, 15, [](auto& s) -> auto& { return s.MissionStep; }));
    for (std::size_t tool = 0; tool < kToolCount; ++tool) {
        rows.push_back(flag(
            indexed("ToolOwned", tool), [tool](auto& s) -> auto& { return s.ToolOwned[tool]; }));
    }
    rows.push_back(text(
        "lJob", [](auto& s) -> auto& { return s.main.lJob; }));
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        rows.push_back(text(
            indexed("hardware caption", slot), [slot](auto& s) -> auto& {
                return s.main.hardware[slot];
            }));
    }
    rows.push_back(text(
        "lOS", [](auto& s) -> auto& { return s.main.lOS; }));
    rows.push_back(text(
        "lIDE", [](auto& s) -> auto& { return s.main.lIDE; }));
    rows.push_back(text(
        "lAV", [](auto& s) -> auto& { return s.main.lAV; }));
    rows.push_back(text(
        "development lNowProject", [](auto& s) -> auto& { return s.developer.lNowProject; }));
    rows.push_back(text(
        "market lNowProject", [](auto& s) -> auto& { return s.internet.lNowProject; }));
    rows.push_back(number(
        "gProgress", 0, 100, [](auto& s) -> auto& { return s.developer.gProgress; }));
    rows.push_back(flag(
        "lSell enabled", [](auto& s) -> auto& { return s.internet.saleEnabled; }));
    rows.push_back(flag(
        "gProgress visible", [](auto& s) -> auto& { return s.developer.gProgressVisible; }));
    for (std::size_t line = 0; line < rows.size(); ++line) {
        rows[line].line = static_cast<int>(line);
    }
    return rows;
}

std::optional<std::int64_t> parseInteger(const std::string& text) {
    std::size_t position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
        negative = text[position] == '-';
        ++position;
    }
    if (position == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; position < text.size(); ++position) {
        const char digit = text[position];
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
        // A number that does not fit 32 bits is not a number the game wrote.
        if (value > kInt32Max + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value < kInt32Min || value > kInt32Max) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> parseFlag(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true") {
        return true;
    }
    if (lower == "false") {
        return false;
    }
    if (const auto value = parseInteger(text)) {
        return *value != 0;
    }
    return std::nullopt;
}

std::string lineError(int line, const std::string& text) {
    // Lines are named as an editor counts them, from 1.
    return "Line " + std::to_string(line + 1) + ": " + text;
}

// A bad line as the error quotes it: an edited file may hold a line of any length.
std::string quoted(const std::string& value) {
    std::string text(1, '\'');
    text += shortQuote(value, 40);
    text += '\'';
    return text;
}

}  // namespace

const std::vector<SavedLine>& savedGameTable() {
    static const std::vector<SavedLine> table = buildTable();
    return table;
}

std::vector<std::string> SavedGameLines(const GameState& state) {
    std::vector<std::string> lines;
    lines.reserve(kSavedLineCount);
    for (const SavedLine& row : savedGameTable()) {
        lines.push_back(row.write(state));
    }
    return lines;
}

LoadOutcome ReadSavedGame(const GameState& state, const std::vector<std::string>& lines) {
    GameState loaded = state;
    for (const SavedLine& row : savedGameTable()) {
        const auto index = static_cast<std::size_t>(row.line);
        const std::string value = index < lines.size() ? lines[index] : std::string();
        switch (row.encoding) {
            case Encoding::Repeat:
                break;
            case Encoding::Name:
                // The name box refuses these, so a game never saves them.
                if (holdsControlCharacter(value)) {
                    return {std::nullopt,
                            fillIn(kNameControlCharacterText, {std::to_string(row.line + 1)})};
                }
                row.setText(loaded, firstCharacters(value, kMaxNameLength));
                break;
            case Encoding::Text:
                row.setText(loaded, value);
                break;
            case Encoding::Flag: {
                const auto flag = parseFlag(value);
                if (!flag) {
                    return {std::nullopt,
                            lineError(row.line, quoted(value) + " is not a valid boolean value")};
                }
                row.setNumber(loaded, *flag ? 1 : 0);
                break;
            }
            case Encoding::Number: {
                const auto number = parseInteger(value);
                if (!number) {
                    return {std::nullopt,
                            lineError(row.line, quoted(value) + " is not a valid integer value")};
                }
                if (*number < row.min || *number > row.max) {
                    return {std::nullopt,
                            lineError(row.line, quoted(value) + " is not a valid integer value (" +
                                                    row.field + " " + std::to_string(row.min) +
                                                    ".." + std::to_string(row.max) + ")")};
                }
                row.setNumber(loaded, *number);
                break;
            }
        }
    }

    MainCaptions& main = loaded.main;
    main.lName = loaded.PlayerName;
    main.lStatus = loaded.Status;
    showExperience(loaded);
    main.lMoney = std::to_string(loaded.Money);
    main.gMood = loaded.Mood;
    main.lDay = std::to_string(loaded.Day);
    // The gauge shows the days of work, whatever line 117 says: a finished project's hidden
    // gauge therefore comes back full, and the first save after such a load may differ from
    // the file in that line alone.
    loaded.developer.gProgress = loaded.ProjectProgress * 10;
    HangUpAfterLoad(loaded);
    // An edited file's wage that the connection never lowered stays one that a save writes.
    loaded.Wage = std::min(loaded.Wage, kBestWage);
    ApplyUnlockRule(loaded, 1);
    return {std::move(loaded), {}};
}

std::string SavedGameFileName(const std::string& chosen) {
    const bool endsInTso = chosen.size() >= 3 && chosen.compare(chosen.size() - 3, 3, "tso") == 0;
    return endsInTso ? chosen : chosen + ".tso";
}

void SaveGame(Game& game) {
    const auto chosen =
        game.shell.chooseFile({FileChoice::Purpose::Save, GAME_TEXT("Сохранение игры"),
                               kSavedGameFilter, game.dialogs.sdSaveGame});
    if (!chosen || chosen->empty()) {
        return;
    }
    game.dialogs.sdSaveGame = *chosen;
    if (const auto error =
            game.shell.writeSavedGame(SavedGameFileName(*chosen), SavedGameLines(game))) {
        game.shell.message(*error, kGameTitle, MessageIcon::None);
    }
}

void LoadGame(Game& game) {
    const auto chosen =
        game.shell.chooseFile({FileChoice::Purpose::Open, GAME_TEXT("Загрузка игры"),
                               kSavedGameFilter, game.dialogs.odOpenGame});
    if (!chosen || chosen->empty()) {
        return;
    }
    game.dialogs.odOpenGame = *chosen;
    std::vector<std::string> lines;
    if (const auto error = game.shell.readSavedGame(*chosen, lines)) {
        game.shell.message(*error, kGameTitle, MessageIcon::None);
        return;
    }
    LoadOutcome outcome = ReadSavedGame(game, lines);
    if (!outcome.loaded) {
        game.shell.message(outcome.error, kGameTitle, MessageIcon::None);
        return;
    }
    static_cast<GameState&>(game) = std::move(*outcome.loaded);
    game.shell.gameLoaded();
    VirusDayAfterLoad(game);
}

}  // namespace tessaro
