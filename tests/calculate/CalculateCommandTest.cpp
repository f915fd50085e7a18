// The Calculate command: the three report forms, the boxes it shows, what it leaves in the window.
#include "CalculateCommand.h"
#include "Cls6.h"
#include "FakeCalculateView.h"
#include "LocaleNumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

using namespace pellitor;
using Outcome = CalculateCommand::Outcome;

namespace {

using FakeView = pellitor::testing::FakeCalculateView;

enum class Angle { Arc, Angle, Neither };

std::string show(const std::u16string& text)
{
    return QString::fromStdU16String(text).toStdString();
}

const platform::LocaleNumberText& unitedStates()
{
    static const platform::LocaleNumberText numbers(QLocale(QLocale::English, QLocale::UnitedStates));
    return numbers;
}

Outcome run(FakeView& view)
{
    return CalculateCommand(view, unitedStates()).run();
}

} // namespace

TEST(CalculateCommand, WritesTheReport)
{
    const struct {
        std::u16string expression, parameter;
        Angle angle;
        Outcome outcome;
        std::u16string report;
    } cases[] = {
        {u"2cos(x^2)/x", u"1", Angle::Arc, Outcome::Value, u"Function y=2cos(x^2)/x\r\n  x=1\r\n  y=1.0806"},
        // the report shows the cleaned text; the engine gets 2*x
        {u"2 x", u"1,5", Angle::Arc, Outcome::Value, u"Function y=2x\r\n  x=1.5\r\n  y=3.0000"},
        {u"", u"", Angle::Arc, Outcome::Value, u"Function y=0\r\n  x=0\r\n  y=0.0000"},
        {u"x*1000+234.5", u"1", Angle::Arc, Outcome::Value, u"Function y=x*1000+234.5\r\n  x=1\r\n  y=1,234.5000"},
        {u"x", u"-", Angle::Arc, Outcome::Value, u"Function y=x\r\n  x=0\r\n  y=0.0000"},
        {u"x", u"1-2", Angle::Arc, Outcome::Value, u"Function y=x\r\n  x=1\r\n  y=1.0000"},
        {u"x/3", u"-0.5", Angle::Arc, Outcome::Value, u"Function y=x/3\r\n  x=-0.5\r\n  y=-0.1667"},
        {u"x", u"123456789", Angle::Arc, Outcome::Value, u"Function y=x\r\n  x=1.234568E+08\r\n  y=123,456,792.0000"},
        {u"sin(x)", u"30", Angle::Angle, Outcome::Value, u"Function y=sin(x)\r\n  x=30\r\n  y=0.5000"},
        {u"sin(x)", u"30", Angle::Arc, Outcome::Value, u"Function y=sin(x)\r\n  x=30\r\n  y=-0.9880"},
        {u"sin(x)", u"30", Angle::Neither, Outcome::Value, u"Function y=sin(x)\r\n  x=30\r\n  y=-0.9880"},
        {u"1/x", u"0", Angle::Arc, Outcome::CannotCalculate,
         u"Function y=1/x\r\n  x=0\r\n  Can not calculate the expression at x=0"},
        {u"sqr(x)", u"-2.5", Angle::Arc, Outcome::CannotCalculate,
         u"Function y=sqr(x)\r\n  x=-2.5\r\n  Can not calculate the expression at x=-2.5"},
        // a result that happens to be the failure value is reported as a failure
        {u"-0.12345", u"0", Angle::Arc, Outcome::CannotCalculate,
         u"Function y=-0.12345\r\n  x=0\r\n  Can not calculate the expression at x=0"},
        {u"2+y", u"1", Angle::Arc, Outcome::SyntaxFault, u"Function y=2+y\r\n"},
        {u"  ", u"1", Angle::Arc, Outcome::SyntaxFault, u"Function y=\r\n"},
    };
    for (const auto& c : cases) {
        FakeView view;
        const auto& boxes = view.messages;
        view.expression = c.expression;
        view.parameter = c.parameter;
        view.arc = c.angle == Angle::Arc;
        view.angle = c.angle == Angle::Angle;
        EXPECT_EQ(run(view), c.outcome) << show(c.expression);
        EXPECT_EQ(show(view.result), show(c.report));
        EXPECT_EQ(boxes.empty(), c.outcome != Outcome::SyntaxFault) << show(c.expression);
    }
}

