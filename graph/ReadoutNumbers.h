// The numbers that the graph's readout and its words on a jump show, in the user's number format:
// a y as the report writes it where that shows it (four significant digits or more, in twelve
// characters or fewer), else with seven significant digits in scientific form ("5.000000E-12");
// an x with all its digits (typed, or found by a jump), with the digits that one pixel resolves
// (the pointer's), or with those that a run of x sharing one y supports (an extremum's).
#pragma once

#include "NumberText.h"

#include <QString>

#include <string_view>

namespace pellitor::graph {

class ReadoutNumbers {
public:
    explicit ReadoutNumbers(const platform::NumberText& numbers);

    QString y(float y) const;
    // All nine significant digits, which tell a 32-bit x from its neighbours.
    QString x(float x) const;
    // The digits of x that a pixel pixel wide (in x) resolves.
    QString x(float x, double pixel) const;
    // The fewest significant digits that still name an x from from to to, rounded from middle.
    QString run(float from, float middle, float to) const;

    // A number written with ASCII digits, "." and "-" in the user's signs.
    QString localized(std::string_view ascii) const;

private:
    const platform::NumberText& m_numbers;
    QString m_separator;
    QString m_minus;
};

} // namespace pellitor::graph
