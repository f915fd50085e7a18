// The value stack.
#include "Cls13.h"

#include "EngineError.h"

#include <new>

namespace pellitor {

namespace {
EngineError popOnEmpty()
{
    return {ErrorNumber::PopOnEmptyStack, u"Pop method invoked on empty stack"};
}
EngineError getPopValueOnEmpty()
{
    return {ErrorNumber::GetPopValueOnEmptyStack, u"GetPopValue method invoked on empty stack"};
}
} // namespace

Cls13::~Cls13()
{
    for (std::int32_t i = 0; i < m_count; ++i)
        slot(i)->~Variant();
}

void Cls13::grow()
{
    const std::int32_t allocated = m_allocated * 2;
    auto heap = std::make_unique_for_overwrite<unsigned char[]>(static_cast<std::size_t>(allocated) * sizeof(Variant));
    auto* slots = reinterpret_cast<Variant*>(heap.get());
    for (std::int32_t i = 0; i < m_count; ++i) {
        new (slots + i) Variant(std::move(*slot(i)));
        slot(i)->~Variant();
    }
    m_heap = std::move(heap);
    m_slots = slots;
    m_allocated = allocated;
}

void Cls13::throwPopOnEmpty()
{
    throw popOnEmpty();
}

Variant Cls13::GetPopValue() const
{
    return PeekTop();
}

const Variant& Cls13::PeekTop() const
{
    if (m_count < 1)
        throw getPopValueOnEmpty();
    return m_slots[m_count - 1];
}

} // namespace pellitor
