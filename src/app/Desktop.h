#pragma once

#include <cstdint>
#include <functional>

namespace tessaro {

class Program;

// The program on the desktop: the application, the game and its start window, until the game
// ends. `started`, when given, sees the program once the start window is shown.
int runDesktop(int argc, char* argv[], const std::function<void(Program&)>& started = {});

// What the program sets up before its first window: its name, its style and the game's
// fonts. The tests' application gets the same.
void prepareDesktop();

// The seed of a reseed: the low bits of a high-resolution clock.
std::uint32_t clockSeed();

}  // namespace tessaro
