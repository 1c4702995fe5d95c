#pragma once

#include <cstdint>

namespace tessaro {

// The program on the desktop: the application, the game and its start window, until the game
// ends.
int runDesktop(int argc, char* argv[]);

// What the program sets up before its first window: its name, its style and the game's
// fonts. The tests' application gets the same.
void prepareDesktop();

// The seed of a reseed: the low bits of a high-resolution clock.
std::uint32_t clockSeed();

}  // namespace tessaro
