// The graph's worker: the latest request wins, the requests between are skipped, and a worker
// destroyed during a run stops it at once, for a stand-in computation and for the real one.
#include "GraphWorker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <latch>
#include <mutex>
#include <thread>
#include <vector>

using namespace pellitor::graph;
using namespace std::chrono_literals;

namespace {

// The serials the worker hands back, as its thread delivers them.
class Deliveries {
public:
    GraphWorker::Deliver sink()
    {
        return [this](std::shared_ptr<const GraphCurve> curve) {
            const std::lock_guard lock(m_mutex);
            m_serials.push_back(curve->serial);
            m_came.notify_all();
        };
    }
    bool waitFor(std::size_t count)
    {
        std::unique_lock lock(m_mutex);
        return m_came.wait_for(lock, 10s, [&] { return m_serials.size() >= count; });
    }
    std::vector<std::uint64_t> serials()
    {
        const std::lock_guard lock(m_mutex);
        return m_serials;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_came;
    std::vector<std::uint64_t> m_serials;
};

GraphRequest requestOf(std::uint64_t serial, std::u16string expression = u"x")
{
    GraphRequest request;
    request.inputs = std::make_shared<const GraphInputs>(GraphInputs{std::move(expression), u"0", false});
    request.xs = {-10.0, 10.0};
    request.size = {640, 400};
    request.serial = serial;
    return request;
}

// Waits for stop, at most a while, as a long computation that looks at its stop now and then.
std::optional<GraphCurve> untilStopped(std::stop_token stop, std::chrono::milliseconds most)
{
    const auto end = std::chrono::steady_clock::now() + most;
    while (!stop.stop_requested() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(1ms);
    return std::nullopt;
}

} // namespace

TEST(GraphWorker, TheLatestRequestWinsAndThoseBetweenAreSkipped)
{
    std::mutex mutex;
    std::vector<std::uint64_t> started;
    bool firstStopped = false;
    std::latch firstRunning(1);
    std::latch allAsked(1);
    Deliveries delivered;
    {
        GraphWorker worker(delivered.sink(), [&](const GraphRequest& request, std::stop_token stop) {
            {
                const std::lock_guard lock(mutex);
                started.push_back(request.serial);
            }
            if (request.serial == 1) {
                firstRunning.count_down();
                untilStopped(stop, 10s);
                firstStopped = stop.stop_requested();
                allAsked.wait(); // the requests after it all come while it still runs
                return std::optional<GraphCurve>();
            }
            GraphCurve curve;
            curve.serial = request.serial;
            return std::optional(curve);
        });
        worker.request(requestOf(1));
        firstRunning.wait();
        for (std::uint64_t serial = 2; serial <= 4; ++serial)
            worker.request(requestOf(serial));
        allAsked.count_down();
        ASSERT_TRUE(delivered.waitFor(1));
    }
    EXPECT_TRUE(firstStopped);
    EXPECT_EQ(started, (std::vector<std::uint64_t>{1, 4}));
    EXPECT_EQ(delivered.serials(), (std::vector<std::uint64_t>{4}));
}

TEST(GraphWorker, DestroyedDuringARunStopsItAtOnce)
{
    // sin(200x) from -100 to 100 over 8,000 columns, its steep steps looked into and its 25,000
    // zeros and extrema pinned down, takes longer than the 50 ms allowed (three times as long in
    // the debug build); its stop is looked at between two of its steps. A sanitizer slows every
    // step (ThreadSanitizer five to fifteen times), so the bound is a tenth of the whole run where
    // that is more than 50 ms: a stop that waited for the end would still take ten times that.
    GraphRequest heavy = requestOf(1, u"sin(200x)");
    heavy.xs = {-100.0, 100.0};
    heavy.size = {8000, 500};
    const auto wholeRun = [&] {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(computeGraph(heavy, std::stop_token()));
        return std::chrono::steady_clock::now() - start;
    };
    const struct {
        const char* name;
        GraphWorker::Compute compute;
        std::chrono::nanoseconds whole;
    } cases[] = {
        {"a stand-in that looks at its stop each millisecond",
         [](const GraphRequest&, std::stop_token stop) { return untilStopped(stop, 10s); }, 10s},
        {"the real computation", computeGraph, wholeRun()},
    };
    for (const auto& c : cases) {
        Deliveries delivered;
        std::latch running(1);
        std::chrono::steady_clock::time_point asked;
        {
            GraphWorker worker(delivered.sink(), [&](const GraphRequest& request, std::stop_token stop) {
                running.count_down();
                return c.compute(request, stop);
            });
            worker.request(heavy);
            running.wait();
            std::this_thread::sleep_for(5ms);
            asked = std::chrono::steady_clock::now();
        }
        const auto stopped = std::chrono::steady_clock::now() - asked;
        EXPECT_LT(stopped, std::max<std::chrono::nanoseconds>(50ms, c.whole / 10))
            << c.name << ": stopped after " << stopped.count() << " ns of a " << c.whole.count() << " ns run";
        EXPECT_TRUE(delivered.serials().empty()) << c.name;
    }
}

TEST(GraphComputation, AStopBeforeTheEndGivesNoDrawing)
{
    const GraphRequest request = requestOf(7, u"2cos(x^2)/x");
    std::stop_source stop;
    const std::optional<GraphCurve> whole = computeGraph(request, stop.get_token());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->serial, 7u);
    EXPECT_FALSE(whole->pieces.empty());
    stop.request_stop();
    EXPECT_FALSE(computeGraph(request, stop.get_token()));
}
