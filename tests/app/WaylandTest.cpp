// What only Wayland shows: the game on a real compositor (tests/app/wayland.sh), weston with a
// seat (in a window of a virtual X screen) or mutter's headless backend. The compositor, not the
// game, places the windows; the game draws each window's caption with the close box only, as
// the desktop draws it on X11.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <map>

#include "app/Desktop.h"
#include "app/QtShellPort.h"
#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "support/WindowWalk.h"
#include "widgets/ActivityWindow.h"
#include "widgets/WindowCaption.h"

namespace tessaro::testing {

namespace {

// A player's pointer and keys, from outside the program, where the compositor takes them
// (tests/app/remote_desktop.py on mutter). It also tells which of the game's windows the pointer
// is over, as the compositor said it to the program, before the game's window stack sees it.
class Player : public QObject {
  public:
    Player() {
        qApp->installEventFilter(this);
        driver_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(TESSARO_TESTS_DIR "/app/remote_desktop.py")});
    }
    ~Player() override {
        driver_.closeWriteChannel();
        driver_.waitForFinished();
    }

    // Whether the compositor takes the pointer of this player.
    bool present() { return send("move 0 0"); }

    // Moves the pointer to `point` of the screen and says which window it is over, and where.
    std::pair<QWindow*, QPoint> moveTo(QPoint point) {
        if (!send(QStringLiteral("move %1 %2").arg(point.x()).arg(point.y()).toLatin1())) {
            return {};
        }
        // The compositor has moved it: what it says of it is on its way.
        QTest::qWait(100);
        return {under_, where_};
    }

    // A click as a player's hand makes it: the button held for a moment.
    bool click() {
        const bool pressed = send("press");
        QTest::qWait(200);
        return pressed && send("release");
    }

    bool key(const char* keysym) { return send(QByteArray("key ") + keysym); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType()) {
            return false;
        }
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            under_ = static_cast<QWindow*>(watched);
            where_ = static_cast<QSinglePointEvent*>(event)->position().toPoint();
        } else if (event->type() == QEvent::Leave && watched == under_) {
            under_ = nullptr;
        }
        return false;
    }

  private:
    bool send(const QByteArray& command) {
        if (!driver_.waitForStarted()) {
            return false;
        }
        driver_.write(command + '\n');
        return QTest::qWaitFor(
                   [this] {
                       return driver_.canReadLine() || driver_.state() == QProcess::NotRunning;
                   },
                   5000) &&
               driver_.readLine().trimmed() == "ok";
    }

    QProcess driver_;
    QWindow* under_ = nullptr;
    QPoint where_;
};

// Calls `seen` as each event of one type reaches an object, before the object handles it.
class EventWitness : public QObject {
  public:
    EventWitness(QObject* watched, QEvent::Type type, std::function<void()> seen)
        : type_(type), seen_(std::move(seen)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == type_) {
            seen_();
        }
        return false;
    }

  private:
    QEvent::Type type_;
    std::function<void()> seen_;
};

// A window as the program described it to the compositor: its title, the window it belongs to
// (by its number in the protocol), and the least and the greatest size it asked for.
struct Toplevel {
    QString title;
    int surface = 0;  // the wl_surface it shows on
    int parent = 0;
    QSize least;
    QSize greatest;
};

