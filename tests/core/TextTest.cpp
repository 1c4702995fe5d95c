#include <gtest/gtest.h>

#include "core/Text.h"

namespace tessaro {
namespace {

TEST(TextTest, CutsByCharactersNotBytes) {
    EXPECT_EQ(firstCharacters("Иван", 3), "Ива");
    EXPECT_EQ(firstCharacters("Иван", 4), "Иван");
    EXPECT_EQ(firstCharacters("Иван", 10), "Иван");
    EXPECT_EQ(firstCharacters("aЖb", 2), "aЖ");
    EXPECT_EQ(firstCharacters("", 5), "");
    EXPECT_EQ(firstCharacters("abc", 0), "");
}

}  // namespace
}  // namespace tessaro
