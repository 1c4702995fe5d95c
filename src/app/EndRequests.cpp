#include "app/EndRequests.h"

#include <fcntl.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>

#include "app/Shell.h"

namespace tessaro {

namespace {

// Where the signals that ask the program to end are told to the event loop.
int endRequests[2] = {-1, -1};

extern "C" void askToEnd(int /*signal*/) {
    const char request = 0;
    [[maybe_unused]] const ssize_t written = ::write(endRequests[1], &request, 1);
}

}  // namespace

void keepTheGameWhenAskedToEnd(Shell& shell) {
    if (::pipe2(endRequests, O_CLOEXEC | O_NONBLOCK) == 0) {
        auto* requests = new QSocketNotifier(endRequests[0], QSocketNotifier::Read, qApp);
        QObject::connect(requests, &QSocketNotifier::activated, qApp, [&shell] {
            char request = 0;
            while (::read(endRequests[0], &request, 1) > 0) {
            }
            shell.endProgram();
        });
        struct sigaction action {};
        action.sa_handler = askToEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            sigaction(signal, &action, nullptr);
        }
    }
    // The session manager asks for the program's state at every checkpoint, and for its data
    // before the session ends: the last game is both.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [&shell](QSessionManager& /*manager*/) { shell.keepTheGame(); });
    QObject::connect(
        qApp, &QGuiApplication::saveStateRequest, qApp, [&shell](QSessionManager& manager) {
            shell.keepTheGame();
            manager.setRestartCommand(
                {QCoreApplication::applicationFilePath(), QStringLiteral("--continue")});
            manager.setRestartHint(QSessionManager::RestartIfRunning);
        });
}

}  // namespace tessaro
