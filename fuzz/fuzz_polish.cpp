// Fuzzes the postfix element list with any sequence of operations, checked against a model of
// its storage: positions 0..Count-1 are the list, positions beyond keep what they last held.
//
// Each input byte picks an operation: Push, Kill, GetRank, GetData, Clear, a run of appends, or
// (byte 0xFF) 4096 appends at once, so that the 32768-element limit is reached in a few steps. Positions are
// drawn mostly around the list's ends, sometimes as any 32-bit number.
//
// Always: the list holds what the model holds, rank and text together; an operation refused with
// "Subscript out of range" or "Overflow" changed nothing; only Push grows the storage, to
// exactly Count + 1; nothing else is ever raised.
#include "EngineError.h"
#include "FuzzSupport.h"
#include "clsPolish.h"

#include <algorithm>
#include <limits>
#include <vector>

using namespace pellitor;

namespace {

constexpr std::int64_t Int16Max = std::numeric_limits<std::int16_t>::max();

class Model {
public:
    clsPolish list;

    // Returns whether the list took the element.
    bool push(std::int32_t index, std::int16_t rank, const std::u16string& text)
    {
        const auto expected = [&]() -> std::int32_t {
            if (m_count > Int16Max)
                return ErrorNumber::Overflow;
            if (index < 0 || index > m_count)
                return ErrorNumber::SubscriptOutOfRange;
            return 0;
        }();
        const std::int32_t raised = attempt([&] { list.Push(index, rank, text); });
        FUZZ_CHECK(raised == expected);
        if (raised != 0)
            return false;
        if (m_storage.size() < static_cast<std::size_t>(m_count) + 1)
            m_storage.resize(static_cast<std::size_t>(m_count) + 1);
        std::move_backward(m_storage.begin() + index, m_storage.begin() + m_count, m_storage.begin() + m_count + 1);
        m_storage[static_cast<std::size_t>(index)] = {rank, text};
        ++m_count;
        return true;
    }

    void kill(std::int32_t index, std::int32_t num)
    {
        const auto expected = [&]() -> std::int32_t {
            if (index > Int16Max || index < std::numeric_limits<std::int16_t>::min())
                return ErrorNumber::Overflow;
            if (index < 0 || num < 0 || std::int64_t{index} + num > m_count)
                return ErrorNumber::SubscriptOutOfRange;
            // the 16-bit position counter would step past 32767: only a run of none in a full list
            if (m_count - num - 1 >= Int16Max)
                return ErrorNumber::Overflow;
            return 0;
        }();
        const std::int32_t raised = attempt([&] { list.Kill(index, num); });
        FUZZ_CHECK(raised == expected);
        if (raised != 0)
            return;
        // copied, not moved: the positions left behind keep the elements they held
        std::copy(m_storage.begin() + index + num, m_storage.begin() + m_count, m_storage.begin() + index);
        m_count -= num;
    }

    void read(std::int32_t index)
    {
        const bool inStorage = index >= 0 && index < static_cast<std::int64_t>(m_storage.size());
        std::int16_t rank = 0;
        std::u16string text;
        const std::int32_t raised = attempt([&] {
            rank = list.GetRank(index);
            text = list.GetData(index);
        });
        FUZZ_CHECK(raised == (inStorage ? 0 : ErrorNumber::SubscriptOutOfRange));
        if (inStorage)
            FUZZ_CHECK(rank == m_storage[static_cast<std::size_t>(index)].Rank
                       && text == m_storage[static_cast<std::size_t>(index)].Data);
    }

    void clear()
    {
        list.Clear();
        m_count = 0;
    }

    void verify(bool everything)
    {
        FUZZ_CHECK(list.ElementCount() == m_count);
        FUZZ_CHECK(list.StorageSize() == static_cast<std::int64_t>(m_storage.size()));
        if (everything)
            for (std::int32_t i = 0; i < list.StorageSize(); ++i)
                read(i);
    }

    std::int32_t count() const { return m_count; }

private:
    template <typename Operation>
    static std::int32_t attempt(Operation operation)
    {
        try {
            operation();
            return 0;
        } catch (const EngineError& error) {
            return error.number();
        }
    }

    std::vector<clsPolish::Element> m_storage;
    std::int32_t m_count = 0;
};

std::int32_t position(fuzz::ByteReader& input, std::int32_t count)
{
    const auto b = input.read<std::uint8_t>();
    if (b < 0x80)
        return b % (count + 3) - 1; // -1 .. count + 1
    if (b < 0xF0)
        return count + 1 - (b - 0x80); // counting down from just past the end
    return input.read<std::int32_t>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    Model model;
    while (!input.empty()) {
        const auto op = input.read<std::uint8_t>();
        switch (op == 0xFF ? 6 : op % 6) {
        case 0: {
            const std::int32_t index = position(input, model.count());
            const auto rank = input.read<std::int16_t>();
            model.push(index, rank, fuzz::decodeText(input.bytes(input.read<std::uint8_t>() % 8)));
            break;
        }
        case 1: {
            const std::int32_t index = position(input, model.count());
            const auto b = input.read<std::uint8_t>();
            model.kill(index, b < 0xF0 ? b % (model.count() + 2) : input.read<std::int32_t>());
            break;
        }
        case 2:
        case 3: model.read(position(input, model.count())); break;
        case 4: model.clear(); break;
        case 5:
            for (int n = input.read<std::uint8_t>(); n > 0; --n)
                model.push(model.count(), static_cast<std::int16_t>(n), u"run");
            break;
        default:
            // a full list refuses the first and every later append alike: one refusal is enough
            for (int n = 0; n < 4096 && model.push(model.count(), static_cast<std::int16_t>(n), u""); ++n) {
            }
            break;
        }
        model.verify(false);
    }
    model.verify(true);
    return 0;
}
