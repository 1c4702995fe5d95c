#include "persistence/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Text.h"

namespace tessaro {

namespace {

// The characters of the bytes 0x80..0xBF. 0x98, which the code page leaves out, stands for the
// control character U+0098, as Windows and ICU read it, so that every file reads as before.
// From 0xC0 on the bytes are the Russian alphabet in its order, А (U+0410) to я (U+044F);
// below 0x80, ASCII.
// clang-format off
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};
// clang-format on
constexpr char32_t kFirstLetter = 0x0410;
constexpr char32_t kLastLetter = 0x044F;

char32_t characterOf(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return kFirstLetter + (byte - 0xC0);
    }
    return kUpperHalf[byte - 0x80];
}

// The byte of one character, or nothing.
std::optional<unsigned char> byteOf(char32_t character) {
    if (character < 0x80) {
        return static_cast<unsigned char>(character);
    }
    if (character >= kFirstLetter && character <= kLastLetter) {
        return static_cast<unsigned char>(0xC0 + (character - kFirstLetter));
    }
    const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), character);
    if (found == kUpperHalf.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (found - kUpperHalf.begin()));
}

void appendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

}  // namespace

std::optional<std::string> toWindows1251(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> character = nextCharacter(text, at);
        const std::optional<unsigned char> byte = character ? byteOf(*character) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::string fromWindows1251(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        appendUtf8(text, characterOf(static_cast<unsigned char>(byte)));
    }
    return text;
}

}  // namespace tessaro
