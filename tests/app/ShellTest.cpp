#include <QAction>
#include <QCloseEvent>
#include <QTest>
#include <csignal>
#include <functional>

#include "game/TfMain.h"
#include "persistence/SavedGame.h"
#include "support/TestProgram.h"
#include "titles/StartGame.h"
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
            const auto timer = t.timer(row.id);
            QCOMPARE(timer.interval(), row.interval);
            QVERIFY(!timer.isActive());
        }
        QCOMPARE(t.wakeTimer().timerType(), Qt::PreciseTimer);
        QVERIFY(!t.wakeTimer().isActive());
        t.startGame();
        QVERIFY(t.timer(TimerId::tTime).isActive());
        QVERIFY(!t.timer(TimerId::tConnect).isActive());
        tessaro::stopTimer(t.game(), TimerId::tTime);
        t.program.shell().sync();
        QVERIFY(!t.timer(TimerId::tTime).isActive());
    }

    // The program sleeps until the next tick the player can see, and a click finds every tick
    // due by its moment already run, the visible ones among them.
    void theClockSleepsUntilAVisibleTickAndAClickFindsItCaughtUp() {
        TestProgram t;
        std::int64_t now = 100000;
        t.program.shell().setClock([&now] { return now; });
        t.startGame();
        const QTimer& wake = t.wakeTimer();
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
        constexpr std::int64_t kMost = GameClock::kLongestCatchUp;
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
            const int wakeAfter = t.wakeTimer().interval();
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
            QVERIFY2(t.wakeTimer().isActive(), row);
            now += 100;
            t.program.shell().catchUp();
            QCOMPARE(t.game().DayTicks, ticks + 10);
        }
    }

    // The game in progress is kept for `--continue` when the player leaves it, or asks the
    // program to end while a message waits; a game lost or won is over on every road out, and
    // empties the slot when the slot holds it: continued from it, or kept there since. A game
    // read from another file (a friend's, won) leaves the slot alone.
    void theLastGameIsKeptAndAGameOverIsForgotten() {
        enum class Start { New, FromTheSlot, FromAFile };
        struct Row {
            const char* name;
            Start start;
            std::function<void(TestProgram&)> end;
            bool kept;
            int forgotten;
        };
        const auto trigger = [](TestProgram& t, const char* action) {
            t.fMain()->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        };
        const auto lose = [](TestProgram& t) {
            t.game().Money = -1;
            t.tick();
        };
        const auto win = [](TestProgram& t) {
            t.game().Experience = 1001;
            t.tick();
            QTest::mouseClick(t.find<ActionLabel>(WindowId::Form1, "bQuit"), Qt::LeftButton);
        };
        const Row rows[] = {
            {"Выход", Start::New, [&trigger](TestProgram& t) { trigger(t, "mExit"); }, true, 0},
            {"the close box", Start::New, [](TestProgram& t) { t.fMain()->close(); }, true, 0},
            {"Новая", Start::New, [&trigger](TestProgram& t) { trigger(t, "mNew"); }, true, 0},
            {"asked to end while the save dialog waits", Start::New,
             [&trigger](TestProgram& t) {
                 t.shell.whileAnswering = [&t] { t.program.shell().endProgram(); };
                 trigger(t, "mSave");
             },
             true, 0},
            {"lost, continued from the slot", Start::FromTheSlot, lose, false, 1},
            {"lost, asked to end while its message waits", Start::FromTheSlot,
             [&lose](TestProgram& t) {
                 t.shell.whileAnswering = [&t] { t.program.shell().endProgram(); };
                 lose(t);
             },
             false, 1},
            {"lost, never kept", Start::New, lose, false, 0},
            {"won, then Выход", Start::FromTheSlot, win, false, 1},
            {"a friend's won game", Start::FromAFile, win, false, 0},
            // Only a load that succeeds takes the game in play away from the slot.
            {"lost after a load that failed", Start::FromTheSlot,
             [&lose, &trigger](TestProgram& t) {
                 t.shell.files["bad.tso"] = {"not a saved game"};
                 t.shell.fileAnswers = {std::string("bad.tso")};
                 trigger(t, "mLoad");
                 lose(t);
             },
             false, 1},
            {"lost after a friend's game was loaded", Start::FromTheSlot,
             [&lose, &trigger](TestProgram& t) {
                 t.shell.files["friend.tso"] = SavedGameLines(t.game());
                 t.shell.fileAnswers = {std::string("friend.tso")};
                 trigger(t, "mLoad");
                 lose(t);
             },
             false, 0},
            {"lost after it was kept", Start::New,
             [&lose, &trigger](TestProgram& t) {
                 t.program.shell().keepTheGame();
                 lose(t);
                 trigger(t, "mExit");
             },
             true, 1},
        };
        for (const Row& row : rows) {
            TestProgram t;
            if (row.start == Start::New) {
                t.startGame();
            } else {
                TestGame saved;
                StartGame(saved.game, "Друг");
                const std::string file = row.start == Start::FromTheSlot ? "slot" : "friend.tso";
                t.shell.files[file] = SavedGameLines(saved.game);
                t.program.start(file, row.start == Start::FromTheSlot);
                // The load dialog starts in the saved games' folder, never at the slot.
                QVERIFY2(t.game().dialogs.odOpenGame.empty() == (row.start == Start::FromTheSlot),
                         row.name);
            }
            t.game().Money = 777;
            t.program.shell().sync();
            row.end(t);
            QVERIFY2(t.shell.ends + t.shell.restarts >= 1, row.name);
            QVERIFY2(t.shell.kept.empty() != row.kept, row.name);
            QVERIFY2(t.shell.forgotten == row.forgotten, row.name);
            if (row.kept && row.forgotten == 0) {
                QVERIFY2(t.shell.kept.back()[3] == "777", row.name);
            }
        }
    }

    // Play is kept once 30 s of it have passed since it was last kept, in whatever window the
    // player is: a crash loses at most that much. In the shop no day passes, and a purchase is
    // play.
    void playIsKeptEveryThirtySecondsInAnyWindow() {
        TestProgram t;
        std::int64_t now = 100000;
        t.program.shell().setClock([&now] { return now; });
        t.startGame();
        t.game().VirusDay = 1000;
        std::vector<std::int64_t> keptAfter;
        for (int step = 0; step < 70 * 100; ++step) {
            now += 10;
            t.program.shell().catchUp();
            if (t.shell.kept.size() > keptAfter.size()) {
                keptAfter.push_back(now - 100000);
                QVERIFY(t.shell.kept.back() == SavedGameLines(t.game()));
            }
        }
        // Each at the first change the screen shows once 30 s have passed: a mood point comes
        // every 1.81 s.
        QCOMPARE(keptAfter.size(), std::size_t{2});
        QVERIFY2(keptAfter[0] >= 30000 && keptAfter[0] <= 31810,
                 qPrintable(QString::number(keptAfter[0])));
        QVERIFY(keptAfter[1] - keptAfter[0] >= 30000 && keptAfter[1] - keptAfter[0] <= 31810);

        QVERIFY(t.openFromMain("bComputerImage", WindowId::fComputer));
        const std::size_t before = t.shell.kept.size();
        now += 20000;
        QTest::mouseClick(t.find<ActionLabel>(WindowId::fComputer, "mbP1"), Qt::LeftButton);
        QCOMPARE(t.shell.kept.size(), before);
        now += 20000;
        QTest::mouseClick(t.find<ActionLabel>(WindowId::fComputer, "cdR"), Qt::LeftButton);
        QCOMPARE(t.shell.kept.size(), before + 1);
        QVERIFY(t.shell.kept.back() == SavedGameLines(t.game()));
        QCOMPARE(t.game().PartLevel[kCdDvd], 1);

        // Nothing changes by itself in the shop: a purchase made 5 s after the game was kept is
        // kept by a timer 25 s later, which runs only while a change waits.
        auto* keep = t.program.shell().findChild<QTimer*>(QStringLiteral("keepTimer"));
        QVERIFY(!keep->isActive());
        now += 5000;
        QTest::mouseClick(t.find<ActionLabel>(WindowId::fComputer, "md28"), Qt::LeftButton);
        QCOMPARE(t.game().PartLevel[kModem], 1);
        QCOMPARE(t.shell.kept.size(), before + 1);
        QVERIFY(keep->isActive());
        QCOMPARE(keep->interval(), 25000);
        now += 25000;
        QVERIFY(QMetaObject::invokeMethod(keep, "timeout"));
        QCOMPARE(t.shell.kept.size(), before + 2);
        QVERIFY(t.shell.kept.back() == SavedGameLines(t.game()));
        QVERIFY(!keep->isActive());

        // A slot that cannot hold the game is told once a run, in the game, whatever the
        // later writes meet.
        t.shell.keepFault = "Игра сама не сохранилась";
        for (int purchase = 0; purchase < 3; ++purchase) {
            now += 31000;
            t.game().Money += 1000;
            t.program.shell().sync();
            QCoreApplication::processEvents();
        }
        const auto told = std::count_if(
            t.shell.messages.begin(), t.shell.messages.end(),
            [](const RecordedMessage& m) { return m.text == "Игра сама не сохранилась"; });
        QCOMPARE(told, 1);
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
        QVERIFY(!t.wakeTimer().isActive());
    }

    void aTimerStartedAfreshCountsItsWholeInterval() {
        TestProgram t;
        t.startGame();
        const auto clock = t.timer(TimerId::tTime);
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
        QVERIFY(!t.timer(TimerId::tTime).isActive());
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
