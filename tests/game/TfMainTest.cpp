#include <sys/stat.h>

#include <algorithm>

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/QtShellPort.h"

#include "game/TfMain.h"
#include "persistence/SavedGame.h"
#include "persistence/SavedGameFile.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"
#include "widgets/ActivityWindow.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

namespace {

struct Activity {
    const char* button;
    WindowId window;
    const char* caption;
    QSize client;
    int resting;
    int highlighted;
};

const Activity kActivities[] = {
    {"bJobImage", WindowId::fJob, "Поиск работы", {350, 182}, 9, 10},
    {"bComputerImage", WindowId::fComputer, "Покупка комплектующих", {492, 257}, 14, 15},
    {"bEducationImage", WindowId::fEducation, "Обучение", {377, 248}, 2, 3},
    {"bDeveloperImage", WindowId::fDeveloper, "Разработка программ", {314, 242}, 0, 1},
    {"bRestImage", WindowId::Form3, "Отдых", {217, 275}, 4, 5},
};

}  // namespace

class TfMainTest : public WindowTestCase {
    Q_OBJECT
  private slots:
    void init() {
        startProgram();
        QVERIFY(QTest::qWaitForWindowExposed(t->fMain()));
    }

    void aNewGameShowsThePlayerAndAnEmptyComputer() {
        const std::pair<const char*, QString> labels[] = {
            {"lName", QStringLiteral("Иван")},
            {"lStatus", QStringLiteral("Ламер")},
            {"lExpansion", QStringLiteral("0")},
            {"lJob", QStringLiteral("Пособие по безработице $1/день")},
            {"lMoney", QStringLiteral("500")},
            {"lDay", QStringLiteral("1")},
        };
        for (const auto& [name, text] : labels) {
            QCOMPARE(label(name)->text(), text);
        }
        for (const char* name : {"lMotherboard", "lProcessor", "lMemory", "lHDD", "lVideo",
                                 "lSound", "lMonitor", "lCDDVDD", "lModem", "lOS", "lIDE", "lAV"}) {
            QCOMPARE(label(name)->text(), QStringLiteral("Нет"));
        }
        QCOMPARE(t->find<QProgressBar>(WindowId::fMain, "gMood")->value(), 100);
        QCOMPARE(t->fMain()->client()->size(), QSize(452, 331));
        QCOMPARE(t->fMain()->windowTitle(), QStringLiteral("Tessaro 1.1"));
    }

    void theSoftwareAndInternetButtonsStartLocked() {
        QCOMPARE(button("bSoftwareImage")->picture(), 12);
        QCOMPARE(button("bInternetImage")->picture(), 7);
        QVERIFY(!button("bSoftwareImage")->isEnabled());
        QVERIFY(!button("bInternetImage")->isEnabled());

        movePointer(button("bSoftwareImage"));
        QCOMPARE(button("bSoftwareImage")->picture(), 12);
        QTest::mouseClick(button("bSoftwareImage"), Qt::LeftButton);
        QVERIFY(!t->shown(WindowId::fSoftware));
        QVERIFY(t->fMain()->isEnabled());
    }

    void onlyTheButtonUnderThePointerIsHighlighted() {
        movePointer(button("bJobImage"));
        QCOMPARE(button("bJobImage")->picture(), 10);
        movePointer(button("bComputerImage"));
        QCOMPARE(button("bJobImage")->picture(), 9);
        QCOMPARE(button("bComputerImage")->picture(), 15);
        movePointer(t->fMain()->client(), QPoint(5, 100));
        for (const Activity& activity : kActivities) {
            QCOMPARE(button(activity.button)->picture(), activity.resting);
        }
        QCOMPARE(button("bSoftwareImage")->picture(), 12);
    }

    // Through the real event path: the pointer leaves a highlighted button for each area that
    // the game lists as background.
    void everyBackgroundAreaPutsTheButtonsBackAtRest() {
        const char* areas[] = {"client",       "buttonColumn", "dataHeading", "computerHeading",
                               "computerIcon", "lDay",         "dayCaption",  "lMoney",
                               "gMood",        "lMotherboard"};
        for (const char* area : areas) {
            QWidget* widget = t->fMain()->findChild<QWidget*>(QLatin1String(area));
            QVERIFY2(widget != nullptr, area);
            movePointer(button("bJobImage"));
            QCOMPARE(button("bJobImage")->picture(), 10);
            // A corner of the area that no other control covers.
            movePointer(widget, QPoint(2, 2));
            QVERIFY2(button("bJobImage")->picture() == 9, area);
        }
    }

