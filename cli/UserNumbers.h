// The number texts of pellitor-calc in the user's locale. The C locale's plain numbers need no
// Qt; every other locale's come from the numbers module, which loads Qt's locale data.
#pragma once

#include "NumberText.h"

#include <string>
#include <variant>

namespace pellitor::cli {

inline constexpr const char* NumbersModuleName = "pellitor-numbers.so";
inline constexpr const char* NumbersModuleSymbol = "pellitor_number_text";
// The numbers module's entry point: the number texts of the user's locale, for the process's life.
using NumberTexts = const platform::NumberText*();

// The number texts, or the reason the numbers module could not be loaded.
std::variant<const platform::NumberText*, std::string> userNumbers();

} // namespace pellitor::cli
