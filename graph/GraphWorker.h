// Computes the graph's drawings on a thread of its own, so that typing in the main window never
// waits for a curve: only the latest request is computed (one that a newer request supersedes
// stops between two evaluations), and its drawing comes back on the window's thread. The thread
// owns every engine object it makes; nothing but the finished drawing crosses to the window.
#pragma once

#include "GraphComputation.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace pellitor::graph {

class GraphWorker : public QObject {
    Q_OBJECT
public:
    explicit GraphWorker(QObject* parent = nullptr);
    // Stops the computation in progress and waits for the thread.
    ~GraphWorker() override;

    // Replaces any request that waits, and stops the one in progress.
    void request(GraphRequest request);

signals:
    void finished(std::shared_ptr<const pellitor::graph::GraphCurve> curve);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<GraphRequest> m_pending;
    bool m_stopping = false;
    std::atomic<std::uint64_t> m_latest{0};
    std::thread m_thread;
};

} // namespace pellitor::graph
