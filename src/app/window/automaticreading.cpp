#include "automaticreading.h"

#include "catalogueselection.h"
#include "windowsession.h"

#include "catalogue/readingaids.h"
#include "catalogue/treenavigation.h"
#include "viewer/documentview.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace kelvor {

QString AutomaticReading::runCaption() { return QStringLiteral("自动执行"); }
QString AutomaticReading::stopCaption() { return QStringLiteral("停止运行"); }

AutomaticReading::AutomaticReading(Parts parts, QObject* parent) : QObject(parent), m_parts(std::move(parts))
{
    if (m_parts.runButton) connect(m_parts.runButton, &QPushButton::clicked, this, &AutomaticReading::runClicked);
    if (m_parts.timer) connect(m_parts.timer, &QTimer::timeout, this, &AutomaticReading::tick);
}

void AutomaticReading::setMode(ReadingMode mode)
{
    if (m_parts.session) m_parts.session->setReadingMode(mode);
}

void AutomaticReading::scrollOptionChanged(bool on)
{
    setMode(on ? ReadingMode::AutoScroll : ReadingMode::AutoRun);
    if (!m_parts.timer) return;
    if (on)
        m_parts.timer->start();
    else
        m_parts.timer->stop();
}

void AutomaticReading::showRunCaption(const QString& caption)
{
    if (!m_parts.runButton) return;
    m_parts.runButton->setText(caption);
    // A screen reader names the button by what it now does.
    m_parts.runButton->setAccessibleName(caption);
}

void AutomaticReading::runClicked()
{
    QTimer* timer = m_parts.timer;
    if (!timer) return;
    if (timer->isActive()) {
        timer->stop();
        if (m_parts.scrollOptionOn && m_parts.scrollOptionOn()) setMode(ReadingMode::AutoScroll);
        showRunCaption(runCaption());
        return;
    }
    timer->start();
    setMode(ReadingMode::AutoRun);
    showRunCaption(stopCaption());
    if (m_parts.catalogue && m_parts.catalogue->selectedNode() < 0 && m_parts.catalogue->tree().nodeCount() > 0)
        m_parts.catalogue->select(0);
}

void AutomaticReading::nodeClicked()
{
    m_position = 0;
    if (m_parts.scrollOptionOn && m_parts.scrollOptionOn()) setMode(ReadingMode::AutoScroll);
}

void AutomaticReading::tick()
{
    const ReadingMode mode = m_parts.session ? m_parts.session->readingMode() : ReadingMode::AutoRun;
    if (mode == ReadingMode::AutoScroll) {
        DocumentView* view = m_parts.documentView;
        if (!view || !view->hasDocument()) return;
        QPointer<AutomaticReading> self(this);
        view->elementCount([self, view](int count) {
            if (!self) return;
            const AutoScrollTick step = autoScrollTick(count, self->m_position);
            self->m_position = step.position;
            if (step.scroll) view->scrollBy(0, step.position);
            if (step.stop && self->m_parts.timer) self->m_parts.timer->stop();
            emit self->ticked();
        });
        return;
    }
    CatalogueSelection* catalogue = m_parts.catalogue;
    if (!catalogue) return;
    const ExecutionTick step = automaticExecutionTick(catalogue->tree(), catalogue->selectedNode());
    if (step.selected >= 0 && step.selected != catalogue->selectedNode()) catalogue->select(step.selected);
    if (step.open && m_parts.open) m_parts.open(codeOfKey(catalogue->tree().node(step.selected).key));
    emit ticked();
}

}  // namespace kelvor
