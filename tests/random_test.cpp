#include <gtest/gtest.h>

#include "sim/random.h"

TEST(RandomTest, UnseededSequenceMatchesTheClassicRuntime) {
  Random random;
  for (const int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}) {
    EXPECT_EQ(random.Next(), expected);
  }
}

TEST(RandomTest, StaysWithinFifteenBitsOverAFullPeriodSample) {
  Random random(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int value = random.Next();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 0x7FFF);
  }
}

TEST(RandomTest, SeedOneIsTheDefault) {
  Random seeded(1);
  Random unseeded;
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(seeded.Next(), unseeded.Next());
  }
}
