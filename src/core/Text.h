#pragma once

#include <cstddef>
#include <string>

namespace tessaro {

// What every empty slot of the main window and every project label shows.
inline constexpr const char* kNone = "Нет";

// The first `count` characters of a UTF-8 text (the whole text if it is shorter).
std::string firstCharacters(const std::string& utf8, std::size_t count);

}  // namespace tessaro
