// Choosing the number texts: the locale is read as Qt reads it (LC_ALL, then LC_NUMERIC, then
// LANG); the names that are the C locale for Qt, whatever their codeset ("C.UTF-8") or modifier,
// are known here without it. Any other name goes to the module, which decides as the window does
// (a name that no locale knows is the C locale there too).
#include "UserNumbers.h"

#include "ModuleLoader.h"
#include "SymbolNumberText.h"

#include <cstdlib>
#include <string_view>

namespace pellitor::cli {

namespace {

std::string_view numericLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

bool isCLocale(std::string_view name)
{
    const std::string_view language = name.substr(0, name.find_first_of(".@"));
    return language.empty() || language == "C" || language == "c" || language == "POSIX";
}

} // namespace

std::variant<const platform::NumberText*, std::string> userNumbers()
{
    static const platform::SymbolNumberText plain = platform::SymbolNumberText::plain();
    if (isCLocale(numericLocaleName()))
        return &plain;
    std::variant<void*, std::string> entry = loadModuleSymbol(NumbersModuleName, NumbersModuleSymbol);
    if (std::string* reason = std::get_if<std::string>(&entry))
        return "cannot load the numbers module: " + *reason;
    return reinterpret_cast<NumberTexts*>(std::get<void*>(entry))();
}

} // namespace pellitor::cli
