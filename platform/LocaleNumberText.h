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

    // The locale of the user's numbers (LC_ALL, then LC_NUMERIC, then LANG, as Qt reads them).
    // Under C or POSIX, or a name that is empty or that no locale knows, it is the C locale
    // without grouping: scripts set LC_ALL=C to get numbers that read back as numbers.
    static QLocale numericLocale();

private:
    QLocale m_locale;
};

} // namespace pellitor::platform
