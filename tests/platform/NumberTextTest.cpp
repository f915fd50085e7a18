// The report's number texts in two locales.
#include "LocaleNumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

using namespace pellitor::platform;

namespace {

std::string show(const std::u16string& text)
{
    return QString::fromStdU16String(text).toStdString();
}

} // namespace

TEST(NumberText, GeneralForm)
{
    const LocaleNumberText us(QLocale(QLocale::English, QLocale::UnitedStates));
    const LocaleNumberText de(QLocale(QLocale::German, QLocale::Germany));
    const struct { float value; std::u16string us, de; } cases[] = {
        {1.0f, u"1", u"1"},
        {2.0f, u"2", u"2"},
        {0.0f, u"0", u"0"},
        {-0.0f, u"0", u"0"},
        {1.5f, u"1.5", u"1,5"},
        {-2.25f, u"-2.25", u"-2,25"},
        {0.1f, u"0.1", u"0,1"},
        {1.0806046f, u"1.080605", u"1,080605"},
        {1234567.0f, u"1234567", u"1234567"},
        {9999999.0f, u"9999999", u"9999999"},
        {12345678.0f, u"1.234568E+07", u"1,234568E+07"},
        {10000000.0f, u"1E+07", u"1E+07"},
        {123456.7f, u"123456.7", u"123456,7"},
        {0.0001f, u"0.0001", u"0,0001"},
        {0.00012345678f, u"0.0001234568", u"0,0001234568"},
        {0.00001f, u"1E-05", u"1E-05"},
        {-0.000015f, u"-1.5E-05", u"-1,5E-05"},
        {FLT_MAX, u"3.402823E+38", u"3,402823E+38"},
        {1e-45f, u"1.401298E-45", u"1,401298E-45"},
        {-0.12345f, u"-0.12345", u"-0,12345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(show(us.general(c.value)), show(c.us)) << c.value;
        EXPECT_EQ(show(de.general(c.value)), show(c.de)) << c.value;
    }
}

TEST(NumberText, FourDecimals)
{
    const LocaleNumberText us(QLocale(QLocale::English, QLocale::UnitedStates));
    const LocaleNumberText de(QLocale(QLocale::German, QLocale::Germany));
    const struct { float value; std::u16string us, de; } cases[] = {
        {1234.5f, u"1,234.5000", u"1.234,5000"},
        {0.5f, u"0.5000", u"0,5000"},
        {0.0f, u"0.0000", u"0,0000"},
        {1.0806046f, u"1.0806", u"1,0806"},
        {-1234567.0f, u"-1,234,567.0000", u"-1.234.567,0000"},
        {0.00006f, u"0.0001", u"0,0001"},
        {0.99999f, u"1.0000", u"1,0000"},
        {-0.00001f, u"0.0000", u"0,0000"},
        {-0.0f, u"0.0000", u"0,0000"},
        {FLT_MAX, u"340,282,346,638,528,859,811,704,183,484,516,925,440.0000",
         u"340.282.346.638.528.859.811.704.183.484.516.925.440,0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(show(us.fourDecimals(c.value)), show(c.us)) << c.value;
        EXPECT_EQ(show(de.fourDecimals(c.value)), show(c.de)) << c.value;
    }
}
