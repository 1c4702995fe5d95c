// The game in the player's language. In English, no Russian letter is left on screen but in the
// player's name, in every window and state that a player meets; in either language every text
// fits its control; a saved game does not depend on the language it was played in.
#include <algorithm>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/QtShellPort.h"
#include "development/Project.h"
#include "game/TfMain.h"
#include "hardware/PartsCatalogue.h"
#include "hardware/Shop.h"
#include "internet/Dialup.h"
#include "persistence/SavedGame.h"
#include "support/WindowWalk.h"
#include "widgets/ActionLabel.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro::testing {

namespace {

bool holdsRussian(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// What is wrong with the texts of a window as it stands: a Russian letter in English, and any
// text wider than its control.
class TextInspector {
  public:
    explicit TextInspector(ScreenLanguage language) : language_(language) {}

    void inspect(GameWindow* window, const QString& state) {
        read(window->windowTitle(), state + QStringLiteral(" caption"));
        for (QLabel* label : window->findChildren<QLabel*>()) {
            // The player's name stands as he typed it.
            if (!label->isVisibleTo(window) || label->objectName() == QLatin1String("lName")) {
                continue;
            }
            const QString where = state + QLatin1Char(' ') + label->objectName();
            if (label->textFormat() != Qt::PlainText) {
                fault(QStringLiteral("%1: would read its text as markup").arg(where));
            }
            read(label->text(), where);
            read(label->accessibleName(), where);
            if (!label->wordWrap()) {
                fit(where, label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                    label->contentsRect().width());
            }
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QString where = state + QLatin1Char(' ') + button->objectName();
            read(button->text(), where);
            if (button->isVisibleTo(window)) {
                fit(where, button->text(), button->sizeHint().width(), button->width());
            }
        }
        for (QAction* action : window->findChildren<QAction*>()) {
            read(action->text(), state + QStringLiteral(" menu"));
        }
    }

    // A text the game hands to a message box or a file dialog.
    void read(const QString& text, const QString& where) {
        if (language_ == ScreenLanguage::English && holdsRussian(text)) {
            fault(QStringLiteral("%1: «%2» is Russian").arg(where, text));
        }
    }

    QString faults() const { return faults_.join(QLatin1Char('\n')); }

  private:
    void fit(const QString& where, const QString& text, int needed, int room) {
        if (needed > room) {
            fault(QStringLiteral("%1: «%2» needs %3 px of %4")
                      .arg(where, text)
                      .arg(needed)
                      .arg(room));
        }
    }

    void fault(const QString& text) {
        if (!faults_.contains(text)) {
            faults_.append(text);
        }
    }

    ScreenLanguage language_;
    QStringList faults_;
};

QString languageName(ScreenLanguage language) {
    return language == ScreenLanguage::English ? QStringLiteral("English")
                                               : QStringLiteral("Russian");
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() { useLanguage(ScreenLanguage::Russian); }

    void everyTextOnScreenIsInTheLanguageAndFits_data() {
        QTest::addColumn<ScreenLanguage>("language");
        for (ScreenLanguage language : {ScreenLanguage::Russian, ScreenLanguage::English}) {
            QTest::newRow(qPrintable(languageName(language))) << language;
        }
    }

    // Each window in the states of the window pictures, and again with each of its items under
    // the pointer, which writes the item's lines; then the messages and dialogs the walk asked.
    void everyTextOnScreenIsInTheLanguageAndFits() {
        QFETCH(ScreenLanguage, language);
        useLanguage(language);
        TestProgram t(seedDrawing(4, 1));
        TextInspector inspector(language);
        for (WindowId id : {WindowId::fStart, WindowId::Form2, WindowId::Form1}) {
            inspector.inspect(t.show(id), QStringLiteral("title window"));
            // Hidden by the game, so that the window is gone from the windows in play.
            t.game().window(id).shown = id == WindowId::fStart;
            t.program.shell().sync();
        }
        t.startGame(QStringLiteral("Иван"));
        walkTheWindows(t, [&inspector](GameWindow* window, const QString& state) {
            inspector.inspect(window, state);
            for (ActionLabel* item : window->findChildren<ActionLabel*>()) {
                if (item->isVisibleTo(window)) {
                    sendPointerOver(item);
                    inspector.inspect(window, state + QLatin1Char('/') + item->objectName());
                    sendPointerLeave(item);
                }
            }
        });
        // A message composed from a template: the shop refuses what the player cannot pay for.
        t.game().Money = 0;
        Buy(t.game(), partsCatalogue().front());
        QVERIFY(!t.shell.messages.empty());
        for (const RecordedMessage& message : t.shell.messages) {
            inspector.read(gameText(message.text), QStringLiteral("message"));
            inspector.read(gameText(message.title), QStringLiteral("message title"));
        }
        SaveGame(t.game());
        for (const FileChoice& choice : t.shell.fileChoices) {
            inspector.read(gameText(choice.title) + gameText(choice.filter),
                           QStringLiteral("file dialog"));
        }
        QVERIFY2(!t.shell.fileChoices.empty(), "the save dialog was asked for");
        QVERIFY2(inspector.faults().isEmpty(), qPrintable(inspector.faults()));
    }

    // The first of the desktop's languages that the game speaks; Russian where it speaks none.
    void theGameFollowsTheDesktopsLanguages() {
        const struct {
            QStringList desktop;
            ScreenLanguage chosen;
        } kDesktops[] = {
            {{QStringLiteral("en-GB")}, ScreenLanguage::English},
            {{QStringLiteral("de-DE"), QStringLiteral("en-US"), QStringLiteral("ru-RU")},
             ScreenLanguage::English},
            {{QStringLiteral("de"), QStringLiteral("ru_RU"), QStringLiteral("en")},
             ScreenLanguage::Russian},
            {{QStringLiteral("C")}, ScreenLanguage::Russian},
            {{QStringLiteral("fr-FR"), QStringLiteral("uk")}, ScreenLanguage::Russian},
            {{}, ScreenLanguage::Russian},
        };
        for (const auto& desktop : kDesktops) {
            QVERIFY2(desktopLanguage(desktop.desktop) == desktop.chosen,
                     qPrintable(desktop.desktop.join(QLatin1Char(','))));
        }
        // Sizes and dates in Qt's own dialogs follow the game's language, whatever the
        // desktop's.
        for (const auto& [language, bytes] :
             {std::pair{ScreenLanguage::English, QStringLiteral("700 bytes")},
              std::pair{ScreenLanguage::Russian, QStringLiteral("700 байты")}}) {
            useLanguage(language);
            QCOMPARE(QLocale().formattedDataSize(700), bytes);
        }
    }

    // Qt's own file dialog writes the sizes of the files in the game's language too.
    void theFileDialogSpeaksTheGamesLanguage() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.tso"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(700, 'x'));
        file.close();
        for (const auto& [language, bytes] :
             {std::pair{ScreenLanguage::English, QStringLiteral("700 bytes")},
              std::pair{ScreenLanguage::Russian, QStringLiteral("700 байты")}}) {
            useLanguage(language);
            QString shown;
            QTimer::singleShot(0, [&shown] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                auto* view = dialog != nullptr
                                 ? dialog->findChild<QTreeView*>(QStringLiteral("treeView"))
                                 : nullptr;
                QModelIndex game;
                const bool listed = QTest::qWaitFor([view, &game] {
                    for (int row = 0;
                         view != nullptr && row < view->model()->rowCount(view->rootIndex());
                         ++row) {
                        const QModelIndex name = view->model()->index(row, 0, view->rootIndex());
                        if (name.data().toString() == QLatin1String("game.tso")) {
                            game = name;
                        }
                    }
                    return game.isValid();
                });
                shown = listed ? game.siblingAtColumn(1).data().toString() : QString();
                if (dialog != nullptr) {
                    dialog->reject();
                }
            });
            QtShellPort desktop;
            desktop.chooseFile(
                {FileChoice::Purpose::Open, "Загрузка игры", "(*.tso)", path.toStdString()});
            QCOMPARE(shown, bytes);
        }
    }

