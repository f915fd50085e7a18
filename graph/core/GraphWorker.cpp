// The graph's thread.
#include "GraphWorker.h"

#include "Evaluation.h"

#include <new>

namespace pellitor::graph {

GraphWorker::GraphWorker(Deliver deliver, Compute compute)
    : m_deliver(std::move(deliver)), m_compute(std::move(compute))
{
    // Started once every member is ready for it.
    m_thread = std::jthread([this](std::stop_token ending) { run(ending); });
}

GraphWorker::~GraphWorker()
{
    {
        // Under the lock, so that the thread takes no request after this.
        const std::lock_guard lock(m_mutex);
        m_running.request_stop();
        m_thread.request_stop();
    }
    m_thread.join();
}

void GraphWorker::request(GraphRequest request)
{
    {
        const std::lock_guard lock(m_mutex);
        m_running.request_stop();
        m_pending = std::move(request);
    }
    m_wake.notify_one();
}

void GraphWorker::run(std::stop_token ending)
{
    for (;;) {
        GraphRequest request;
        std::stop_token stop;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, ending, [this] { return m_pending.has_value(); });
            if (ending.stop_requested())
                return;
            request = std::move(*m_pending);
            m_pending.reset();
            m_running = std::stop_source();
            stop = m_running.get_token();
        }
        std::shared_ptr<GraphCurve> curve;
        try {
            std::optional<GraphCurve> computed = m_compute(request, stop);
            if (!computed)
                continue;
            curve = std::make_shared<GraphCurve>(std::move(*computed));
        } catch (const std::bad_alloc&) {
            // The Calculate command's word for it; the next request tries afresh.
            curve = std::make_shared<GraphCurve>();
            curve->serial = request.serial;
            curve->refusal = ErrorMessage::OutOfMemory;
        }
        if (!ending.stop_requested())
            m_deliver(std::move(curve));
    }
}

} // namespace pellitor::graph
