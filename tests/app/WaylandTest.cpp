// What only Wayland shows: the game on a real compositor, weston's headless backend
// (tests/app/wayland.sh). The compositor, not the game, places the windows; the game draws each
// window's caption with the close box only, as the desktop draws it on X11.
#include <QApplication>
#include <QFile>
#include <QLayout>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/Desktop.h"
#include "app/QtShellPort.h"
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
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        // Qt's graphics integrations for Wayland are what load EGL.
        QVERIFY(!maps.readAll().contains("wayland-graphics-integration-client"));
    }

    // Qt's own dialogs wear the game's caption as well, above their contents, and belong to
    // the window beneath.
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
                const auto captions = dialog->findChildren<WindowCaption*>();
                if (!(dialog->windowFlags() & Qt::FramelessWindowHint) ||
                    dialog->windowHandle()->frameMargins() != QMargins()) {
                    fault = QStringLiteral("Qt's frame");
                } else if (captions.size() != 1 ||
                           captions.front()->geometry() !=
                               QRect(0, 0, dialog->width(), WindowCaption::kHeight)) {
                    fault = QStringLiteral("no caption across the top");
                } else if (dialog->layout()->geometry().top() < WindowCaption::kHeight) {
                    fault = QStringLiteral("the contents under the caption");
                } else if (dialog->windowHandle()->transientParent() != t.fMain()->windowHandle()) {
                    fault = QStringLiteral("not owned by the main window");
                } else {
                    fault.clear();
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

// The platform is asked what the game asks of it before the application starts.
int main(int argc, char* argv[]) {
    tessaro::choosePlatformDefaults();
    QApplication application(argc, argv);
    tessaro::testing::WaylandTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WaylandTest.moc"
