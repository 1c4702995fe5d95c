// What only a desktop shows: stacking and focus under a real window manager, the frame and the
// place on the screen. It runs on a virtual X screen with openbox (tests/app/desktop.sh) and
// reads what the window manager says through xprop, clicking through xdotool, as a player's
// pointer would.
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "app/QtShellPort.h"
#include "app/WindowStack.h"
#include "core/Navigation.h"
#include "events/Virus.h"
#include "game/Activities.h"
#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "titles/AboutAndCongratulations.h"
#include "widgets/ActionLabel.h"

namespace tessaro::testing {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The numbers of a root window property, bottom of the stack first.
QList<WId> rootWindows(const char* property) {
    QList<WId> windows;
    const QString line = run(QStringLiteral("xprop"), {"-root", QLatin1String(property)});
    static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
    for (auto match = id.globalMatch(line); match.hasNext();) {
        windows.append(match.next().captured().toULongLong(nullptr, 16));
    }
    return windows;
}

QString windowProperty(const QWidget* window, const char* property) {
    return run(QStringLiteral("xprop"),
               {"-id", QString::number(window->winId()), QLatin1String(property)});
}

// The window with its frame, as the X server and the window manager have placed it.
QRect frameOnScreen(const QWidget* window) {
    const QString info = run(QStringLiteral("xwininfo"), {"-id", QString::number(window->winId())});
    const auto field = [&info](const char* name) {
        static const QRegularExpression number(QStringLiteral("-?[0-9]+"));
        const qsizetype at = info.indexOf(QLatin1String(name));
        return at < 0 ? 0 : number.match(info, at + qsizetype(qstrlen(name))).captured().toInt();
    };
    const QRect client(field("Absolute upper-left X:"), field("Absolute upper-left Y:"),
                       field("Width:"), field("Height:"));
    const QStringList extents =
        windowProperty(window, "_NET_FRAME_EXTENTS").section(QLatin1Char('='), 1).split(',');
    if (extents.size() != 4) {
        return client;
    }
    return client.adjusted(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(),
                           extents[3].toInt());
}

bool above(const QWidget* upper, const QWidget* lower) {
    const QList<WId> stack = rootWindows("_NET_CLIENT_LIST_STACKING");
    return stack.indexOf(upper->winId()) > stack.indexOf(lower->winId()) &&
           stack.contains(lower->winId());
}

bool active(const QWidget* window) {
    const QList<WId> ids = rootWindows("_NET_ACTIVE_WINDOW");
    return !ids.isEmpty() && ids.first() == window->winId();
}

bool waitUntil(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 3000) {
            return false;
        }
        QTest::qWait(50);
    }
    return true;
}

// A point of the waiting window that the windows above it leave free, clicked as a player
// does; false when they cover it whole.
bool clickBeside(const QWidget* waiting, const std::vector<QWidget*>& above) {
    const QRect free = waiting->geometry();
    for (const QPoint point :
         {free.bottomLeft() + QPoint(8, -8), free.bottomRight() + QPoint(-8, -8),
          free.topLeft() + QPoint(8, 30), free.topRight() + QPoint(-8, 30)}) {
        if (std::none_of(above.begin(), above.end(), [point](const QWidget* window) {
                return window->frameGeometry().contains(point);
            })) {
            run(QStringLiteral("xdotool"), {"mousemove", QString::number(point.x()),
                                            QString::number(point.y()), "click", "1"});
            return true;
        }
    }
    return false;
}

