// Fuzzes the whole Calculate command: any expression text and parameter text, either, both or
// neither angle option, through the same widget-free command the window runs, with a fake view,
// recording number texts and a recording message box.
//
// Input: one byte of option bits (1 "Arc", 2 "Angle"), then the expression, a 0 byte, and the
// parameter (texts decoded as FuzzSupport.h says).
//
// Always: a refused expression leaves all three boxes as they were, a refused parameter leaves the
// parameter and the report; otherwise the report begins with "Function y=", the cleaned expression
// and a line break. A box is shown exactly for the outcomes that say so, and only then is the
// report cut after its first line. The translator's result is 0 exactly when no "Syntax Error" box
// came. A reported x or y is never inf or NaN, and the report ends with the texts made of them.
// A second run on the texts the first one left gives the same report (unless RND is in the
// expression, or a cleaned text is empty, which the check then turns into "0").
#include "CalculateCommand.h"
#include "Cls6.h"
#include "Der.h"
#include "FakeCalculateView.h"
#include "FuzzSupport.h"
#include "NumberText.h"
#include "PostfixShape.h"
#include "RecordingMessageBox.h"

#include <charconv>
#include <cmath>
#include <string>

using namespace pellitor;
using Outcome = CalculateCommand::Outcome;

namespace {

using FakeView = testing::FakeCalculateView;

// Plain texts of the numbers, after a check that no infinity or NaN is ever reported.
class CheckingNumbers final : public platform::NumberText {
public:
    std::u16string general(float value) const override
    {
        FUZZ_CHECK(std::isfinite(value));
        return u"x:" + plain(value);
    }
    std::u16string fourDecimals(float value) const override
    {
        FUZZ_CHECK(std::isfinite(value));
        return u"y:" + plain(value);
    }

private:
    static std::u16string plain(float value)
    {
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        return std::u16string(buffer, end);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    const auto options = input.read<std::uint8_t>();
    const std::string_view rest = input.rest();
    const std::size_t split = rest.find('\0');

    FakeView view;
    view.result = u"earlier report";
    view.arc = options & 1;
    view.angle = options & 2;
    view.expression = fuzz::decodeText(rest.substr(0, split));
    view.parameter = split == std::string_view::npos ? u"" : fuzz::decodeText(rest.substr(split + 1));
    const FakeView before = view;

    const testing::RecordingMessageBox& boxes = view.messages;
    const CheckingNumbers numbers;
    const Outcome outcome = CalculateCommand(view, numbers).run();

    const bool boxExpected = outcome != Outcome::Value && outcome != Outcome::CannotCalculate
                             && outcome != Outcome::NoValue;
    FUZZ_CHECK(boxes.shown().size() == (boxExpected ? 1u : 0u));

    std::u16string cleaned;
    const bool expressionPasses = Der::CheckExpression(before.expression, cleaned) != 0;
    FUZZ_CHECK(expressionPasses == (outcome != Outcome::ExpressionRefused));
    if (!expressionPasses) {
        FUZZ_CHECK(boxes.last().text == u"The expression is illegal." && boxes.last().title == u"Error");
        FUZZ_CHECK(view.expression == before.expression && view.parameter == before.parameter);
        FUZZ_CHECK(view.resultWrites == 0);
        return 0;
    }
    FUZZ_CHECK(view.expression == cleaned);

    std::u16string cleanedParameter;
    const bool parameterPasses = Der::CheckParameter(before.parameter, cleanedParameter) != 0;
    FUZZ_CHECK(parameterPasses == (outcome != Outcome::ParameterRefused));
    if (!parameterPasses) {
        FUZZ_CHECK(boxes.last().text == u"Illegal data exist." && boxes.last().title == u"Error");
        FUZZ_CHECK(view.parameter == before.parameter && view.resultWrites == 0);
        return 0;
    }
    FUZZ_CHECK(view.parameter == cleanedParameter);

    const std::u16string firstLine = u"Function y=" + cleaned + u"\r\n";
    FUZZ_CHECK(view.result.starts_with(firstLine));

    switch (outcome) {
    case Outcome::SyntaxFault:
        FUZZ_CHECK(boxes.last().title == u"Syntax Error" && boxes.last().text.starts_with(u"Character "));
        FUZZ_CHECK(view.result == firstLine);
        break;
    case Outcome::ParameterOutOfRange:
    case Outcome::EngineFault:
        FUZZ_CHECK(boxes.last().title == u"Error" && boxes.last().style == 48);
        FUZZ_CHECK(view.result == firstLine);
        break;
    case Outcome::NoValue: FUZZ_CHECK(view.result == firstLine); break;
    case Outcome::CannotCalculate:
    case Outcome::Value: {
        const std::u16string_view report(std::u16string_view(view.result).substr(firstLine.size()));
        FUZZ_CHECK(report.starts_with(u"  x=x:"));
        const std::size_t lineEnd = report.find(u"\r\n");
        FUZZ_CHECK(lineEnd != std::u16string_view::npos);
        const std::u16string_view xText = report.substr(4, lineEnd - 4);
        const std::u16string_view last = report.substr(lineEnd + 2);
        if (outcome == Outcome::Value)
            FUZZ_CHECK(last.starts_with(u"  y=y:") && last.find(u"\r\n") == std::u16string_view::npos);
        else
            FUZZ_CHECK(last == u"  Can not calculate the expression at x=" + std::u16string(xText));
        break;
    }
    default: FUZZ_CHECK(!"an outcome the command never reaches here");
    }

    // The translator, run once more on what the command gave it, agrees with the outcome.
    if (outcome != Outcome::ParameterOutOfRange) {
        testing::RecordingMessageBox again;
        std::u16string postfix;
        const std::int32_t translated = Cls6(again).InfixToPostfix(Der::InsertMultiplication(cleaned), postfix);
        FUZZ_CHECK((translated == 0) == again.empty());
        FUZZ_CHECK((translated != 0) == (outcome == Outcome::SyntaxFault));
        FUZZ_CHECK(translated != 0 || fuzz::isWellFormedPostfix(postfix));
        FUZZ_CHECK((outcome == Outcome::NoValue) == (translated == 0 && postfix.empty()));
    }

    std::u16string upper = cleaned;
    for (char16_t& c : upper)
        c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    if (!cleaned.empty() && !cleanedParameter.empty() && upper.find(u"RND") == std::u16string::npos) {
        const std::size_t boxesBefore = boxes.shown().size();
        const std::u16string firstReport = view.result;
        FUZZ_CHECK(CalculateCommand(view, numbers).run() == outcome);
        FUZZ_CHECK(view.result == firstReport && view.expression == cleaned && view.parameter == cleanedParameter);
        FUZZ_CHECK(boxes.shown().size() == 2 * boxesBefore);
    }
    return 0;
}
