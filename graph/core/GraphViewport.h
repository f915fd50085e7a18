// The part of the plane that the graph shows, and the user's moves of it. A move that would give a
// view pellitor-calc refuses (two samples on one 32-bit x, an end beyond the 32-bit range) is not
// made, and says why, so that every view can be drawn and exported as pellitor-calc draws it.
#pragma once

#include "PlotSpan.h"
#include "ViewHistory.h"

namespace pellitor::graph {

class GraphViewport {
public:
    // x from -10 to 10, or -360 to 360 degrees (a turn either way); y follows the curve.
    static constexpr plot::Span FirstXs{-10.0, 10.0};
    static constexpr plot::Span FirstDegrees{-360.0, 360.0};
    static constexpr plot::Span FirstYs{-10.0, 10.0}; // until a curve gives its range

    enum class Move { Done, Finest, Widest };

    const plot::Span& xs() const { return m_xs; }
    const plot::Span& ys() const { return m_ys; }
    // Whether y is the automatic range of each new curve: until the user moves the view.
    bool followsCurve() const { return m_follows; }

    // The first view for x in radians or in degrees.
    void reset(bool degrees = false);
    // Whether the view is a first one that no move has changed since.
    bool first() const { return m_first; }
    // The automatic range of a new curve, taken while the view follows the curve.
    void takeCurveRange(const plot::Span& ys);
    // Fits y to the curve over the x in view from now on, until the user moves the view again.
    void fitY();

    // Moves the view by fractions of its width and height, right and up for positive values;
    // columns is the width of the picture that samples the view.
    Move pan(double right, double up, int columns);
    // Zooms in by factor (below 1: out) about the point at fractions (across, up) of the view;
    // columns is the width of the picture that samples the view.
    Move zoom(double factor, double across, double up, int columns)
    {
        return zoom(factor, factor, across, up, columns);
    }
    // The same with a factor for each axis (1: that axis stays).
    Move zoom(double factorX, double factorY, double across, double up, int columns);
    // Shows xs and ys as they are given (a box drawn, a range typed), or refuses both.
    Move show(const plot::Span& xs, const plot::Span& ys, int columns);

    // The view as it is, and back to one that was.
    View view() const { return {m_xs, m_ys, m_follows}; }
    void restore(const View& view);

    // Equal scales: a unit as long in y as in x, on a frame of width by height pixels, kept while
    // the view moves and the frame changes (y gives way, about its middle).
    void setEqualScales(bool on);
    bool equalScales() const { return m_equal; }
    void setFrame(double width, double height);

    // Moves the view in x to show x, where it lies outside: a tenth of the view inside it, or in
    // the middle of a view that moves further than half its width; widened where the 32-bit x
    // there lie too far apart for the view's pixels, to the narrowest width they allow.
    Move follow(double x, int columns);

private:
    Move take(const plot::Span& xs, const plot::Span& ys, int columns);
    // ys made as tall as equal scales want for xs, about its middle.
    plot::Span equalised(const plot::Span& xs, const plot::Span& ys) const;
    // Done where span can be shown (with columns, as the x of a picture that wide), else why not.
    static Move refusal(const plot::Span& span, int columns);

    plot::Span m_xs = FirstXs;
    plot::Span m_ys = FirstYs;
    bool m_follows = true;
    bool m_first = true;
    bool m_equal = false;
    double m_frameWidth = 1.0;
    double m_frameHeight = 1.0;
};

} // namespace pellitor::graph
