// The report's number texts in a locale, by default the user's (QLocale::system(), which follows
// LC_ALL, LC_NUMERIC and LANG).
#pragma once

#include "NumberText.h"

#include <QLocale>

namespace pellitor::platform {

class LocaleNumberText final : public NumberText {
public:
    explicit LocaleNumberText(const QLocale& locale = QLocale::system());

    std::u16string general(float value) const override;
    std::u16string fourDecimals(float value) const override;

private:
    QLocale m_locale;
};

} // namespace pellitor::platform
