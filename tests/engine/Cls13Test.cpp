// The value stack: order, copies, types, errors and the modelled capacity.
#include "Cls13.h"
#include "EngineError.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pellitor;

namespace {
void expectError(const std::function<void()>& call, std::int32_t number, const std::u16string& description)
{
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.description(), description);
    }
}
} // namespace

TEST(Cls13, EmptyStackRaisesBothErrorsAndStaysEmpty)
{
    Cls13 stack;
    EXPECT_EQ(stack.StackSize(), 0);
    EXPECT_EQ(stack.Capacity(), 0);
    expectError([&] { stack.Pop(); }, -2147220493, u"Pop method invoked on empty stack");
    expectError([&] { stack.GetPopValue(); }, -2147220492, u"GetPopValue method invoked on empty stack");
    EXPECT_EQ(stack.StackSize(), 0);
}

TEST(Cls13, PopsInReverseOrderThenFails)
{
    Cls13 stack;
    stack.Push(Variant(u"A"));
    stack.Push(Variant(u"B"));
    stack.Push(Variant(u"C"));
    EXPECT_EQ(stack.Pop().text(), u"C");
    EXPECT_EQ(stack.Pop().text(), u"B");
    EXPECT_EQ(stack.Pop().text(), u"A");
    expectError([&] { stack.Pop(); }, ErrorNumber::PopOnEmptyStack, u"Pop method invoked on empty stack");
}

TEST(Cls13, GetPopValueKeepsTheTop)
{
    Cls13 stack;
    stack.Push(Variant(1.0));
    stack.Push(Variant(2.0));
    EXPECT_EQ(stack.GetPopValue(), Variant(2.0));
    EXPECT_EQ(stack.GetPopValue(), Variant(2.0));
    EXPECT_EQ(stack.StackSize(), 2);
    EXPECT_EQ(stack.Pop(), Variant(2.0));
    EXPECT_EQ(stack.Pop(), Variant(1.0));
}

TEST(Cls13, CapacityGrowsInStepsOfTenAndKeepsValues)
{
    Cls13 stack;
    for (int i = 1; i <= 10; ++i)
        stack.Push(Variant(static_cast<double>(i)));
    EXPECT_EQ(stack.Capacity(), 10);
    stack.Push(Variant(11.0));
    EXPECT_EQ(stack.Capacity(), 20);
    EXPECT_EQ(stack.StackSize(), 11);
    for (int i = 11; i >= 1; --i)
        EXPECT_EQ(stack.Pop(), Variant(static_cast<double>(i)));
    // Popping never shrinks the capacity.
    EXPECT_EQ(stack.Capacity(), 20);
    stack.Push(Variant(1.0));
    EXPECT_EQ(stack.Capacity(), 20);
}

TEST(Cls13, StoresCopiesAndKeepsEachValuesType)
{
    Cls13 stack;
    std::u16string text = u"before";
    Variant value(text);
    stack.Push(value);
    value = Variant(u"after");
    stack.Push(Variant(std::int16_t{7}));
    stack.Push(Variant(2.5f));
    stack.Push(Variant(2.5));

    const Variant d = stack.Pop();
    const Variant f = stack.Pop();
    const Variant i = stack.Pop();
    const Variant t = stack.Pop();
    EXPECT_EQ(d.type(), Variant::Type::Double);
    EXPECT_EQ(f.type(), Variant::Type::Single);
    EXPECT_EQ(i.type(), Variant::Type::Integer);
    EXPECT_EQ(t.type(), Variant::Type::Text);
    EXPECT_EQ(t.text(), u"before");
    EXPECT_EQ(i.toDouble(), 7.0);
}

TEST(Cls13, HundredThousandValuesSurviveTheMoveToTheHeap)
{
    Cls13 stack;
    constexpr int n = 100000;
    for (int i = 0; i < n; ++i)
        stack.Push(i % 2 ? Variant(static_cast<double>(i)) : Variant(u"long enough to leave the small buffer"));
    EXPECT_EQ(stack.Capacity(), n);
    for (int i = n - 1; i >= 0; --i) {
        const Variant v = stack.Pop();
        if (i % 2)
            ASSERT_EQ(v.toDouble(), i);
        else
            ASSERT_EQ(v.text(), u"long enough to leave the small buffer");
    }
}
