// The graph's thread.
#include "GraphWorker.h"

#include "Evaluation.h"

#include <QMetaObject>

#include <new>

namespace pellitor::graph {

GraphWorker::GraphWorker(QObject* parent) : QObject(parent), m_thread([this] { run(); }) {}

GraphWorker::~GraphWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        ++m_latest;
    }
    m_wake.notify_one();
    m_thread.join();
}

void GraphWorker::request(GraphRequest request)
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(request);
        ++m_latest;
    }
    m_wake.notify_one();
}

void GraphWorker::run()
{
    for (;;) {
        GraphRequest request;
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || m_pending.has_value(); });
            if (m_stopping)
                return;
            request = std::move(*m_pending);
            m_pending.reset();
            generation = m_latest.load();
        }
        std::shared_ptr<GraphCurve> curve;
        try {
            curve = std::make_shared<GraphCurve>(computeGraph(request, [this, generation] {
                return m_latest.load(std::memory_order_relaxed) != generation;
            }));
        } catch (const Superseded&) {
            continue;
        } catch (const std::bad_alloc&) {
            // The Calculate command's word for it; the next request tries afresh.
            curve = std::make_shared<GraphCurve>();
            curve->serial = request.serial;
            curve->refusal = ErrorMessage::OutOfMemory;
        }
        // Queued to the window's thread; dropped there if this object is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, finishedCurve = std::shared_ptr<const GraphCurve>(std::move(curve))] {
                emit finished(finishedCurve);
            },
            Qt::QueuedConnection);
    }
}

} // namespace pellitor::graph
