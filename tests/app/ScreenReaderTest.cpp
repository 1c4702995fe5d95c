// What a blind player hears: the game on a real accessibility bus (AT-SPI), as a screen reader
// finds it, and Orca itself, whose log records every line it would speak. It runs on a virtual
// X screen with openbox, a session bus and the accessibility bus (tests/app/desktop.sh
// --screen-reader); the bus is read by tests/app/atspi.py, as a screen reader reads it.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>

#include <signal.h>

#include "app/QtShellPort.h"
#include "app/WindowStack.h"
#include "development/Project.h"
#include "events/Virus.h"
#include "game/Activities.h"
#include "game/TfMain.h"
#include "persistence/SavedGame.h"
#include "software/TfSoftware.h"
#include "support/TestProgram.h"
#include "support/WindowWalk.h"
#include "widgets/Accessibility.h"
#include "widgets/ActionLabel.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

namespace {

const QString kAtspi = QStringLiteral(TESSARO_TESTS_DIR "/app/atspi.py");

// Waits for a condition while answering the screen reader's questions at once: QTest's own
// waits sleep between events, and each question the screen reader asks would wait for that.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 8000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Runs the bus reader against this very program, which answers it meanwhile.
QByteArray readTheBus(const QStringList& arguments) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{kAtspi, arguments.first(),
                             QString::number(QCoreApplication::applicationPid())} +
                     arguments.mid(1));
    // Answering each of its questions at once: a wait that sleeps between events would make
    // every question of the reader wait for it.
    QEventLoop loop;
    QObject::connect(&reader, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (reader.state() != QProcess::NotRunning) {
        loop.exec();
    }
    if (reader.state() != QProcess::NotRunning || reader.exitCode() != 0) {
        qWarning("%s", reader.readAllStandardError().constData());
        return {};
    }
    return reader.readAllStandardOutput();
}

// The window's object on the bus, found by its name among the program's windows, and its path.
struct Found {
    QJsonObject object;
    QString path;
};

std::optional<Found> find(const QJsonArray& objects, const QString& path,
                          const std::function<bool(const QJsonObject&)>& wanted) {
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const QJsonObject object = objects[i].toObject();
        const QString here = path.isEmpty() ? QString::number(i) : path + '/' + QString::number(i);
        if (wanted(object)) {
            return Found{object, here};
        }
        if (auto inside = find(object["children"].toArray(), here, wanted)) {
            return inside;
        }
    }
    return std::nullopt;
}

bool has(const QJsonObject& object, const char* field, const char* value) {
    return object[QLatin1String(field)].toArray().contains(QLatin1String(value));
}

std::optional<Found> windowOnTheBus(const QWidget* window) {
    const QJsonArray windows = QJsonDocument::fromJson(readTheBus({"tree"})).array();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const QJsonObject object = windows[i].toObject();
        if (object["name"].toString() == window->windowTitle() &&
            has(object, "states", "showing")) {
            return Found{object, QString::number(i)};
        }
    }
    return std::nullopt;
}

