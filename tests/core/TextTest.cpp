#include <gtest/gtest.h>

#include "core/Text.h"

namespace tessaro {
namespace {

TEST(TextTest, CutsByCharactersNotBytes) {
    EXPECT_EQ(FirstCharacters("Иван", 3), "Ива");
    EXPECT_EQ(FirstCharacters("Иван", 4), "Иван");
    EXPECT_EQ(FirstCharacters("Иван", 10), "Иван");
    EXPECT_EQ(FirstCharacters("aЖb", 2), "aЖ");
    EXPECT_EQ(FirstCharacters("", 5), "");
    EXPECT_EQ(FirstCharacters("abc", 0), "");
}

}  // namespace
}  // namespace tessaro
