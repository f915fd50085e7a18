// The engine's named tokens: the five binary operators, the thirty functions, the variable "XX"
// and the unary minus "(-)". The translator and the evaluator recognise them through one switch.
#pragma once

#include <cstdint>
#include <string_view>

namespace pellitor {

enum class Token {
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    SIN,
    COS,
    LOG,
    EXP,
    ABS,
    ATAN,
    INT,
    RND,
    SQR,
    TAN,
    SEC,
    CSEC,
    CTAN,
    ASIN,
    ACOS,
    ASEC,
    ACSEC,
    ACTAN,
    SINH,
    COSH,
    TANH,
    CTANH,
    SECH,
    CSECH,
    ASINH,
    ACOSH,
    ATANH,
    ASECH,
    ACSECH,
    ACTANH,
    Variable,
    Negate,
    None
};

inline constexpr std::size_t LongestTokenName = 6;

inline constexpr bool isFunction(Token token)
{
    return token >= Token::SIN && token <= Token::ACTANH;
}

// A text of up to six ASCII characters packed into one integer, so that names compare as
// integers (and can be switch labels); 0 for any other text.
constexpr std::uint64_t packToken(std::u16string_view text)
{
    if (text.empty() || text.size() > LongestTokenName)
        return 0;
    std::uint64_t key = 0;
    for (const char16_t c : text) {
        if (c == 0 || c > 0x7F)
            return 0;
        key = (key << 8) | c;
    }
    return key;
}

// The token a text names exactly (case-sensitive), or Token::None.
constexpr Token tokenOf(std::u16string_view text)
{
    switch (packToken(text)) {
    case packToken(u"+"): return Token::Add;
    case packToken(u"-"): return Token::Sub;
    case packToken(u"*"): return Token::Mul;
    case packToken(u"/"): return Token::Div;
    case packToken(u"^"): return Token::Pow;
    case packToken(u"SIN"): return Token::SIN;
    case packToken(u"COS"): return Token::COS;
    case packToken(u"LOG"): return Token::LOG;
    case packToken(u"EXP"): return Token::EXP;
    case packToken(u"ABS"): return Token::ABS;
    case packToken(u"ATAN"): return Token::ATAN;
    case packToken(u"INT"): return Token::INT;
    case packToken(u"RND"): return Token::RND;
    case packToken(u"SQR"): return Token::SQR;
    case packToken(u"TAN"): return Token::TAN;
    case packToken(u"SEC"): return Token::SEC;
    case packToken(u"CSEC"): return Token::CSEC;
    case packToken(u"CTAN"): return Token::CTAN;
    case packToken(u"ASIN"): return Token::ASIN;
    case packToken(u"ACOS"): return Token::ACOS;
    case packToken(u"ASEC"): return Token::ASEC;
    case packToken(u"ACSEC"): return Token::ACSEC;
    case packToken(u"ACTAN"): return Token::ACTAN;
    case packToken(u"SINH"): return Token::SINH;
    case packToken(u"COSH"): return Token::COSH;
    case packToken(u"TANH"): return Token::TANH;
    case packToken(u"CTANH"): return Token::CTANH;
    case packToken(u"SECH"): return Token::SECH;
    case packToken(u"CSECH"): return Token::CSECH;
    case packToken(u"ASINH"): return Token::ASINH;
    case packToken(u"ACOSH"): return Token::ACOSH;
    case packToken(u"ATANH"): return Token::ATANH;
    case packToken(u"ASECH"): return Token::ASECH;
    case packToken(u"ACSECH"): return Token::ACSECH;
    case packToken(u"ACTANH"): return Token::ACTANH;
    case packToken(u"XX"): return Token::Variable;
    case packToken(u"(-)"): return Token::Negate;
    default: return Token::None;
    }
}

} // namespace pellitor
