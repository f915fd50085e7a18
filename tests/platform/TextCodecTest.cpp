// UTF-16 <-> UTF-8 conversion, including what cannot be converted.
#include "TextCodec.h"

#include <gtest/gtest.h>

using namespace pellitor;

TEST(TextCodec, ConvertsBothWays)
{
    const struct {
        std::u16string text;
        std::string bytes;
    } cases[] = {
        {u"", ""},
        {u"2cos(x^2)/x", "2cos(x^2)/x"},
        {u"\u00e9\u20ac", "\xc3\xa9\xe2\x82\xac"},
        {u"\xd83d\xde00", "\xf0\x9f\x98\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toUtf8(c.text), c.bytes);
        EXPECT_EQ(fromUtf8(c.bytes), c.text);
    }
}

TEST(TextCodec, ReplacesWhatIsMalformed)
{
    EXPECT_EQ(toUtf8(u"a\xd800"
                     "b"),
              "a\xef\xbf\xbd"
              "b");
    EXPECT_EQ(toUtf8(u"\xdc00"), "\xef\xbf\xbd");
    EXPECT_EQ(fromUtf8("a\xff"
                       "b"),
              u"a\xfffd"
              "b");
    EXPECT_EQ(fromUtf8("\xc3"), u"\xfffd");
    EXPECT_EQ(fromUtf8("\xc0\xaf"), u"\xfffd");     // overlong
    EXPECT_EQ(fromUtf8("\xed\xa0\x80"), u"\xfffd"); // encoded surrogate
}
