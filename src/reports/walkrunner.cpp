#include "walkrunner.h"

namespace kelvor::reports {

WalkRunner::WalkRunner(QTimer& timer, QObject* parent) : QObject(parent), m_timer(timer)
{
    connect(&m_timer, &QTimer::timeout, this, &WalkRunner::tick);
}

void WalkRunner::start(std::unique_ptr<ReportWalk> walk)
{
    m_walk = std::move(walk);
    m_timer.start();
}

void WalkRunner::cancel()
{
    m_timer.stop();
    m_walk.reset();
}

void WalkRunner::tick()
{
    if (!m_walk) return;
    m_walk->step();
    emit progressed(m_walk->walked(), m_walk->nodeCount());
    if (!m_walk->finished()) return;
    m_timer.stop();
    const Report report = m_walk->report();
    m_walk.reset();
    emit finished(report);
}

}  // namespace kelvor::reports