    // A loaded game can enable a button whose flag is false: it shows its locked picture and
    // a click opens nothing.
    void aButtonOpensOnlyWhenItsFlagIsSet() {
        t->game().main.bSoftwareImageEnabled = true;
        t->program.shell().sync();
        QVERIFY(button("bSoftwareImage")->isEnabled());
        movePointer(t->fMain()->client(), QPoint(5, 100));
        QCOMPARE(button("bSoftwareImage")->picture(), 12);
        QTest::mouseClick(button("bSoftwareImage"), Qt::LeftButton);
        QVERIFY(!t->shown(WindowId::fSoftware));
        QVERIFY(t->fMain()->isEnabled());

        t->game().SoftwareOpen = true;
        QTest::mouseClick(button("bSoftwareImage"), Qt::LeftButton);
        QVERIFY(t->shown(WindowId::fSoftware));
    }

    void eachActivityWindowOpensAndReturnsToTheMainWindow() {
        const auto clock = t->timer(TimerId::tTime);
        for (const Activity& activity : kActivities) {
            for (bool byReturnLabel : {true, false}) {
                const QString which = QString::fromUtf8(activity.caption) +
                                      (byReturnLabel ? " by its label" : " by its close box");
                QTest::mouseClick(button(activity.button), Qt::LeftButton);
                auto* window = static_cast<ActivityWindow*>(t->window(activity.window));
                QVERIFY2(window != nullptr && window->isVisible(), qPrintable(which));
                QVERIFY2(!t->fMain()->isEnabled(), qPrintable(which));
                QCOMPARE(clock.isActive(), activity.window == WindowId::fDeveloper);
                QCOMPARE(window->windowTitle(), QString::fromUtf8(activity.caption));
                QCOMPARE(window->client()->size(), activity.client);
                QCOMPARE(window->returnLabel()->text(), QStringLiteral("Вернуться"));

                if (byReturnLabel) {
                    QTest::mouseClick(window->returnLabel(), Qt::LeftButton);
                } else {
                    window->close();
                }
                QVERIFY2(!window->isVisible(), qPrintable(which));
                QVERIFY2(t->fMain()->isEnabled(), qPrintable(which));
                QVERIFY2(clock.isActive(), qPrintable(which));
            }
        }
    }

    void daysPassWhileTheDevelopmentWindowIsOpen() {
        QTest::mouseClick(button("bDeveloperImage"), Qt::LeftButton);
        for (int tick = 0; tick < 241; ++tick) {
            t->tick();
        }
        QCOMPARE(label("lDay")->text(), QStringLiteral("2"));
        QCOMPARE(label("lMoney")->text(), QStringLiteral("501"));
    }

    void theRealClockTurnsTheDay() {
        t->game().DayTicks = 235;
        QTRY_COMPARE_WITH_TIMEOUT(label("lDay")->text(), QStringLiteral("2"), 5000);
    }

    void buyingThePartsUnlocksTheSoftwareButtonOnReturn() {
        QTest::mouseClick(button("bJobImage"), Qt::LeftButton);
        for (int slot : {0, 1, 2, 3, 4, 6, 7}) {
            t->game().PartLevel[slot] = 1;
        }
        t->window(WindowId::fJob)->close();
        QVERIFY(button("bSoftwareImage")->isEnabled());
        // The picture changes at the next pointer movement.
        QCOMPARE(button("bSoftwareImage")->picture(), 12);
        movePointer(t->fMain()->client(), QPoint(5, 100));
        QCOMPARE(button("bSoftwareImage")->picture(), 11);
        movePointer(button("bSoftwareImage"));
        QCOMPARE(button("bSoftwareImage")->picture(), 13);
        QTest::mouseClick(button("bSoftwareImage"), Qt::LeftButton);
        QVERIFY(t->shown(WindowId::fSoftware));
    }

