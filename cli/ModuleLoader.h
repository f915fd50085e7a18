// The modules of pellitor-calc: code that only some uses need (the pictures, the locale's numbers)
// lies in shared objects beside the program, loaded when wanted, so that every other use starts
// without Qt. A module is checked before it is loaded: a file that is empty, cut short or made for
// another machine gives a reason, never a crash, and one from another build is refused.
#pragma once

#include <string>
#include <variant>

namespace pellitor::cli {

// Every module exports this symbol: a text that names the build's version and interfaces.
inline constexpr const char* ModuleBuildSymbol = "pellitor_module_build";

// The address of symbol in the module file name (beside the program in a build tree, in the
// library folder when installed), or the reason it could not be had.
std::variant<void*, std::string> loadModuleSymbol(const std::string& name, const char* symbol);

} // namespace pellitor::cli
