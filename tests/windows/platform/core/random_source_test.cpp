// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the platform core's random source.
#include "random_source.h"

#include <gtest/gtest.h>

#include <array>

namespace tavimor {
namespace {

TEST(ClockSeededRandom, StaysInTheUnitIntervalAndCoversIt)
{
    ClockSeededRandom random(7);
    std::array<int, 10> deciles{};
    for (int i = 0; i < 100000; ++i) {
        const float u = random.NextSingle();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        ++deciles[static_cast<std::size_t>(u * 10)];
    }
    for (int count : deciles) {
        EXPECT_GT(count, 9000);
        EXPECT_LT(count, 11000);
    }
}

TEST(ClockSeededRandom, SameSeedSameSequence)
{
    ClockSeededRandom a(42);
    ClockSeededRandom b(42);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(a.NextSingle(), b.NextSingle());
    }
}

}  // namespace
}  // namespace tavimor
