// What only Wayland shows: the game on a real compositor, weston's headless backend
// (tests/app/wayland.sh). The compositor, not the game, places the windows; the game draws each
// window's caption with the close box only, as the desktop draws it on X11.
#include <QApplication>
#include <QTest>
#include <QWindow>

#include "core/ActivityWindow.h"
#include "core/WindowCaption.h"
#include "game/TfMain.h"
#include "support/TestProgram.h"
#include "support/WindowWalk.h"

namespace tessaro::testing {

class WaylandTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        prepareApplication();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    }

    // Every window of a game, in each state a player meets it: Qt draws no frame of its own,
    // the game's caption names the window and offers the close box only, the size is fixed,
    // and each window in play is owned by the window beneath it.
    void everyWindowHasTheGamesCaptionAndItsOwner() {
        TestProgram t;
        t.startGame();
        walkTheWindows(t, [&t](GameWindow* window, const QString& state) {
            if (QTest::currentTestFailed()) {
                return;
            }
            QVERIFY2(QTest::qWaitForWindowExposed(window), qPrintable(state));
            QVERIFY2(window->windowFlags() & Qt::FramelessWindowHint, qPrintable(state));
            QCOMPARE(window->windowHandle()->frameMargins(), QMargins());
            const auto captions = window->findChildren<WindowCaption*>();
            QCOMPARE(captions.size(), qsizetype(1));
            QCOMPARE(captions.front()->geometry().topLeft(), QPoint(0, 0));
            QCOMPARE(captions.front()->width(), window->width());
            QCOMPARE(window->minimumSize(), window->maximumSize());
            const std::vector<QWidget*> chain = t.program.shell().windowStack().windows();
            for (std::size_t i = 1; i < chain.size(); ++i) {
                QVERIFY2(
                    chain[i]->windowHandle()->transientParent() == chain[i - 1]->windowHandle(),
                    qPrintable(state + QLatin1Char('/') + chain[i]->objectName()));
            }
        });
    }

    // A compositor may leave the keyboard with the greyed main window (weston does not
    // activate a window that a client opens): its keys go to the window in play.
    void keysForTheMainWindowGoToTheWindowInPlay() {
        TestProgram t;
        t.startGame();
        QVERIFY(t.openFromMain("bComputerImage", WindowId::fComputer));
        GameWindow* shop = t.window(WindowId::fComputer);
        QTest::keyClick(t.fMain(), Qt::Key_Tab);
        QVERIFY(shop->focusWidget() != nullptr && shop->focusWidget() != shop);
        QTest::keyClick(t.fMain(), Qt::Key_Escape);
        QVERIFY(!t.shown(WindowId::fComputer));
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

QTEST_MAIN(tessaro::testing::WaylandTest)
#include "WaylandTest.moc"
