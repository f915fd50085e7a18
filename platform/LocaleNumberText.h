// The report's number texts in a locale, by default the one that sets the user's numbers.
#pragma once

#include "NumberText.h"
#include "SymbolNumberText.h"

#include <QLocale>

namespace pellitor::platform {

class LocaleNumberText final : public NumberText {
public:
    explicit LocaleNumberText(const QLocale& locale = numericLocale());

    // Both texts use the digits 0-9 whatever the locale's own digits, and hold no invisible
    // direction marks, so that the report reads the same in every script and in a left-to-right
    // box a sign stays in front of its number.
    std::u16string general(float value) const override;
    std::u16string fourDecimals(float value) const override;
    char* writeGeneral(char* out, float value) const override;
    char* writeFourDecimals(char* out, float value) const override;

    // The locale of the user's numbers (LC_ALL, then LC_NUMERIC, then LANG, as Qt reads them).
    // Under C or POSIX, or a name that is empty or that no locale knows, it is the C locale
    // without grouping: scripts set LC_ALL=C to get numbers that read back as numbers.
    static QLocale numericLocale();

private:
    std::u16string fourDecimalsFromLocale(float value) const;

    QLocale m_locale;
    // The texts built from the locale's symbols. Where every grouping the locale makes is one
    // separator per three digits, four decimals come from them without QLocale, which a table of
    // a million rows notices; the constructor checks that against QLocale's own text.
    SymbolNumberText m_symbols;
    bool m_fromSymbols = false;
};

} // namespace pellitor::platform
