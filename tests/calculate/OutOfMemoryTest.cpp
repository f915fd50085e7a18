// The Calculate command when an allocation fails: wherever in the run it fails, the command shows
// "Out of memory." and returns, and the next run calculates as usual.
#include "CalculateCommand.h"
#include "FailingAllocations.h"
#include "FakeCalculateView.h"
#include "LocaleNumberText.h"

#include <gtest/gtest.h>

#include <string>

using namespace pellitor;
using Outcome = CalculateCommand::Outcome;
using pellitor::testing::FailingAllocations;

namespace {

// x+x+...+x with 100,000 terms: every working copy of it takes at least 200 KB.
std::u16string longSum()
{
    std::u16string text;
    for (int i = 0; i < 99999; ++i)
        text += u"x+";
    return text + u"x";
}

} // namespace

TEST(CalculateCommandMemory, EveryFailedAllocationGivesTheBox)
{
    const platform::LocaleNumberText numbers(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::u16string expression = longSum();
    int failures = 0;
    for (std::size_t nth = 1; nth < 100; ++nth) {
        pellitor::testing::FakeCalculateView view;
        const auto& boxes = view.messages;
        view.expression = expression;
        view.parameter = std::u16string(u"2"); // not = u"2": g++ 12 -O2 warns falsely (-Wrestrict)
        Outcome outcome;
        bool failed = false;
        {
            const FailingAllocations failing(nth, 200000);
            outcome = CalculateCommand(view, numbers).run();
            failed = failing.failed();
        }
        if (!failed) {
            // Past the last allocation of the text's size: the run went through.
            EXPECT_EQ(outcome, Outcome::Value);
            EXPECT_TRUE(view.result.ends_with(u"\r\n  x=2\r\n  y=200,000.0000"));
            EXPECT_TRUE(boxes.empty());
            break;
        }
        ++failures;
        EXPECT_EQ(outcome, Outcome::OutOfMemory) << "allocation " << nth;
        ASSERT_EQ(boxes.shown().size(), 1u) << "allocation " << nth;
        EXPECT_EQ(boxes.last().text, u"Out of memory.");
        EXPECT_EQ(boxes.last().title, u"Error");
        EXPECT_EQ(boxes.last().style, 48);
    }
    // The input box's copy, the check, the rewriting, the report, the postfix text, ...
    EXPECT_GE(failures, 6);
}
