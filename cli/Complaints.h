// pellitor-calc's one-line complaints on stderr, and the user's text as they quote it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace pellitor::cli {

inline constexpr std::string_view Program = "pellitor-calc";
inline constexpr int ExitMessage = 3;

// Writes "pellitor-calc: TEXT" as one line to stderr.
void complain(const std::string& text);

// Puts what an option's reader gave into value, or complains with the reason it gave instead;
// says which.
template <typename T>
bool take(std::variant<T, std::string> read, T& value)
{
    if (const std::string* reason = std::get_if<std::string>(&read)) {
        complain(*reason);
        return false;
    }
    value = std::get<T>(read);
    return true;
}

// A text from the user as a message shows it, in one line that cannot steer the terminal: control
// characters, direction controls, line separators, lone surrogates and U+FFFD (a byte that was no
// UTF-8) escaped ("\x1b", "\u202e"), a backslash doubled, and "..." after the first limit
// characters of a longer text.
std::string printable(std::u16string_view text, std::size_t limit);

} // namespace pellitor::cli
