#include <QAction>
#include <QCloseEvent>
#include <QTest>
#include <csignal>
#include <functional>

#include "game/TfMain.h"
#include "persistence/SavedGame.h"
#include "support/TestProgram.h"
#include "widgets/Accessibility.h"
#include "widgets/ActionLabel.h"
#include "widgets/ActivityWindow.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    // While the clock runs, a screen reader hears only the warnings that play crosses: the mood
    // at which interviews fail, a mood near losing, a debt; never each point of mood.
    void theClockWarnsAScreenReaderOnlyAtItsThresholds_data() {
        QTest::addColumn<int>("mood");
        QTest::addColumn<int>("money");
        QTest::addColumn<QString>("heard");
        QTest::newRow("a point of mood") << 80 << 500 << QString();
        QTest::newRow("interviews fail from here") << 51 << 500 << "Настроение: 50%.";
        QTest::newRow("near losing") << 11 << 500 << "Настроение: 10%.";
        QTest::newRow("already low") << 10 << 500 << QString();
        QTest::newRow("a debt") << 80 << 2 << "Деньги: $-2.";
    }
    void theClockWarnsAScreenReaderOnlyAtItsThresholds() {
        QFETCH(int, mood);
        QFETCH(int, money);
        QFETCH(QString, heard);
        TestProgram t;
        t.startGame();
        Game& game = t.game();
        game.Mood = static_cast<std::uint8_t>(mood);
        game.main.gMood = mood;
        game.Money = money;
        game.Wage = -4;
        t.program.shell().sync();
        QCoreApplication::processEvents();
        // Said last before the tick.
        announce(QStringLiteral("—"));
        QCoreApplication::processEvents();
        game.MoodTicks = 180;
        game.DayTicks = 240;
        t.tick();
        QCoreApplication::processEvents();
        QCOMPARE(lastAnnouncement(), heard.isEmpty() ? QStringLiteral("—.") : heard);
    }

    void aWindowIsMadeTheFirstTimeTheGameShowsIt() {
        TestProgram t;
        QVERIFY(t.window(WindowId::fStart) != nullptr);
        for (std::size_t i = 1; i < kWindowCount; ++i) {
            QVERIFY2(t.window(static_cast<WindowId>(i)) == nullptr, qPrintable(QString::number(i)));
        }
        t.startGame();
        QVERIFY(t.window(WindowId::fStart) == nullptr);
        QVERIFY(t.fMain() != nullptr && t.fMain()->isVisible());
        QVERIFY(t.window(WindowId::fComputer) == nullptr);

        QTest::mouseClick(t.find<PictureButton>(WindowId::fMain, "bComputerImage"), Qt::LeftButton);
        GameWindow* shop = t.window(WindowId::fComputer);
        QVERIFY(shop != nullptr && shop->isVisible());
        shop->close();
        // Hidden, the window stays, with what it showed.
        QCOMPARE(t.window(WindowId::fComputer), shop);
        QVERIFY(!shop->isVisible());
    }

    void everyTimerOfTheTableRunsOnlyWhileTheGameSays() {
        TestProgram t;
        for (const TimerDefinition& row : timerDefinitions()) {
            const auto timer = t.program.shell().timer(row.id);
            QCOMPARE(timer.interval(), row.interval);
            QVERIFY(!timer.isActive());
        }
        QCOMPARE(t.program.shell().wakeTimer().timerType(), Qt::PreciseTimer);
        QVERIFY(!t.program.shell().wakeTimer().isActive());
        t.startGame();
        QVERIFY(t.program.shell().timer(TimerId::tTime).isActive());
        QVERIFY(!t.program.shell().timer(TimerId::tConnect).isActive());
        tessaro::stopTimer(t.game(), TimerId::tTime);
        t.program.shell().sync();
        QVERIFY(!t.program.shell().timer(TimerId::tTime).isActive());
    }

    // The program sleeps until the next tick the player can see, and a click finds every tick
    // due by its moment already run, the visible ones among them.
    void theClockSleepsUntilAVisibleTickAndAClickFindsItCaughtUp() {
        TestProgram t;
        std::int64_t now = 100000;
        t.program.shell().setClock([&now] { return now; });
        t.startGame();
        const QTimer& wake = t.program.shell().wakeTimer();
        QVERIFY(wake.isActive());
        QCOMPARE(wake.interval(), 10);  // the first tick shows the experience

        now += 10;
        t.program.shell().catchUp();
        t.program.shell().sync();
        QCOMPARE(t.game().DayTicks, 1);
        QCOMPARE(wake.interval(), 1800);  // then the first mood point, 180 ticks on

        const int mood = t.game().Mood;
        now += 1990;
        QCOMPARE(t.game().DayTicks, 1);
        QTest::mouseClick(t.find<PictureButton>(WindowId::fMain, "bComputerImage"), Qt::LeftButton);
        QVERIFY(t.shown(WindowId::fComputer));
        QCOMPARE(t.game().DayTicks, 200);
        QCOMPARE(t.game().MoodTicks, 19);
        QCOMPARE(int(t.game().Mood), mood - 1);
        QVERIFY(!running(t.game(), TimerId::tTime));
        QVERIFY(!wake.isActive());
    }

    // A program that could not run finds its wake-up long overdue. Stopped (Ctrl+Z), it is told
    // so as it resumes and plays at most the longest catch-up since it last ran, however far
    // ahead its wake-up was; frozen or in a debugger, untold, at most that much past the
    // wake-up. A wake-up merely late, as on a busy machine, plays every tick due.
    void aStoppedProgramResumesWhereItWasStopped() {
        struct Row {
            std::int64_t late;
            bool stopped;         // told by SIGCONT
            std::int64_t played;  // from the moment it last ran
            bool sinceTheWakeUp;  // or from the wake-up it had asked for
        };
        constexpr std::int64_t kMost = Shell::kLongestCatchUp;
        for (const Row row :
             {Row{300, false, 300, true}, Row{kMost, false, kMost, true},
              Row{10 * 60 * 1000, false, kMost, true}, Row{10 * 1000, true, kMost, false},
              Row{10 * 60 * 1000, true, kMost, false}}) {
            TestProgram t;
            std::int64_t now = 100000;
            t.program.shell().setClock([&now] { return now; });
            t.startGame();
            now += 10;
            t.program.shell().catchUp();
            t.program.shell().sync();
            const int ticks = t.game().DayTicks;
            const int day = t.game().Day;
            const int wakeAfter = t.program.shell().wakeTimer().interval();
            now += wakeAfter + row.late;
            if (row.stopped) {
                std::raise(SIGCONT);
            }
            t.program.shell().catchUp();
            const std::int64_t played = (row.sinceTheWakeUp ? wakeAfter : 0) + row.played;
            QCOMPARE(t.game().Day, day);
            QCOMPARE(t.game().DayTicks - ticks, int(played / 10));
            // From there on the clock keeps its pace.
            now += 50;
            t.program.shell().catchUp();
            QCOMPARE(t.game().DayTicks - ticks, int((played + 50) / 10));
        }
    }

    // While a message box or a file dialog waits for the player, no game time passes, whatever
    // he does in it; the day goes on from where it stood once he has answered.
    void noGameTimePassesWhileTheGameWaitsForAnAnswer() {
        for (const bool fileDialog : {false, true}) {
            const char* row = fileDialog ? "a file dialog" : "a message box";
            TestProgram t;
            std::int64_t now = 100000;
            t.program.shell().setClock([&now] { return now; });
            t.startGame();
            const int day = t.game().Day;
            const int ticks = t.game().DayTicks;
            // A minute spent over the answer, with a click in the dialog half way.
            t.shell.whileAnswering = [&now, &t] {
                now += 30000;
                t.program.shell().catchUp();
                now += 30000;
            };
            if (fileDialog) {
                t.fMain()->findChild<QAction*>(QStringLiteral("mSave"))->trigger();
            } else {
                t.program.shell().message("Необходимо продать старый проект", "",
                                          MessageIcon::None);
            }
            QCOMPARE(t.game().Day, day);
            QCOMPARE(t.game().DayTicks, ticks);
            QVERIFY2(t.program.shell().wakeTimer().isActive(), row);
            now += 100;
            t.program.shell().catchUp();
            QCOMPARE(t.game().DayTicks, ticks + 10);
        }
    }

    // The game in progress is kept for `--continue` when the player leaves it; a game lost or
    // won leaves nothing to continue.
    void theLastGameIsKeptAndAGameOverIsForgotten() {
        struct Row {
            const char* name;
            std::function<void(TestProgram&)> end;
            bool kept;
        };
        const auto trigger = [](TestProgram& t, const char* action) {
            t.fMain()->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        };
        const Row rows[] = {
            {"Выход", [&trigger](TestProgram& t) { trigger(t, "mExit"); }, true},
            {"the close box", [](TestProgram& t) { t.fMain()->close(); }, true},
            {"Новая", [&trigger](TestProgram& t) { trigger(t, "mNew"); }, true},
            {"lost",
             [](TestProgram& t) {
                 t.game().Money = -1;
                 t.tick();
             },
             false},
            {"won, then Выход",
             [](TestProgram& t) {
                 t.game().Experience = 1001;
                 t.tick();
                 QTest::mouseClick(t.find<ActionLabel>(WindowId::Form1, "bQuit"), Qt::LeftButton);
             },
             false},
        };
        for (const Row& row : rows) {
            TestProgram t;
            t.startGame();
            t.game().Money = 777;
            row.end(t);
            QVERIFY2(t.shell.ends + t.shell.restarts == 1, row.name);
            if (row.kept) {
                QVERIFY2(t.shell.kept.size() == 1 && t.shell.forgotten == 0, row.name);
                QVERIFY2(t.shell.kept.back() == SavedGameLines(t.game()), row.name);
            } else {
                QVERIFY2(t.shell.kept.empty() && t.shell.forgotten == 1, row.name);
            }
        }
    }

    // During play the game is kept at the end of a game day once 30 s of play have passed
    // since it was last kept: a crash loses at most that much.
    void aGameDayEndsKeepingTheGameEveryThirtySecondsOfPlay() {
        TestProgram t;
        std::int64_t now = 100000;
        t.program.shell().setClock([&now] { return now; });
        t.startGame();
        t.game().VirusDay = 1000;
        std::vector<int> keptDays;
        for (int step = 0; step < 60 * 241; ++step) {
            now += 10;
            t.program.shell().catchUp();
            if (t.shell.kept.size() > keptDays.size()) {
                keptDays.push_back(t.game().Day);
                QVERIFY(t.shell.kept.back() == SavedGameLines(t.game()));
            }
        }
        // A day is 2.41 s of play: 30 s end in the 13th day.
        QCOMPARE(keptDays, (std::vector<int>{14, 27, 40, 53}));
    }

    // The sleeping clock wakes for the day's end, whose wage leaves the player in debt, and
    // the tick after it loses the game: one message, with every timer stopped, then the end.
    void aDayEndThatRuinsThePlayerWakesTheClockForItsMessage() {
        TestProgram t;
        std::int64_t now = 100000;
        t.program.shell().setClock([&now] { return now; });
        t.startGame();
        t.game().Money = 2;
        t.game().Wage = -4;
        t.game().DayTicks = 200;
        t.program.shell().sync();
        now += 410;  // the end of the day
        t.program.shell().catchUp();
        QCOMPARE(t.game().Money, -2);
        QVERIFY(t.shell.messages.empty());
        now += 10;
        t.program.shell().catchUp();
        QCOMPARE(t.shell.messages.size(), std::size_t{1});
        QCOMPARE(t.shell.messages[0].timersRunning, (std::array<bool, kTimerCount>{}));
        QCOMPARE(t.shell.ends, 1);
        QVERIFY(!t.program.shell().wakeTimer().isActive());
    }

    void aTimerStartedAfreshCountsItsWholeInterval() {
        TestProgram t;
        t.startGame();
        const auto clock = t.program.shell().timer(TimerId::tTime);
        setTimerInterval(t.game(), TimerId::tTime, 60000);
        t.program.shell().sync();
        QCOMPARE(clock.interval(), 60000);
        QTest::qWait(300);
        const int before = clock.remainingTime();
        QVERIFY(before <= 59800);

        // Started again while running: nothing changes for the real timer.
        tessaro::startTimer(t.game(), TimerId::tTime);
        t.program.shell().sync();
        QVERIFY(clock.remainingTime() <= before);

        // Stopped and started within one event: the interval counts from now.
        tessaro::stopTimer(t.game(), TimerId::tTime);
        tessaro::startTimer(t.game(), TimerId::tTime);
        t.program.shell().sync();
        QVERIFY2(clock.remainingTime() > before + 200,
                 qPrintable(QString::number(clock.remainingTime())));
    }

    // The close box never hides a window by itself: the window's close rule runs, and the
    // window hides because the game says so.
    void theCloseBoxRunsTheWindowsCloseRule() {
        TestProgram t;
        t.startGame();
        QTest::mouseClick(t.find<PictureButton>(WindowId::fMain, "bJobImage"), Qt::LeftButton);
        GameWindow* job = t.window(WindowId::fJob);
        QCloseEvent close;
        QApplication::sendEvent(job, &close);
        QVERIFY(!close.isAccepted());
        QVERIFY(!job->isVisible());
        QVERIFY(!t.game().window(WindowId::fJob).shown);
        // The activity's close rule gave back the main window and the day.
        QVERIFY(t.fMain()->isEnabled());
        QVERIFY(running(t.game(), TimerId::tTime));
    }

    void aMessageShowsWhatTheRuleDidSoFar() {
        TestProgram t;
        t.startGame();
        t.game().Money = -1;
        t.tick();
        QCOMPARE(t.shell.messages.size(), std::size_t{1});
        // Every real timer was stopped before the box opened.
        QVERIFY(!t.program.shell().timer(TimerId::tTime).isActive());
        QCOMPARE(t.shell.ends, 1);
        // After the end, no tick runs a rule again.
        const GameState ended = t.game();
        t.tick();
        QVERIFY(t.game() == ended);
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::ShellTest)
#include "ShellTest.moc"
