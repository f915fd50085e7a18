// The one exception type the engine raises: a 32-bit error number and its description.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace pellitor {

class EngineError : public std::runtime_error {
public:
    EngineError(std::int32_t number, std::u16string description);

    std::int32_t number() const noexcept { return m_number; }
    const std::u16string& description() const noexcept { return m_description; }

    // The arithmetic and run-time errors the evaluator and the element list raise.
    static EngineError overflow();
    static EngineError divisionByZero();
    static EngineError invalidArgument();
    static EngineError subscriptOutOfRange();

private:
    std::int32_t m_number;
    std::u16string m_description;
};

// Numbers of the raised errors. The engine's own lie above the base of application-defined
// object errors, 0x80040000; the arithmetic ones are the platform's classic run-time numbers.
namespace ErrorNumber {
inline constexpr std::int32_t ObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
inline constexpr std::int32_t PopOnEmptyStack = ObjectErrorBase + 1011;         // -2147220493
inline constexpr std::int32_t GetPopValueOnEmptyStack = ObjectErrorBase + 1012; // -2147220492
inline constexpr std::int32_t BadToken = ObjectErrorBase + 1002;                // -2147220502
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t DivisionByZero = 11;
} // namespace ErrorNumber

} // namespace pellitor
