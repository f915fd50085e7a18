// The engine's exception type.
#include "EngineError.h"

namespace pellitor {

namespace {
// what() for a log or an uncaught error: the description with each character beyond ASCII as
// "?". The description itself keeps every character.
std::string ascii(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}
} // namespace

EngineError::EngineError(std::int32_t number, std::u16string description)
    : std::runtime_error(ascii(description)), m_number(number), m_description(std::move(description))
{
}

EngineError EngineError::overflow()
{
    return {ErrorNumber::Overflow, u"Overflow"};
}

EngineError EngineError::divisionByZero()
{
    return {ErrorNumber::DivisionByZero, u"Division by zero"};
}

EngineError EngineError::invalidArgument()
{
    return {ErrorNumber::InvalidProcedureCall, u"Invalid procedure call or argument"};
}

EngineError EngineError::subscriptOutOfRange()
{
    return {ErrorNumber::SubscriptOutOfRange, u"Subscript out of range"};
}

} // namespace pellitor
