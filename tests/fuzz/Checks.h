#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessaro::testing {

// Reads arbitrary bytes as a saved game through the menu's load. Either the load refuses
// with an error naming the line and the game stays as it was, or the loaded game saves to a
// file that loads to the same game. Returns what went wrong, or an empty text.
std::string checkSavedGameInput(const std::uint8_t* data, std::size_t size);

// Reads arbitrary bytes as a saved game and, when it loads, plays on: the clock runs and a
// random player acts, drawn from the bytes. Whatever values the file held, nothing may crash
// or overflow (the sanitizers watch). Returns what went wrong, or an empty text.
std::string checkSavedGamePlay(const std::uint8_t* data, std::size_t size);

// Types arbitrary text into the name box. Whatever the box accepts starts a game whose saved
// name loads back unchanged. Returns what went wrong, or an empty text.
std::string checkNameInput(const std::uint8_t* data, std::size_t size);

}  // namespace tessaro::testing
