// An ordered list of postfix elements (a rank and a text each), with insertion at any position,
// removal of a run of elements and reading by position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pellitor {

class clsPolish {
public:
    struct Element {
        std::int16_t Rank = 0;
        std::u16string Data;
    };

    std::int32_t ElementCount() const noexcept { return m_count; }
    void Clear() noexcept { m_count = 0; }
    // Inserts at Index (0 <= Index <= Count; Count appends).
    void Push(std::int32_t Index, std::int16_t Rank, const std::u16string& Data);
    // Removes Num elements from Index on.
    void Kill(std::int32_t Index, std::int32_t Num);
    std::int16_t GetRank(std::int32_t Index) const;
    std::u16string GetData(std::int32_t Index) const;

    // The number of stored positions (0..StorageSize-1); only Push grows it, nothing shrinks it.
    std::int32_t StorageSize() const noexcept { return static_cast<std::int32_t>(m_storage.size()); }

private:
    Element& at(std::int64_t index);
    const Element& at(std::int64_t index) const;

    std::vector<Element> m_storage;
    std::int32_t m_count = 0;
};

} // namespace pellitor
