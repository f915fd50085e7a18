// A last-in, first-out stack of variant values: the operator stack of the translator and the
// operand stack of the evaluator.
#pragma once

#include "Variant.h"

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

namespace pellitor {

class Cls13 {
public:
    Cls13() = default;
    ~Cls13();
    Cls13(const Cls13&) = delete;
    Cls13& operator=(const Cls13&) = delete;

    // The number of values held.
    std::int32_t StackSize() const noexcept { return m_count; }
    // Stores a copy of Value on top.
    void Push(const Variant& Value) { Push(Variant(Value)); }
    void Push(Variant&& Value)
    {
        makeRoom();
        new (slot(m_count)) Variant(std::move(Value));
        ++m_count;
    }
    // Returns the top value and removes it; raises 0x800403F3 on an empty stack.
    Variant Pop()
    {
        if (m_count < 1)
            throwPopOnEmpty();
        --m_count;
        Variant top(std::move(*slot(m_count)));
        slot(m_count)->~Variant();
        return top;
    }
    // Returns the top value and keeps it; raises 0x800403F4 on an empty stack.
    Variant GetPopValue() const;
    // The top value without a copy, for a caller that only looks at it; raises as GetPopValue.
    const Variant& PeekTop() const;

    // The modelled capacity: grows in steps of ten slots (0, 10, 20, ...) and never shrinks.
    std::int32_t Capacity() const noexcept { return m_capacity; }

private:
    static constexpr std::int32_t InlineSlots = 16;

    Variant* slot(std::int32_t index) noexcept { return m_slots + index; }
    void makeRoom()
    {
        if (m_count == m_capacity)
            m_capacity += 10;
        if (m_count == m_allocated)
            grow();
    }
    void grow();
    [[noreturn]] static void throwPopOnEmpty();

    // The first InlineSlots values live inside the object; beyond that the storage moves to the
    // heap and doubles, so that n pushes cost O(n) whatever the modelled capacity says.
    alignas(Variant) unsigned char m_inline[InlineSlots * sizeof(Variant)];
    std::unique_ptr<unsigned char[]> m_heap;
    Variant* m_slots = reinterpret_cast<Variant*>(m_inline);
    std::int32_t m_allocated = InlineSlots;
    std::int32_t m_count = 0;
    std::int32_t m_capacity = 0;
};

} // namespace pellitor
