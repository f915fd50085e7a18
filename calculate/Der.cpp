// The input checks and the rewriting of implied multiplication.
#include "Der.h"

#include <string_view>

namespace pellitor::Der {

namespace {

constexpr std::u16string_view ExpressionSet = u"-1234567890.+*/^()abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::u16string_view ParameterSet = u"-1234567890.";

constexpr std::u16string_view DigitOrClose = u"1234567890)";
constexpr std::u16string_view LetterOrOpen = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ(";
constexpr std::u16string_view OneLetterName = u"abnrtxyziABNRTXYZI";
constexpr std::u16string_view NumberStartOrOpen = u"1234567890.,(";
constexpr std::u16string_view BeforeOneLetterName = u"1234567890+-*/^()pP";
constexpr std::u16string_view NumberStart = u"1234567890.,";

bool in(std::u16string_view set, char16_t c)
{
    return set.find(c) != std::u16string_view::npos;
}

Truth check(const std::u16string& sInput, std::u16string& sOutput, std::u16string_view allowed)
{
    sOutput.clear();
    sOutput.reserve(sInput.size());
    for (const char16_t c : sInput) {
        if (in(allowed, c))
            sOutput += c;
        else if (c == u',')
            sOutput += u'.';
        else if (c != u' ')
            return False;
    }
    // An empty box reads as 0; two or more blanks are simply dropped and leave an empty text.
    if (sInput.empty() || sInput == u" ")
        sOutput.assign(1, u'0');
    return True;
}

} // namespace

Truth CheckExpression(const std::u16string& sInput, std::u16string& sOutput)
{
    return check(sInput, sOutput, ExpressionSet);
}

Truth CheckParameter(const std::u16string& sInput, std::u16string& sOutput)
{
    return check(sInput, sOutput, ParameterSet);
}

std::u16string InsertMultiplication(const std::u16string& sText)
{
    const std::size_t n = sText.size();
    if (n == 1)
        return sText;
    // The walk over an empty text makes one step whose characters are all empty, and an empty
    // character belongs to every set: it yields the lone sign.
    if (n == 0)
        return u"*";

    // Every rule looks at the input only, so an inserted sign never changes a later decision.
    // Positions are 0-based here: i = 0 is the first character.
    // At most one sign after each character but the last: reserved at once, the text never moves.
    std::u16string out;
    out.reserve(2 * n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const char16_t cur = sText[i];
        const char16_t next = sText[i + 1];
        out += cur;
        const bool numberThenName = in(DigitOrClose, cur) && in(LetterOrOpen, next);
        const bool nameThenNumber = in(OneLetterName, cur) && in(NumberStartOrOpen, next)
                                    && (i == 0 || in(BeforeOneLetterName, sText[i - 1]));
        const bool closeThenNumber = cur == u')' && in(NumberStart, next);
        if (numberThenName || nameThenNumber || closeThenNumber)
            out += u'*';
    }
    out += sText[n - 1];
    return out;
}

} // namespace pellitor::Der
