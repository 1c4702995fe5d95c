// How fast the game runs where speed matters: the day clock's tick, a whole day, the last game
// remembered after a change, a save and a load, and the main window's refresh after a tick that
// changed nothing on it.
//   scripts/bench.sh
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTemporaryDir>

#include "game/DayClock.h"
#include "game/KeptGame.h"
#include "game/TfMain.h"
#include "persistence/SavedGame.h"
#include "persistence/SavedGameFile.h"
#include "support/RecordingShell.h"
#include "support/TestProgram.h"
#include "titles/StartGame.h"

namespace tessaro::testing {
namespace {

// A game that can run for ever: no virus, and a mood topped up before it runs out.
void prepare(Game& game) {
    StartGame(game, "Иван");
    game.VirusDay = -1;
    game.Mood = 200;
}

void DayClockTicks(benchmark::State& state) {
    TestGame t;
    prepare(t.game);
    for (auto _ : state) {
        DayClockTick(t.game);
        if (t.game.Mood < 10) {
            t.game.Mood = 200;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DayClockTicks);

void OneGameDay(benchmark::State& state) {
    TestGame t;
    prepare(t.game);
    for (auto _ : state) {
        for (int tick = 0; tick <= kLastTickOfDay; ++tick) {
            DayClockTick(t.game);
        }
        t.game.Mood = 200;
    }
}
BENCHMARK(OneGameDay);

// What keeping the last game adds to every change on screen: the game remembered as it stands.
void KeepTrackOfTheLastGame(benchmark::State& state) {
    TestGame t;
    prepare(t.game);
    KeptGame kept(t.shell);
    std::int64_t now = 0;
    for (auto _ : state) {
        DayClockTick(t.game);
        t.game.Mood = 200;
        kept.played(t.game, ++now, false);
    }
}
BENCHMARK(KeepTrackOfTheLastGame);

void SaveAGame(benchmark::State& state) {
    TestGame t;
    prepare(t.game);
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("game.tso")).toStdString();
    for (auto _ : state) {
        if (writeSavedGameFile(path, SavedGameLines(t.game))) {
            state.SkipWithError("the save failed");
        }
    }
}
BENCHMARK(SaveAGame)->Unit(benchmark::kMicrosecond);

void LoadAGame(benchmark::State& state) {
    TestGame t;
    prepare(t.game);
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("game.tso")).toStdString();
    writeSavedGameFile(path, SavedGameLines(t.game));
    for (auto _ : state) {
        std::vector<std::string> lines;
        if (readSavedGameFile(path, lines) || !ReadSavedGame(t.game, lines).loaded) {
            state.SkipWithError("the load failed");
        }
    }
}
BENCHMARK(LoadAGame)->Unit(benchmark::kMicrosecond);

// Counts the paint events of the main window's labels.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

void MainWindowRefreshWithNothingChanged(benchmark::State& state) {
    TestProgram t;
    t.startGame();
    t.game().VirusDay = -1;
    TfMain* main = t.fMain();
    PaintCounter counter;
    for (QLabel* label : main->findChildren<QLabel*>()) {
        label->installEventFilter(&counter);
    }
    QCoreApplication::processEvents();
    counter.paints = 0;
    for (auto _ : state) {
        // A tick in the middle of a day and of a mood point changes no label's text.
        t.game().DayTicks = 100;
        t.game().MoodTicks = 100;
        t.tick();
    }
    QCoreApplication::processEvents();
    state.counters["label paints"] = counter.paints;
}
BENCHMARK(MainWindowRefreshWithNothingChanged);

}  // namespace
}  // namespace tessaro::testing

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tessaro::testing::prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
