#include "fuzz/Checks.h"

#include <QByteArray>
#include <QString>

#include "core/Text.h"
#include "longplay/RandomPlayer.h"
#include "persistence/SavedGame.h"
#include "persistence/SavedGameFile.h"
#include "support/RecordingShell.h"
#include "titles/NameValidator.h"
#include "titles/StartGame.h"

namespace tessaro::testing {

namespace {

// A saved game as the program writes it, read back from its bytes.
std::optional<GameState> roundTrip(const GameState& state, std::string& failure) {
    QByteArray bytes;
    if (const auto reason = encodeSavedGame(SavedGameLines(state), bytes)) {
        failure = "a loaded game cannot be saved: " + *reason;
        return std::nullopt;
    }
    std::vector<std::string> lines;
    if (const auto reason = decodeSavedGame(bytes, lines)) {
        failure = "a saved game cannot be read: " + *reason;
        return std::nullopt;
    }
    LoadOutcome outcome = ReadSavedGame(state, lines);
    if (!outcome.loaded) {
        failure = "a saved game does not load: " + outcome.error;
        return std::nullopt;
    }
    return outcome.loaded;
}

}  // namespace

std::string checkSavedGameInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TestGame t;
    Game& game = t.game;
    StartGame(game, "Иван");
    std::vector<std::string> lines;
    if (decodeSavedGame(bytes, lines)) {
        return {};  // refused before any line is read
    }
    t.shell.files["input.tso"] = lines;
    t.shell.fileAnswers.push_back("input.tso");
    GameState before = game;
    LoadGame(game);
    before.dialogs = game.dialogs;
    if (!t.shell.messages.empty()) {
        if (!(game == before)) {
            return "a refused load changed the game: " + t.shell.messages[0].text;
        }
        if (t.shell.messages[0].text.rfind("Line ", 0) != 0) {
            return "a refusal names no line: " + t.shell.messages[0].text;
        }
        return {};
    }
    std::string failure;
    const auto again = roundTrip(game, failure);
    if (!again) {
        return failure;
    }
    if (!(*again == static_cast<const GameState&>(game))) {
        return "a loaded game saves to a file that loads to another game";
    }
    return {};
}

std::string checkSavedGamePlay(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<std::string> lines;
    if (decodeSavedGame(bytes, lines)) {
        return {};
    }
    TestGame t;
    StartGame(t.game, "Иван");
    const LoadOutcome outcome = ReadSavedGame(t.game, lines);
    if (!outcome.loaded) {
        return {};
    }
    // The same bytes play the same game.
    std::uint32_t seed = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        seed = (seed ^ data[i]) * 16777619u;
    }
    RandomPlayer player(seed, *outcome.loaded);
    player.takeSteps(20);
    return {};
}

std::string checkNameInput(const std::uint8_t* data, std::size_t size) {
    QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    NameValidator validator;
    int position = 0;
    if (typed.isEmpty() || validator.validate(typed, position) != QValidator::Acceptable) {
        return {};
    }
    TestGame t;
    Game& game = t.game;
    if (!StartGame(game, typed.toStdString())) {
        return "an accepted name did not start a game";
    }
    std::string failure;
    const auto again = roundTrip(game, failure);
    if (!again) {
        return failure;
    }
    if (again->PlayerName != game.PlayerName ||
        game.PlayerName != firstCharacters(typed.toStdString(), kMaxNameLength)) {
        return "the name '" + typed.toStdString() + "' came back as '" + again->PlayerName + "'";
    }
    return {};
}

}  // namespace tessaro::testing
