#include <gtest/gtest.h>

#include <vector>

#include "core/Random.h"

namespace tessaro {
namespace {

std::vector<int> Draws(LcgRandom& random, int n, int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(random.Random(n));
    }
    return draws;
}

// The sequences follow from the formula by hand. From seed 0: the seeds are 1, 134775814,
// 3698175007, 870078620, 1172187917; Random(100) of the second is 134775814 * 100 / 2^32 = 3.1.
TEST(RandomTest, FromSeedZeroTheSequenceIsTheGeneratorsOwn) {
    LcgRandom random(nullptr);
    EXPECT_EQ(Draws(random, 100, 5), (std::vector<int>{0, 3, 86, 20, 27}));
    EXPECT_EQ(random.seed(), 1172187917u);

    LcgRandom again(nullptr);
    EXPECT_EQ(Draws(again, 30, 5), (std::vector<int>{0, 0, 25, 6, 8}));
}

TEST(RandomTest, SeedArithmeticWrapsAtThirtyTwoBits) {
    LcgRandom random(nullptr);
    random.setSeed(0xFFFFFFFFu);
    // 0xFFFFFFFF * 134775813 + 1 = 4160191484 modulo 2^32.
    EXPECT_EQ(Draws(random, 1000, 3), (std::vector<int>{968, 201, 519}));
    EXPECT_EQ(random.seed(), 2231304098u);
}

TEST(RandomTest, ReseedingTakesTheSeedFromItsSource) {
    LcgRandom random([] { return 12345u; });
    random.setSeed(99);
    random.Randomize();
    EXPECT_EQ(random.seed(), 12345u);
    EXPECT_EQ(Draws(random, 4, 6), (std::vector<int>{1, 1, 0, 2, 2, 1}));
}

TEST(RandomTest, DrawsStayBelowTheirBound) {
    LcgRandom random(nullptr);
    for (int n : {1, 2, 4, 9, 30, 1000}) {
        for (int i = 0; i < 2000; ++i) {
            const int draw = random.Random(n);
            ASSERT_GE(draw, 0);
            ASSERT_LT(draw, n);
        }
    }
}

}  // namespace
}  // namespace tessaro
