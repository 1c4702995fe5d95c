#pragma once

#include <cstdint>

#include "widgets/ScreenLanguage.h"

namespace tessaro {

// The program on the desktop: the application, the game and its start window, until the game
// ends.
int runDesktop(int argc, char* argv[]);

// What the program asks of Qt's platforms, before the application starts: the tests of a
// real desktop or compositor ask the same.
void choosePlatformDefaults();

// What the program sets up before its first window: its name, its language, its style and the
// game's fonts. The tests' application gets the same, in the language that a test chooses.
void prepareDesktop(ScreenLanguage language);

// The seed of a reseed: the low bits of a high-resolution clock.
std::uint32_t clockSeed();

}  // namespace tessaro
