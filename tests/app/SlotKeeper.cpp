// A game that keeps itself as fast as it can, for the test that kills it at random moments
// (tests/app/last_game.sh): `slot_keeper SLOT` keeps a game whose day grows with each write
// until it is killed; `slot_keeper --check SLOT` says whether the slot loads.
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "app/QtShellPort.h"
#include "game/NewGame.h"
#include "persistence/SavedGame.h"
#include "persistence/SavedGameFile.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    tessaro::GameState game;
    tessaro::NewGame(game);
    game.PlayerName = "Иван";
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--check")) {
        std::vector<std::string> lines;
        if (const auto error = tessaro::readSavedGameFile(arguments[2].toStdString(), lines)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return 1;
        }
        const tessaro::LoadOutcome outcome = tessaro::ReadSavedGame(game, lines);
        if (!outcome.loaded) {
            std::fprintf(stderr, "%s\n", outcome.error.c_str());
            return 1;
        }
        std::printf("%d\n", outcome.loaded->Day);
        return 0;
    }
    if (arguments.size() != 2) {
        return 2;
    }
    tessaro::QtShellPort port(QString(), arguments[1]);
    for (;;) {
        ++game.Day;
        port.keepGame(tessaro::SavedGameLines(game));
    }
}
