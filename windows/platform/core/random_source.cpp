// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer, Qt-free core (windows/platform/core/): see random_source.h.
#include "random_source.h"

#include <chrono>

namespace tavimor {

void ClockSeededRandom::Randomize()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    const auto wide = static_cast<std::uint64_t>(ticks);
    m_engine.seed(static_cast<std::uint32_t>(wide ^ (wide >> 32)));
}

float ClockSeededRandom::NextSingle()
{
    // The top 24 bits of a draw make a single exactly, strictly below 1.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

}  // namespace tavimor
