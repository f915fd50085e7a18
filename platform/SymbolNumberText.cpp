// Number texts from three symbols. Each text is put together in a buffer with plain pointer
// writes and handed over at once: a table of a million rows notices every append and call.
#include "SymbolNumberText.h"

#include "TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace pellitor::platform {

namespace {

constexpr int SignificantDigits = 7;
// Plain notation holds for decimal exponents from -4 to 6 (0.0001 up to 9999999); outside that
// the exponent form is shorter and does not suggest digits that a 32-bit float does not have.
constexpr int SmallestPlainExponent = -4;
constexpr int LargestPlainExponent = SignificantDigits - 1;

// The longest text, in units: FLT_MAX with four decimals has 39 digits and 12 group separators,
// then the sign, the point and four decimals; the general form is shorter.
constexpr std::size_t LongestText = 39 + 12 * SymbolNumberText::LongestSymbol + 2 * SymbolNumberText::LongestSymbol + 4;
// A UTF-8 unit of a symbol is at most three bytes per 16-bit unit.
static_assert(39 + 14 * 3 * SymbolNumberText::LongestSymbol + 4 <= NumberText::LongestUtf8);

// A symbol is mostly one unit, which a plain store writes: the compiler would turn the loop
// into a call to memcpy.
template <typename Char>
Char* put(Char* out, std::basic_string_view<Char> symbol)
{
    if (symbol.size() == 1) {
        *out++ = symbol.front();
        return out;
    }
    for (const Char c : symbol)
        *out++ = c;
    return out;
}

template <typename Char>
Char* putAscii(Char* out, std::string_view ascii)
{
    for (const char c : ascii)
        *out++ = static_cast<Char>(c);
    return out;
}

// A few characters copied one by one: a call to memmove costs more than the copy.
template <typename Char, typename From>
Char* putShort(Char* out, const From* first, const From* last)
{
    while (first != last)
        *out++ = static_cast<Char>(*first++);
    return out;
}

// Writes the decimal digits of n so that they end before end, two at a time; returns where they
// begin.
template <typename Char, typename Unsigned>
Char* digitsOf(Char* end, Unsigned n)
{
    static constexpr char Pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
    while (n >= 100) {
        const std::size_t pair = static_cast<std::size_t>(n % 100) * 2;
        n /= 100;
        *--end = static_cast<Char>(Pairs[pair + 1]);
        *--end = static_cast<Char>(Pairs[pair]);
    }
    if (n >= 10) {
        *--end = static_cast<Char>('0' + n % 10);
        n /= 10;
    }
    *--end = static_cast<Char>('0' + n);
    return end;
}

// The same, in 32-bit arithmetic where n allows: its divisions are the cheaper ones.
template <typename Char>
Char* digitsBefore(Char* end, std::uint64_t n)
{
    if (n <= UINT32_MAX)
        return digitsOf(end, static_cast<std::uint32_t>(n));
    return digitsOf(end, n);
}

// The general form of a finite value: at most seven significant digits, "-" as the sign.
template <typename Char>
Char* writeGeneralText(Char* out, float value, std::basic_string_view<Char> separator)
{
    if (value == 0.0f)
        return putAscii(out, "0");
    // A whole number below 10^7 has at most seven digits: it is written as it is.
    if (std::fabs(value) < 1e7f && static_cast<float>(static_cast<std::int32_t>(value)) == value) {
        Char digits[8];
        Char* const first = digitsBefore(digits + 8, static_cast<std::uint64_t>(std::fabs(value)));
        if (value < 0)
            *out++ = '-';
        return putShort(out, first, digits + 8);
    }
    // Round to seven significant digits first, so that the exponent that picks the notation is
    // the rounded one: 9999999.5 would read 1E+07, never 10000000.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer)); // d.dddddde±XX
    const std::size_t e = scientific.find('e');
    // The significant digits without the point and without trailing zeros.
    std::string digits(1, scientific[0]);
    digits.append(scientific.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    for (std::size_t i = e + 2; i < scientific.size(); ++i)
        exponent = exponent * 10 + (scientific[i] - '0');
    if (scientific[e + 1] == '-')
        exponent = -exponent;

    const std::string_view shown = digits;
    if (value < 0)
        *out++ = '-';
    if (exponent < SmallestPlainExponent || exponent > LargestPlainExponent) {
        out = putAscii(out, shown.substr(0, 1));
        if (shown.size() > 1)
            out = putAscii(put(out, separator), shown.substr(1));
        const int magnitude = std::abs(exponent);
        out = putAscii(out, exponent < 0 ? "E-" : "E+");
        if (magnitude < 10)
            *out++ = '0';
        Char exponentDigits[4];
        return putShort(out, digitsBefore(exponentDigits + 4, static_cast<std::uint64_t>(magnitude)),
                        exponentDigits + 4);
    }
    if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (shown.size() <= whole)
            return std::fill_n(putAscii(out, shown), whole - shown.size(), Char('0'));
        return putAscii(put(putAscii(out, shown.substr(0, whole)), separator), shown.substr(whole));
    }
    out = put(putAscii(out, "0"), separator);
    return putAscii(std::fill_n(out, -exponent - 1, Char('0')), shown);
}

// Four decimals, one group separator per three digits; a value that rounds to zero shows no
// minus sign (-0.00001 reads 0.0000).
template <typename Char>
Char* writeFourDecimalsText(Char* out, float value, std::basic_string_view<Char> decimalPoint,
                            std::basic_string_view<Char> groupSeparator, std::basic_string_view<Char> minus)
{
    // The digits without the point, most significant first: the whole part, then four decimals.
    char buffer[64];
    char* const end = buffer + sizeof buffer;
    const char* digits = nullptr;
    std::size_t whole = 0;
    bool nonZero = true;
    const double magnitude = std::fabs(static_cast<double>(value));
    if (magnitude < 1e11) {
        // A 32-bit float times 10^4 is exact in 64 bits (24 + 14 bits), so rounding that product
        // to an integer, ties to even, gives the digits to_chars gives, an integer's work faster.
        // Adding and taking away 2^52 rounds a smaller non-negative double so, without a call.
        const auto scaled = static_cast<std::uint64_t>((magnitude * 1e4 + 0x1p52) - 0x1p52);
        // The decimals with a leading 1 that keeps their zeros; the whole part then writes over it.
        if (scaled <= UINT32_MAX) {
            const auto small = static_cast<std::uint32_t>(scaled);
            digitsOf(end, small % 10'000 + 10'000);
            digits = digitsOf(end - 4, small / 10'000);
        } else {
            digitsOf(end, scaled % 10'000 + 10'000);
            digits = digitsBefore(end - 4, scaled / 10'000);
        }
        whole = static_cast<std::size_t>(end - 4 - digits);
        nonZero = scaled != 0;
    } else {
        char fixed[64];
        const std::size_t length = static_cast<std::size_t>(
            std::to_chars(fixed, fixed + sizeof fixed, magnitude, std::chars_format::fixed, 4).ptr - fixed);
        whole = length - 5;
        std::copy(fixed, fixed + whole, buffer);
        std::copy(fixed + whole + 1, fixed + length, buffer + whole);
        digits = buffer;
    }

    if (value < 0 && nonZero)
        out = put(out, minus);
    if (groupSeparator.empty()) {
        out = putShort(out, digits, digits + whole);
    } else {
        for (std::size_t i = 0; i < whole; ++i) {
            if (i > 0 && (whole - i) % 3 == 0)
                out = put(out, groupSeparator);
            *out++ = static_cast<Char>(digits[i]);
        }
    }
    out = put(out, decimalPoint);
    for (int i = 0; i < 4; ++i) // a fixed count: one store, no call
        *out++ = static_cast<Char>(digits[whole + static_cast<std::size_t>(i)]);
    return out;
}

std::u16string cut(std::u16string symbol)
{
    symbol.resize(std::min(symbol.size(), SymbolNumberText::LongestSymbol));
    return symbol;
}

} // namespace

SymbolNumberText::SymbolNumberText(std::u16string decimalPoint, std::u16string groupSeparator, std::u16string minus)
    : m_decimalPoint(cut(std::move(decimalPoint))), m_groupSeparator(cut(std::move(groupSeparator))),
      m_minus(cut(std::move(minus))), m_utf8DecimalPoint(toUtf8(m_decimalPoint)),
      m_utf8GroupSeparator(toUtf8(m_groupSeparator)), m_utf8Minus(toUtf8(m_minus))
{
}

SymbolNumberText SymbolNumberText::plain()
{
    return {u".", u"", u"-"};
}

std::u16string SymbolNumberText::general(float value) const
{
    if (!std::isfinite(value))
        return std::isnan(value) ? u"nan" : (value < 0 ? u"-inf" : u"inf");
    char16_t text[LongestText];
    return {text, writeGeneralText<char16_t>(text, value, m_decimalPoint)};
}

std::u16string SymbolNumberText::fourDecimals(float value) const
{
    if (!std::isfinite(value))
        return general(value);
    char16_t text[LongestText];
    return {text, writeFourDecimalsText<char16_t>(text, value, m_decimalPoint, m_groupSeparator, m_minus)};
}

char* SymbolNumberText::writeGeneral(char* out, float value) const
{
    if (!std::isfinite(value))
        return NumberText::writeGeneral(out, value);
    return writeGeneralText<char>(out, value, m_utf8DecimalPoint);
}

char* SymbolNumberText::writeFourDecimals(char* out, float value) const
{
    if (!std::isfinite(value))
        return NumberText::writeFourDecimals(out, value);
    return writeFourDecimalsText<char>(out, value, m_utf8DecimalPoint, m_utf8GroupSeparator, m_utf8Minus);
}

} // namespace pellitor::platform
