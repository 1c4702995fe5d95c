#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// What every empty slot of the main window and every project label shows.
inline constexpr const char* kNone = "Нет";

// The first `count` characters of a UTF-8 text (the whole text if it is shorter).
std::string firstCharacters(const std::string& utf8, std::size_t count);

// Writes a text or a number in decimal into a caption, touching it only when it differs:
// the day clock rewrites captions a hundred times a second, nearly always with what they
// already show.
void setCaption(std::string& caption, std::string_view text);
void setCaption(std::string& caption, std::int32_t number);

}  // namespace tessaro
