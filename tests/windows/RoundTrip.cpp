// A saved game through the game's own reader and writer, for the test that compares the bytes
// that each system writes:
//   saved_game_round_trip IN OUT   reads IN, loads it as the game does, and saves it as OUT
//   saved_game_round_trip --new OUT   saves a new game of a player with a Cyrillic name
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "game/NewGame.h"
#include "persistence/SavedGame.h"
#include "persistence/SavedGameFile.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: saved_game_round_trip IN|--new OUT\n");
        return 2;
    }
    tessaro::GameState game;
    tessaro::NewGame(game);
    game.PlayerName = "Иван Ёжиков «№1»";
    if (arguments[1] != QLatin1String("--new")) {
        std::vector<std::string> lines;
        if (const auto error = tessaro::readSavedGameFile(arguments[1].toStdString(), lines)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return 1;
        }
        tessaro::LoadOutcome outcome = tessaro::ReadSavedGame(game, lines);
        if (!outcome.loaded) {
            std::fprintf(stderr, "%s\n", outcome.error.c_str());
            return 1;
        }
        game = *outcome.loaded;
    }
    if (const auto error = tessaro::writeSavedGameFile(arguments[2].toStdString(),
                                                       tessaro::SavedGameLines(game))) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 1;
    }
    return 0;
}