// Everything a screen reader meets in a window, against what the game's widgets hold: each
// object on the bus and the interface it comes from, side by side.
void checkWhatIsHeard(const QJsonObject& object, QAccessibleInterface* source,
                      const QString& where) {
    const QString role = object["role"].toString();
    const QString name = object["name"].toString();
    const QString here = where + QLatin1Char('/') + role + QLatin1Char(' ') + name;
    QVERIFY2(role != QLatin1String("frame"), qPrintable(here));
    if (has(object, "states", "focusable")) {
        static const QStringList itemRoles = {"push button", "radio button", "check box",
                                              "menu item", "text"};
        QVERIFY2(itemRoles.contains(role), qPrintable(here));
        QVERIFY2(!name.isEmpty(), qPrintable(here));
        if (role == QLatin1String("push button") && has(object, "states", "sensitive")) {
            QVERIFY2(has(object, "actions", "Press"), qPrintable(here));
        }
        QCOMPARE(object["description"].toString(), source->text(QAccessible::Description));
    }
    if (role == QLatin1String("image")) {
        QVERIFY2(!name.isEmpty() || !has(object, "states", "showing"), qPrintable(here));
    }
    const QJsonArray children = object["children"].toArray();
    QCOMPARE(children.size(), qsizetype(source->childCount()));
    for (qsizetype i = 0; i < children.size(); ++i) {
        checkWhatIsHeard(children[i].toObject(), source->child(static_cast<int>(i)), here);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

// Orca, started with preferences of its own, and its log of every line it would speak. Orca
// writes the log through a buffer of its own unless the log is a terminal: the log is the
// terminal that `script` gives it, read as it comes.
class Orca {
  public:
    Orca() {
        process_.setProgram(QStringLiteral("script"));
        process_.setArguments(
            {"--quiet", "--flush", "--return", "--command",
             QStringLiteral("exec orca --replace --user-prefs %1 --debug-file /dev/tty")
                 .arg(folder_.path()),
             "/dev/null"});
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { readLog(); });
        // Orca's own words ("push button") in English; the game's in the game's language.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), QString());
        process_.setProcessEnvironment(environment);
        process_.start();
    }
    // Orca ends at once, and `script` collects it: a graceful end takes Orca seconds, and
    // `script`, tired of waiting, would leave it to the system. A next Orca waits for every
    // Orca before it to be gone, even one ended and not yet collected.
    ~Orca() {
        const QString pid = QString::number(process_.processId());
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
        if (children.open(QIODevice::ReadOnly)) {
            for (const QByteArray& child : children.readAll().split(' ')) {
                if (const int orca = child.trimmed().toInt(); orca > 0) {
                    ::kill(orca, SIGKILL);
                }
            }
        }
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    // Orca has started: it says so. A busy machine takes a while to start it.
    bool started() { return says(QStringLiteral("Screen reader on"), 30000).has_value(); }
    // Waits until Orca has spoken a line with `text` since the last line found; that line.
    std::optional<QString> says(const QString& text, int milliseconds = 8000) {
        std::optional<QString> found;
        waitFor(
            [&] {
                for (qsizetype i = heard_; i < spoken_.size(); ++i) {
                    if (spoken_[i].contains(text)) {
                        heard_ = i + 1;
                        found = spoken_[i];
                        return true;
                    }
                }
                return false;
            },
            milliseconds);
        if (found) {
            return found;
        }
        qWarning("Orca did not say \"%s\"; it said:\n%s", qPrintable(text),
                 qPrintable(spoken_.mid(heard_).join(QLatin1Char('\n'))));
        return std::nullopt;
    }
    // The same, and after a moment more no other line with `text`: said once.
    std::optional<QString> saysOnce(const QString& text) {
        std::optional<QString> said = says(text);
        if (!said) {
            return said;
        }
        waitFor([] { return false; }, 1500);
        for (qsizetype i = heard_; i < spoken_.size(); ++i) {
            if (spoken_[i].contains(text)) {
                qWarning("Orca said \"%s\" again:\n%s", qPrintable(text),
                         qPrintable(spoken_.mid(heard_ - 1).join(QLatin1Char('\n'))));
                return std::nullopt;
            }
        }
        return said;
    }
    // Waits until Orca has said nothing new for a moment: it has caught up with the program,
    // which a player's pace gives it and a test's does not.
    void catchesUp() {
        QElapsedTimer clock;
        clock.start();
        qsizetype said = -1;
        while (said != spoken_.size() && clock.elapsed() < 8000) {
            said = spoken_.size();
            waitFor([] { return false; }, 700);
        }
    }
    // Forgets what was said so far.
    void skip() { heard_ = spoken_.size(); }

  private:
    // Keeps the lines that Orca speaks from what its log has written so far.
    void readLog() {
        log_ += process_.readAllStandardOutput();
        qsizetype end = 0;
        while ((end = log_.indexOf('\n')) >= 0) {
            const QByteArray line = log_.left(end);
            log_.remove(0, end + 1);
            const qsizetype at = line.indexOf("SPEECH OUTPUT: '");
            if (at >= 0) {
                spoken_.append(QString::fromUtf8(line.mid(at + 16)));
            }
        }
    }

    QTemporaryDir folder_;
    QProcess process_;
    QByteArray log_;
    QStringList spoken_;
    qsizetype heard_ = 0;
};

// A key as the player presses it, through the X server, which Qt hands to the screen reader
// first and delivers once the screen reader has let it pass.
void pressKey(const char* key) {
    QProcess::execute(QStringLiteral("xdotool"), {"key", QLatin1String(key)});
}

bool activeIs(const QWidget* window) {
    return window != nullptr &&
           waitFor([window] { return QApplication::activeWindow() == window; });
}

// Orca reads the start window's name box, and the game starts.
bool aGameStartsHeard(Orca& orca, TestProgram& t) {
    if (!activeIs(t.window(WindowId::fStart)) ||
        !orca.says(t.find<QLineEdit>(WindowId::fStart, "eName")->accessibleName())) {
        return false;
    }
    t.startGame();
    return activeIs(t.fMain());
}

// The virus comes at the end of today, active, and past the moment in which it ignores the
// keyboard.
bool aVirusComes(TestProgram& t) {
    Game& game = t.game();
    game.VirusDay = game.Day;
    game.DayTicks = 240;
    t.tick();
    GameWindow* virus = t.window(WindowId::Form4);
    if (virus == nullptr || !activeIs(virus)) {
        return false;
    }
    waitFor([] { return false; }, WindowStack::kFirstMoment + 100);
    return true;
}

// Tabs until the control has the focus.
bool tabTo(QWidget* control) {
    for (int i = 0; i < 80 && !control->hasFocus(); ++i) {
        const QWidget* before = QApplication::focusWidget();
        pressKey("Tab");
        if (!waitFor([before] { return QApplication::focusWidget() != before; })) {
            return false;
        }
    }
    return control->hasFocus();
}

}  // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        // The bridge joins the accessibility bus once the bus has answered.
        QVERIFY2(waitFor([] { return QAccessible::isActive(); }), "no accessibility bus");
    }

    // Every window of a game, in each state a player meets it, as a screen reader finds it:
    // a frame (the main window) or a dialog holding no frame; every item a button or a text box
    // with a name and, while it can be taken, a Press; the description the game gives; every
    // picture named or hidden.
    void everyWindowIsHeardWhole() {
        TestProgram t;
        t.startGame();
        walkTheWindows(t, [](GameWindow* window, const QString& state) {
            if (QTest::currentTestFailed()) {
                return;
            }
            const std::optional<Found> found = windowOnTheBus(window);
            QVERIFY2(found.has_value(), qPrintable(state));
            const QString role = found->object["role"].toString();
            QCOMPARE(role, window->id() == WindowId::fMain ? QStringLiteral("frame")
                                                           : QStringLiteral("dialog"));
            QAccessibleInterface* source = QAccessible::queryAccessibleInterface(window);
            const QJsonArray children = found->object["children"].toArray();
            QCOMPARE(children.size(), qsizetype(source->childCount()));
            for (qsizetype i = 0; i < children.size(); ++i) {
                checkWhatIsHeard(children[i].toObject(), source->child(static_cast<int>(i)), state);
            }
        });
    }

    // A Press through the bus does what a click does: it opens the shop and buys a part.
    void aPressThroughTheBusIsAClick() {
        TestProgram t;
        t.startGame();
        QVERIFY(activeIs(t.fMain()));
        const auto press = [](const QWidget* window, const QString& name) {
            const std::optional<Found> found = windowOnTheBus(window);
            QVERIFY(found.has_value());
            const auto item = find(found->object["children"].toArray(), found->path,
                                   [&name](const QJsonObject& object) {
                                       return object["name"].toString() == name &&
                                              object["role"].toString() == "push button";
                                   });
            QVERIFY2(item.has_value(), qPrintable(name));
            readTheBus({"press", item->path});
        };
        press(t.fMain(),
              t.find<PictureButton>(WindowId::fMain, "bComputerImage")->accessibleName());
        QVERIFY(waitFor([&t] { return t.shown(WindowId::fComputer); }));
        QVERIFY(activeIs(t.window(WindowId::fComputer)));
        press(t.window(WindowId::fComputer),
              t.find<ActionLabel>(WindowId::fComputer, "mbP1")->text());
        QVERIFY(waitFor([&t] { return t.game().PartLevel[kMotherboard] == 1; }));
    }

    // Only the window in play takes a Press through the bus: the main window's menu waits
    // while the development window or the virus over it is in play, and so does the
    // development window's language under the virus. A language's Toggle is a click.
    void aPressReachesOnlyTheWindowInPlay() {
        for (const bool virus : {false, true}) {
            TestProgram t;
            t.startGame();
            Game& game = t.game();
            game.IdeId = 1;
            game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
            OpenActivity(game, WindowId::fDeveloper);
            if (virus) {
                VirusDayComes(game);
            }
            t.program.shell().sync();
            const auto press = [](const QWidget* window, const QString& name, const char* role) {
                const std::optional<Found> found = windowOnTheBus(window);
                QVERIFY(found.has_value());
                const auto item = find(found->object["children"].toArray(), found->path,
                                       [&](const QJsonObject& object) {
                                           return object["name"].toString() == name &&
                                                  object["role"].toString() == role;
                                       });
                QVERIFY2(item.has_value(), qPrintable(name));
                readTheBus({"press", item->path});
            };
            for (const char* action : {"mSave", "mLoad", "mAbout", "mNew", "mExit"}) {
                press(t.fMain(),
                      t.fMain()->findChild<QAction*>(QLatin1String(action))->text().remove('&'),
                      "menu item");
            }
            const int chosen = game.developer.selectedLanguage;
            press(t.window(WindowId::fDeveloper),
                  t.find<QRadioButton>(WindowId::fDeveloper, "ideWeb")->text(), "radio button");
            waitFor([] { return false; }, 300);
            QVERIFY(t.shell.fileChoices.empty());
            QCOMPARE(t.shell.ends + t.shell.restarts, 0);
            QVERIFY(!t.shown(WindowId::Form2));
            const auto web =
                std::find_if(languages().begin(), languages().end(), [](const Language& language) {
                    return std::string_view(language.control) == "ideWeb";
                });
            QCOMPARE(game.developer.selectedLanguage,
                     virus ? chosen : static_cast<int>(web - languages().begin()));
            QCOMPARE(t.find<QRadioButton>(WindowId::fDeveloper, "ideWeb")->isChecked(), !virus);
        }
    }

    // A game loaded by a name typed in the real file dialog (its completions open over it):
    // the main window is the active window again for the screen reader, so that the next Tab
    // is heard, and the Return that closed the dialog holds no key of the virus that comes next.
    void aLoadByATypedNameLeavesTheGameHeard() {
        Orca orca;
        QVERIFY(orca.started());
        TestProgram t;
        QVERIFY(aGameStartsHeard(orca, t));
        QTemporaryDir folder;
        const std::string saved = folder.filePath(QStringLiteral("saved.tso")).toStdString();
        t.shell.files[saved] = SavedGameLines(t.game());
        QFile file(QString::fromStdString(saved));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        t.game().dialogs.odOpenGame = folder.filePath(QStringLiteral("other.tso")).toStdString();
        QtShellPort desktop;
        desktop.setDialogOwner([&t] { return t.program.shell().dialogOwner(); });
        bool answered = false;
        t.shell.whileAnswering = [&] {
            QTimer::singleShot(1000, [] {
                QProcess::execute(QStringLiteral("xdotool"),
                                  {"type", "--delay", "60", "saved.tso"});
                pressKey("Return");
            });
            t.shell.fileAnswers.push_back(desktop.chooseFile(t.shell.fileChoices.back()));
            answered = true;
        };
        orca.catchesUp();
        pressKey("ctrl+o");
        QVERIFY(waitFor([&answered] { return answered; }, 20000));
        QCOMPARE(t.game().dialogs.odOpenGame, saved);
        QVERIFY(activeIs(t.fMain()));
        t.shell.whileAnswering = nullptr;
        orca.catchesUp();
        orca.skip();
        pressKey("Tab");
        QVERIFY(orca.says(QApplication::focusWidget()->accessibleName() +
                          QStringLiteral(" push button")));

        QVERIFY(aVirusComes(t));
        QVERIFY(tabTo(t.find<ActionLabel>(WindowId::Form4, "Label2")));
        pressKey("Return");
        QVERIFY(waitFor(
            [&t] { return !t.find<QLabel>(WindowId::Form4, "lKill")->text().isEmpty(); }, 2000));
    }

    // A short game with Orca, in each language: the focus, a part's price, what buying it
    // cost, the status key, and a virus with its outcome.
    void orcaSpeaksAShortGame_data() {
        QTest::addColumn<ScreenLanguage>("language");
        QTest::newRow("English") << ScreenLanguage::English;
        QTest::newRow("Russian") << ScreenLanguage::Russian;
    }
    void orcaSpeaksAShortGame() {
        QFETCH(ScreenLanguage, language);
        useLanguage(language);
        Orca orca;
        QVERIFY(orca.started());
        TestProgram t;
        QVERIFY(aGameStartsHeard(orca, t));

        auto* shop = t.find<PictureButton>(WindowId::fMain, "bComputerImage");
        QVERIFY(tabTo(shop));
        QVERIFY(orca.says(shop->accessibleName() + QStringLiteral(" push button")));
        pressKey("Return");
        QVERIFY(waitFor([&t] { return t.shown(WindowId::fComputer); }));
        QVERIFY(activeIs(t.window(WindowId::fComputer)));
        QVERIFY(orca.says(t.window(WindowId::fComputer)->windowTitle() + " dialog"));

        // Opened by Return, the shop starts with its first part in hand, heard after the title.
        auto* board = t.find<ActionLabel>(WindowId::fComputer, "mbP1");
        QVERIFY(board->hasFocus());
        QVERIFY(orca.says(board->text() + QStringLiteral(" push button")));
        QVERIFY(orca.says(QStringLiteral("$45")));
        pressKey("Return");
        QVERIFY(waitFor([&t] { return t.game().PartLevel[kMotherboard] == 1; }));
        QVERIFY(orca.says(QStringLiteral("notification ") +
                          t.find<QLabel>(WindowId::fMain, "lMoney")->accessibleName()));

        pressKey("Escape");
        QVERIFY(activeIs(t.fMain()));
        orca.skip();
        pressKey("F2");
        const QStringList status = t.fMain()->statusParts();
        const std::optional<QString> spoken =
            orca.says(QStringLiteral("notification ") + status[0]);
        QVERIFY(spoken.has_value());
        for (const QString& part : {status[2], status.back()}) {
            QVERIFY2(spoken->contains(part), qPrintable(part));
        }

        // The part bought and a course taken are heard, with why they are greyed, as their
        // windows open.
        t.game().Knowledge[7] = true;
        t.game().education.itemEnabled[7] = false;
        t.program.shell().sync();
        const OwnedItem owned[] = {
            {"bComputerImage", WindowId::fComputer, "mbP1", "установлено"},
            {"bEducationImage", WindowId::fEducation, "edWHTML", "пройдено"},
        };
        for (const auto& row : owned) {
            QVERIFY(tabTo(t.find<PictureButton>(WindowId::fMain, row.opener)));
            pressKey("Return");
            QVERIFY(waitFor([&t, &row] { return t.shown(row.window); }));
            QVERIFY(orca.says(t.find<ActionLabel>(row.window, row.item)->text() +
                              QStringLiteral(" — ") + gameText(row.reason)));
            pressKey("Escape");
            QVERIFY(activeIs(t.fMain()));
        }

        // A window says as it opens what it shows at a glance: the about window its developer.
        pressKey("F1");
        QVERIFY(waitFor([&t] { return t.shown(WindowId::Form2); }));
        QVERIFY(orca.says(t.find<QLabel>(WindowId::Form2, "lDeveloper")->text()));
        pressKey("Escape");
        QVERIFY(activeIs(t.fMain()));

        // The virus comes at the end of the day.
        Game& game = t.game();
        game.VirusDay = game.Day;
        game.DayTicks = 240;
        game.OsId = 3;
        t.tick();
        GameWindow* virus = t.window(WindowId::Form4);
        QVERIFY(virus != nullptr && activeIs(virus));
        // The window's title asks; its two answers are its items.
        QVERIFY(orca.says(virus->windowTitle() + QStringLiteral(" dialog")));
        // Past the moment in which a virus ignores the keyboard.
        waitFor([] { return false; }, WindowStack::kFirstMoment + 100);
        auto* leave = t.find<ActionLabel>(WindowId::Form4, "Label2");
        QVERIFY(tabTo(leave));
        QVERIFY(orca.says(leave->text() + QStringLiteral(" push button")));
        pressKey("Return");
        auto* outcome = t.find<QLabel>(WindowId::Form4, "lKill");
        QVERIFY(waitFor([outcome] { return !outcome->text().isEmpty(); }));
        QVERIFY(orca.saysOnce(outcome->text()));
        useLanguage(ScreenLanguage::Russian);
    }

    // Each result a player meets, with Orca, in each language: the line Orca speaks, once. A
    // program installed, a message box over the shop and the item after it, a project
    // finished, connected and cut off, a download done, the virus answered.
    void orcaSaysEachResultOnce_data() { orcaSpeaksAShortGame_data(); }
    void orcaSaysEachResultOnce() {
        QFETCH(ScreenLanguage, language);
        useLanguage(language);
        Orca orca;
        QVERIFY(orca.started());
        TestProgram t;
        QVERIFY(aGameStartsHeard(orca, t));
        Game& game = t.game();
        const auto take = [](QWidget* item) {
            if (!tabTo(item)) {
                return false;
            }
            pressKey("Return");
            return true;
        };
        const auto open = [&t, &take, &orca](const char* button, WindowId id) {
            if (!take(t.find<PictureButton>(WindowId::fMain, button)) ||
                !waitFor([&t, id] { return t.shown(id); }) || !activeIs(t.window(id))) {
                return false;
            }
            orca.catchesUp();
            return true;
        };

        // A message box, and after it the item that had the focus, once.
        QVERIFY(open("bComputerImage", WindowId::fComputer));
        game.Money = 1;
        auto* board = t.find<ActionLabel>(WindowId::fComputer, "mbP1");
        bool boxHeard = false;
        t.shell.whileAnswering = [&t, &orca, &boxHeard] {
            // Owned by the window beneath, so that it outlives the screen reader's answer on
            // the Return that closes it: Qt's bridge keeps a copy of each key until that
            // answer, and loses the copy if the key's window has gone by then.
            auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tessaro"),
                                        QString::fromStdString(t.shell.messages.back().text),
                                        QMessageBox::Ok, t.program.shell().dialogOwner());
            QTimer::singleShot(0, box, [box, &orca, &boxHeard] {
                boxHeard = activeIs(box) && orca.saysOnce(box->text()).has_value();
                orca.skip();
                pressKey("Return");
                QTimer::singleShot(3000, box, &QMessageBox::accept);
            });
            box->exec();
        };
        QVERIFY(take(board));
        QVERIFY(waitFor([&t] { return !t.shell.messages.empty(); }));
        QVERIFY(waitFor(
            [&t] { return t.program.shell().dialogOwner() == t.window(WindowId::fComputer); }));
        QVERIFY(boxHeard);
        QVERIFY(activeIs(t.window(WindowId::fComputer)));
        QVERIFY(orca.saysOnce(board->text() + QStringLiteral(" push button")));
        QVERIFY(orca.saysOnce(QStringLiteral("$45")));
        t.shell.whileAnswering = nullptr;
        pressKey("Escape");
        QVERIFY(activeIs(t.fMain()));

        // A program installed: its row in the main window and the free disk.
        equipForEveryActivity(game);
        t.program.shell().sync();
        QVERIFY(open("bSoftwareImage", WindowId::fSoftware));
        // The free disk as the window opens, once: its title labels its gauge.
        QVERIFY(orca.saysOnce(TfSoftware::tr("Свободное дисковое пространство")));
        QVERIFY(take(t.find<ActionLabel>(WindowId::fSoftware, "osW98")));
        QVERIFY(waitFor([&game] { return game.OsId != 0; }));
        const QStringList system = t.fMain()->shownState().filter(QStringLiteral("Windows 98"));
        QCOMPARE(system.size(), 1);
        const std::optional<QString> installed = orca.saysOnce(system[0]);
        QVERIFY(installed.has_value());
        const QString freeSpace =
            t.find<QProgressBar>(WindowId::fSoftware, "gFreeSpace")->accessibleName();
        QVERIFY2(installed->contains(freeSpace), qPrintable(*installed));
        // A screen reader's Press is the player's action too: what it installed is heard once.
        orca.catchesUp();
        const std::optional<Found> software = windowOnTheBus(t.window(WindowId::fSoftware));
        QVERIFY(software.has_value());
        const QString flashName = t.find<ActionLabel>(WindowId::fSoftware, "lFlash")->text();
        const auto flash = find(software->object["children"].toArray(), software->path,
                                [&flashName](const QJsonObject& object) {
                                    return object["name"].toString() == flashName;
                                });
        QVERIFY(flash.has_value());
        readTheBus({"press", flash->path});
        QVERIFY(waitFor([&game] { return game.ExtraSoft[0]; }));
        QVERIFY(orca.saysOnce(
            t.find<QProgressBar>(WindowId::fSoftware, "gFreeSpace")->accessibleName()));
        pressKey("Escape");
        QVERIFY(activeIs(t.fMain()));

        // The project ends with the clock: the gauge's last value and the project at hand.
        QVERIFY(open("bDeveloperImage", WindowId::fDeveloper));
        t.find<QRadioButton>(WindowId::fDeveloper, "ideKylix")->click();
        QVERIFY(take(t.find<ActionLabel>(WindowId::fDeveloper, "devOS")));
        QVERIFY(waitFor([&game] { return game.ProjectActive; }));
        // The project begun is named, and the focus goes on; in either order.
        const auto* next = qobject_cast<const ActionLabel*>(QApplication::focusWidget());
        QVERIFY(next != nullptr && orca.says(next->text() + QStringLiteral(" push button")));
        orca.catchesUp();
        orca.skip();
        // Its last day: a screen reader flooded with days in a moment would drop lines.
        game.ProjectProgress = kProjectDays;
        game.DayTicks = 240;
        orca.catchesUp();
        t.tick();
        QVERIFY(!game.ProjectActive);
        QVERIFY(orca.saysOnce(t.find<QLabel>(WindowId::fDeveloper, "lNowProject")->text()));
        pressKey("Escape");
        QVERIFY(activeIs(t.fMain()));

        // Connected, a download done, cut off.
        QVERIFY(open("bInternetImage", WindowId::fInternet));
        // The connection as the window opens, once: from its label, not again in the
        // description.
        QVERIFY(
            orca.saysOnce(t.find<QLabel>(WindowId::fInternet, "lConnectInfo")->accessibleName()));
        auto* connection = t.find<ActionLabel>(WindowId::fInternet, "lConnect");
        QVERIFY(take(connection));
        QVERIFY(waitFor([&game] { return game.timer(TimerId::tConnect).running; }));
        // A line that answers.
        game.DialDraw = 2;
        QVERIFY(waitFor([&game] { return game.Connected; }));
        const QString online =
            t.find<QLabel>(WindowId::fInternet, "lConnectInfo")->accessibleName();
        QVERIFY(orca.saysOnce(online));
        // A sale that fails: its message, then the window read anew with the project gone,
        // once.
        QVERIFY(take(t.find<ActionLabel>(WindowId::fInternet, "surfMarket")));
        orca.catchesUp();
        t.shell.whileAnswering = [&t] {
            auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Tessaro"),
                                        QString::fromStdString(t.shell.messages.back().text),
                                        QMessageBox::Ok, t.program.shell().dialogOwner());
            QTimer::singleShot(0, box, [box] {
                activeIs(box);
                pressKey("Return");
                QTimer::singleShot(3000, box, &QMessageBox::accept);
            });
            box->exec();
        };
        const std::size_t messages = t.shell.messages.size();
        QVERIFY(take(t.find<ActionLabel>(WindowId::fInternet, "lSell")));
        QVERIFY(waitFor([&t, messages] { return t.shell.messages.size() > messages; }));
        t.shell.whileAnswering = nullptr;
        QVERIFY(activeIs(t.window(WindowId::fInternet)));
        QVERIFY(orca.saysOnce(t.find<QLabel>(WindowId::fInternet, "lNowProject")->text()));
        QVERIFY(take(t.find<ActionLabel>(WindowId::fInternet, "surfTools")));
        QVERIFY(take(t.find<ActionLabel>(WindowId::fInternet, "lLPS")));
        QVERIFY(waitFor([&game] { return game.timer(TimerId::tSoftLoad).running; }));
        orca.skip();
        // The virus comes over the download, which ends under it. Answered, its outcome is
        // heard once; the download done, once the internet window is in play again.
        QVERIFY(aVirusComes(t));
        QVERIFY(waitFor([&game] { return !game.timer(TimerId::tSoftLoad).running; }, 30000));
        QVERIFY(take(t.find<ActionLabel>(WindowId::Form4, "Label2")));
        auto* outcome = t.find<QLabel>(WindowId::Form4, "lKill");
        QVERIFY(waitFor([outcome] { return !outcome->text().isEmpty(); }));
        QVERIFY(orca.saysOnce(outcome->text()));
        QVERIFY(waitFor([&t] { return !t.shown(WindowId::Form4); }));
        QVERIFY(activeIs(t.window(WindowId::fInternet)));
        QVERIFY(orca.saysOnce(QStringLiteral("100%")));
        QVERIFY(take(connection));
        QVERIFY(waitFor([&game] { return !game.Connected; }));
        QVERIFY(
            orca.saysOnce(t.find<QLabel>(WindowId::fInternet, "lConnectInfo")->accessibleName()));
        pressKey("Escape");
        QVERIFY(activeIs(t.fMain()));
        useLanguage(ScreenLanguage::Russian);
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::ScreenReaderTest)
#include "ScreenReaderTest.moc"
