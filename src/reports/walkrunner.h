#pragma once

#include "reportwalk.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace kelvor::reports {

// Drives a ReportWalk from its timer (`Timer5`), one node per tick, so the
// window stays responsive and a cancel is taken between two nodes.
class WalkRunner : public QObject {
    Q_OBJECT
public:
    static constexpr int kInterval = 2000;  // ms between two nodes

    explicit WalkRunner(QObject* parent = nullptr, int interval = kInterval);

    void start(std::unique_ptr<ReportWalk> walk);
    // Stops at once; no finished() follows.
    void cancel();
    bool isRunning() const { return m_timer.isActive(); }
    const QTimer& timer() const { return m_timer; }

signals:
    void progressed(int walked, int total);
    // The walk reached its end (or filled the report).
    void finished(const kelvor::reports::Report& report);

private:
    void tick();

    QTimer m_timer;
    std::unique_ptr<ReportWalk> m_walk;
};

}  // namespace kelvor::reports
