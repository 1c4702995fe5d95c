// The code page of saved games, by the game's own table: the same bytes on every system.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "persistence/CodePage.h"

namespace tessaro {
namespace {

TEST(CodePageTest, EveryByteComesBackAsItWent) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(toWindows1251(fromWindows1251(byte)), byte) << value;
    }
}

TEST(CodePageTest, TextIsWrittenByItsBytesOrRefused) {
    const struct {
        const char* what;
        const char* text;
        std::optional<std::string> bytes;
    } rows[] = {
        {"a Russian name", "Иван Ёжиков", "\xC8\xE2\xE0\xED \xA8\xE6\xE8\xEA\xEE\xE2"},
        {"the signs of the upper half", "№1 «—» €5 ™ Ђ ї",
         "\xB9\x31 \xAB\x97\xBB \x88\x35 \x99 \x80 \xBF"},
        {"ASCII as it is", "Line 4: '12x'\r\n", "Line 4: '12x'\r\n"},
        {"a letter the code page lacks", "Ivan 日本", std::nullopt},
        {"a Latin letter with a mark", "José", std::nullopt},
        {"an overlong form of '/'", "\xC0\xAF", std::nullopt},
        {"a surrogate", "\xED\xA0\x80", std::nullopt},
        {"a letter cut short", "\xD0", std::nullopt},
        {"a stray continuation", "\x98", std::nullopt},
        {"the control character that 0x98 stands for", "\xC2\x98", "\x98"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(toWindows1251(row.text), row.bytes) << row.what;
        if (row.bytes) {
            EXPECT_EQ(fromWindows1251(*row.bytes), std::string(row.text)) << row.what;
        }
    }
}

}  // namespace
}  // namespace tessaro