    // The rules' texts composed from a template read in English with their values, each value
    // translated where it is a text of the game; a name or a number stays as it is.
    void aComposedTextIsTranslatedByItsTemplate() {
        useLanguage(ScreenLanguage::English);
        const struct {
            const char* russian;
            const char* english;
        } kTexts[] = {
            {"Стоимость обучения: $1000", "Course fee: $1000"},
            {"Если продать старую, то ASUS A7V (Socket A) - $55",
             "With the old one traded in, ASUS A7V (Socket A) costs $55"},
            {"Задание выполнено. На ваш счет переведено $%2",
             "Mission complete. $%2 paid to your account"},
            {"Ламер", "Lamer"},
            {"Иван", "Иван"},
            {"Line 12: в имени игрока есть управляющий символ",
             "Line 12: the player's name holds a control character"},
        };
        for (const auto& text : kTexts) {
            QCOMPARE(gameText(text.russian), QString::fromUtf8(text.english));
        }
        useLanguage(ScreenLanguage::Russian);
        QCOMPARE(gameText("Ламер"), QStringLiteral("Ламер"));
    }

    // The label beside the heading holds only a finished project waiting for its sale: while
    // one is in development it reads "None", under a heading that says what it counts, never
    // "Your project: None" beside the project's progress.
    void theProjectOnSaleIsTheFinishedProject() {
        useLanguage(ScreenLanguage::English);
        TestProgram t;
        t.startGame();
        t.game().developer.projectEnabled[1] = true;
        StartProject(t.game(), 2);
        QVERIFY(t.game().ProjectActive);
        t.game().internet.surfMarketEnabled = true;
        SurfMarket(t.game());
        for (const auto& [id, heading] : {std::pair{WindowId::fDeveloper, "Finished project:"},
                                          std::pair{WindowId::fInternet, "Finished project"}}) {
            const QList<QLabel*> labels = t.show(id)->findChildren<QLabel*>();
            QVERIFY2(std::ranges::any_of(labels,
                                         [heading](const QLabel* label) {
                                             return label->isVisible() &&
                                                    label->text() == QLatin1String(heading);
                                         }),
                     heading);
            t.window(id)->close();
        }
    }

