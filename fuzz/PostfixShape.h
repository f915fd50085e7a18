// What a postfix text written by the translator looks like, checked token by token: the
// translator and the Calculate harnesses both hold its output to this.
#pragma once

#include "Tokens.h"

#include <cstdint>
#include <string_view>

namespace pellitor::fuzz {

// A number token as the translator copies it: digits, at most one "." or ",", never a lone
// separator.
inline bool isNumberToken(std::u16string_view token)
{
    if (token.empty())
        return false;
    int separators = 0;
    for (const char16_t c : token) {
        if (c == u'.' || c == u',')
            ++separators;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return separators <= 1 && token.size() > static_cast<std::size_t>(separators);
}

// Whether text is a sequence of tokens each followed by exactly one blank (no leading blank, no
// two blanks in a row, a blank at the end unless empty) that forms one well-built postfix
// expression: operands before their operators, exactly one value left at the end.
inline bool isWellFormedPostfix(std::u16string_view text)
{
    if (text.empty())
        return true;
    if (text.back() != u' ')
        return false;
    std::int64_t depth = 0;
    for (std::size_t p = 0; p < text.size();) {
        const std::size_t q = text.find(u' ', p);
        const std::u16string_view token = text.substr(p, q - p);
        if (token.empty())
            return false;
        const Token named = tokenOf(token);
        if (isNumberToken(token) || named == Token::Variable) {
            ++depth;
        } else if (named == Token::Negate || isFunction(named)) {
            if (depth < 1)
                return false;
        } else if (named >= Token::Add && named <= Token::Pow) {
            if (depth < 2)
                return false;
            --depth;
        } else {
            return false;
        }
        p = q + 1;
    }
    return depth == 1;
}

} // namespace pellitor::fuzz