// The windows on the screen, by their number, as the protocol log says them: what libwayland
// writes of every request the program sends (WAYLAND_DEBUG=client, kept by tests/app/wayland.sh).
std::map<int, Toplevel> windowsInTheProtocol() {
    QFile log(qEnvironmentVariable("TESSARO_PROTOCOL_LOG"));
    std::map<int, Toplevel> windows;
    if (!log.open(QIODevice::ReadOnly)) {
        return windows;
    }
    static const QRegularExpression request(
        QStringLiteral(R"(-> xdg_toplevel@(\d+)\.(\w+)\((.*)\)$)"));
    static const QRegularExpression size(QStringLiteral(R"(^(-?\d+), (-?\d+)$)"));
    static const QRegularExpression role(QStringLiteral(
        R"(-> (?:xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)|)"
        R"(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)))"));
    std::map<int, int> surfaceOfRole;
    while (!log.atEnd()) {
        const QString line = QString::fromUtf8(log.readLine()).trimmed();
        if (const QRegularExpressionMatch given = role.match(line); given.hasMatch()) {
            if (given.capturedLength(1) > 0) {
                surfaceOfRole[given.captured(1).toInt()] = given.captured(2).toInt();
            } else {
                windows[given.captured(4).toInt()].surface =
                    surfaceOfRole[given.captured(3).toInt()];
            }
            continue;
        }
        const QRegularExpressionMatch match = request.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        const int id = match.captured(1).toInt();
        const QString name = match.captured(2);
        const QString arguments = match.captured(3);
        const QRegularExpressionMatch pair = size.match(arguments);
        const QSize asked(pair.captured(1).toInt(), pair.captured(2).toInt());
        if (name == QLatin1String("destroy")) {
            windows.erase(id);
        } else if (name == QLatin1String("set_title")) {
            windows[id].title = arguments.mid(1, arguments.size() - 2);
        } else if (name == QLatin1String("set_parent")) {
            windows[id].parent = arguments.section(QLatin1Char('@'), 1).toInt();
        } else if (name == QLatin1String("set_min_size")) {
            windows[id].least = asked;
        } else if (name == QLatin1String("set_max_size")) {
            windows[id].greatest = asked;
        }
    }
    return windows;
}

// The number of the one window on the screen with `title`, or 0.
int windowTitled(const std::map<int, Toplevel>& windows, const QString& title) {
    int found = 0;
    for (const auto& [id, window] : windows) {
        if (window.title == title) {
            if (found != 0) {
                return 0;
            }
            found = id;
        }
    }
    return found;
}

// The surfaces that the program asked the compositor to activate, in order, from `from` bytes on
// in the protocol log.
std::vector<int> activationsInTheProtocol(qint64 from) {
    QFile log(qEnvironmentVariable("TESSARO_PROTOCOL_LOG"));
    std::vector<int> surfaces;
    if (!log.open(QIODevice::ReadOnly) || !log.seek(from)) {
        return surfaces;
    }
    static const QRegularExpression activate(
        QStringLiteral(R"(-> xdg_activation_v1@\d+\.activate\(".*", wl_surface@(\d+)\)$)"));
    while (!log.atEnd()) {
        const QRegularExpressionMatch match =
            activate.match(QString::fromUtf8(log.readLine()).trimmed());
        if (match.hasMatch()) {
            surfaces.push_back(match.captured(1).toInt());
        }
    }
    return surfaces;
}

// What is wrong with a window's caption, or nothing: Qt draws no frame, the game's caption runs
// across the top, the window's contents keep below it, and a screen reader passes over it as
// over the desktop's caption.
QString captionFault(QWidget* window) {
    if (!(window->windowFlags() & Qt::FramelessWindowHint) ||
        window->windowHandle()->frameMargins() != QMargins()) {
        return QStringLiteral("Qt's frame");
    }
    const auto captions = window->findChildren<WindowCaption*>();
    if (captions.size() != 1 ||
        captions.front()->geometry() != QRect(0, 0, window->width(), WindowCaption::kHeight)) {
        return QStringLiteral("no caption across the top");
    }
    if (window->layout()->geometry().top() < WindowCaption::kHeight) {
        return QStringLiteral("the contents under the caption");
    }
    if (!QAccessible::queryAccessibleInterface(captions.front())->state().invisible) {
        return QStringLiteral("a caption that a screen reader reads");
    }
    return {};
}