    // The file keeps the game's own texts: the same play writes the same file in either
    // language, and each language loads it.
    void aSavedGameIsTheSameInEitherLanguage() {
        const auto kFrozen = [] { return std::int64_t{0}; };
        std::vector<std::string> files[2];
        for (ScreenLanguage language : {ScreenLanguage::Russian, ScreenLanguage::English}) {
            useLanguage(language);
            TestProgram t(7);
            // Only the ticks given here pass: the two games play alike to the tick.
            t.program.shell().setClock(kFrozen);
            t.startGame(QStringLiteral("Иван"));
            QVERIFY(t.openFromMain("bComputerImage", WindowId::fComputer));
            t.find<ActionLabel>(WindowId::fComputer, "mbP2")->click();
            t.window(WindowId::fComputer)->close();
            t.tick(TimerId::tTime, 241 * 3);
            t.shell.fileAnswers.push_back(std::string("game.tso"));
            SaveGame(t.game());
            files[language == ScreenLanguage::English] = t.shell.files.at("game.tso");
        }
        QVERIFY(files[0] == files[1]);
        for (ScreenLanguage language : {ScreenLanguage::Russian, ScreenLanguage::English}) {
            useLanguage(language);
            TestProgram t;
            t.program.shell().setClock(kFrozen);
            t.startGame();
            t.shell.files["game.tso"] = files[0];
            t.shell.fileAnswers.push_back(std::string("game.tso"));
            LoadGame(t.game());
            QVERIFY2(t.shell.messages.empty(), qPrintable(languageName(language)));
            QCOMPARE(t.game().PlayerName, std::string("Иван"));
            t.shell.fileAnswers.push_back(std::string("again.tso"));
            SaveGame(t.game());
            QVERIFY2(t.shell.files.at("again.tso") == files[0], qPrintable(languageName(language)));
        }
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::LanguageTest)
#include "LanguageTest.moc"
