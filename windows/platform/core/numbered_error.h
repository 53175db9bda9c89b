// SPDX-License-Identifier: GPL-3.0-or-later
// Numbered errors raised to the caller of a control's property or method: a number, the source
// that raised it and a description.
// Platform layer, Qt-free core (windows/platform/core/).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tavimor {

class NumberedError : public std::runtime_error {
public:
    static constexpr std::int32_t kOverflow = 6;
    static constexpr std::int32_t kTypeMismatch = 13;
    static constexpr std::int32_t kElementDoesNotExist = 340;
    static constexpr std::int32_t kInvalidPropertyValue = 380;
    static constexpr std::int32_t kCannotSetAtRunTime = 382;
    // The number box's own: a Mode outside 0 to 4, limits that would cross.
    static constexpr std::int32_t kInvalidMode = 3000;
    static constexpr std::int32_t kLimitsCross = 3001;
    // Added to the number box's ErrBase when a conversion overflows its type.
    static constexpr std::int32_t kSingleOverflowOffset = 3010;
    static constexpr std::int32_t kDoubleOverflowOffset = 3011;
    static constexpr std::int32_t kIntegerOverflowOffset = 3012;
    static constexpr std::int32_t kLongOverflowOffset = 3013;

    // An empty description takes the platform's own text for the number, if it has one.
    NumberedError(std::int32_t number, std::string source = {}, std::string description = {});

    std::int32_t Number() const { return m_number; }
    const std::string &Source() const { return m_source; }
    const std::string &Description() const { return m_description; }

    // The platform's own text for its error numbers; empty for others.
    static std::string PlatformText(std::int32_t number);

private:
    std::int32_t m_number;
    std::string m_source;
    std::string m_description;
};

// base + offset as a 32-bit signed addition; raises the overflow error when the sum leaves the
// 32-bit range.
std::int32_t AddErrorNumber(std::int32_t base, std::int32_t offset);

}  // namespace tavimor
