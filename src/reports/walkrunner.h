#pragma once

#include "reportwalk.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace kelvor::reports {

// Drives a ReportWalk from its timer (the window's `Timer5`), one node per
// tick, so the window stays responsive and a cancel is taken between two
// nodes. The timer is borrowed; its interval is the pace of the walk.
class WalkRunner : public QObject {
    Q_OBJECT
public:
    static constexpr int kInterval = 2000;  // ms between two nodes, the window's pace

    explicit WalkRunner(QTimer& timer, QObject* parent = nullptr);

    void start(std::unique_ptr<ReportWalk> walk);
    // Stops at once; no finished() follows.
    void cancel();
    bool isRunning() const { return m_walk != nullptr; }

signals:
    void progressed(int walked, int total);
    // The walk reached its end (or filled the report).
    void finished(const kelvor::reports::Report& report);

private:
    void tick();

    QTimer& m_timer;
    std::unique_ptr<ReportWalk> m_walk;
};

}  // namespace kelvor::reports
