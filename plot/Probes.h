// Searches that evaluate the curve one x at a time, each asking for its next x: many of them
// (the breaks between a picture's samples, the extrema of its columns) go on side by side, their
// x evaluated a block at a time, which costs a fraction of as many evaluations one by one.
#pragma once

#include "PlotSamples.h"

#include <optional>
#include <span>
#include <stop_token>
#include <vector>

namespace pellitor::plot {

// Drives searches until each has ended: Search has std::optional<float> probe() const (the x it
// wants, nothing once ended) and void take(std::optional<double> y) (y there). A stop requested
// through stop ends it between two blocks.
template <typename Search>
void runTogether(std::span<Search> searches, const Curves& curves, std::stop_token stop)
{
    std::vector<Search*> waiting;
    std::vector<float> xs;
    std::vector<std::optional<double>> ys;
    for (Search& search : searches) {
        if (search.probe())
            waiting.push_back(&search);
    }
    while (!waiting.empty() && !stop.stop_requested()) {
        std::vector<Search*> still;
        for (std::size_t start = 0; start < waiting.size() && !stop.stop_requested(); start += SampleBlock) {
            const std::size_t end = std::min(waiting.size(), start + SampleBlock);
            xs.clear();
            for (std::size_t i = start; i < end; ++i)
                xs.push_back(*waiting[i]->probe());
            ys.resize(xs.size());
            curves(xs, ys);
            for (std::size_t i = start; i < end; ++i) {
                waiting[i]->take(ys[i - start]);
                if (waiting[i]->probe())
                    still.push_back(waiting[i]);
            }
        }
        waiting = std::move(still);
    }
}

// The same for one search, with curve.
template <typename Search>
void runAlone(Search& search, const Curve& curve)
{
    while (const std::optional<float> x = search.probe())
        search.take(curve(*x));
}

} // namespace pellitor::plot
