// The engine beside muparser on the same expressions. One-shot: translate an expression and
// evaluate it at one x, against muparser's SetExpr and Eval. Repeated: one translated expression
// evaluated at 1,000 values of x, compiled (CompiledPostfix) one x at a time and as a block of the
// 1,000, and as text (DoEvaluate), against muparser's Eval of one parsed expression at the same
// 1,000 x.
#include "Cls6.h"
#include "CompiledPostfix.h"
#include "EngineError.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <string>
#include <vector>

using namespace pellitor;

namespace {
struct Expression {
    std::string name;
    std::u16string ours;
    std::string muparser; // the same expression in muparser's spelling
};

std::u16string widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

std::string sumOfX(std::size_t terms)
{
    std::string sum = "x";
    sum.reserve(terms * 2);
    for (std::size_t i = 1; i < terms; ++i)
        sum += "+x";
    return sum;
}

std::string nested(std::size_t depth)
{
    return std::string(depth, '(') + "x" + std::string(depth, ')');
}

std::vector<Expression> smallExpressions()
{
    return {
        {"2*cos(x^2)/x", u"2*cos(x^2)/x", "2*cos(x^2)/x"},
        {"Sin(X)+PI", u"Sin(X)+PI", "sin(x)+_pi"},
        {"-x^2", u"-x^2", "-x^2"},
        {"2^3^2", u"2^3^2", "2^3^2"},
        {"(2+3)*4", u"(2+3)*4", "(2+3)*4"},
        {"asech(x)+1", u"asech(x)+1", "asech(x)+1"},
        {"x^3-2*x+sqr(x)", u"x^3-2*x+sqr(x)", "x^3-2*x+sqr(x)"},
        {"sum_1000_x", widen(sumOfX(1000)), sumOfX(1000)},
        {"nested_1000", widen(nested(1000)), nested(1000)},
    };
}

void oneShot(benchmark::State& state, const std::u16string& expression)
{
    std::u16string buffer;
    for (auto _ : state) {
        Cls6 engine;
        buffer.clear();
        float result = 0.0f;
        if (engine.InfixToPostfix(expression, buffer) == 0)
            engine.DoEvaluate(buffer, False, result, 0, 0, 0.5f, 0, 0, 0, 0, 0);
        benchmark::DoNotOptimize(result);
    }
}

double asech(double v)
{
    return std::log((std::sqrt(1 - v * v) + 1) / v);
}

double sqr(double v)
{
    return std::sqrt(v);
}

// The 1,000 values of x of a repeated evaluation: 32-bit floats from 0.5 to 2, where every
// expression above has a value.
constexpr int RepeatedXs = 1000;
float repeatedX(int i)
{
    return 0.5f + 1.5f * static_cast<float>(i) / RepeatedXs;
}

void repeatedCompiled(benchmark::State& state, const std::u16string& expression)
{
    std::u16string postfix;
    Cls6().InfixToPostfix(expression, postfix);
    CompiledPostfix compiled(postfix, false);
    for (auto _ : state) {
        for (int i = 0; i < RepeatedXs; ++i) {
            float result = 0.0f;
            compiled.evaluate(repeatedX(i), result);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations() * RepeatedXs);
}

void repeatedBlock(benchmark::State& state, const std::u16string& expression)
{
    std::u16string postfix;
    Cls6().InfixToPostfix(expression, postfix);
    CompiledPostfix compiled(postfix, false);
    std::vector<float> xs(RepeatedXs);
    for (int i = 0; i < RepeatedXs; ++i)
        xs[static_cast<std::size_t>(i)] = repeatedX(i);
    std::vector<float> results(RepeatedXs);
    std::vector<CompiledPostfix::Returned> returned(RepeatedXs);
    std::vector<EngineError> errors;
    for (auto _ : state) {
        compiled.evaluate(xs, results, returned, errors);
        benchmark::DoNotOptimize(results.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * RepeatedXs);
}

void repeatedText(benchmark::State& state, const std::u16string& expression)
{
    std::u16string postfix;
    Cls6 engine;
    engine.InfixToPostfix(expression, postfix);
    for (auto _ : state) {
        for (int i = 0; i < RepeatedXs; ++i) {
            float result = 0.0f;
            engine.DoEvaluate(postfix, False, result, 0, 0, repeatedX(i), 0, 0, 0, 0, 0);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations() * RepeatedXs);
}

// Gives muparser the variable x and the two functions it lacks under our names.
void defineNames(mu::Parser& parser, double& x)
{
    parser.DefineVar("x", &x);
    parser.DefineFun("asech", asech);
    parser.DefineFun("sqr", sqr);
}

void muparserRepeated(benchmark::State& state, const std::string& expression)
{
    mu::Parser parser;
    double x = 0.0;
    defineNames(parser, x);
    parser.SetExpr(expression);
    for (auto _ : state) {
        for (int i = 0; i < RepeatedXs; ++i) {
            x = repeatedX(i);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    state.SetItemsProcessed(state.iterations() * RepeatedXs);
}

void muparserOneShot(benchmark::State& state, const std::string& expression)
{
    mu::Parser parser;
    double x = 0.5;
    defineNames(parser, x);
    for (auto _ : state) {
        parser.SetExpr(expression);
        benchmark::DoNotOptimize(parser.Eval());
    }
}

// The floor of pellitor-calc's table of 2cos(x^2)/x at x = 1 to 1,000,000: libm's cosine of x^2
// alone, which every row needs (its arguments up to 10^12 take the slow argument reduction).
void tableFloor(benchmark::State& state)
{
    constexpr int Rows = 1'000'000;
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 1; i <= Rows; ++i) {
            const double x = static_cast<float>(i);
            sum += std::cos(x * x);
        }
        benchmark::DoNotOptimize(sum);
    }
}

// Linear cost: a 1,000,000-character sum and 1,000,000 characters of nested parentheses.
void largeInputs()
{
    const std::u16string sum = widen(sumOfX(500'000));
    benchmark::RegisterBenchmark("BM_OneShot/sum_1000000_chars", oneShot, sum)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OneShot/nested_1000000_chars", oneShot, widen(nested(499'999)))
        ->Unit(benchmark::kMillisecond);
}
} // namespace

int main(int argc, char** argv)
{
    for (const auto& e : smallExpressions()) {
        benchmark::RegisterBenchmark(("BM_OneShot/" + e.name).c_str(), oneShot, e.ours);
        benchmark::RegisterBenchmark(("BM_MuparserOneShot/" + e.name).c_str(), muparserOneShot, e.muparser);
        benchmark::RegisterBenchmark(("BM_Repeated/" + e.name).c_str(), repeatedCompiled, e.ours);
        benchmark::RegisterBenchmark(("BM_Block/" + e.name).c_str(), repeatedBlock, e.ours);
        benchmark::RegisterBenchmark(("BM_RepeatedText/" + e.name).c_str(), repeatedText, e.ours);
        benchmark::RegisterBenchmark(("BM_MuparserRepeated/" + e.name).c_str(), muparserRepeated, e.muparser);
    }
    largeInputs();
    benchmark::RegisterBenchmark("BM_TableFloor/cos_of_x2_at_1e6_x", tableFloor)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