// A click of the player's pointer in the middle of a part of a widget.
void clickOn(const QWidget* widget, QRect part = {}) {
    const QPoint point = widget->mapToGlobal((part.isNull() ? widget->rect() : part).center());
    run(QStringLiteral("xdotool"),
        {"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

// The game's windows, opened as the game opens them.
struct Opening {
    const char* name;
    WindowId id;
    std::function<void(Game&)> open;
};

const Opening kOpenings[] = {
    {"shop", WindowId::fComputer, [](Game& g) { OpenActivity(g, WindowId::fComputer); }},
    {"software", WindowId::fSoftware, [](Game& g) { OpenActivity(g, WindowId::fSoftware); }},
    {"education", WindowId::fEducation, [](Game& g) { OpenActivity(g, WindowId::fEducation); }},
    {"jobs", WindowId::fJob, [](Game& g) { OpenActivity(g, WindowId::fJob); }},
    {"development", WindowId::fDeveloper, [](Game& g) { OpenActivity(g, WindowId::fDeveloper); }},
    {"internet", WindowId::fInternet, [](Game& g) { OpenActivity(g, WindowId::fInternet); }},
    {"rest", WindowId::Form3, [](Game& g) { OpenActivity(g, WindowId::Form3); }},
    {"virus", WindowId::Form4, [](Game& g) { VirusDayComes(g); }},
    {"about", WindowId::Form2, [](Game& g) { ShowAbout(g); }},
};

// A new game in which the row's window has opened, every picture button unlocked.
void openAsTheGameDoes(TestProgram& t, const Opening& row) {
    t.startGame();
    Game& game = t.game();
    game.SoftwareOpen = game.InternetOpen = true;
    game.main.bSoftwareImageEnabled = game.main.bInternetImageEnabled = true;
    row.open(game);
    t.program.shell().sync();
}

// The windows in play as the game's windows stack them, bottom first.
std::vector<QWidget*> windowsInPlay(TestProgram& t) {
    return t.windowsInPlay();
}

QString chainNames(const std::vector<QWidget*>& chain) {
    QStringList names;
    for (const QWidget* window : chain) {
        names.append(window->objectName().isEmpty()
                         ? QString::fromLatin1(window->metaObject()->className())
                         : window->objectName());
    }
    return names.join(QLatin1Char('/'));
}

// The chain of windows in play as the window manager holds it: each owned by the one beneath,
// stacked in order, the top active with the keyboard; and so it stays when the player clicks
// any window beneath.
void checkTheChain(TestProgram& t, const QString& row) {
    const std::vector<QWidget*> chain = windowsInPlay(t);
    QVERIFY2(chain.size() >= 2, qPrintable(row));
    QWidget* top = chain.back();
    const QString where = row + QLatin1Char(' ') + chainNames(chain);
    const auto inOrder = [&chain] {
        const QList<WId> stack = rootWindows("_NET_CLIENT_LIST_STACKING");
        for (std::size_t i = 1; i < chain.size(); ++i) {
            if (!stack.contains(chain[i - 1]->winId()) ||
                stack.indexOf(chain[i]->winId()) < stack.indexOf(chain[i - 1]->winId())) {
                return false;
            }
        }
        return true;
    };
    const auto inPlay = [&] {
        return inOrder() && active(top) && QGuiApplication::focusWindow() == top->windowHandle();
    };
    QVERIFY2(QTest::qWaitForWindowExposed(top) && waitUntil(inPlay), qPrintable(where));
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QVERIFY2(windowProperty(chain[i], "WM_TRANSIENT_FOR")
                     .contains(QStringLiteral("0x%1").arg(chain[i - 1]->winId(), 0, 16)),
                 qPrintable(where + QStringLiteral(": the owner of ") + chainNames({chain[i]})));
    }
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        if (clickBeside(chain[i],
                        {chain.begin() + static_cast<std::ptrdiff_t>(i) + 1, chain.end()})) {
            QTest::qWait(300);
            QVERIFY2(waitUntil(inPlay),
                     qPrintable(where + QStringLiteral(": a click on ") + chainNames({chain[i]})));
        }
    }
}

// What comes over the window in play, as the game brings it: the virus at the end of a day,
// the about window from the menu, a message box of a rule, the file dialogs of the menu.
struct Arrival {
    const char* name;
    // For a dialog, which blocks until it closes; otherwise a window of the game.
    std::optional<FileChoice::Purpose> file;
    bool message;
    std::function<void(Game&)> comes;
};

const Arrival kVirus{"virus", std::nullopt, false, [](Game& g) { VirusDayComes(g); }};
const Arrival kMessage{"message", std::nullopt, true, {}};
const Arrival kSave{"save", FileChoice::Purpose::Save, false, {}};
const Arrival kOpen{"open", FileChoice::Purpose::Open, false, {}};

// Brings `arrivals` one over the other, then checks the chain; a dialog's nested loop brings
// the rest and checks from inside it, then closes.
void arrive(TestProgram& t, QtShellPort& desktop, std::span<const Arrival* const> arrivals,
            const QString& row) {
    if (arrivals.empty()) {
        checkTheChain(t, row);
        return;
    }
    const Arrival& next = *arrivals.front();
    if (next.comes) {
        next.comes(t.game());
        t.program.shell().sync();
        arrive(t, desktop, arrivals.subspan(1), row);
        return;
    }
    QTimer::singleShot(200, [&t, &desktop, arrivals, row] {
        QWidget* dialog = QApplication::activeModalWidget();
        arrive(t, desktop, arrivals.subspan(1), row);
        if (dialog != nullptr) {
            dialog->close();
        }
    });
    if (next.message) {
        desktop.message("Необходимо продать старый проект", "", MessageIcon::Question);
    } else {
        desktop.chooseFile({*next.file, "Сохранение игры", "(*.tso)", ""});
    }
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(!rootWindows("_NET_SUPPORTING_WM_CHECK").isEmpty(),
                 "no window manager runs on this screen");
    }

    // The main window waits greyed while a window holds the game: a click on it must not
    // bury that window. The about window leaves the main window usable, so the click may take
    // the focus there, but the about window stays above it.
    void aClickOnTheMainWindowLeavesTheWindowInPlayOnTop() {
        for (const Opening& row : kOpenings) {
            TestProgram t;
            openAsTheGameDoes(t, row);
            GameWindow* inPlay = t.window(row.id);
            GameWindow* main = t.fMain();
            QVERIFY2(inPlay != nullptr && QTest::qWaitForWindowExposed(inPlay), row.name);
            QVERIFY2(waitUntil([&] { return active(inPlay); }), row.name);
            QVERIFY2(windowProperty(inPlay, "WM_TRANSIENT_FOR")
                         .contains(QString::number(main->winId(), 16)),
                     row.name);

            QVERIFY2(clickBeside(main, {inPlay}), row.name);
            QTest::qWait(300);
            QVERIFY2(waitUntil([&] { return above(inPlay, main); }), row.name);
            if (!main->isEnabled()) {
                QVERIFY2(waitUntil([&] { return active(inPlay); }), row.name);
            }
        }
    }

    // The about window opened from the menu stands beside the main window: above it, while
    // the main window's picture buttons and menu work with the clock stopped, whatever opens
    // and closes beside it; its «Выход» starts the clock again where the window in play lets
    // days pass.
    void theAboutWindowLeavesTheMainWindowUsable() {
        TestProgram t;
        t.startGame();
        TfMain* main = t.fMain();
        QVERIFY(waitUntil([&] { return active(main); }));
        run(QStringLiteral("xdotool"), {"key", "F1"});
        QVERIFY(waitUntil([&] { return t.shown(WindowId::Form2); }));
        GameWindow* about = t.window(WindowId::Form2);
        QVERIFY(waitUntil([&] { return active(about) && above(about, main); }));
        QVERIFY(!running(t.game(), TimerId::tTime));

        t.shell.fileAnswers = {"/saves/paused.tso"};
        auto* menuBar = t.find<QMenuBar>(WindowId::fMain, "mMenu");
        QAction* save = t.fMain()->findChild<QAction*>(QStringLiteral("mSave"));
        QAction* gameMenu = menuBar->actions().constFirst();
        clickOn(menuBar, menuBar->actionGeometry(gameMenu));
        QMenu* menu = nullptr;
        QVERIFY(waitUntil([&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr && QTest::qWaitForWindowExposed(menu);
        }));
        clickOn(menu, menu->actionGeometry(save));
        QVERIFY(waitUntil([&] { return t.shell.files.count("/saves/paused.tso") == 1; }));
        QVERIFY(about->isVisible() && !running(t.game(), TimerId::tTime));

        clickOn(t.find<QWidget>(WindowId::fMain, "bJobImage"));
        QVERIFY(waitUntil([&] { return t.shown(WindowId::fJob); }));
        GameWindow* jobs = t.window(WindowId::fJob);
        QVERIFY(waitUntil([&] { return active(jobs); }));
        run(QStringLiteral("xdotool"), {"key", "Escape"});
        QVERIFY(waitUntil([&] { return !t.shown(WindowId::fJob) && active(main); }));
        // The window that closed beside it gives back no day while the about window shows.
        QVERIFY(about->isVisible() && !running(t.game(), TimerId::tTime));

        clickOn(t.find<QWidget>(WindowId::Form2, "Label8"));
        QVERIFY(waitUntil([&] { return !about->isVisible(); }));
        QVERIFY(running(t.game(), TimerId::tTime));
        QVERIFY(waitUntil([&] { return active(main); }));

        // Closed by the desktop while the shop is open beside it, the about window leaves the
        // shop in play: its days and the main window stay held until the shop closes.
        run(QStringLiteral("xdotool"), {"key", "F1"});
        QVERIFY(waitUntil([&] { return active(about); }));
        clickOn(t.find<QWidget>(WindowId::fMain, "bComputerImage"));
        QVERIFY(waitUntil([&] { return t.shown(WindowId::fComputer); }));
        GameWindow* shop = t.window(WindowId::fComputer);
        QVERIFY(waitUntil([&] { return active(shop); }));
        about->close();
        QVERIFY(waitUntil([&] { return !about->isVisible(); }));
        QVERIFY(!running(t.game(), TimerId::tTime));
        QVERIFY(!main->isEnabled());
        QVERIFY(waitUntil([&] { return active(shop); }));
        run(QStringLiteral("xdotool"), {"key", "Escape"});
        QVERIFY(waitUntil([&] { return !t.shown(WindowId::fComputer) && active(main); }));
        QVERIFY(running(t.game(), TimerId::tTime));
    }

    // A window opened by a key under a pointer at rest is not pointed at: its lines show the
    // item in hand until the pointer moves, so that a screen reader reads what the keyboard's
    // focus shows, not the course under a pointer that the player never moved. A move points
    // again.
    void aWindowOpenedByAKeyShowsItsItemInHandNotThePointers() {
        TestProgram t;
        t.startGame();
        QVERIFY(waitUntil([&] { return active(t.fMain()); }));
        auto* courses = t.find<QWidget>(WindowId::fMain, "bEducationImage");
        courses->setFocus(Qt::TabFocusReason);
        run(QStringLiteral("xdotool"), {"key", "Return"});
        QVERIFY(waitUntil([&] { return t.shown(WindowId::fEducation); }));
        GameWindow* education = t.window(WindowId::fEducation);
        QVERIFY(waitUntil([&] { return active(education); }));
        // The pointer rests on a course where the window opens.
        const QPoint course =
            t.find<QWidget>(WindowId::fEducation, "edWPHP")->mapToGlobal(QPoint(10, 5));
        run(QStringLiteral("xdotool"), {"key", "Escape"});
        QVERIFY(waitUntil([&] { return !t.shown(WindowId::fEducation) && active(t.fMain()); }));
        run(QStringLiteral("xdotool"),
            {"mousemove", QString::number(course.x()), QString::number(course.y())});
        courses->setFocus(Qt::TabFocusReason);
        QVERIFY(waitUntil([courses] { return courses->hasFocus(); }));
        QTest::qWait(300);
        run(QStringLiteral("xdotool"), {"key", "Return"});
        QVERIFY(waitUntil([&] { return t.shown(WindowId::fEducation) && active(education); }));
        QTest::qWait(300);
        // The line shows the course in hand, the first, not the one under the pointer.
        auto* line = t.find<QLabel>(WindowId::fEducation, "lLine1");
        const QString inHand = line->text();
        QVERIFY2(!inHand.contains(QLatin1String("400")), qPrintable(inHand));
        run(QStringLiteral("xdotool"), {"mousemove_relative", "--", "2", "0"});
        QVERIFY(waitUntil([line] { return line->text().contains(QLatin1String("400")); }));
    }

    // Enter on a picture button and Escape at once, or Escape while the program is busy with
    // what Enter opened: however the window manager's events fall among them, the window then
    // in play has the keyboard, on a control of its own, and F1 opens the about window.
    void theKeyboardIsNeverLostWhenKeysComeTogether() {
        TestProgram t;
        t.startGame();
        TfMain* main = t.fMain();
        QVERIFY(waitUntil([&] { return active(main); }));
        const auto state = [&t] {
            const QWidget* focus = QApplication::focusWidget();
            const QWindow* focusWindow = QGuiApplication::focusWindow();
            return QStringLiteral(
                       " main %6, X focus %7, job %1, X active %2, Qt active %3, focus %4 in %5")
                .arg(t.shown(WindowId::fJob))
                .arg(rootWindows("_NET_ACTIVE_WINDOW").value(0), 0, 16)
                .arg(focusWindow != nullptr ? focusWindow->objectName() : QStringLiteral("-"))
                .arg(focus != nullptr ? focus->objectName() : QStringLiteral("-"))
                .arg(focus != nullptr ? focus->window()->objectName() : QStringLiteral("-"))
                .arg(t.fMain()->winId(), 0, 16)
                .arg(run(QStringLiteral("xdotool"), {"getwindowfocus"}).trimmed().toULongLong(), 0,
                     16);
        };
        const auto hasTheKeyboard = [](const QWidget* window) {
            const QWidget* focus = QApplication::focusWidget();
            return active(window) && QGuiApplication::focusWindow() == window->windowHandle() &&
                   focus != nullptr && focus->window() == window;
        };
        for (const int busy : {0, 150}) {
            for (int round = 0; round < 20; ++round) {
                const QString where = QStringLiteral("%1 ms, round %2").arg(busy).arg(round);
                auto* jobButton = t.find<QWidget>(WindowId::fMain, "bJobImage");
                jobButton->clearFocus();
                jobButton->setFocus(Qt::TabFocusReason);
                QProcess keys;
                if (busy == 0) {
                    keys.start(QStringLiteral("xdotool"),
                               {"key", "--delay", "1", "Return", "Escape"});
                } else {
                    keys.start(
                        QStringLiteral("sh"),
                        {"-c", QStringLiteral("xdotool key Return; sleep %1; xdotool key Escape")
                                   .arg(busy / 1000.0)});
                    QVERIFY2(waitUntil([&] { return t.shown(WindowId::fJob); }), qPrintable(where));
                    QThread::msleep(2 * busy);
                }
                QVERIFY2(keys.waitForFinished(5000), qPrintable(where));
                QTest::qWait(100);
                QVERIFY2(waitUntil([&] {
                             return hasTheKeyboard(
                                 t.shown(WindowId::fJob) ? t.window(WindowId::fJob) : main);
                         }),
                         qPrintable(where + state()));
                if (t.shown(WindowId::fJob)) {
                    run(QStringLiteral("xdotool"), {"key", "Escape"});
                    QVERIFY2(
                        waitUntil([&] { return !t.shown(WindowId::fJob) && hasTheKeyboard(main); }),
                        qPrintable(where));
                }
                run(QStringLiteral("xdotool"), {"key", "F1"});
                QVERIFY2(waitUntil([&] {
                             return t.shown(WindowId::Form2) &&
                                    hasTheKeyboard(t.window(WindowId::Form2));
                         }),
                         qPrintable(where));
                run(QStringLiteral("xdotool"), {"key", "Escape"});
                QVERIFY2(
                    waitUntil([&] { return !t.shown(WindowId::Form2) && hasTheKeyboard(main); }),
                    qPrintable(where));
            }
        }
    }

    // A key held down takes one item. The X server repeats it for as long as it is down, and
    // the focus, handed on to the next item that can still be taken, must not take that one:
    // Return and Space, over a part, a course and a program, and over the picture button that
    // opens the shop.
    void aHeldKeyTakesOneItem() {
        const struct {
            const char* name;
            WindowId window;
            const char* item;
        } rows[] = {
            {"a part", WindowId::fComputer, "mbP1"},
            {"a course", WindowId::fEducation, "edOSW9X"},
            {"a program", WindowId::fSoftware, "osW98"},
            {"the shop's picture button", WindowId::fMain, "bComputerImage"},
        };
        for (const char* key : {"Return", "space"}) {
            for (const auto& row : rows) {
                const QString where = QStringLiteral("%1 held over %2").arg(key, row.name);
                TestProgram t;
                t.startGame();
                Game& game = t.game();
                game.Money = 30000;
                game.SoftwareOpen = game.main.bSoftwareImageEnabled = true;
                if (row.window == WindowId::fSoftware) {
                    game.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
                    game.DiskTotal = game.DiskFree = 40000;
                }
                t.program.shell().sync();
                GameWindow* window = row.window == WindowId::fMain ? t.fMain() : t.show(row.window);
                QVERIFY2(waitUntil([&] { return active(window); }), qPrintable(where));
                int taken = 0;
                for (const ActionLabel* item : window->findChildren<ActionLabel*>()) {
                    connect(item, &ActionLabel::clicked, this, [&taken] { ++taken; });
                }
                auto* item = t.find<QWidget>(row.window, row.item);
                item->setFocus(Qt::TabFocusReason);
                const auto levels = game.PartLevel;
                QProcess keys;
                keys.start(QStringLiteral("sh"),
                           {"-c", QStringLiteral("xdotool keydown %1; sleep 1; xdotool keyup %1")
                                      .arg(QLatin1String(key))});
                QVERIFY2(waitUntil([&keys] { return keys.state() == QProcess::NotRunning; }),
                         qPrintable(where));
                // The key's release may still be on its way to a busy program: the item that
                // Space takes is taken then, and a second take would come soon after.
                if (row.window == WindowId::fMain) {
                    QVERIFY2(waitUntil([&] { return t.shown(WindowId::fComputer); }),
                             qPrintable(where));
                    QTest::qWait(200);
                    QVERIFY2(game.PartLevel == levels, qPrintable(where));
                } else {
                    waitUntil([&taken] { return taken > 0; });
                    QTest::qWait(200);
                    QVERIFY2(taken == 1, qPrintable(where + QStringLiteral(": %1").arg(taken)));
                }
            }
        }
    }

    // Fixed size and only the close box, in the hints the window manager reads, and the
    // window with its frame in the middle of the screen.
    void everyWindowHasAFixedFrameAndIsCentredWithIt() {
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        for (const Opening& row : kOpenings) {
            TestProgram t;
            openAsTheGameDoes(t, row);
            for (GameWindow* window : {static_cast<GameWindow*>(t.fMain()), t.window(row.id)}) {
                QVERIFY2(QTest::qWaitForWindowExposed(window), row.name);
                QRect frame;
                QVERIFY2(waitUntil([&] {
                             frame = frameOnScreen(window);
                             return (frame.center() - centre).manhattanLength() <= 2;
                         }),
                         qPrintable(QStringLiteral("%1 %2: the frame at %3,%4 %5x%6")
                                        .arg(row.name, window->objectName())
                                        .arg(frame.x())
                                        .arg(frame.y())
                                        .arg(frame.width())
                                        .arg(frame.height())));
                QString actions;
                QVERIFY2(waitUntil([&] {
                             actions = windowProperty(window, "_NET_WM_ALLOWED_ACTIONS");
                             return actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"));
                         }),
                         row.name);
                for (const char* refused : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                                            "_NET_WM_ACTION_MAXIMIZE_VERT"}) {
                    QVERIFY2(!actions.contains(QLatin1String(refused)), row.name);
                }
                // Motif's hints: functions and decorations without minimise or maximise.
                const QStringList hints = windowProperty(window, "_MOTIF_WM_HINTS")
                                              .section(QLatin1Char('='), 1)
                                              .split(QLatin1Char(','));
                QVERIFY2(hints.size() >= 3, row.name);
                const uint functions = hints[1].trimmed().toUInt(nullptr, 16);
                const uint decorations = hints[2].trimmed().toUInt(nullptr, 16);
                QVERIFY2((functions & (0x08 | 0x10)) == 0, row.name);
                QVERIFY2((decorations & (0x20 | 0x40)) == 0, row.name);
            }
        }
    }

    // Whatever comes over the window in play goes on top, owned by it, and stays there
    // whichever window beneath the player clicks: over each activity window the virus and a
    // message box; over the main window the dialogs of its menu, and the virus over those.
    void theWindowInPlayStaysOnTopOfTheChain() {
        std::vector<std::pair<const Opening*, std::vector<const Arrival*>>> rows;
        for (const Opening& activity : std::span(kOpenings).first(7)) {
            rows.push_back({&activity, {&kVirus}});
            rows.push_back({&activity, {&kMessage}});
        }
        for (const std::vector<const Arrival*>& overMain :
             std::vector<std::vector<const Arrival*>>{{&kVirus},
                                                      {&kMessage},
                                                      {&kSave},
                                                      {&kOpen},
                                                      {&kSave, &kVirus},
                                                      {&kOpen, &kVirus}}) {
            rows.push_back({nullptr, overMain});
        }
        for (const auto& [activity, arrivals] : rows) {
            TestProgram t;
            QtShellPort desktop;
            desktop.setDialogOwner([&t] { return t.program.shell().dialogOwner(); });
            QString row = QStringLiteral("main");
            if (activity != nullptr) {
                openAsTheGameDoes(t, *activity);
                row += QLatin1Char('/') + QLatin1String(activity->name);
            } else {
                t.startGame();
            }
            for (const Arrival* arrival : arrivals) {
                row += QLatin1Char('/') + QLatin1String(arrival->name);
            }
            QVERIFY2(waitUntil([&] { return active(windowsInPlay(t).back()); }), qPrintable(row));
            arrive(t, desktop, arrivals, row);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }

    // Minimising one window of the chain minimises all of it; bringing back any of it (the
    // task bar, Alt+Tab) brings back all, the window in play on top with the keyboard.
    void theChainIsMinimisedAndRestoredWhole() {
        TestProgram t;
        openAsTheGameDoes(t, kOpenings[0]);
        GameWindow* shop = t.window(WindowId::fComputer);
        GameWindow* main = t.fMain();
        QVERIFY(QTest::qWaitForWindowExposed(shop) && waitUntil([&] { return active(shop); }));
        run(QStringLiteral("xdotool"), {"key", "Tab", "Tab"});
        const ActionLabel* item = nullptr;
        QVERIFY(waitUntil([&] {
            item = qobject_cast<const ActionLabel*>(QApplication::focusWidget());
            return item != nullptr && item->showsKeyboardFocus();
        }));
        QTest::qWait(500);  // as long as a player takes to reach the minimise button
        run(QStringLiteral("xdotool"), {"windowminimize", QString::number(shop->winId())});
        QVERIFY(waitUntil([&] { return shop->isMinimized() && main->isMinimized(); }));
        run(QStringLiteral("xdotool"), {"windowactivate", QString::number(main->winId())});
        QVERIFY(waitUntil([&] {
            return !shop->isMinimized() && !main->isMinimized() && above(shop, main) &&
                   active(shop);
        }));
        // The item that had the focus has it again, marked as the keyboard left it.
        QVERIFY(waitUntil(
            [&] { return QApplication::focusWidget() == item && item->showsKeyboardFocus(); }));
    }

    // A key typed for the main window just as the virus comes does not answer it; once the
    // virus window has been seen, the same keys do.
    void aVirusIgnoresKeysTypedBeforeItWasSeen() {
        TestProgram t;
        t.startGame();
        QVERIFY(waitUntil([&] { return active(t.fMain()); }));
        Game& game = t.game();
        game.VirusDay = game.Day;
        game.DayTicks = 240;
        game.OsId = 3;
        QElapsedTimer since;
        since.start();
        t.tick();
        GameWindow* virus = t.window(WindowId::Form4);
        QVERIFY(virus != nullptr && virus->isVisible());
        QTest::qWait(100);
        run(QStringLiteral("xdotool"), {"key", "Tab", "Return"});
        QVERIFY2(since.elapsed() < WindowStack::kFirstMoment, "too slow to press in time");
        QTest::qWait(WindowStack::kFirstMoment);
        QVERIFY(!running(game, TimerId::tmFormClose));
        QVERIFY(waitUntil([&] { return active(virus); }));
        QTest::qWait(500);
        run(QStringLiteral("xdotool"), {"key", "Tab", "Return"});
        QVERIFY(waitUntil([&] { return running(game, TimerId::tmFormClose); }));
    }

    // The virus comes on a game day, which passes also in the development window and in the
    // save dialog: it shows above them.
    void aVirusThatComesDuringAnotherWindowIsOnTop() {
        {
            TestProgram t;
            t.startGame();
            OpenActivity(t.game(), WindowId::fDeveloper);
            t.program.shell().sync();
            QVERIFY(QTest::qWaitForWindowExposed(t.window(WindowId::fDeveloper)));
            VirusDayComes(t.game());
            t.program.shell().sync();
            GameWindow* virus = t.window(WindowId::Form4);
            QVERIFY(QTest::qWaitForWindowExposed(virus));
            QVERIFY(waitUntil([&] { return above(virus, t.window(WindowId::fDeveloper)); }));
            QVERIFY(waitUntil([&] { return active(virus); }));
        }
        TestProgram t;
        t.startGame();
        QtShellPort desktop;
        desktop.setDialogOwner([&t] { return t.program.shell().dialogOwner(); });
        bool virusAboveDialog = false;
        bool dialogOwnedByMain = false;
        QTimer::singleShot(500, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            dialogOwnedByMain = dialog->parentWidget() == t.fMain();
            VirusDayComes(t.game());
            t.program.shell().sync();
            GameWindow* virus = t.window(WindowId::Form4);
            virusAboveDialog = QTest::qWaitForWindowExposed(virus) &&
                               waitUntil([&] { return above(virus, dialog); });
            dialog->reject();
        });
        desktop.chooseFile({FileChoice::Purpose::Save, "Сохранение игры", "(*.tso)", ""});
        QVERIFY(dialogOwnedByMain);
        QVERIFY(virusAboveDialog);
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::DesktopTest)
#include "DesktopTest.moc"