// The place on the screen of a window of the game, found with the pointer: a client is not told
// where the compositor puts its windows.
std::optional<QRect> findOnScreen(Player& player, const QWindow* window) {
    for (int y = 50; y < 768; y += 100) {
        for (int x = 50; x < 1024; x += 100) {
            const auto [under, where] = player.moveTo({x, y});
            if (under == window) {
                return QRect(QPoint(x, y) - where, window->size());
            }
        }
    }
    return std::nullopt;
}

}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    }

    // The first window, which the compositor activates as it maps it, shows its caption in
    // play: what was last painted of it, not only what a repaint would draw.
    void theFirstWindowsCaptionIsDrawnInPlay() {
        TestProgram t;
        GameWindow* start = t.window(WindowId::fStart);
        auto* caption = start->findChild<WindowCaption*>();
        QVERIFY(caption != nullptr);
        bool lastPaintInPlay = false;
        EventWitness paints(caption, QEvent::Paint, [&lastPaintInPlay] {
            lastPaintInPlay = QGuiApplication::applicationState() == Qt::ApplicationActive;
        });
        // Qt cannot wait for a window's activation on Wayland: the program's is what counts.
        QVERIFY(QTest::qWaitFor(
            [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }));
        QVERIFY(QTest::qWaitFor([&lastPaintInPlay] { return lastPaintInPlay; }, 2000));
    }

    // Every window of a game, in each state a player meets it: Qt draws no frame of its own,
    // the game's caption names the window and offers the close box only, the size is fixed,
    // and each window in play is owned by the window beneath it. Nothing of it makes the
    // platform load a graphics library (EGL and Mesa are 50 MB of an idle game's memory).
    void everyWindowHasTheGamesCaptionAndItsOwner() {
        TestProgram t;
        t.startGame();
        walkTheWindows(t, [&t](GameWindow* window, const QString& state) {
            if (QTest::currentTestFailed()) {
                return;
            }
            QVERIFY2(QTest::qWaitForWindowExposed(window), qPrintable(state));
            const QString fault = captionFault(window);
            QVERIFY2(fault.isEmpty(), qPrintable(state + QStringLiteral(": ") + fault));
            // What the compositor was told: a fixed size, and the window beneath as the parent.
            const std::map<int, Toplevel> told = windowsInTheProtocol();
            const std::vector<QWidget*> chain = t.windowsInPlay();
            for (std::size_t i = 0; i < chain.size(); ++i) {
                const QString where = state + QLatin1Char('/') + chain[i]->objectName();
                const int id = windowTitled(told, chain[i]->windowTitle());
                QVERIFY2(id != 0, qPrintable(where + QStringLiteral(": not one window")));
                const Toplevel& shown = told.at(id);
                QVERIFY2(shown.least == chain[i]->size() && shown.greatest == chain[i]->size(),
                         qPrintable(where + QStringLiteral(": not a fixed size")));
                const int beneath = i == 0 ? 0 : windowTitled(told, chain[i - 1]->windowTitle());
                QVERIFY2(shown.parent == beneath,
                         qPrintable(where + QStringLiteral(": the parent")));
            }
        });
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        // Qt's graphics integrations for Wayland are what load EGL.
        QVERIFY(!maps.readAll().contains("wayland-graphics-integration-client"));
    }

    // Qt's own dialogs wear the game's caption as well, and belong to the window beneath.
    void qtsDialogsHaveTheGamesCaption() {
        for (const bool message : {true, false}) {
            const char* row = message ? "message" : "save";
            TestProgram t;
            t.startGame();
            QtShellPort desktop;
            desktop.setDialogOwner([&t] { return t.program.shell().dialogOwner(); });
            QString fault = QStringLiteral("the dialog did not show");
            QTimer::singleShot(300, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog)) {
                    return;
                }
                fault = captionFault(dialog);
                if (fault.isEmpty() &&
                    dialog->windowHandle()->transientParent() != t.fMain()->windowHandle()) {
                    fault = QStringLiteral("not owned by the main window");
                }

                dialog->close();
            });
            if (message) {
                desktop.message("Необходимо продать старый проект", "", MessageIcon::Question);
            } else {
                desktop.chooseFile({FileChoice::Purpose::Save, "Сохранение игры", "(*.tso)", ""});
            }
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(row, fault)));
        }
    }

    // A compositor may leave the keyboard with the greyed main window (weston does not
    // activate a window that a client opens): its keys go to the window in play. They come
    // as the compositor's keys come, through the main window's surface, which is what Qt's
    // own modality would drop.
    void keysForTheMainWindowGoToTheWindowInPlay() {
        TestProgram t;
        t.startGame();
        QVERIFY(t.openFromMain("bComputerImage", WindowId::fComputer));
        GameWindow* shop = t.window(WindowId::fComputer);
        QWindow* main = t.fMain()->windowHandle();
        QTest::keyClick(main, Qt::Key_Tab);
        QVERIFY(shop->focusWidget() != nullptr && shop->focusWidget() != shop);
        QTest::keyClick(main, Qt::Key_Escape);
        QVERIFY(!t.shown(WindowId::fComputer));
    }

    // A click on the greyed main window makes the compositor activate it (mutter does); the
    // game hands the activation back to the window in play with the click's own token, so that
    // the window in play is the active one again and takes the keys the player types. So too
    // after the compositor's own key minimised the window in play (Super+H on GNOME): the
    // click brings it back.
    void aClickOnTheGreyedMainWindowActivatesTheWindowInPlay() {
        if (qgetenv("TESSARO_COMPOSITOR") != "mutter") {
            QSKIP("this compositor takes no pointer from outside");
        }
        for (const bool minimised : {false, true}) {
            const char* row = minimised ? "the shop minimised" : "the shop over it";
            TestProgram t;
            Player player;
            QVERIFY2(player.present(), "mutter's remote desktop service does not answer");
            t.startGame();
            QVERIFY(QTest::qWaitForWindowExposed(t.fMain()));
            const std::optional<QRect> main = findOnScreen(player, t.fMain()->windowHandle());
            QVERIFY2(main.has_value(), "the pointer never met the main window");
            QVERIFY(t.openFromMain("bComputerImage", WindowId::fComputer));
            GameWindow* shop = t.window(WindowId::fComputer);
            QVERIFY2(waitUntilActive(shop), row);
            if (minimised) {
                QVERIFY(player.key("0xffeb+0x68"));
                QVERIFY2(waitUntilActive(t.fMain()), row);
            }
            // A corner of the main window that the shop leaves uncovered.
            bool clicked = false;
            qint64 logBeforeTheClick = 0;
            for (const QPoint corner :
                 {main->topLeft() + QPoint(30, 10), main->bottomLeft() + QPoint(10, -10),
                  main->bottomRight() + QPoint(-10, -10), main->topRight() + QPoint(-40, 10)}) {
                if (player.moveTo(corner).first == t.fMain()->windowHandle()) {
                    logBeforeTheClick =
                        QFileInfo(qEnvironmentVariable("TESSARO_PROTOCOL_LOG")).size();
                    QVERIFY2(player.click(), row);
                    clicked = true;
                    break;
                }
            }
            QVERIFY2(clicked, row);
            QVERIFY2(waitUntilActive(shop), row);
            QTest::qWait(500);
            QVERIFY2(QApplication::activeWindow() == shop, row);
            // The program asked for the shop alone, once for the click and the activation it
            // brought; never for the main window that the player clicked.
            const std::map<int, Toplevel> told = windowsInTheProtocol();
            const int shopSurface = told.at(windowTitled(told, shop->windowTitle())).surface;
            const std::vector<int> asked = activationsInTheProtocol(logBeforeTheClick);
            QVERIFY2(!asked.empty() && asked.size() <= 2, row);
            QVERIFY2(std::all_of(asked.begin(), asked.end(),
                                 [shopSurface](int surface) { return surface == shopSurface; }),
                     row);
            QVERIFY(player.key("0xff1b"));
            QVERIFY2(QTest::qWaitFor([&t] { return !t.shown(WindowId::fComputer); }), row);
        }
    }

    // The caption's close box closes an activity window as its close rule says, and a press
    // elsewhere on the caption leaves the window where the compositor put it.
    void theCloseBoxClosesTheWindow() {
        TestProgram t;
        t.startGame();
        QVERIFY(t.openFromMain("bComputerImage", WindowId::fComputer));
        GameWindow* shop = t.window(WindowId::fComputer);
        auto* caption = shop->findChild<WindowCaption*>();
        QVERIFY(caption != nullptr);
        const QPoint where = shop->pos();
        QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(caption->width() / 2, 5));
        QVERIFY(t.shown(WindowId::fComputer));
        QCOMPARE(shop->pos(), where);
        QTest::mouseClick(
            caption, Qt::LeftButton, {},
            QPoint(caption->width() - WindowCaption::kHeight / 2, WindowCaption::kHeight / 2));
        QVERIFY(QTest::qWaitFor([&t] { return !t.shown(WindowId::fComputer); }));
        QVERIFY(t.fMain()->isEnabled());
    }
};

}  // namespace tessaro::testing

// The platform is asked what the game asks of it before the application starts.
int main(int argc, char* argv[]) {
    tessaro::choosePlatformDefaults();
    QApplication application(argc, argv);
    tessaro::testing::WaylandTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WaylandTest.moc"
