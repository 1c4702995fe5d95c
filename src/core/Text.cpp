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

std::optional<char32_t> nextCharacter(std::string_view utf8, std::size_t& at) {
    const std::size_t start = at++;
    const auto lead = static_cast<unsigned char>(utf8[start]);
    if (lead < 0x80) {
        return lead;
    }
    // The bytes that follow the lead, and the least character that needs as many.
    const std::size_t more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    char32_t c = lead & (0x3F >> more);
    bool whole = lead >= 0xC0 && lead < 0xF8 && start + more < utf8.size();
    for (std::size_t k = 1; whole && k <= more; ++k) {
        const auto next = static_cast<unsigned char>(utf8[start + k]);
        whole = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
    }
    if (!whole || c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    at = start + 1 + more;
    return c;
}

bool holdsControlCharacter(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<char32_t> c = nextCharacter(utf8, at);
        if (c && isControlOrFormat(*c)) {
            return true;
        }
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
