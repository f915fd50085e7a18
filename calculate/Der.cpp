// The input checks and the rewriting of implied multiplication.
#include "Der.h"

#include <array>
#include <string_view>

namespace pellitor::Der {

namespace {

// A set of ASCII characters as a table built while compiling: a character is looked up in one
// step, so that the checks and the rewriting of a text of millions of characters stay a plain pass.
class CharSet {
public:
    consteval explicit CharSet(std::u16string_view members)
    {
        for (const char16_t c : members)
            m_member[c] = true;
    }
    bool contains(char16_t c) const { return c < m_member.size() && m_member[c]; }

private:
    std::array<bool, 128> m_member{};
};

constexpr CharSet ExpressionSet{u"-1234567890.+*/^()abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"};
constexpr CharSet ParameterSet{u"-1234567890."};

constexpr CharSet DigitOrClose{u"1234567890)"};
constexpr CharSet LetterOrOpen{u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ("};
constexpr CharSet OneLetterName{u"abnrtxyziABNRTXYZI"};
constexpr CharSet NumberStartOrOpen{u"1234567890.,("};
constexpr CharSet BeforeOneLetterName{u"1234567890+-*/^()pP"};
constexpr CharSet NumberStart{u"1234567890.,"};

bool in(const CharSet& set, char16_t c)
{
    return set.contains(c);
}

Truth check(const std::u16string& sInput, std::u16string& sOutput, const CharSet& allowed)
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
