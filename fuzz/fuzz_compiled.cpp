// Fuzzes the compiled evaluator against the text evaluator: one postfix text, read once into a
// CompiledPostfix, evaluated at three values of x, each beside Cls6::DoEvaluate of the same text,
// angle unit and x.
//
// Input: a byte of flags (1: degrees; 2: the text is raw bytes, decoded as FuzzSupport.h says;
// otherwise each following byte picks a token, so that long well-built texts are common), three
// 32-bit patterns for x (NaN and the infinities included), then the text.
//
// Always, for each x: the same return value, the same 32 bits in sngResult (or both untouched),
// the same raised error number and description, and the same number of draws from RND's sequence
// (both start from the same state, and the one that draws must leave it where the other did).
#include "CompiledPostfix.h"
#include "EvaluationOutcome.h"
#include "FuzzSupport.h"

#include <bit>
#include <string>

using namespace pellitor;

namespace {
// Tokens the evaluator knows, numbers at the edges of its rules, and texts it refuses.
constexpr std::u16string_view Vocabulary[] = {
    u"XX",     u"XX",
    u"XX",     u"+",
    u"-",      u"*",
    u"/",      u"^",
    u"(-)",    u"SIN",
    u"COS",    u"LOG",
    u"EXP",    u"ABS",
    u"ATAN",   u"INT",
    u"RND",    u"SQR",
    u"TAN",    u"SEC",
    u"CSEC",   u"CTAN",
    u"ASIN",   u"ACOS",
    u"ASEC",   u"ACSEC",
    u"ACTAN",  u"SINH",
    u"COSH",   u"TANH",
    u"CTANH",  u"SECH",
    u"CSECH",  u"ASINH",
    u"ACOSH",  u"ATANH",
    u"ASECH",  u"ACSECH",
    u"ACTANH", u"0",
    u"1",      u"2",
    u"3",      u"0.5",
    u"10",     u"180",
    u"90",     u"3.1415926",
    u"1,5",    u".5",
    u"2.",     u"1e3",
    u"39",     u"710",
    u"1e308",  u"1e-320",
    u"1e400",  u"99999999999999999999",
    u"",       u"7abc",
    u"sin",    u"PI",
    u"x",      u"?",
    u"(",      u"+1",
    u"-1",
};
constexpr std::size_t VocabularySize = sizeof Vocabulary / sizeof Vocabulary[0];

std::u16string tokensOf(std::string_view bytes)
{
    std::u16string text;
    for (const char byte : bytes) {
        const auto pick = static_cast<unsigned char>(byte);
        if (pick == 0xFF) {
            text += u"tail"; // text after the last blank, never read
            continue;
        }
        text += Vocabulary[pick % VocabularySize];
        text += u' ';
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    const auto flags = input.read<std::uint8_t>();
    const Truth bolDegree = (flags & 1) != 0 ? True : False;
    float xs[3];
    for (float& x : xs)
        x = std::bit_cast<float>(input.read<std::uint32_t>());
    const std::u16string text = (flags & 2) != 0 ? fuzz::decodeText(input.rest()) : tokensOf(input.rest());

    CompiledPostfix compiled(text, bolDegree);
    for (const float sngX : xs) {
        const pellitor::testing::BothOutcomes both = pellitor::testing::evaluateBoth(text, compiled, bolDegree, sngX);
        FUZZ_CHECK(both.compiled == both.text);
    }
    return 0;
}
