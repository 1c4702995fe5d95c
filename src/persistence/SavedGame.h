#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kSavedLineCount = 120;
inline constexpr const char* kSavedGameFilter = GAME_TEXT("Файл игры Tessaro 1.0 (*.tso)");

// How a line of the saved game holds its value.
enum class Encoding {
    Text,    // the characters as they are
    Name,    // the player's name: text, cut to 255 characters when read
    Number,  // a decimal integer within the row's range
    Flag,    // "-1" true, "0" false; read also as any integer or True/False in any case
    Repeat,  // written as another line's flag, skipped when read
};

// One line of the saved game: where its value lives in the game, how it is written, and which
// values a load accepts.
struct SavedLine {
    int line;
    std::string field;
    Encoding encoding;
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::function<std::string(const GameState&)> write;
    std::function<void(GameState&, std::int64_t)> setNumber;  // numbers and flags
    std::function<void(GameState&, const std::string&)> setText;
};

// The 120 lines in their order: the one description that saving and loading both follow.
const std::vector<SavedLine>& savedGameTable();

// The game as the lines of a saved game, in UTF-8.
std::vector<std::string> SavedGameLines(const GameState& state);

// Reads the lines of a saved game over a copy of `state` and finishes the load as the game
// does (the main window's labels, the development gauge, the unlock rule). Returns the loaded
// game, or the error naming the first bad line; missing lines read as empty ones.
struct LoadOutcome {
    std::optional<GameState> loaded;
    std::string error;
};
LoadOutcome ReadSavedGame(const GameState& state, const std::vector<std::string>& lines);

// The name the file is saved under: the chosen one when it ends in "tso", else with ".tso"
// added.
std::string SavedGameFileName(const std::string& chosen);

// "Сохранить": the save dialog, then the file. Nothing is written when the player cancels.
void SaveGame(Game& game);
// "Загрузить": the open dialog, then the file. A bad file changes nothing and says why.
void LoadGame(Game& game);

}  // namespace tessaro
