#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// A fuzz input read front to back as choices and payloads. Past its end
// every byte reads as 0, so a harness never checks the length and a short
// input simply makes the dullest choices.
class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_at == m_size; }
    std::size_t Left() const { return m_size - m_at; }

    std::uint8_t Byte() { return AtEnd() ? 0 : m_data[m_at++]; }

    // At most count bytes: fewer when the input ends first.
    std::vector<std::uint8_t> Bytes(std::size_t count)
    {
        const std::size_t n = std::min(count, Left());
        std::vector<std::uint8_t> bytes(m_data + m_at, m_data + m_at + n);
        m_at += n;
        return bytes;
    }

    // Exactly count bytes, the missing ones 0.
    template <typename TArray> void Fill(TArray& bytes)
    {
        for (auto& b : bytes)
            b = Byte();
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// An invariant that every input must keep; libFuzzer keeps the input that
// broke it.
inline void FuzzCheck(bool holds, const char* target, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "%s invariant: %s\n", target, what);
        std::abort();
    }
}