    // «Выход» and the close box leave the about window alike: the day goes on.
    void theAboutWindowFromTheMenuPausesTheDay() {
        const auto clock = t->timer(TimerId::tTime);
        for (const bool closeBox : {false, true}) {
            const char* row = closeBox ? "the close box" : "Выход";
            menuAction("mAbout")->trigger();
            QVERIFY2(t->shown(WindowId::Form2), row);
            QVERIFY2(!clock.isActive(), row);
            QVERIFY2(t->fMain()->isEnabled(), row);
            if (closeBox) {
                t->window(WindowId::Form2)->close();
            } else {
                QTest::mouseClick(t->find<ActionLabel>(WindowId::Form2, "Label8"), Qt::LeftButton);
            }
            QVERIFY2(!t->shown(WindowId::Form2), row);
            QVERIFY2(clock.isActive(), row);
            QCOMPARE(t->shell.ends, 0);
        }
    }

    void aGameSavedFromTheMenuLoadsBackAsItWas() {
        t->shell.fileAnswers = {std::string("/saves/ivan"), std::string("/saves/ivan.tso")};
        menuAction("mSave")->trigger();
        QCOMPARE(t->shell.files.count("/saves/ivan.tso"), std::size_t{1});
        QVERIFY(t->timer(TimerId::tTime).isActive());

        t->game().Money = 7;
        t->game().Day = 40;
        t->game().PartLevel[kMotherboard] = 1;
        menuAction("mLoad")->trigger();
        QCOMPARE(label("lMoney")->text(), QStringLiteral("500"));
        QCOMPARE(label("lDay")->text(), QStringLiteral("1"));
        QCOMPARE(t->game().PartLevel[kMotherboard], 0);
        QVERIFY(t->shell.messages.empty());
        QVERIFY(t->timer(TimerId::tTime).isActive());
    }

    void textIsShownAsTheCharactersThemselves_data() {
        QTest::addColumn<QString>("markup");
        for (const char* text :
             {"<img src=\"PIPE\">", "<img src=\"/dev/zero\">", "<b>x</b>", "&amp;", "<h1>x</h1>"}) {
            QTest::newRow(text) << QString::fromLatin1(text);
        }
    }

    // Read as markup, a name or a line of a saved game could have a label or a message box
    // read a file when it is drawn (a pipe blocks the program, /dev/zero fills its memory),
    // or simply show bold and headings the game never wrote.
    void textIsShownAsTheCharactersThemselves() {
        QFETCH(QString, markup);
        QTemporaryDir folder;
        const QString pipe = folder.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        markup.replace(QStringLiteral("PIPE"), pipe);
        const std::string text = markup.toStdString();
        const auto shownAsItStands = [&markup](GameWindow* window) {
            QElapsedTimer clock;
            clock.start();
            window->grab();  // drawn as the screen draws it
            QVERIFY(clock.elapsed() < 1000);
            int shown = 0;
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (label->text().contains(QLatin1Char('<')) ||
                    label->text().contains(QLatin1Char('&'))) {
                    QCOMPARE(label->text(), markup);
                    QVERIFY(label->sizeHint().width() >=
                            label->fontMetrics().horizontalAdvance(markup));
                    ++shown;
                }
            }
            QVERIFY(shown > 0);
        };

        TestProgram typed;
        typed.startGame(markup);
        QCOMPARE(typed.game().PlayerName, text);
        shownAsItStands(typed.fMain());

        // Every text line of a saved game, loaded, shown, and saved back byte for byte while
        // the clock stands still.
        const std::int64_t frozen = t->program.shell().now();
        t->program.shell().setClock([frozen] { return frozen; });
        std::vector<std::string> lines = SavedGameLines(t->game());
        for (const SavedLine& row : savedGameTable()) {
            if (row.encoding == Encoding::Text || row.encoding == Encoding::Name) {
                lines[static_cast<std::size_t>(row.line)] = text;
            }
        }
        t->shell.files["/saves/markup.tso"] = lines;
        t->shell.fileAnswers = {std::string("/saves/markup.tso"), std::string("/saves/again.tso")};
        menuAction("mLoad")->trigger();
        QVERIFY(t->shell.messages.empty());
        shownAsItStands(t->fMain());
        menuAction("mSave")->trigger();
        QCOMPARE(t->shell.files["/saves/again.tso"], lines);

