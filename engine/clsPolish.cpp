// The postfix element list. Positions are walked with 16-bit counters, so a list holds at most
// 32768 elements; positions outside the storage raise "Subscript out of range". No operation
// compares its arguments with the count: keeping them in range is the caller's duty, and a call
// that breaks off leaves behind whatever it had already moved.
#include "clsPolish.h"

#include "EngineError.h"

#include <limits>

namespace pellitor {

namespace {
constexpr std::int64_t Int16Max = std::numeric_limits<std::int16_t>::max();

// A 32-bit result of the list's arithmetic, or the overflow error.
std::int32_t narrow32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw EngineError::overflow();
    return static_cast<std::int32_t>(value);
}
} // namespace

clsPolish::Element& clsPolish::at(std::int64_t index)
{
    if (index < 0 || index >= static_cast<std::int64_t>(m_storage.size()))
        throw EngineError::subscriptOutOfRange();
    return m_storage[static_cast<std::size_t>(index)];
}

const clsPolish::Element& clsPolish::at(std::int64_t index) const
{
    if (index < 0 || index >= static_cast<std::int64_t>(m_storage.size()))
        throw EngineError::subscriptOutOfRange();
    return m_storage[static_cast<std::size_t>(index)];
}

void clsPolish::Push(std::int32_t Index, std::int16_t Rank, const std::u16string& Data)
{
    if (static_cast<std::size_t>(m_count) + 1 > m_storage.size())
        m_storage.resize(static_cast<std::size_t>(m_count) + 1);
    // The shifting counter starts at Count, in 16 bits.
    if (m_count > Int16Max)
        throw EngineError::overflow();
    const std::int32_t last = narrow32(std::int64_t{Index} + 1);
    for (std::int32_t j = m_count; j >= last; --j) {
        const Element& previous = at(std::int64_t{j} - 1);
        at(j) = previous;
    }
    Element& element = at(Index);
    element.Rank = Rank;
    element.Data = Data;
    ++m_count;
}

void clsPolish::Kill(std::int32_t Index, std::int32_t Num)
{
    if (Index > Int16Max || Index < std::numeric_limits<std::int16_t>::min())
        throw EngineError::overflow();
    const std::int32_t last = narrow32(std::int64_t{m_count} - Num - 1);
    for (std::int32_t j = Index; j <= last; ++j) {
        const Element& source = at(std::int64_t{j} + Num);
        at(j) = source;
        // The 16-bit counter steps past the last position before the loop test.
        if (j == Int16Max)
            throw EngineError::overflow();
    }
    m_count = narrow32(std::int64_t{m_count} - Num);
}

std::int16_t clsPolish::GetRank(std::int32_t Index) const
{
    return at(Index).Rank;
}

std::u16string clsPolish::GetData(std::int32_t Index) const
{
    return at(Index).Data;
}

} // namespace pellitor
