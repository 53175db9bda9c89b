// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the fixed head of a fuzz input: little-endian numbers, then the rest as text.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace tavimor::fuzz {

class Input {
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    template <typename T>
    T Take()
    {
        T value{};
        const size_t n = std::min(sizeof value, m_size - m_at);
        std::memcpy(&value, m_data + m_at, n);
        m_at += n;
        return value;
    }
    size_t Left() const { return m_size - m_at; }
    std::string Rest() const
    {
        return std::string(reinterpret_cast<const char *>(m_data + m_at), m_size - m_at);
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

}  // namespace tavimor::fuzz
