#include "app/EndRequests.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "app/Shell.h"
#include "app/System.h"

namespace tessaro {

void keepTheGameWhenAskedToEnd(Shell& shell, const QStringList& restartArguments) {
    onTheSystemsRequestToEnd([&shell] { shell.endProgram(); });
    // The session manager asks for the program's state at every checkpoint, and for its data
    // before the session ends: the last game is both.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [&shell](QSessionManager& /*manager*/) { shell.keepTheGame(); });
    QObject::connect(
        qApp, &QGuiApplication::saveStateRequest, qApp,
        [&shell, restartArguments](QSessionManager& manager) {
            shell.keepTheGame();
            manager.setRestartCommand(
                QStringList{QCoreApplication::applicationFilePath(), QStringLiteral("--continue")} +
                restartArguments);
            manager.setRestartHint(QSessionManager::RestartIfRunning);
        });
}

}  // namespace tessaro
