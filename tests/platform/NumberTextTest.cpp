// The report's number texts in two locales.
#include "LocaleNumberText.h"
#include "SymbolNumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

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
    const struct {
        float value;
        std::u16string us, de;
    } cases[] = {
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
    const struct {
        float value;
        std::u16string us, de;
    } cases[] = {
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

namespace {

// Random 32-bit floats of every magnitude up to 10^12, and values with an exact tie at the fifth
// decimal (k/32), which must round to even as printf rounds them.
std::vector<float> probes()
{
    std::vector<float> values;
    std::mt19937 random(4);
    std::uniform_real_distribution<double> exponent(-8.0, 12.0);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        values.push_back(static_cast<float>(random() % 2 ? magnitude : -magnitude));
    }
    for (int k = -4000; k <= 4000; ++k)
        values.push_back(static_cast<float>(k) / 32.0f);
    for (int k = -3000; k <= 3000; ++k)
        values.push_back(static_cast<float>(k * 7));
    return values;
}

std::string utf8Of(char* (pellitor::platform::NumberText::*write)(char*, float) const,
                   const pellitor::platform::NumberText& numbers, float value)
{
    char text[pellitor::platform::NumberText::LongestUtf8];
    return std::string(text, (numbers.*write)(text, value));
}

} // namespace

// The texts built from symbols against independent ones: printf's for the C locale, QLocale's
// for a locale with grouping, and each UTF-8 writer against its 16-bit text.
TEST(NumberText, SymbolTextsAgreeWithPrintfAndQLocale)
{
    using pellitor::platform::NumberText;
    const auto plain = pellitor::platform::SymbolNumberText::plain();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const LocaleNumberText us(english);
    for (const float value : probes()) {
        char expected[128];
        std::snprintf(expected, sizeof expected, "%.4f", static_cast<double>(value));
        std::string printed = expected;
        if (printed.find_first_of("123456789") == std::string::npos && printed.front() == '-')
            printed.erase(0, 1); // a value that rounds to zero shows no minus sign
        ASSERT_EQ(show(plain.fourDecimals(value)), printed) << value;
        ASSERT_EQ(utf8Of(&NumberText::writeFourDecimals, plain, value), printed) << value;

        // QLocale rounds an exact tie away from zero, the texts (as always) to even: there the
        // grouped text is printf's with separators.
        const double scaled = std::fabs(static_cast<double>(value)) * 1e4;
        if (scaled - std::floor(scaled) != 0.5) {
            QString grouped = english.toString(std::fabs(static_cast<double>(value)), 'f', 4);
            if (value < 0 && printed.front() == '-')
                grouped.prepend(u'-');
            ASSERT_EQ(show(us.fourDecimals(value)), grouped.toStdString()) << value;
            ASSERT_EQ(utf8Of(&NumberText::writeFourDecimals, us, value), grouped.toStdString()) << value;
        }

        ASSERT_EQ(utf8Of(&NumberText::writeGeneral, plain, value), show(plain.general(value))) << value;
        if (std::fabs(value) < 1e7f && value == std::trunc(value)) {
            ASSERT_EQ(show(plain.general(value)), std::to_string(static_cast<int>(value))) << value;
        }
    }
}
