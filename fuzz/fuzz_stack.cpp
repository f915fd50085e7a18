// Fuzzes the value stack with any sequence of operations, checked against a plain vector.
//
// Each input byte picks an operation (the bytes after it give its arguments): push a text, a
// 16-bit integer, a 32-bit or a 64-bit float; push a run of copies; Pop; GetPopValue; PeekTop;
// start over with a new stack.
//
// Always: values come back last in, first out, each with the type and value it was pushed with;
// Pop and GetPopValue on an empty stack raise their own numbers and texts and change nothing;
// StackSize is the number held; the capacity is the largest count so far rounded up to ten and
// never shrinks.
#include "Cls13.h"
#include "EngineError.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <memory>
#include <vector>

using namespace pellitor;

namespace {

// Compares values bit for bit in effect: a NaN pushed must come back as the same NaN.
bool same(const Variant& a, const Variant& b)
{
    if (a.type() != b.type())
        return false;
    if (a.type() == Variant::Type::Text)
        return a.text() == b.text();
    const double x = a.toDouble(), y = b.toDouble();
    return x == y || (x != x && y != y);
}

class Checked {
public:
    void push(const Variant& value)
    {
        m_stack->Push(value);
        m_model.push_back(value);
        m_largest = std::max<std::int64_t>(m_largest, static_cast<std::int64_t>(m_model.size()));
    }

    void pop()
    {
        try {
            const Variant top = m_stack->Pop();
            FUZZ_CHECK(!m_model.empty() && same(top, m_model.back()));
            m_model.pop_back();
        } catch (const EngineError& error) {
            FUZZ_CHECK(m_model.empty());
            FUZZ_CHECK(error.number() == ErrorNumber::PopOnEmptyStack);
            FUZZ_CHECK(error.description() == u"Pop method invoked on empty stack");
        }
    }

    void peek(bool copy)
    {
        try {
            const Variant top = copy ? m_stack->GetPopValue() : m_stack->PeekTop();
            FUZZ_CHECK(!m_model.empty() && same(top, m_model.back()));
        } catch (const EngineError& error) {
            FUZZ_CHECK(m_model.empty());
            FUZZ_CHECK(error.number() == ErrorNumber::GetPopValueOnEmptyStack);
            FUZZ_CHECK(error.description() == u"GetPopValue method invoked on empty stack");
        }
    }

    void restart()
    {
        m_stack = std::make_unique<Cls13>();
        m_model.clear();
        m_largest = 0;
    }

    void verify() const
    {
        FUZZ_CHECK(m_stack->StackSize() == static_cast<std::int64_t>(m_model.size()));
        FUZZ_CHECK(m_stack->Capacity() == (m_largest + 9) / 10 * 10);
        FUZZ_CHECK(m_stack->StackSize() <= m_stack->Capacity());
    }

private:
    std::unique_ptr<Cls13> m_stack = std::make_unique<Cls13>();
    std::vector<Variant> m_model;
    std::int64_t m_largest = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    Checked stack;
    while (!input.empty()) {
        switch (input.read<std::uint8_t>() % 9) {
        case 0: stack.push(Variant(fuzz::decodeText(input.bytes(input.read<std::uint8_t>() % 16)))); break;
        case 1: stack.push(Variant(input.read<std::int16_t>())); break;
        case 2: stack.push(Variant(input.read<float>())); break;
        case 3: stack.push(Variant(input.read<double>())); break;
        case 4: {
            // a run long enough to leave the inline slots behind in a few steps
            const Variant value(input.read<double>());
            for (int n = input.read<std::uint8_t>(); n > 0; --n)
                stack.push(value);
            break;
        }
        case 5: stack.pop(); break;
        case 6: stack.peek(true); break;
        case 7: stack.peek(false); break;
        default: stack.restart(); break;
        }
        stack.verify();
    }
    return 0;
}
