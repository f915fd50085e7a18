// Installing a service for a scope: the one it replaced comes back, the default last of all.
#include "RecordingMessageBox.h"

#include <gtest/gtest.h>

using pellitor::platform::MessageBox;
using pellitor::testing::RecordingMessageBox;

TEST(Installable, GuardsRestoreWhatTheyReplaced)
{
    ASSERT_EQ(MessageBox::installed(), nullptr);
    {
        RecordingMessageBox outer;
        {
            RecordingMessageBox inner;
            MessageBox::show(u"first", u"Title", 0);
            EXPECT_EQ(inner.shown().size(), 1u);
        }
        EXPECT_EQ(MessageBox::installed(), &outer);
        MessageBox::show(u"second", u"Title", 0);
        ASSERT_EQ(outer.shown().size(), 1u);
        EXPECT_EQ(outer.last().text, u"second");
    }
    EXPECT_EQ(MessageBox::installed(), nullptr);
    ::testing::internal::CaptureStderr();
    MessageBox::show(u"third", u"Title", 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Title: third\n");
}
