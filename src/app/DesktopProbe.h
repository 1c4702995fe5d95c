#pragma once

namespace tessaro {

// Whether the desktop platform that Qt would choose has a desktop to show the windows on: an X
// server that answers, or a Wayland compositor that answers on its socket. A platform of
// another kind (offscreen, vnc) is Qt's to judge.
bool aDesktopIsThere(int argc, char* argv[]);

// Without a desktop Qt would end the program with its own English words and a crash's
// status: the game says it in its own language and ends as a program that could not start.
// Returns the program's exit status.
int sayThereIsNoDesktop(int argc, char* argv[]);

}  // namespace tessaro
