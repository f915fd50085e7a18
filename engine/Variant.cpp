// The engine's dynamically typed value.
#include "Variant.h"

namespace pellitor {

const std::u16string& Variant::text() const noexcept
{
    static const std::u16string empty;
    const auto* held = std::get_if<std::u16string>(&m_value);
    return held ? *held : empty;
}

double Variant::toDouble() const noexcept
{
    switch (m_value.index()) {
    case 1: return std::get<std::int16_t>(m_value);
    case 2: return std::get<float>(m_value);
    case 3: return std::get<double>(m_value);
    default: return 0.0;
    }
}

} // namespace pellitor
