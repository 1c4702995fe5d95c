// The game on Windows.
#include "app/System.h"

#include <windows.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>

namespace tessaro {

namespace {

std::function<void()> endTheProgram;

// Runs on a thread of the system's own while the program goes on: the game is kept in the
// event loop, and the system waits for it, since it ends the program once a close of the
// console or a session's end returns from here.
BOOL WINAPI askToEnd(DWORD /*event*/) {
    QMetaObject::invokeMethod(
        qApp, [] { endTheProgram(); }, Qt::BlockingQueuedConnection);
    return TRUE;
}

}  // namespace

std::function<void()> prepareTheSystem() {
    return [] {};
}

void findTheTerminal() {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        SetConsoleOutputCP(CP_UTF8);
    }
}

bool aDesktopIsThere(int /*argc*/, char* /*argv*/[]) {
    // Windows always has one, and a program that starts has it.
    return true;
}

void onTheSystemsRequestToEnd(std::function<void()> end) {
    endTheProgram = std::move(end);
    SetConsoleCtrlHandler(askToEnd, TRUE);
}

void listenForResumption() {}

bool resumedFromStop() {
    return false;
}

bool sendTheKeyboardRoundAgain(QWidget* /*window*/) {
    return false;
}

}  // namespace tessaro
