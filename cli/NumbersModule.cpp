// The numbers module: the number texts of the user's locale, from Qt's locale data, for the
// locales whose numbers pellitor-calc does not know without it.
#include "LocaleNumberText.h"
#include "ModuleBuild.h"
#include "UserNumbers.h"

PELLITOR_MODULE_BUILD

extern "C" __attribute__((visibility("default"))) const pellitor::platform::NumberText* pellitor_number_text()
{
    static const pellitor::platform::LocaleNumberText numbers;
    return &numbers;
}
