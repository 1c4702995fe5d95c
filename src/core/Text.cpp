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

namespace {

// Unicode's control characters and the formatting characters of its first plane.
bool isControlOrFormat(char32_t c) {
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    return c < 0x20 || within(0x7F, 0x9F) || c == 0xAD || within(0x600, 0x605) || c == 0x61C ||
           c == 0x6DD || c == 0x70F || c == 0x8E2 || c == 0x180E || within(0x200B, 0x200F) ||
           within(0x2028, 0x202E) || within(0x2060, 0x2064) || within(0x2066, 0x206F) ||
           c == 0xFEFF || within(0xFFF9, 0xFFFB);
}

}  // namespace

bool holdsControlCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (isControlOrFormat(c)) {
            return true;
        }
        i += length;
    }
    return false;
}

std::string shortQuote(const std::string& utf8, std::size_t count) {
    const std::string start = firstCharacters(utf8, count);
    return start.size() == utf8.size() ? start : start + "…";
}

std::string fillIn(std::string_view textTemplate, std::span<const std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < textTemplate.size(); ++i) {
        const std::size_t number = i + 1 < textTemplate.size() && textTemplate[i] == '%'
                                       ? static_cast<std::size_t>(textTemplate[i + 1] - '0')
                                       : 0;
        if (number >= 1 && number <= values.size()) {
            text += values[number - 1];
            ++i;
        } else {
            text += textTemplate[i];
        }
    }
    return text;
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
