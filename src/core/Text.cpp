#include "core/Text.h"

#include <charconv>

namespace tessaro {

std::string firstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) {
            return utf8.substr(0, i);
        }
    }
    return utf8;
}

void setCaption(std::string& caption, std::string_view text) {
    if (caption != text) {
        caption.assign(text);
    }
}

void setCaption(std::string& caption, std::int32_t number) {
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    setCaption(caption, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

}  // namespace tessaro
