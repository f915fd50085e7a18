// What the harnesses share: a check that holds in every build, and the decoding of the fuzzer's
// bytes into the program's 16-bit texts and numbers.
#pragma once

#include "TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace pellitor::fuzz {

[[noreturn]] inline void fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

// Unlike assert, this stays on in every build type: the invariants are the harness's point.
#define FUZZ_CHECK(condition)                                                                                          \
    ((condition) ? static_cast<void>(0) : ::pellitor::fuzz::fail(#condition, __FILE__, __LINE__))

// Bytes to a text: UTF-8 (malformed bytes become U+FFFD, four-byte sequences surrogate pairs),
// except that 0xFF and the two bytes after it give one raw 16-bit unit, so that lone surrogates
// and every other unit are reachable too.
inline std::u16string decodeText(std::string_view bytes)
{
    std::u16string text;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) != 0xFF || i + 2 >= bytes.size())
            continue;
        text += fromUtf8(bytes.substr(runStart, i - runStart));
        text += static_cast<char16_t>((static_cast<unsigned char>(bytes[i + 1]) << 8)
                                      | static_cast<unsigned char>(bytes[i + 2]));
        i += 2;
        runStart = i + 1;
    }
    text += fromUtf8(bytes.substr(runStart));
    return text;
}

// Reads fixed-size values from the front of the input; past its end every value reads as zero.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_position >= m_size; }

    template <typename T>
    T read()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (std::size_t i = 0; i < sizeof(T) && m_position < m_size; ++i)
            bytes[i] = m_data[m_position++];
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    std::string_view bytes(std::size_t count)
    {
        const std::size_t available = m_position < m_size ? m_size - m_position : 0;
        const std::size_t n = count < available ? count : available;
        const std::string_view out(reinterpret_cast<const char*>(m_data) + m_position, n);
        m_position += n;
        return out;
    }

    std::string_view rest() { return bytes(m_size); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

} // namespace pellitor::fuzz