TEST(CalculateCommand, ComparesWithTheFailureValueExactly)
{
    // x itself is the result; the float one unit in the last place away is a value like any other.
    const float neighbour = std::nextafter(Cls6::FailureValue, -1.0f);
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(neighbour));
    const std::u16string neighbourText(text, text + std::char_traits<char>::length(text));

    const struct {
        std::u16string parameter;
        Outcome outcome;
    } cases[] = {
        {u"-0.12345", Outcome::CannotCalculate},
        {neighbourText, Outcome::Value},
    };
    for (const auto& c : cases) {
        FakeView view;
        view.expression = u"x";
        view.parameter = c.parameter;
        EXPECT_EQ(run(view), c.outcome) << show(c.parameter);
    }
}

TEST(CalculateCommand, StopsWithAWarning)
{
    const std::u16string earlier = u"Function y=1\r\n  x=0\r\n  y=1.0000";
    const struct {
        std::u16string expression, parameter;
        Outcome outcome;
        std::u16string message;
        std::u16string expressionAfter, parameterAfter, reportAfter;
    } cases[] = {
        // a refused expression leaves all three boxes as they were
        {u"x = 1", u"1 ,5", Outcome::ExpressionRefused, u"The expression is illegal.", u"x = 1", u"1 ,5", earlier},
        {u"2\tx", u"1", Outcome::ExpressionRefused, u"The expression is illegal.", u"2\tx", u"1", earlier},
        // a refused parameter comes after the expression box was cleaned
        {u"2 x", u"+3", Outcome::ParameterRefused, u"Illegal data exist.", u"2x", u"+3", earlier},
        {u"2 x", u"1e5", Outcome::ParameterRefused, u"Illegal data exist.", u"2x", u"1e5", earlier},
        // beyond the 32-bit range nothing is calculated; the report keeps its first line
        {u"x", u"1" + std::u16string(39, u'0'), Outcome::ParameterOutOfRange,
         u"The parameter is beyond the range of a 32-bit number.", u"x", u"1" + std::u16string(39, u'0'),
         u"Function y=x\r\n"},
        // an error raised in the evaluation is shown, and the report keeps its first line
        {u"10^39", u"0", Outcome::EngineFault, u"Overflow", u"10^39", u"0", u"Function y=10^39\r\n"},
        {u"exp(x)", u"1000", Outcome::EngineFault, u"Overflow", u"exp(x)", u"1000", u"Function y=exp(x)\r\n"},
    };
    for (const auto& c : cases) {
        FakeView view;
        const auto& boxes = view.messages;
        view.result = earlier;
        view.expression = c.expression;
        view.parameter = c.parameter;
        EXPECT_EQ(run(view), c.outcome) << show(c.expression);
        ASSERT_EQ(boxes.shown().size(), 1u) << show(c.expression);
        EXPECT_EQ(show(boxes.last().text), show(c.message));
        EXPECT_EQ(show(boxes.last().title), "Error");
        EXPECT_EQ(boxes.last().style, 48);
        EXPECT_EQ(show(view.expression), show(c.expressionAfter));
        EXPECT_EQ(show(view.parameter), show(c.parameterAfter));
        EXPECT_EQ(show(view.result), show(c.reportAfter));
    }
}

TEST(CalculateCommand, ReplacesAnEarlierReport)
{
    FakeView view;
    const auto& boxes = view.messages;
    view.expression = u"x+1";
    view.parameter = u"2";
    ASSERT_EQ(run(view), Outcome::Value);
    view.expression = u"(x+1";
    EXPECT_EQ(run(view), Outcome::SyntaxFault);
    EXPECT_EQ(show(view.result), "Function y=(x+1\r\n");
    EXPECT_EQ(show(boxes.last().title), "Syntax Error");
    // the command keeps nothing between runs
    view.expression = u"x+1";
    EXPECT_EQ(run(view), Outcome::Value);
    EXPECT_EQ(show(view.result), "Function y=x+1\r\n  x=2\r\n  y=3.0000");
}

