// Reading a curve exactly: its zeros, minima, maxima and breaks (poles, gaps, jumps), each found
// down to neighbouring 32-bit x with the same evaluation that the report uses, over the pieces of
// a drawing or in a search along x. Qt-free.
#pragma once

#include "PlotSamples.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

namespace pellitor::graph {

// y at a 32-bit x as the report gives it, or nothing where the report gives no value.
using ValueAt = std::function<std::optional<float>(float)>;
// y at a 64-bit x before its rounding to 32 bits, or nothing where the report would give no value:
// for slopes and areas.
using ValueAtDouble = std::function<std::optional<double>(double)>;

struct Feature {
    enum class Kind { Zero, Minimum, Maximum, Pole, Gap, Jump };
    Kind kind;
    float x;
    std::optional<float> y; // y at x, where there is one
    // An extremum's run: the neighbouring 32-bit x from runFrom to runTo that all give its y, x
    // in their middle. Equal (and unread) for the other kinds.
    float runFrom = 0.0f;
    float runTo = 0.0f;
};

// The 32-bit x next to x in direction (+1 or -1), and the one halfway between a and b in the
// order of all 32-bit numbers (a or b when they are neighbours).
float nextSingle(float x, int direction);
float middleSingle(float a, float b);

// A zero between a and b, whose y have opposite signs: a 32-bit x where y is 0, or the one of two
// neighbouring x with the smaller |y| where y changes sign. Nothing where y has no value on the
// way or the sign change is a jump (its step over neighbouring x exceeds largestStep).
std::optional<Feature> zeroBetween(const ValueAt& value, float a, float b, double largestStep);
// The same for a y in 64 bits at a 32-bit x, such as the difference of two curves: the x found
// and the y there.
struct SignChange {
    float x;
    double y;
};
std::optional<SignChange> signChangeBetween(const plot::Curve& value, float a, float b, double largestStep);
// The extremum between a and b that a sample m between them shows, y(m) above (maximum) or
// below (minimum) both ends: found down to neighbouring 32-bit x, each of which it is not below
// (not above), and reported at the middle of the run of neighbouring x that share its y (so
// that a mirrored curve gives the mirrored x).
std::optional<Feature> extremumBetween(const ValueAt& value, float a, float b, bool maximum);

// The zeros, extrema and breaks of a drawing's pieces, in order of x: zeros and extrema where
// consecutive points show them, breaks between pieces. The first exactEach zeros, minima and
// maxima are pinned down to neighbouring 32-bit x; those after them (a fast sine has thousands)
// are given at the point that shows them. A stop requested through stop ends it between two
// points, with the features found so far.
std::vector<Feature> featuresOf(const plot::Pieces& pieces, const ValueAt& value, const plot::Span& ys, int rows,
                                std::size_t exactEach = 10, std::stop_token stop = {});

// A search along x from a start, column by column, for the next feature of one kind, in slices
// so that the window never waits long: step() goes on until the feature is found or the search
// has gone limit view widths.
class FeatureSearch {
public:
    enum class Looking { Zero, Extremum, Break };
    enum class State { Searching, Found, NotFound };

    // columns and rows are the view's in pixels; the search starts just beyond start, towards
    // direction (+1: larger x). atFeature says that start is what an earlier search found there:
    // a search for breaks that starts in a gap then passes it by; otherwise the gap it stands in
    // is the first it finds.
    FeatureSearch(ValueAt value, Looking looking, float start, int direction, const plot::Span& xs,
                  const plot::Span& ys, int columns, int rows, bool atFeature = false, double limitWidths = 100.0);

    // Evaluates at most steps more columns.
    State step(int steps);
    State state() const { return m_state; }
    const std::optional<Feature>& found() const { return m_found; }
    // How far the search goes: the last x it would look at.
    double limit() const { return m_limit; }

private:
    struct Sample {
        float x;
        std::optional<float> y;
    };
    void look(const Sample& previous, const Sample& next);

    ValueAt m_value;
    Looking m_looking;
    float m_start;
    int m_direction;
    double m_step;
    plot::Span m_ys;
    double m_limit;
    double m_pixelsPerUnit;
    std::int64_t m_done = 0;
    std::optional<Sample> m_previous;
    std::optional<Sample> m_beforePrevious;
    std::optional<float> m_gapEdge; // where the curve went into a gap that it has not left yet
    bool m_startsInGap = false;     // the gap of m_gapEdge holds start, and is to be found
    State m_state = State::Searching;
    std::optional<Feature> m_found;
};

} // namespace pellitor::graph
