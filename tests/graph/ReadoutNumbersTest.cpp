// The readout's numbers in English and German: y as the report writes it where that shows four
// significant digits in twelve characters, else in scientific form; x in full, to a pixel, or to
// the run of x that share an extremum's y.
#include "ReadoutNumbers.h"
#include "LocaleNumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using pellitor::graph::ReadoutNumbers;

namespace {

const pellitor::platform::LocaleNumberText English(QLocale(QLocale::English, QLocale::UnitedStates));
const pellitor::platform::LocaleNumberText German(QLocale(QLocale::German, QLocale::Germany));

} // namespace

TEST(ReadoutNumbers, YAsTheReportWritesItWhereThatShowsIt)
{
    const struct {
        float y;
        const char* english;
        const char* german;
    } cases[] = {
        {3.5f, "3.5000", "3,5000"},
        {-1.1435f, "-1.1435", "-1,1435"},
        {1234.5f, "1,234.5000", "1.234,5000"},
        {0.0f, "0.0000", "0,0000"},
        {5e-12f, "5.000000E-12", "5,000000E-12"},        // the report's 0.0000 shows nothing of it
        {0.0012f, "1.200000E-03", "1,200000E-03"},       // two significant digits only
        {9.75038e35f, "9.750380E+35", "9,750380E+35"},   // 36 digits
        {12345678.0f, "1.234568E+07", "1,234568E+07"},   // 15 characters
        {123456.78f, "123,456.7812", "123.456,7812"},    // 12 characters (the report rounds the tie to even)
        {-123456.78f, "-1.234568E+05", "-1,234568E+05"}, // 13
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadoutNumbers(English).y(c.y).toStdString(), c.english) << c.y;
        EXPECT_EQ(ReadoutNumbers(German).y(c.y).toStdString(), c.german) << c.y;
    }
}

TEST(ReadoutNumbers, XInFullToAPixelOrToItsRun)
{
    const ReadoutNumbers english(English);
    const ReadoutNumbers german(German);
    EXPECT_EQ(english.x(0.0436681211f).toStdString(), "0.0436681211");
    EXPECT_EQ(german.x(-2.5f).toStdString(), "-2,5");
    const struct {
        float x;
        double pixel;
        const char* text;
    } toAPixel[] = {
        {0.53f, 0.035, "0.53"}, {0.0012f, 0.035, "0.00"}, {-0.001f, 0.035, "0.00"},           {12.3456f, 0.01, "12.35"},
        {-3.0f, 2.0, "-3"},     {1e8f, 1e5, "1E+08"},     {123456789.0f, 1e3, "1.23457E+08"},
    };
    for (const auto& c : toAPixel)
        EXPECT_EQ(english.x(c.x, c.pixel).toStdString(), c.text) << c.x << " to " << c.pixel;
    // 2cos(x^2)/x has its least y at 244 neighbouring x: 1.7248 names one of them, 1.725 none.
    EXPECT_EQ(english.run(1.724722f, 1.7248439f, 1.724965f).toStdString(), "1.7248");
    EXPECT_EQ(german.run(-1.724965f, -1.7248439f, -1.724722f).toStdString(), "-1,7248");
    EXPECT_EQ(english.run(1.5f, 1.5f, 1.5f).toStdString(), "1.5");
    EXPECT_EQ(english.run(0.1f, 0.1f, 0.1f).toStdString(), "0.1");
}

// The 32-bit ends, the least subnormal and the greatest number, written in the signs the report
// writes them in: its decimal sign, its minus, its "E". Where y takes the scientific form, its
// seven significant digits are the report's own general form.
TEST(ReadoutNumbers, TheEndsOfTheRangeInTheReportsSigns)
{
    const struct {
        float value;
        double pixel; // 0: x in full
        const char* x;
        const char* y;
    } cases[] = {
        {-1.40129846e-45f, 0.0, "-1.40129846E-45", "-1.401298E-45"},
        {1.17549435e-38f, 0.0, "1.17549435E-38", "1.175494E-38"},
        {3.40282347e38f, 0.0, "3.40282347E+38", "3.402823E+38"},
        {-3.40282347e38f, 1e36, "-3.4E+38", "-3.402823E+38"},
        {-1.40129846e-45f, 1e-46, "-1.4E-45", "-1.401298E-45"},
    };
    for (const auto& c : cases) {
        for (const auto* numbers : {&English, &German}) {
            const bool german = numbers == &German;
            const auto inSigns = [german](std::string text) {
                if (german)
                    std::replace(text.begin(), text.end(), '.', ',');
                return text;
            };
            const ReadoutNumbers readout(*numbers);
            const QString x = c.pixel > 0.0 ? readout.x(c.value, c.pixel) : readout.x(c.value);
            EXPECT_EQ(x.toStdString(), inSigns(c.x)) << c.value << (german ? " German" : " English");
            EXPECT_EQ(readout.y(c.value).toStdString(), inSigns(c.y)) << c.value << (german ? " German" : " English");
            EXPECT_EQ(readout.y(c.value), QString::fromStdU16String(numbers->general(c.value))) << c.value;
        }
    }
}
