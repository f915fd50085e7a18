// Computes the graph's drawings on a thread of its own, so that typing in the main window never
// waits for a curve. One request at a time, each with a stop of its own: a new request stops the
// one in progress at its next check and replaces one that waits, so that only the latest is
// finished. The thread owns every engine object it makes; nothing but the finished drawing leaves
// it, handed to a callback on the worker's thread.
#pragma once

#include "GraphComputation.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace pellitor::graph {

class GraphWorker {
public:
    // A drawing for a request, or nothing when the stop was requested before it was done.
    using Compute = std::function<std::optional<GraphCurve>(const GraphRequest&, std::stop_token)>;
    // Called on the worker's thread with each finished drawing.
    using Deliver = std::function<void(std::shared_ptr<const GraphCurve>)>;

    explicit GraphWorker(Deliver deliver, Compute compute = computeGraph);
    // Stops the computation in progress and waits for the thread: no drawing is delivered after.
    ~GraphWorker();
    GraphWorker(const GraphWorker&) = delete;
    GraphWorker& operator=(const GraphWorker&) = delete;

    // Replaces any request that waits, and stops the one in progress.
    void request(GraphRequest request);

private:
    void run(std::stop_token ending);

    Deliver m_deliver;
    Compute m_compute;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<GraphRequest> m_pending;
    std::stop_source m_running; // the stop of the request in progress
    std::jthread m_thread;
};

} // namespace pellitor::graph
