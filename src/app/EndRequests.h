#pragma once

namespace tessaro {

class Shell;

// The ways the program is asked to end from outside: a signal (SIGTERM, SIGHUP, SIGINT), told to
// the event loop through a pipe, and the desktop's session manager. Each keeps the game in
// progress for `--continue`, as leaving by «Выход» does; the session manager restarts the game
// with it at the next login.
void keepTheGameWhenAskedToEnd(Shell& shell);

}  // namespace tessaro
