// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer, Qt-free core (windows/platform/core/): see numbered_error.h.
#include "numbered_error.h"

#include <limits>

namespace tavimor {

NumberedError::NumberedError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(description.empty() ? PlatformText(number) : description),
      m_number(number),
      m_source(std::move(source)),
      m_description(description.empty() ? PlatformText(number) : std::move(description))
{}

std::string NumberedError::PlatformText(std::int32_t number)
{
    switch (number) {
        case kOverflow:
            return "Overflow";
        case kTypeMismatch:
            return "Type mismatch";
        case kElementDoesNotExist:
            return "Control array element does not exist";
        case kInvalidPropertyValue:
            return "Invalid property value";
        case kCannotSetAtRunTime:
            return "Property cannot be set at run time";
        default:
            return {};
    }
}

std::int32_t AddErrorNumber(std::int32_t base, std::int32_t offset)
{
    const std::int64_t sum = std::int64_t{base} + offset;
    if (sum < std::numeric_limits<std::int32_t>::min() ||
        sum > std::numeric_limits<std::int32_t>::max()) {
        throw NumberedError(NumberedError::kOverflow);
    }
    return static_cast<std::int32_t>(sum);
}

}  // namespace tavimor
