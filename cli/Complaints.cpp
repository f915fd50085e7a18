// The complaints of pellitor-calc and the user's text as they quote it.
#include "Complaints.h"

#include "TextCodec.h"

#include <algorithm>
#include <cstdio>

namespace pellitor::cli {

namespace {
// What a terminal would act on or cannot show: C0 and C1 controls and DEL, the marks and controls
// of direction, the line and paragraph separators, surrogates, U+FFFD and the non-characters above.
bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F
           || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || (c >= 0xD800 && c <= 0xDFFF)
           || c >= 0xFFFD;
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}
} // namespace

void complain(const std::string& text)
{
    const std::string line = std::string(Program) + ": " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string printable(std::u16string_view text, std::size_t limit)
{
    std::size_t shown = std::min(text.size(), limit);
    // A pair of surrogates is one character: kept whole or cut whole.
    if (shown > 0 && shown < text.size() && isHighSurrogate(text[shown - 1]) && isLowSurrogate(text[shown]))
        --shown;
    std::u16string out;
    for (std::size_t i = 0; i < shown; ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < shown && isLowSurrogate(text[i + 1])) {
            out += c;
            out += text[++i];
        } else if (c == u'\\') {
            out += u"\\\\";
        } else if (needsEscape(c)) {
            char escape[8];
            const unsigned code = c;
            const int length = c < 0x80 ? std::snprintf(escape, sizeof escape, "\\x%02x", code)
                                        : std::snprintf(escape, sizeof escape, "\\u%04x", code);
            out.append(escape, escape + length);
        } else {
            out += c;
        }
    }
    return toUtf8(out) + (shown < text.size() ? "..." : "");
}

} // namespace pellitor::cli
