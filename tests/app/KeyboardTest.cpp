#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <functional>

#include <map>

#include "game/TfMain.h"
#include "internet/TfInternet.h"
#include "software/TfSoftware.h"
#include "support/TestProgram.h"
#include "widgets/Accessibility.h"
#include "widgets/ActionLabel.h"
#include "widgets/ActivityWindow.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    // A short game by key presses only: a computer bought, a system installed, a course
    // taken, every window opened and left with Escape, the game saved.
    void aShortGameByKeyboardAlone() {
        TestProgram t;
        QVERIFY(waitUntilActive(t.window(WindowId::fStart)));
        QWidget* name = t.find<QLineEdit>(WindowId::fStart, "eName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Ivan"));
        QTest::keyClick(name, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(waitUntilActive(t.fMain()));

        press(t, WindowId::fMain, "bComputerImage");
        QVERIFY(waitUntilActive(t.window(WindowId::fComputer)));
        for (const char* part : {"mbP1", "prP166", "mm64S", "hd1", "vd4P", "mn15", "cdR"}) {
            press(t, WindowId::fComputer, part);
            focusStaysOnAnItem(t, WindowId::fComputer, part);
        }
        QCOMPARE(t.game().PartLevel[kCdDvd], 1);
        escape(t, WindowId::fComputer, "bComputerImage");

        press(t, WindowId::fMain, "bSoftwareImage");
        QVERIFY(waitUntilActive(t.window(WindowId::fSoftware)));
        press(t, WindowId::fSoftware, "osW98");
        QCOMPARE(t.game().OsId, 1);
        focusStaysOnAnItem(t, WindowId::fSoftware, "osW98");
        escape(t, WindowId::fSoftware, "bSoftwareImage");

        press(t, WindowId::fMain, "bEducationImage");
        QVERIFY(waitUntilActive(t.window(WindowId::fEducation)));
        press(t, WindowId::fEducation, "edWHTML");
        QVERIFY(t.game().Knowledge[7]);
        focusStaysOnAnItem(t, WindowId::fEducation, "edWHTML");
        escape(t, WindowId::fEducation, "bEducationImage");

        for (const char* button : {"bJobImage", "bDeveloperImage", "bRestImage"}) {
            press(t, WindowId::fMain, button);
            const WindowId opened = button[1] == 'J'   ? WindowId::fJob
                                    : button[1] == 'D' ? WindowId::fDeveloper
                                                       : WindowId::Form3;
            QVERIFY2(waitUntilActive(t.window(opened)), button);
            // Opened by a key, every window starts with its first item in hand, marked, or
            // with "Вернуться" where no other can be taken; "Вернуться" comes last.
            auto* activity = static_cast<ActivityWindow*>(t.window(opened));
            auto* first = qobject_cast<ActionLabel*>(QApplication::focusWidget());
            const auto items = activity->findChildren<ActionLabel*>();
            const bool another = std::any_of(items.begin(), items.end(), [&](ActionLabel* item) {
                return item != activity->returnLabel() && item->isEnabled();
            });
            QVERIFY2(first != nullptr && first->window() == activity &&
                         first->showsKeyboardFocus() &&
                         (first != activity->returnLabel() || !another),
                     button);
            if (another) {
                // The arrow keys work from the first moment.
                QTest::keyClick(first, Qt::Key_Down);
                QVERIFY2(QApplication::focusWidget() != first, button);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
                QCOMPARE(QApplication::focusWidget(), first);
                QTest::keyClick(first, Qt::Key_Backtab);
                QCOMPARE(QApplication::focusWidget(), activity->returnLabel());
            }
            escape(t, opened, button);
        }

        // The about window leaves by Escape too.
        QTest::keyClick(t.fMain(), Qt::Key_F1);
        QVERIFY(waitUntilActive(t.window(WindowId::Form2)));
        QTest::keyClick(t.window(WindowId::Form2), Qt::Key_Escape);
        QVERIFY(!t.shown(WindowId::Form2));
        QVERIFY(waitUntilActive(t.fMain()));

        t.shell.fileAnswers.push_back(std::string("keyboard.tso"));
        QTest::keyClick(t.fMain(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(t.shell.files.count("keyboard.tso"), std::size_t{1});
    }

    // The focus shows what the pointer shows: the shop's info line and the highlight.
    void theFocusShowsWhatThePointerShows() {
        TestProgram t;
        t.startGame();
        press(t, WindowId::fMain, "bComputerImage");
        QVERIFY(waitUntilActive(t.window(WindowId::fComputer)));
        auto* board = t.find<ActionLabel>(WindowId::fComputer, "mbP2");
        tabTo(t, WindowId::fComputer, "mbP2");
        QCOMPARE(board->fontColor(), QColor(0, 0, 0));
        QCOMPARE(t.find<QLabel>(WindowId::fComputer, "lInfo")->text(),
                 QStringLiteral("ASUS P2B (Slot 1, DIMM) - $60"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(board->fontColor(), QColor(128, 128, 128));
    }

    // Every control a player acts on is, to a screen reader, a button or a text box with a name
    // and, while it can be taken, a Press action; what its window shows of an item under the
    // pointer is the item's description. A new item that says less fails here.
    void everyItemIsHeardAsTheWindowShowsIt() {
        TestProgram t;
        t.startGame();
        t.game().SoftwareOpen = t.game().InternetOpen = true;
        const QList<QAccessible::Role> itemRoles = {QAccessible::Button, QAccessible::RadioButton,
                                                    QAccessible::CheckBox, QAccessible::MenuItem,
                                                    QAccessible::EditableText};
        // What a sighted player reads of a window at a glance, heard as the window opens.
        const std::map<WindowId, QStringList> stateLines = {
            {WindowId::fSoftware, {QStringLiteral("gFreeSpace")}},
            {WindowId::fDeveloper, {QStringLiteral("lNowProject")}},
            {WindowId::fInternet,
             {QStringLiteral("lConnectInfo"), QStringLiteral("lNowProject"),
              QStringLiteral("gSoftLoad"), QStringLiteral("hLine6")}},
            {WindowId::Form2,
             {QStringLiteral("lVersion"), QStringLiteral("lDeveloper"), QStringLiteral("lEmail")}},
        };
        int described = 0;
        for (std::size_t i = 1; i < kWindowCount; ++i) {
            GameWindow* window = t.show(static_cast<WindowId>(i));
            if (const auto lines = stateLines.find(window->id()); lines != stateLines.end()) {
                const QString heard =
                    QAccessible::queryAccessibleInterface(window)->text(QAccessible::Description);
                for (const QString& name : lines->second) {
                    const QWidget* part = window->findChild<QWidget*>(name);
                    const auto* label = qobject_cast<const QLabel*>(part);
                    const auto* item = qobject_cast<const ActionLabel*>(part);
                    const auto* gauge = qobject_cast<const QProgressBar*>(part);
                    const QString shown = label != nullptr   ? label->text()
                                          : item != nullptr  ? item->text()
                                          : gauge != nullptr ? gauge->text()
                                                             : QStringLiteral("?");
                    QVERIFY2(!part->isVisibleTo(window) || heard.contains(shown),
                             qPrintable(name + QStringLiteral(": ") + shown + " in " + heard));
                }
            }
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window)) {
                    continue;
                }
                const QString where =
                    window->objectName() + QLatin1Char('/') + widget->objectName();
                QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
                QVERIFY2(itemRoles.contains(item->role()), qPrintable(where));
                QVERIFY2(!item->text(QAccessible::Name).isEmpty(), qPrintable(where));
                if (qobject_cast<QLineEdit*>(widget) != nullptr) {
                    continue;
                }
                QCOMPARE(item->actionInterface()->actionNames().contains(
                             QAccessibleActionInterface::pressAction()),
                         widget->isEnabled());
                const QStringList resting = shownTexts(window);
                sendPointerOver(widget);
                const QString description = item->text(QAccessible::Description);
                for (const QString& shown : shownTexts(window)) {
                    QVERIFY2(resting.contains(shown) || description.contains(shown),
                             qPrintable(where + QStringLiteral(" does not say: ") + shown));
                }
                described += description.isEmpty() ? 0 : 1;
                sendPointerLeave(widget);
            }
        }
        QVERIFY(described > 60);
        auto* money = t.find<QLabel>(WindowId::fMain, "lMoney");
        QCOMPARE(QAccessible::queryAccessibleInterface(money)->text(QAccessible::Name),
                 QStringLiteral("Деньги: $500"));
    }

    // A screen reader's Press clicks the item, and the reader is told once what it changed; an
    // item of a window beneath the window in play ignores it, as it ignores a click. F2 tells
    // the whole status, in any window.
    void aPressDoesWhatAClickDoes() {
        TestProgram t;
        t.startGame();
        const auto pressThroughAccessibility = [&t](WindowId window, const char* name) {
            QAccessible::queryAccessibleInterface(t.find<QWidget>(window, name))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
        };
        pressThroughAccessibility(WindowId::fMain, "bComputerImage");
        QVERIFY(t.shown(WindowId::fComputer));
        pressThroughAccessibility(WindowId::fComputer, "mbP1");
        QCOMPARE(t.game().PartLevel[kMotherboard], 1);
        // The money first, then what else the main window shows anew: the board, the experience.
        const QString money = t.find<QLabel>(WindowId::fMain, "lMoney")->accessibleName();
        QVERIFY2(lastAnnouncement().startsWith(money), qPrintable(lastAnnouncement()));
        QVERIFY2(lastAnnouncement().contains(
                     QStringLiteral("Системная плата: ASUS TXP4 (Socket 7, SIMM)")),
                 qPrintable(lastAnnouncement()));
        QVERIFY2(!lastAnnouncement().contains(QStringLiteral("Процессор")),
                 qPrintable(lastAnnouncement()));
        pressThroughAccessibility(WindowId::fMain, "bJobImage");
        QVERIFY(!t.shown(WindowId::fJob));
        QVERIFY(t.shown(WindowId::fComputer));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QCOMPARE(lastAnnouncement(),
                 QStringLiteral("Деньги: $455. Настроение: 100%. День 1. Статус: Ламер. Опыт: 5. "
                                "Работа: Пособие по безработице $1/день."));
    }

    // A window beneath the window in play refuses every road the player has, whether the game
    // greyed it (the main window under the job window) or a message box holds it: a screen
    // reader's Press, its menu and its close box. Given back, it takes them again.
    void aWindowHeldBeneathRefusesEveryRoad() {
        for (const bool byAMessageBox : {false, true}) {
            const char* row = byAMessageBox ? "a message box" : "the job window";
            TestProgram t;
            t.startGame();
            TfMain* main = t.fMain();
            const QAction* save = main->findChild<QAction*>(QStringLiteral("mSave"));
            QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("…"));
            box.setWindowModality(Qt::ApplicationModal);
            if (byAMessageBox) {
                box.show();
            } else {
                t.find<PictureButton>(WindowId::fMain, "bJobImage")->click();
            }
            const auto pressTheShop = [&t] {
                QAccessible::queryAccessibleInterface(
                    t.find<QWidget>(WindowId::fMain, "bComputerImage"))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
                QCoreApplication::processEvents();
            };
            pressTheShop();
            QVERIFY2(!t.shown(WindowId::fComputer), row);
            QVERIFY2(!save->isEnabled(), row);
            QVERIFY2(!main->close() && main->isVisible() && t.shell.ends == 0, row);

            if (byAMessageBox) {
                box.hide();
            } else {
                t.window(WindowId::fJob)->close();
            }
            QVERIFY2(save->isEnabled(), row);
            pressTheShop();
            QVERIFY2(t.shown(WindowId::fComputer), row);
        }
    }

    // What the player owns or has done, which a sighted player sees greyed, the window says as
    // it opens, with why: a course taken, his job and those below it, the parts installed and
    // those the shop cannot sell him. A greyed job is no job he can get.
    void whatThePlayerOwnsIsHeardWithTheWindow() {
        TestProgram t;
        t.startGame();
        equipForEveryActivity(t.game());
        t.game().JobId = 2;
        t.program.shell().sync();
        const OwnedItem rows[] = {
            {"bEducationImage", WindowId::fEducation, "edWHTML", "пройдено"},
            {"bJobImage", WindowId::fJob, "jDeveloper1", "ваша работа"},
            {"bComputerImage", WindowId::fComputer, "mbP4", "установлено"},
            {"bComputerImage", WindowId::fComputer, "mbP2", "хуже установленного"},
            {"bComputerImage", WindowId::fComputer, "prP166", "не подходит к плате"},
        };
        for (const auto& row : rows) {
            QVERIFY(t.openFromMain(row.opener, row.window));
            const auto* item = t.find<ActionLabel>(row.window, row.item);
            QVERIFY2(!item->isEnabled(), row.item);
            const QString description = QAccessible::queryAccessibleInterface(t.window(row.window))
                                            ->text(QAccessible::Description);
            const QString said = item->text() + QStringLiteral(" — ") + gameText(row.reason);
            QVERIFY2(description.contains(said), qPrintable(description));
            QVERIFY2(!descriptionOf(item).contains(gameText("Вы можете получить эту работу")),
                     qPrintable(descriptionOf(item)));
            t.window(row.window)->close();
        }
    }

    // Each result is told once, from what the windows show: what the player's action changed
    // in the main window and in the window in play; the end of a progress that runs by itself,
    // none of its steps; nothing for what the clock brings but a window of its own. The status
    // key in a window says its progress first.
    void everyResultIsToldOnce() {
        TestProgram t;
        // The game's time stands: each step's ticks are its own, whatever the machine's load.
        t.program.shell().setClock([] { return std::int64_t{100000}; });
        t.startGame();
        Game& game = t.game();
        equipForEveryActivity(game);
        t.program.shell().sync();
        // What the set-up changed is told before the first step.
        QCoreApplication::processEvents();
        const auto click = [&t](WindowId window, const char* name) {
            return [&t, window, name] {
                // As the player takes it: a greyed item refuses.
                t.find<QAbstractButton>(window, name)->click();
            };
        };
        // Each tick in a turn of its own, as the real clock gives them.
        const auto tickWhile = [&t](TimerId id, std::function<bool()> going) {
            return [&t, id, going] {
                for (int i = 0; i < 10000 && going(); ++i) {
                    t.tick(id, 1);
                    QCoreApplication::processEvents();
                }
            };
        };
        const auto shown = [&t](WindowId window, const char* name) {
            return [&t, window, name] {
                const QWidget* part = t.find<QWidget>(window, name);
                if (const auto* gauge = qobject_cast<const QProgressBar*>(part)) {
                    return gauge->accessibleName();
                }
                const auto* label = static_cast<const QLabel*>(part);
                return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
            };
        };
        // A gauge's last words, at 100 %.
        const auto finished = [&t](WindowId window, const char* name) {
            return [&t, window, name] {
                const QString said = t.find<QProgressBar>(window, name)->accessibleName();
                return said.left(said.lastIndexOf(QLatin1Char(' '))) + QStringLiteral(" 100%");
            };
        };
        const auto status = [&t] { return spokenLines(t.fMain()->statusParts()); };
        using Said = std::function<QString()>;
        const struct {
            const char* result;
            std::function<void()> act;
            // What the line says, in parts; none when nothing is told.
            std::vector<Said> says;
        } steps[] = {
            // The clock raises the status, and at its next tick opens the internet to it.
            {"the status rises",
             [&t, &game] {
                 game.InternetOpen = game.main.bInternetImageEnabled = false;
                 t.program.shell().sync();
                 game.Experience = 601;
                 t.tick();
             },
             {[&t] { return t.fMain()->shownState()[TfMain::kStatusPart]; }}},
            {"the internet opens", [&t] { t.tick(); }, {[&t] {
                 return t.fMain()->button(WindowId::fInternet)->accessibleName();
             }}},
            {"a day without news",
             [&t, &game] {
                 game.DayTicks = 240;
                 t.tick();
             },
             {}},
            // A course shows in the main window only as the money it took: it is named.
            {"the education window opens", click(WindowId::fMain, "bEducationImage"), {}},
            {"a course taken",
             click(WindowId::fEducation, "edOSW9X"),
             {[&t] { return t.find<ActionLabel>(WindowId::fEducation, "edOSW9X")->text(); },
              shown(WindowId::fMain, "lMoney")}},
            {"the software window opens",
             [&t] {
                 t.window(WindowId::fEducation)->close();
                 t.find<PictureButton>(WindowId::fMain, "bSoftwareImage")->click();
             },
             {}},
            {"a program installed",
             click(WindowId::fSoftware, "osW98"),
             {shown(WindowId::fMain, "lOS"), shown(WindowId::fSoftware, "gFreeSpace")}},
            // An "other" program shows nowhere in the main window: it is named.
            {"another program installed",
             click(WindowId::fSoftware, "lFlash"),
             {[&t] { return t.find<ActionLabel>(WindowId::fSoftware, "lFlash")->text(); },
              shown(WindowId::fSoftware, "gFreeSpace")}},
            // One that cannot be installed does nothing, and says why as its picture does.
            {"the disk nearly full",
             [&t, &game] {
                 game.DiskFree = 10;
                 t.program.shell().sync();
             },
             {}},
            {"a program that does not fit", click(WindowId::fSoftware, "lOffice"), {[] {
                 return TfSoftware::tr("Нельзя установить");
             }}},
            {"the development window opens",
             [&t] {
                 t.window(WindowId::fSoftware)->close();
                 t.find<PictureButton>(WindowId::fMain, "bDeveloperImage")->click();
                 QVERIFY(waitUntilActive(t.window(WindowId::fDeveloper)));
                 t.find<QRadioButton>(WindowId::fDeveloper, "ideKylix")->click();
             },
             {}},
            // The main window's menu keys do nothing here, and say why.
            {"the menu's keys in an activity window",
             [&t] {
                 for (const QKeySequence& key :
                      {QKeySequence(QKeySequence::Save), QKeySequence(QKeySequence::Open),
                       QKeySequence(Qt::Key_F1)}) {
                     QTest::keySequence(t.window(WindowId::fDeveloper), key);
                 }
                 QVERIFY(t.window(WindowId::fDeveloper)->isVisible());
                 QCOMPARE(t.shell.fileChoices.size(), std::size_t{0});
             },
             {[] {
                 return QCoreApplication::translate("tessaro", "Меню игры — в главном окне.");
             }}},
            // Its item greys, and is named; its gauge shows with its first day.
            {"a project begun", click(WindowId::fDeveloper, "devOS"), {[&t] {
                 return t.find<ActionLabel>(WindowId::fDeveloper, "devOS")->text();
             }}},
            {"its days",
             tickWhile(TimerId::tTime, [&game] { return game.ProjectProgress < 3; }),
             {}},
            {"the status key says its progress",
             [&t] { QTest::keyClick(t.window(WindowId::fDeveloper), Qt::Key_F2); },
             {shown(WindowId::fDeveloper, "gProgress"), status}},
            {"the project finished",
             tickWhile(TimerId::tTime, [&game] { return game.ProjectActive; }),
             {finished(WindowId::fDeveloper, "gProgress"),
              shown(WindowId::fDeveloper, "lNowProject")}},
            {"the internet window opens",
             [&t] {
                 t.window(WindowId::fDeveloper)->close();
                 t.find<PictureButton>(WindowId::fMain, "bInternetImage")->click();
             },
             {}},
            // A line that answers.
            {"dialling",
             [&game, dial = click(WindowId::fInternet, "lConnect")] {
                 dial();
                 game.DialDraw = 2;
             },
             {shown(WindowId::fInternet, "lConnectInfo")}},
            {"connected",
             tickWhile(TimerId::tConnect,
                       [&game] { return game.timer(TimerId::tConnect).running; }),
             {shown(WindowId::fInternet, "lConnectInfo")}},
            // Its heading says that the site opened, with the utilities on sale beneath it.
            {"the tools site", click(WindowId::fInternet, "surfTools"), {[] {
                 return TfInternet::tr("Скачать утилиты");
             }}},
            {"a utility bought",
             click(WindowId::fInternet, "lLPS"),
             {shown(WindowId::fMain, "lMoney"), shown(WindowId::fInternet, "gSoftLoad")}},
            // The virus comes over the download, which ends under it: heard once the internet
            // window is in play again. The window is read anew with the virus's outcome as the
            // focus falls on it.
            {"a virus over the download",
             [&t, &game] {
                 game.VirusDay = game.Day;
                 game.DayTicks = 240;
                 t.tick();
                 // Without an antivirus the first answer is greyed, and heard so.
                 auto* kill = t.find<ActionLabel>(WindowId::Form4, "Label1");
                 QVERIFY(QAccessible::queryAccessibleInterface(t.window(WindowId::Form4))
                             ->text(QAccessible::Description)
                             .startsWith(kill->text() + QStringLiteral(" — ")));
             },
             {}},
            {"its download ends under the virus",
             tickWhile(TimerId::tSoftLoad,
                       [&game] { return game.timer(TimerId::tSoftLoad).running; }),
             {}},
            {"the virus left over the download",
             click(WindowId::Form4, "Label2"),
             {shown(WindowId::fMain, "lOS")}},
            // The answer that greyed both is not named as news: the outcome is read with the
            // window.
            {"its outcome read, back to the download",
             [&t, &game] {
                 QVERIFY2(!lastAnnouncement().contains(
                              t.find<ActionLabel>(WindowId::Form4, "Label2")->text()),
                          qPrintable(lastAnnouncement()));
                 while (game.timer(TimerId::tmFormClose).running) {
                     t.tick(TimerId::tmFormClose, 1);
                     QCoreApplication::processEvents();
                 }
             },
             {finished(WindowId::fInternet, "gSoftLoad")}},
            {"cut off",
             click(WindowId::fInternet, "lConnect"),
             {shown(WindowId::fInternet, "lConnectInfo")}},
        };
        for (const auto& step : steps) {
            const int before = announcementsMade();
            step.act();
            QCoreApplication::processEvents();
            const int told = announcementsMade() - before;
            QVERIFY2(told <= 1,
                     qPrintable(QString::fromLatin1(step.result) + ": " + lastAnnouncement()));
            QVERIFY2((told == 1) == !step.says.empty(),
                     qPrintable(QString::fromLatin1(step.result) + ": " + lastAnnouncement()));
            for (const Said& part : step.says) {
                QVERIFY2(lastAnnouncement().contains(part()),
                         qPrintable(QString::fromLatin1(step.result) + ": " + part() + " in " +
                                    lastAnnouncement()));
            }
        }
    }

  private:
    // The texts that a window's labels show, and the names of its pictures.
    static QStringList shownTexts(const QWidget* window) {
        QStringList texts;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->isVisibleTo(window)) {
                for (const QString& text : {label->text(), label->accessibleName()}) {
                    if (!text.trimmed().isEmpty()) {
                        texts.append(text.trimmed());
                    }
                }
            }
        }
        return texts;
    }

    // Tabs through the window until the control has the focus.
    static void tabTo(TestProgram& t, WindowId window, const char* name) {
        QWidget* target = t.find<QWidget>(window, name);
        QVERIFY2(target != nullptr, name);
        for (int presses = 0; presses < 80 && QApplication::focusWidget() != target; ++presses) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused != nullptr ? focused : t.window(window), Qt::Key_Tab);
        }
        QVERIFY2(QApplication::focusWidget() == target, name);
    }

    static void press(TestProgram& t, WindowId window, const char* name) {
        tabTo(t, window, name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    // Escape leaves the window, and the focus goes back to the button that opened it.
    static void escape(TestProgram& t, WindowId window, const char* opener) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!t.shown(window));
        QVERIFY(waitUntilActive(t.fMain()));
        auto* button = t.find<PictureButton>(WindowId::fMain, opener);
        QVERIFY2(QTest::qWaitFor([button] { return button->hasFocus(); }), opener);
    }

    // An item taken keeps the focus, or hands it on, marked, to the next item that can still
    // be taken: the next Tab goes on from there.
    static void focusStaysOnAnItem(TestProgram& t, WindowId window, const char* taken) {
        auto* focused = qobject_cast<ActionLabel*>(QApplication::focusWidget());
        QVERIFY2(focused != nullptr && focused->window() == t.window(window) &&
                     focused->isEnabled() && focused->showsKeyboardFocus(),
                 taken);
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::KeyboardTest)
#include "KeyboardTest.moc"
