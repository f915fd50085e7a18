// The engine's dynamically typed value: a text, a 16-bit integer, a 32-bit float or a 64-bit float.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace pellitor {

// A 16-bit truth value: true is -1, false is 0; any non-zero value reads as true.
using Truth = std::int16_t;
inline constexpr Truth True = -1;
inline constexpr Truth False = 0;

class Variant {
public:
    enum class Type { Text, Integer, Single, Double };

    Variant() = default;
    Variant(std::u16string text) : m_value(std::move(text)) {}
    Variant(const char16_t* text) : m_value(std::u16string(text)) {}
    Variant(std::int16_t integer) : m_value(integer) {}
    Variant(float single) : m_value(single) {}
    Variant(double number) : m_value(number) {}

    Type type() const noexcept { return static_cast<Type>(m_value.index()); }

    // The text held, or an empty text when the value is a number.
    const std::u16string& text() const noexcept;
    // The value widened to a 64-bit float; a text reads as 0.
    double toDouble() const noexcept;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::u16string, std::int16_t, float, double> m_value;
};

} // namespace pellitor
