// The postfix element list. Positions are walked with 16-bit counters, so a list holds at most
// 32768 elements; positions outside the storage raise "Subscript out of range". GetRank and
// GetData read any stored position, also beyond the count: no reading operation compares a
// position with the count. Push and Kill refuse, before they change anything, a position or run
// that lies outside the list.
#include "clsPolish.h"

#include "EngineError.h"

#include <limits>

namespace pellitor {

namespace {
constexpr std::int64_t Int16Max = std::numeric_limits<std::int16_t>::max();
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
    // The shifting counter starts at Count, in 16 bits.
    if (m_count > Int16Max)
        throw EngineError::overflow();
    // A position beyond the list would shift stale storage into it; refuse before changing anything.
    if (Index < 0 || Index > m_count)
        throw EngineError::subscriptOutOfRange();
    if (static_cast<std::size_t>(m_count) + 1 > m_storage.size())
        m_storage.resize(static_cast<std::size_t>(m_count) + 1);
    for (std::int32_t j = m_count; j > Index; --j)
        at(j) = at(j - 1);
    Element& element = at(Index);
    element.Rank = Rank;
    element.Data = Data;
    ++m_count;
}

void clsPolish::Kill(std::int32_t Index, std::int32_t Num)
{
    if (Index > Int16Max || Index < std::numeric_limits<std::int16_t>::min())
        throw EngineError::overflow();
    // A run outside the list would leave a negative count or expose stale storage.
    if (Index < 0 || Num < 0 || std::int64_t{Index} + Num > m_count)
        throw EngineError::subscriptOutOfRange();
    for (std::int32_t j = Index; j <= m_count - Num - 1; ++j) {
        at(j) = at(std::int64_t{j} + Num);
        // The 16-bit counter steps past the last position before the loop test.
        if (j == Int16Max)
            throw EngineError::overflow();
    }
    m_count -= Num;
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
