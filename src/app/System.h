#pragma once

#include <functional>

class QWidget;

namespace tessaro {

// What the program asks of the system it runs on, one file for each (SystemLinux.cpp,
// SystemWindows.cpp), chosen by the build.

// Before the application starts: a save that reaches the file size limit fails with its
// reason instead of ending the program, and the desktop's font configuration, the longest step
// before the start window, is read meanwhile where it can be. Returns what waits for that read.
std::function<void()> prepareTheSystem();

// Where the program prints its answers on the command line (the help, the version, a wrong
// option): a program of the desktop on Windows has no console of its own and takes the one it
// was started from, if any.
void findTheTerminal();

// Whether the desktop platform that Qt would choose has a desktop to show the windows on.
bool aDesktopIsThere(int argc, char* argv[]);

// Calls `end` in the event loop when the system asks the program to end (a signal, the
// console's Ctrl+C or its close); the session's end comes through Qt's session manager.
void onTheSystemsRequestToEnd(std::function<void()> end);

// Starts listening for the program's resumption after a stop (SIGCONT), where the system says
// so; true once after each, false where the system never says.
void listenForResumption();
bool resumedFromStop();

// Where the desktop's focus has gone round to a window that Qt no longer shows and back
// without a word to Qt, sends it round once more so that Qt hears of it; false where the
// platform has no such way (the caller then asks Qt for the window).
bool sendTheKeyboardRoundAgain(QWidget* window);

}  // namespace tessaro