        // A load error quotes the bad line literally, in a box that shows it as text.
        const auto number =
            std::find_if(savedGameTable().begin(), savedGameTable().end(),
                         [](const SavedLine& row) { return row.encoding == Encoding::Number; });
        lines[static_cast<std::size_t>(number->line)] = text;
        t->shell.files["/saves/bad.tso"] = lines;
        t->shell.fileAnswers = {std::string("/saves/bad.tso")};
        menuAction("mLoad")->trigger();
        QCOMPARE(t->shell.messages.size(), std::size_t{1});
        const std::string error = t->shell.messages[0].text;
        QVERIFY2(error.find(text) != std::string::npos, error.c_str());
        QtShellPort desktop;
        QString boxText;
        QTimer::singleShot(0, [&boxText] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                box->grab();
                boxText = box->textFormat() == Qt::PlainText ? box->text() : QString();
                box->accept();
            }
        });
        desktop.message(error, "", MessageIcon::None);
        QCOMPARE(boxText, QString::fromStdString(error));
    }

    void leavingTheGame() {
        menuAction("mExit")->trigger();
        QCOMPARE(t->shell.ends, 1);
        QCOMPARE(t->shell.restarts, 0);
        QVERIFY(!t->timer(TimerId::tTime).isActive());

        TestProgram other;
        other.startGame();
        other.fMain()->findChild<QAction*>(QStringLiteral("mNew"))->trigger();
        QCOMPARE(other.shell.restarts, 1);
        QCOMPARE(other.shell.ends, 0);

        TestProgram third;
        third.startGame();
        third.fMain()->close();
        QCOMPARE(third.shell.ends, 1);

        // The program's file gone (removed, or replaced by an upgrade that failed): no new
        // game starts, and this one is not ended.
        QTemporaryDir folder;
        const QString gone = folder.filePath(QStringLiteral("tessaro"));
        QVERIFY(QFile::copy(QStringLiteral("/bin/true"), gone));
        QtShellPort desktop(gone);
        QVERIFY(QFile::remove(gone));
        const std::optional<std::string> failure = desktop.restartProgram();
        QVERIFY(failure.has_value());
        QVERIFY(QString::fromStdString(*failure).contains(gone));
        QEventLoop stillRunning;
        QTimer::singleShot(0, &stillRunning, [&stillRunning] { stillRunning.exit(7); });
        QCOMPARE(stillRunning.exec(), 7);
    }

    // Of two games running at once, the first that keeps its game owns the slot of the last
    // game until it ends: the other neither replaces nor removes it.
    void twoGamesAtOnceNeverShareTheLastGame() {
        QTemporaryDir folder;
        const QString slot = folder.filePath(QStringLiteral("last-game.tso"));
        const auto kept = [&slot] {
            std::vector<std::string> lines;
            return readSavedGameFile(slot.toStdString(), lines) ? std::string() : lines[0];
        };
        std::vector<std::string> first = SavedGameLines(t->game());
        std::vector<std::string> second = first;
        first[0] = "Первый";
        second[0] = "Второй";
        {
            QtShellPort one(QString(), slot);
            QtShellPort other(QString(), slot);
            one.keepGame(first);
            other.keepGame(second);
            QCOMPARE(kept(), std::string("Первый"));
            other.forgetGame();
            QCOMPARE(kept(), std::string("Первый"));
            one.keepGame(second);
            QCOMPARE(kept(), std::string("Второй"));
        }
        // Once the first has ended, the next game to keep one owns the slot.
        QtShellPort next(QString(), slot);
        next.keepGame(first);
        QCOMPARE(kept(), std::string("Первый"));
        next.forgetGame();
        QVERIFY(!QFile::exists(slot));
    }

    // A name typed without an ending in the load dialog opens the saved game of that name, as
    // the save dialog saved it, unless a file of exactly that name is there; the save dialog
    // leaves the name to the game, which adds the ending where the name does not end in "tso".
    void aNameTypedWithoutItsEndingFindsTheSavedGame() {
        QTemporaryDir folder;
        for (const char* name : {"game.tso", "notes"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        struct Row {
            FileChoice::Purpose purpose;
            const char* typed;
            const char* chosen;
        };
        for (const Row& row : {Row{FileChoice::Purpose::Open, "game", "game.tso"},
                               Row{FileChoice::Purpose::Open, "notes", "notes"},
                               Row{FileChoice::Purpose::Save, "mygametso", "mygametso"}}) {
            // The dialog as the player meets it: shown, its name typed, then Return. A file it
            // cannot find, it says so in a box, which is closed, and the dialog with it.
            QTimer answer;
            bool typed = false;
            QObject::connect(&answer, &QTimer::timeout, [&typed, &row] {
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                        box->accept();
                        return;
                    }
                }
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    auto* dialog = qobject_cast<QFileDialog*>(window);
                    auto* name = dialog != nullptr && dialog->isVisible()
                                     ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                                     : nullptr;
                    if (name != nullptr && typed) {
                        dialog->reject();
                    } else if (name != nullptr) {
                        typed = true;
                        name->setText(QLatin1String(row.typed));
                        QTest::keyClick(name, Qt::Key_Return);
                    }
                }
            });
            answer.start(50);
            QtShellPort desktop;
            const std::optional<std::string> chosen =
                desktop.chooseFile({row.purpose, "Загрузка игры", "(*.tso)",
                                    folder.filePath(QStringLiteral("other.tso")).toStdString()});
            QCOMPARE(QString::fromStdString(chosen.value_or("")),
                     folder.filePath(QLatin1String(row.chosen)));
        }
    }

    // Both file dialogs start in the folder that either chose from last, so that a game saved by
    // its name is found by the same name in the load dialog, wherever the last load was from.
    void bothFileDialogsStartWhereEitherChoseLast() {
        QTemporaryDir elsewhere;
        QFile friendsGame(elsewhere.filePath(QStringLiteral("friend.tso")));
        QVERIFY(friendsGame.open(QIODevice::WriteOnly));
        QtShellPort desktop;
        QString startedIn;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(window);
                if (dialog == nullptr || !dialog->isVisible()) {
                    continue;
                }
                startedIn = dialog->directory().absolutePath();
                if (dialog->acceptMode() == QFileDialog::AcceptOpen) {
                    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    name->setText(friendsGame.fileName());
                    QTest::keyClick(name, Qt::Key_Return);
                } else {
                    dialog->reject();
                }
            }
        });
        answer.start(50);
        // The load dialog starts among the saved games, the first time; the save dialog then
        // starts where the load dialog chose, offering its own last name.
        QVERIFY(desktop.chooseFile({FileChoice::Purpose::Open, "Загрузка игры", "(*.tso)", ""}));
        QVERIFY(startedIn != elsewhere.path());
        QVERIFY(!desktop.chooseFile(
            {FileChoice::Purpose::Save, "Сохранение игры", "(*.tso)", "/saves/mine.tso"}));
        QCOMPARE(startedIn, QDir(elsewhere.path()).absolutePath());
    }

    void winningLeavesOnlyTheCongratulations() {
        t->game().Experience = 1001;
        t->tick();
        QVERIFY(t->shown(WindowId::Form1));
        QVERIFY(!t->fMain()->isVisible());
        QVERIFY(!t->timer(TimerId::tTime).isActive());
        auto* picture = t->find<QLabel>(WindowId::Form1, "imCongratulations");
        QCOMPARE(picture->pixmap().size(), QSize(300, 100));
    }

    void losingShowsOneMessageAndEnds() {
        t->game().Money = -1;
        t->game().Mood = 0;
        t->tick();
        QCOMPARE(t->shell.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t->shell.messages[0].text),
                 QStringLiteral("У вас плохое настроение. К сожалению вы проиграли"));
        QCOMPARE(t->shell.ends, 1);
        QVERIFY(!t->timer(TimerId::tTime).isActive());
    }

  private:
    QLabel* label(const char* name) const { return t->find<QLabel>(WindowId::fMain, name); }
    PictureButton* button(const char* name) const {
        return t->find<PictureButton>(WindowId::fMain, name);
    }
    QAction* menuAction(const char* name) const {
        return t->fMain()->findChild<QAction*>(QLatin1String(name));
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TfMainTest)
#include "TfMainTest.moc"
