#pragma once

#include <QStringList>

namespace tessaro {

class Shell;

// The ways the program is asked to end from outside: the system's request (a signal, SIGTERM,
// SIGHUP or SIGINT, on Linux; the console's Ctrl+C or close on Windows) and the desktop's session
// manager (EndRequests.cpp); in the browser, the page hidden or closed (EndRequestsWeb.cpp). Each
// keeps the game in progress for `--continue`, as leaving by «Выход» does; the session manager
// restarts the game with it at the next login.
void keepTheGameWhenAskedToEnd(Shell& shell, const QStringList& restartArguments);

}  // namespace tessaro
