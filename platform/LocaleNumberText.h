// The report's number texts in a locale, by default the one that sets the user's numbers.
#pragma once

#include "NumberText.h"

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

    // The same two texts appended to a UTF-8 text, for output that needs no 16-bit copy: a table
    // of a million rows notices.
    void appendGeneral(std::string& utf8, float value) const;
    void appendFourDecimals(std::string& utf8, float value) const;

    // The locale of the user's numbers (LC_ALL, then LC_NUMERIC, then LANG, as Qt reads them).
    // Under C or POSIX, or a name that is empty or that no locale knows, it is the C locale
    // without grouping: scripts set LC_ALL=C to get numbers that read back as numbers.
    static QLocale numericLocale();

private:
    std::u16string fourDecimalsFromLocale(float value) const;

    QLocale m_locale;
    // The locale's symbols as the texts write them. Where every grouping the locale makes is one
    // separator per three digits, four decimals are built from them without QLocale, which a
    // table of a million rows notices; the constructor checks that against QLocale's own text.
    std::u16string m_decimalPoint;
    std::u16string m_groupSeparator;
    std::u16string m_minus;
    std::string m_utf8DecimalPoint;
    std::string m_utf8GroupSeparator;
    std::string m_utf8Minus;
    bool m_fromSymbols = false;
};

} // namespace pellitor::platform
