#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The Windows-1251 code page, in which the game writes and reads its saved games on every
// system. The game's own table: no build depends on a library's converters (Qt without ICU has
// none for it).

// UTF-8 text as the code page's bytes; nothing when the text is not UTF-8 or holds a character
// that the code page does not have.
std::optional<std::string> toWindows1251(std::string_view text);
// The code page's bytes as UTF-8 text: every byte is a character.
std::string fromWindows1251(std::string_view bytes);

}  // namespace tessaro
