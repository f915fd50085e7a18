// The report's number texts built from three symbols (decimal point, group separator, minus
// sign), Qt-free: the plain numbers of the C locale, and the texts of every locale whose
// grouping is one separator per three digits (LocaleNumberText hands its symbols here).
#pragma once

#include "NumberText.h"

#include <string>

namespace pellitor::platform {

class SymbolNumberText final : public NumberText {
public:
    // Symbols of more than this many 16-bit units are not taken (no locale has such).
    static constexpr std::size_t LongestSymbol = 8;

    // Symbols longer than LongestSymbol are cut to it.
    SymbolNumberText(std::u16string decimalPoint, std::u16string groupSeparator, std::u16string minus);
    // The numbers of the C locale: "." as the point, no grouping, "-" as the minus sign.
    static SymbolNumberText plain();

    std::u16string general(float value) const override;
    std::u16string fourDecimals(float value) const override;
    char* writeGeneral(char* out, float value) const override;
    char* writeFourDecimals(char* out, float value) const override;

private:
    std::u16string m_decimalPoint;
    std::u16string m_groupSeparator;
    std::u16string m_minus;
    std::string m_utf8DecimalPoint;
    std::string m_utf8GroupSeparator;
    std::string m_utf8Minus;
};

} // namespace pellitor::platform
