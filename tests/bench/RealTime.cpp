// The day clock's pace in real time: the program's own shell and timers, on the offscreen
// platform, for a number of game days (5 unless told). Prints how far real time strayed from
// 2.41 s a day. A figure, not a test: a shared machine is noisy.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "support/TestProgram.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tessaro::testing::prepareApplication();
    const int days = argc > 1 ? std::atoi(argv[1]) : 5;

    tessaro::testing::TestProgram t;
    t.startGame();
    tessaro::Game& game = t.game();
    game.VirusDay = -1;
    game.Mood = 250;
    game.DayTicks = 0;
    const int firstDay = game.Day;
    QElapsedTimer clock;
    clock.start();
    // The real timer starts its phase afresh with the day.
    tessaro::stopTimer(game, tessaro::TimerId::tTime);
    t.program.shell().sync();
    tessaro::startTimer(game, tessaro::TimerId::tTime);
    t.program.shell().sync();

    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (game.Day - firstDay >= days) {
            QCoreApplication::quit();
        }
    });
    watch.start(1);
    QApplication::exec();

    const double expected = days * 241 * 10.0;
    const double measured = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("%d game days: %.0f ms of real time for %.0f ms, %+.2f %%\n", days, measured,
                expected, (measured - expected) / expected * 100.0);
    return 0;
}
