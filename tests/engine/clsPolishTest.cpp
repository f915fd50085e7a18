// The postfix element list: insertion, removal, reading, and its 16-bit and storage limits.
#include "clsPolish.h"
#include "EngineError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace pellitor;

namespace {
clsPolish listOf(const std::vector<std::u16string>& data)
{
    clsPolish list;
    for (std::size_t i = 0; i < data.size(); ++i)
        list.Push(static_cast<std::int32_t>(i), static_cast<std::int16_t>(i + 1), data[i]);
    return list;
}

std::vector<std::u16string> contents(const clsPolish& list)
{
    std::vector<std::u16string> data;
    for (std::int32_t i = 0; i < list.ElementCount(); ++i)
        data.push_back(list.GetData(i));
    return data;
}

std::int32_t errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const EngineError& error) {
        return error.number();
    }
    return 0;
}
} // namespace

TEST(clsPolish, PushInsertsAtTheGivenPositionAndKeepsRankWithData)
{
    const struct {
        std::int32_t index;
        std::vector<std::u16string> expected;
    } cases[] = {
        {0, {u"new", u"A", u"B"}},
        {1, {u"A", u"new", u"B"}},
        {2, {u"A", u"B", u"new"}},
    };
    for (const auto& c : cases) {
        clsPolish list = listOf({u"A", u"B"});
        list.Push(c.index, 42, u"new");
        EXPECT_EQ(contents(list), c.expected) << "index " << c.index;
        EXPECT_EQ(list.GetRank(c.index), 42);
        // The elements that moved took their ranks with them: A was pushed with rank 1, B with 2.
        for (std::int32_t i = 0; i < 3; ++i) {
            if (list.GetData(i) == u"A") {
                EXPECT_EQ(list.GetRank(i), 1);
            } else if (list.GetData(i) == u"B") {
                EXPECT_EQ(list.GetRank(i), 2);
            }
        }
    }
}

TEST(clsPolish, KillRemovesARun)
{
    const struct {
        std::int32_t index, num;
        std::vector<std::u16string> expected;
    } cases[] = {
        {1, 2, {u"A", u"D"}},
        {0, 0, {u"A", u"B", u"C", u"D"}},
        {0, 4, {}},
        {3, 1, {u"A", u"B", u"C"}},
    };
    for (const auto& c : cases) {
        clsPolish list = listOf({u"A", u"B", u"C", u"D"});
        list.Kill(c.index, c.num);
        EXPECT_EQ(contents(list), c.expected) << c.index << "," << c.num;
        EXPECT_EQ(list.ElementCount(), static_cast<std::int32_t>(c.expected.size()));
    }
}

TEST(clsPolish, ClearKeepsTheStorageAndPushStartsAgainAtZero)
{
    clsPolish list = listOf({u"A", u"B", u"C"});
    list.Clear();
    EXPECT_EQ(list.ElementCount(), 0);
    // Positions beyond the count keep their old contents until overwritten.
    EXPECT_EQ(list.GetData(2), u"C");
    list.Push(0, 9, u"new");
    EXPECT_EQ(list.ElementCount(), 1);
    EXPECT_EQ(list.GetData(0), u"new");
    EXPECT_EQ(list.GetRank(0), 9);
    EXPECT_EQ(list.StorageSize(), 3);
}

TEST(clsPolish, PositionsOutsideTheStorageRaiseSubscriptOutOfRange)
{
    clsPolish list = listOf({u"A", u"B"});
    const struct {
        const char* what;
        std::function<void()> call;
    } cases[] = {
        {"GetData(-1)", [&] { list.GetData(-1); }},      {"GetData(2)", [&] { list.GetData(2); }},
        {"GetRank(100)", [&] { list.GetRank(100); }},    {"Push beyond count", [&] { list.Push(5, 0, u"x"); }},
        {"Push at -1", [&] { list.Push(-1, 0, u"x"); }}, {"Kill at -1", [&] { list.Kill(-1, 1); }},
        {"Kill past the end", [&] { list.Kill(1, 5); }}, {"Kill with a negative run", [&] { list.Kill(0, -3); }},
    };
    for (const auto& c : cases) {
        clsPolish fresh = listOf({u"A", u"B"});
        list = fresh;
        EXPECT_EQ(errorOf(c.call), ErrorNumber::SubscriptOutOfRange) << c.what;
    }
    EXPECT_EQ(errorOf([] { clsPolish().GetData(0); }), ErrorNumber::SubscriptOutOfRange);
}

TEST(clsPolish, SixteenBitCountersLimitTheListTo32768Elements)
{
    clsPolish list;
    for (std::int32_t i = 0; i < 32768; ++i)
        list.Push(i, 0, u"");
    EXPECT_EQ(list.ElementCount(), 32768);
    EXPECT_EQ(errorOf([&] { list.Push(32768, 0, u"x"); }), ErrorNumber::Overflow);
    EXPECT_EQ(list.ElementCount(), 32768);
    // Kill refuses a start above 32767, and so does a walk whose counter must pass 32767.
    EXPECT_EQ(errorOf([&] { list.Kill(32768, 0); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([&] { list.Kill(32767, 0); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([&] { list.Kill(32766, 2); }), 0);
    EXPECT_EQ(list.ElementCount(), 32766);
}

TEST(clsPolish, RefusedCallsLeaveTheListAsItWas)
{
    const struct {
        const char* what;
        std::function<void(clsPolish&)> call;
    } cases[] = {
        {"Push at INT32_MAX", [](clsPolish& l) { l.Push(INT32_MAX, 0, u"x"); }},
        {"Push at INT32_MIN", [](clsPolish& l) { l.Push(INT32_MIN, 0, u"x"); }},
        {"Push one past the end", [](clsPolish& l) { l.Push(3, 0, u"x"); }},
        {"Kill INT32_MIN elements", [](clsPolish& l) { l.Kill(0, INT32_MIN); }},
        {"Kill INT32_MAX elements", [](clsPolish& l) { l.Kill(1, INT32_MAX); }},
        {"Kill a run past the end", [](clsPolish& l) { l.Kill(2, 2); }},
    };
    for (const auto& c : cases) {
        // Storage beyond the count holds stale elements that a refused call must not reach.
        clsPolish list = listOf({u"A", u"B", u"C", u"D"});
        list.Clear();
        list.Push(0, 1, u"A");
        list.Push(1, 2, u"B");
        EXPECT_EQ(errorOf([&] { c.call(list); }), ErrorNumber::SubscriptOutOfRange) << c.what;
        EXPECT_EQ(contents(list), (std::vector<std::u16string>{u"A", u"B"})) << c.what;
        EXPECT_EQ(list.GetData(2), u"C") << c.what;
        EXPECT_EQ(list.GetData(3), u"D") << c.what;
    }
}
