// The digits of a computed value that its error estimate allows, as plain text that the window and
// pellitor-calc both show: "0.693147180559945", "6", "1.2346E+05", "0". The caller puts in the
// user's decimal sign. Qt-free.
#pragma once

#include <string>

namespace pellitor::graph {

// The significant digits of value down to the place of the first digit of error, its estimated
// error (that digit is the uncertain one), at most `most`; 0 or less where the error reaches the
// value's first digit.
int significantDigits(double value, double error, int most = 15);

// value rounded to digits significant digits, trailing zeros dropped, "." as the point, in
// exponent form ("1.2346E+05", "2.5E-07") where the plain form would hold more places than the
// digits (as printf's %g chooses); "0" where it rounds to 0 or digits is 0 or less.
std::string withDigits(double value, int digits);

// value with the digits that its error allows, at most `most`.
std::string withError(double value, double error, int most = 15);

// The number with the fewest significant digits (at most `most`) within `within` of value: 0
// where that lies within, else value rounded to as few digits as stay within, written as
// withDigits writes it: a place known only to lie within an interval ("diverges at x=0" for a
// pole known to lie within 3E-20 of 3E-20, "0.3" for one within 1E-16 of 0.29999999999999993).
std::string shortestWithin(double value, double within, int most = 9);

// An error estimate with two significant digits, rounded up so that it stays a bound ("7.7E-16").
std::string errorBound(double error);

} // namespace pellitor::graph