TEST(CalculateCommand, SurvivesAnyInput)
{
    // Whatever the texts, the report has the form that the outcome names, and a box is shown
    // exactly when the outcome says so. The expressions come mostly well formed from a small
    // grammar, with now and then a piece out of place.
    std::mt19937 random(20261207);
    const auto pick = [&random](auto& items) -> decltype(auto) {
        return items[std::uniform_int_distribution<std::size_t>(0, std::size(items) - 1)(random)];
    };
    const std::u16string_view numbers[] = {u"0", u"2", u".5", u"9", u"1,5", u"99999", u"x", u"x", u"pi"};
    const std::u16string_view functions[] = {u"sin", u"log", u"sqr", u"exp", u"atanh", u"acos", u"int", u"actanh"};
    const std::u16string_view operators[] = {u"+", u"-", u"*", u"/", u"^", u"", u" "};
    const std::u16string_view strays[] = {u"(", u")", u"+", u"*", u"y", u".", u"sin"};
    std::function<std::u16string(int)> expression = [&](int depth) {
        std::u16string out;
        for (int n = std::uniform_int_distribution<int>(1, 3)(random); n > 0; --n) {
            switch (depth > 0 ? std::uniform_int_distribution<int>(0, 5)(random) : 0) {
            case 1: out += u"(" + expression(depth - 1) + u")"; break;
            case 2: out += std::u16string(pick(functions)) + u"(" + expression(depth - 1) + u")"; break;
            case 3: out += u"-" + expression(depth - 1); break;
            default: out += pick(numbers); break;
            }
            if (n > 1)
                out += pick(operators);
        }
        if (std::uniform_int_distribution<int>(0, 9)(random) == 0)
            out.insert(std::uniform_int_distribution<std::size_t>(0, out.size())(random), pick(strays));
        return out;
    };
    const auto parameter = [&] {
        const std::u16string_view alphabet = u"0123456789.-";
        std::u16string out(std::uniform_int_distribution<std::size_t>(0, 6)(random), u' ');
        for (char16_t& c : out)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        return out;
    };

    for (int i = 0; i < 3000; ++i) {
        FakeView view;
        const auto& boxes = view.messages;
        view.expression = expression(3);
        view.parameter = parameter();
        // now and then a character that a check refuses
        if (i % 37 == 0)
            (i % 2 ? view.expression : view.parameter).insert(0, i % 3 ? u"=" : u"\t");
        const std::u16string input = view.expression;
        const Outcome outcome = run(view);
        const bool boxShown = outcome != Outcome::Value && outcome != Outcome::CannotCalculate
                              && outcome != Outcome::NoValue;
        ASSERT_EQ(boxes.shown().size(), boxShown ? 1u : 0u) << show(input);
        if (outcome == Outcome::Value || outcome == Outcome::CannotCalculate) {
            const std::u16string marker = outcome == Outcome::Value ? u"\r\n  y=" : u"\r\n  Can not calculate";
            EXPECT_NE(view.result.find(marker), std::u16string::npos) << show(input);
        } else if (outcome == Outcome::ExpressionRefused || outcome == Outcome::ParameterRefused) {
            EXPECT_TRUE(view.result.empty()) << show(input);
        } else {
            EXPECT_TRUE(view.result.starts_with(u"Function y=") && view.result.ends_with(u"\r\n")) << show(input);
            EXPECT_EQ(view.result.find(u"\r\n"), view.result.size() - 2) << show(input);
        }
    }
}

TEST(CalculateCommand, HandlesVeryLongInput)
{
    const struct {
        std::u16string expression;
        Outcome outcome;
    } cases[] = {
        {std::u16string(200000, u'('), Outcome::SyntaxFault},
        {std::u16string(100000, u'(') + u"x" + std::u16string(100000, u')'), Outcome::Value},
        {u"1" + std::u16string(100000, u'0'), Outcome::EngineFault},
    };
    for (const auto& c : cases) {
        FakeView view;
        view.expression = c.expression;
        view.parameter = u"2";
        EXPECT_EQ(run(view), c.outcome) << c.expression.size();
    }
}
