// Where two curves meet: the next intersection from an x in a direction, found down to
// neighbouring 32-bit x as a zero is, and every intersection within a view. Qt-free.
#pragma once

#include "CurveReading.h"
#include "PlotSpan.h"

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace pellitor::graph {

// An intersection: its x, and each curve's y there.
struct Intersection {
    float x;
    float y;      // the first curve's
    float otherY; // the second curve's
};

// A search along x from a start, column by column, for the next x where the difference f - g
// (in 64 bits, of the report's 32-bit y) is 0, or of two neighbouring 32-bit x across which it
// changes sign without a jump the one with the smaller |f - g|. Where either curve has no value
// or the difference steps by more than two pixels between neighbouring x (a pole or a jump of
// either), the sign change is no intersection. In slices, as FeatureSearch: step() goes on until
// an intersection is found or the search has gone limitWidths view widths.
class IntersectionSearch {
public:
    enum class State { Searching, Found, NotFound };

    // columns and rows are the view's in pixels; the search starts just beyond start (an
    // intersection at start itself is the one found before), towards direction (+1: larger x).
    IntersectionSearch(ValueAt f, ValueAt g, float start, int direction, const plot::Span& xs, const plot::Span& ys,
                       int columns, int rows, double limitWidths = 100.0);

    // Evaluates at most steps more columns.
    State step(int steps);
    State state() const { return m_state; }
    const std::optional<Intersection>& found() const { return m_found; }
    // How far the search goes: the last x it would look at.
    double limit() const { return m_limit; }

private:
    struct Sample {
        float x;
        std::optional<double> difference;
    };
    void look(const Sample& previous, const Sample& next);
    void take(float x);

    ValueAt m_f;
    ValueAt m_g;
    plot::Curve m_difference;
    float m_start;
    int m_direction;
    double m_step;
    double m_limit;
    double m_largestStep;
    std::int64_t m_done = 0;
    Sample m_previous;
    State m_state = State::Searching;
    std::optional<Intersection> m_found;
};

// f - g in 64 bits at a 32-bit x, nothing where either has no value.
plot::Curve differenceOf(const ValueAt& f, const ValueAt& g);

// Every intersection within the view xs (columns pixels wide; rows high over ys), by the rule of
// the search, looking at the x of each column's edge, in order of x. A stop requested through
// stop ends it between two columns, with those found so far.
std::vector<Intersection> intersectionsIn(const ValueAt& f, const ValueAt& g, const plot::Span& xs,
                                          const plot::Span& ys, int columns, int rows, std::stop_token stop = {});

} // namespace pellitor::graph
