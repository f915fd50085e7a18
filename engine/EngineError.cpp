// The engine's exception type.
#include "EngineError.h"

#include "TextCodec.h"

namespace pellitor {

EngineError::EngineError(std::int32_t number, std::u16string description)
    : std::runtime_error(toUtf8(description)), m_number(number), m_description(std::move(description))
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
