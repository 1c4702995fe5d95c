#include <QLabel>
#include <QTest>

#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"

namespace tessaro::testing {

class TitleWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    // By «Выход» or by its close box alike.
    void afterTheWinTheAboutWindowComesBackToTheCongratulations() {
        for (const bool closeBox : {false, true}) {
            const char* row = closeBox ? "the close box" : "Выход";
            TestProgram t;
            t.startGame();
            t.game().Experience = 1001;
            t.tick();
            GameWindow* congratulations = t.window(WindowId::Form1);
            QVERIFY(QTest::qWaitForWindowExposed(congratulations));
            QCOMPARE(congratulations->windowTitle(), QStringLiteral("Поздравляем!"));
            QCOMPARE(congratulations->client()->size(), QSize(323, 192));

            QTest::mouseClick(t.find<ActionLabel>(WindowId::Form1, "bAbout"), Qt::LeftButton);
            QVERIFY2(t.shown(WindowId::Form2), row);
            QVERIFY2(!congratulations->isEnabled(), row);

            if (closeBox) {
                t.window(WindowId::Form2)->close();
            } else {
                QTest::mouseClick(t.find<ActionLabel>(WindowId::Form2, "Label8"), Qt::LeftButton);
            }
            QVERIFY2(!t.shown(WindowId::Form2), row);
            QVERIFY2(congratulations->isEnabled(), row);
            QVERIFY2(!t.fMain()->isVisible(), row);
            QVERIFY2(!t.timer(TimerId::tTime).isActive(), row);
            QCOMPARE(t.shell.ends, 0);

            QTest::mouseClick(t.find<ActionLabel>(WindowId::Form1, "bQuit"), Qt::LeftButton);
            QCOMPARE(t.shell.ends, 1);
        }
    }

    void closingTheCongratulationsEndsTheProgram() {
        TestProgram t;
        t.startGame();
        t.game().Experience = 5000;
        t.tick();
        t.window(WindowId::Form1)->close();
        QCOMPARE(t.shell.ends, 1);
    }

    void anActionLabelHighlightsUnderThePointerUnlessDisabled() {
        TestProgram t;
        t.startGame();
        t.game().window(WindowId::Form2).shown = true;
        t.program.shell().sync();
        QVERIFY(QTest::qWaitForWindowExposed(t.window(WindowId::Form2)));
        auto* quit = t.find<ActionLabel>(WindowId::Form2, "Label8");
        QCOMPARE(quit->fontColor(), QColor(128, 128, 128));
        sendPointerOver(quit);
        QCOMPARE(quit->fontColor(), QColor(0, 0, 0));
        sendPointerLeave(quit);
        QCOMPARE(quit->fontColor(), QColor(128, 128, 128));

        quit->setEnabled(false);
        sendPointerOver(quit);
        QCOMPARE(quit->fontColor(), QColor(128, 128, 128));
        QTest::mouseClick(quit, Qt::LeftButton);
        QVERIFY(t.shown(WindowId::Form2));
    }

    void theAboutWindowNamesTheTeam() {
        TestProgram t;
        QCOMPARE(t.show(WindowId::Form2)->client()->size(), QSize(274, 164));
        QCOMPARE(t.find<QLabel>(WindowId::Form2, "lDeveloper")->text(),
                 QStringLiteral("Команда Tessaro"));
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TitleWindowsTest)
#include "TitleWindowsTest.moc"
