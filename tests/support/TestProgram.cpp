#include "support/TestProgram.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <QTimer>
#include <algorithm>

#include "app/Desktop.h"
#include "app/WindowStack.h"
#include "game/TfMain.h"
#include "widgets/PictureButton.h"

namespace tessaro::testing {

TestProgram::TestProgram(std::uint32_t seed) : program(shell, [seed] { return seed; }) {
    shell.game = &program.game();
    program.start();
}

bool ClockTimer::isActive() const {
    return shell_.scheduler() != nullptr && shell_.scheduler()->scheduled(id_);
}

int ClockTimer::interval() const {
    return game_.timer(id_).interval;
}

std::int64_t ClockTimer::remainingTime() const {
    return isActive() ? std::max<std::int64_t>(0, shell_.scheduler()->due(id_) - shell_.now()) : -1;
}

const QTimer& TestProgram::wakeTimer() {
    return *program.shell().findChild<QTimer*>(QStringLiteral("gameClock"));
}

std::vector<QWidget*> TestProgram::windowsInPlay() {
    return program.shell().findChild<WindowStack*>(QStringLiteral("windowStack"))->windows();
}

void TestProgram::moveMainWindowAside() {
    fMain()->move(700, 500);
}

bool TestProgram::openFromMain(const char* button, WindowId id) {
    QTest::mouseClick(find<PictureButton>(WindowId::fMain, button), Qt::LeftButton);
    if (window(id) == nullptr || !QTest::qWaitForWindowExposed(window(id))) {
        return false;
    }
    moveMainWindowAside();
    return true;
}

GameWindow* TestProgram::show(WindowId id) {
    game().window(id).shown = true;
    program.shell().sync();
    return window(id);
}

void TestProgram::startGame(const QString& name) {
    find<QLineEdit>(WindowId::fStart, "eName")->setText(name);
    QTest::mouseClick(find<QPushButton>(WindowId::fStart, "Button1"), Qt::LeftButton);
    // The start window is destroyed once its handler has returned.
    QCoreApplication::processEvents();
}

void movePointer(QWidget* widget, QPoint position) {
    if (position.isNull()) {
        position = widget->rect().center();
    }
    QTest::mouseMove(widget, position + QPoint(1, 1));
    QTest::mouseMove(widget, position);
}

void sendPointerOver(QWidget* widget) {
    const QPointF centre = widget->rect().center();
    const QPointF global = widget->mapToGlobal(centre);
    QEnterEvent enter(centre, centre, global);
    QApplication::sendEvent(widget, &enter);
    QMouseEvent move(QEvent::MouseMove, centre, centre, global, Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void sendPointerLeave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

bool waitUntilActive(QWidget* window) {
    return window != nullptr &&
           QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

void equipForEveryActivity(Game& game) {
    game.PartLevel = {5, 10, 6, 7, 6, 2, 3, 3, 3};
    game.DiskTotal = game.DiskFree = 2000;
    game.SoftwareOpen = game.main.bSoftwareImageEnabled = true;
    game.InternetOpen = game.main.bInternetImageEnabled = true;
    game.IdeId = 3;
    game.Knowledge[7] = game.Knowledge[8] = game.Knowledge[9] = true;
    game.Money = 5000;
    game.Mood = 200;
}

void prepareApplication(ScreenLanguage language) {
    prepareDesktop(language);
}

void WindowTestCase::initTestCase() {
    prepareApplication();
}

}  // namespace tessaro::testing
