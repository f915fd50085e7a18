// Fuzzes the compiled evaluator against the text evaluator: one postfix text, read once into a
// CompiledPostfix, evaluated at three values of x, each beside Cls6::DoEvaluate of the same text,
// angle unit and x; then in the block evaluation at a block of x drawn from the three, beside
// DoEvaluate at each x of the block in turn.
//
// Input: a byte of flags (1: degrees; 2: the text is raw bytes, decoded as FuzzSupport.h says;
// otherwise each following byte picks a token, so that long well-built texts are common), three
// 32-bit patterns for x (NaN and the infinities included), then the text.
//
// Always, for each x: the same return value, the same 32 bits in sngResult (or both untouched),
// the same raised error number and description, and the same number of draws from RND's sequence
// (both start from the same state, and the one that draws must leave it where the other did).
// For a block, the same per x, and the same draws over the whole block.
#include "CompiledPostfix.h"
#include "EvaluationOutcome.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

// A block of x seeded by the three: each of them, their neighbours and their sums, zeros of both
// signs, subnormals, the infinities and NaN, and any 32-bit pattern, up to three blocks of the
// block evaluation long, so that lanes of every kind meet in one block. A long text gets a short block,
// so that the text evaluator's time at each x stays bounded.
std::vector<float> blockOf(const float (&xs)[3], std::size_t textLength)
{
    std::uint32_t seed = 0;
    for (const float x : xs)
        seed = seed * 0x9E3779B1u ^ std::bit_cast<std::uint32_t>(x);
    std::mt19937 random(seed);
    const std::size_t length = 1
                               + random()
                                     % std::max<std::size_t>(1, std::min<std::size_t>(700, 40000 / (1 + textLength)));
    const float specials[] = {0.0f,
                              -0.0f,
                              0x1p-149f,
                              -0x1p-130f,
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN(),
                              1.0f};
    std::vector<float> block;
    for (std::size_t i = 0; i < length; ++i) {
        const float x = xs[random() % 3];
        switch (random() % 6) {
        case 0: block.push_back(x); break;
        case 1: block.push_back(std::nextafter(x, random() % 2 ? 1e30f : -1e30f)); break;
        case 2: block.push_back(x + xs[random() % 3]); break;
        case 3: block.push_back(specials[random() % std::size(specials)]); break;
        case 4: block.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(random()))); break;
        default: block.push_back(x * static_cast<float>(random() % 1000) / 100.0f); break;
        }
    }
    return block;
}

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
    const std::vector<float> block = blockOf(xs, text.size());
    const pellitor::testing::BlockOutcomes blocks = pellitor::testing::evaluateBlock(text, compiled, bolDegree, block);
    FUZZ_CHECK(blocks.compiled == blocks.text && blocks.compiledSequence == blocks.textSequence);
    return 0;
}
