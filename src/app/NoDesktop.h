#pragma once

namespace tessaro {

// Without a desktop Qt would end the program with its own English words and a crash's
// status: the game says it in its own language and ends as a program that could not start.
// Returns the program's exit status.
int sayThereIsNoDesktop(int argc, char* argv[]);

}  // namespace tessaro
