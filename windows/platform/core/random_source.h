// SPDX-License-Identifier: GPL-3.0-or-later
// The random source of the drill: uniform single-precision values in [0, 1).
// Platform layer, Qt-free core (windows/platform/core/).
#pragma once

#include <cstdint>
#include <random>

namespace tavimor {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform value u with 0 <= u < 1.
    virtual float NextSingle() = 0;
};

// A pseudo-random generator that the program seeds once per run from the clock.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom() = default;
    explicit ClockSeededRandom(std::uint32_t seed) : m_engine(seed) {}

    // Seeds the generator from the system clock.
    void Randomize();
    float NextSingle() override;

private:
    std::mt19937 m_engine;
};

}  // namespace tavimor
