// The views the user made, to step back and forth through as a browser steps through pages: a
// move records the view it leaves, Back returns to it, and a new move after Back forgets the
// views ahead.
#pragma once

#include "PlotSpan.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace pellitor::graph {

// What a view is: its x and y, and whether y follows each new curve.
struct View {
    plot::Span xs;
    plot::Span ys;
    bool followsCurve = true;
};

class ViewHistory {
public:
    // The most views kept behind; older ones go first.
    static constexpr std::size_t Longest = 100;

    // A move leaves left: it is the view Back returns to, and the views ahead are forgotten.
    void record(const View& left)
    {
        m_ahead.clear();
        if (!m_behind.empty() && same(m_behind.back(), left))
            return;
        m_behind.push_back(left);
        if (m_behind.size() > Longest)
            m_behind.pop_front();
    }
    // The view before current, which becomes one ahead; nothing at the first.
    std::optional<View> back(const View& current) { return step(m_behind, m_ahead, current); }
    // The view after current, which becomes one behind; nothing at the last.
    std::optional<View> forward(const View& current) { return step(m_ahead, m_behind, current); }
    bool canGoBack() const { return !m_behind.empty(); }
    bool canGoForward() const { return !m_ahead.empty(); }

private:
    static bool same(const View& a, const View& b)
    {
        return a.xs.from == b.xs.from && a.xs.to == b.xs.to && a.ys.from == b.ys.from && a.ys.to == b.ys.to
               && a.followsCurve == b.followsCurve;
    }
    static std::optional<View> step(std::deque<View>& from, std::deque<View>& to, const View& current)
    {
        if (from.empty())
            return std::nullopt;
        const View next = from.back();
        from.pop_back();
        to.push_back(current);
        return next;
    }

    std::deque<View> m_behind;
    std::deque<View> m_ahead;
};

} // namespace pellitor::graph
