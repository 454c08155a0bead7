#include "continuedquery.h"

#include "progresspanel.h"
#include "reportpanel.h"

#include "catalogue/cataloguemodel.h"
#include "library/libraryindexes.h"
#include "library/prompter.h"
#include "reports/continuedquery.h"
#include "reports/reportpage.h"

#include <QThread>
#include <QTimer>

namespace kelvor {

using namespace reports;

namespace {

CatalogueTree catalogueOf(const std::vector<MatchNode>& nodes)
{
    CatalogueTree tree;
    tree.reserve(int(nodes.size()));
    int group = -1;
    for (const MatchNode& n : nodes) {
        // Picture 1 for a group, 2 for a record.
        if (n.group) {
            tree.add(n.key, n.text, 1, 1, -1);
            group = tree.nodeCount() - 1;
        } else {
            tree.add(n.key, n.text, 2, 2, group);
        }
    }
    tree.expandAll();
    return tree;
}

}  // namespace

ContinuedQuery::ContinuedQuery(LibraryLayout layout, Prompter& prompter, Parts parts, QObject* parent)
    : QObject(parent),
      m_layout(std::move(layout)),
      m_prompter(prompter),
      m_parts(std::move(parts)),
      m_hits(std::make_unique<CatalogueModel>()),
      // A library the program cannot write has its centres' indexes in the user's cache.
      m_searcher(std::make_shared<MatchSearcher>(m_layout, defaultIndexCacheFolder())),
      m_runner(*m_parts.walkTimer)
{
    ReportPanel* panel = m_parts.panel;
    panel->setHitTree(m_hits.get());
    connect(panel, &ReportPanel::continueQueryRequested, this, &ContinuedQuery::run);
    connect(panel, &ReportPanel::saveRequested, this, &ContinuedQuery::save);
    connect(panel, &ReportPanel::savedReportPicked, this, &ContinuedQuery::openSaved);
    connect(panel, &ReportPanel::currentQueryClicked, this, &ContinuedQuery::currentQueryClicked);
    connect(panel, &ReportPanel::hitNodeClicked, this, &ContinuedQuery::hitNodeClicked);
    connect(m_parts.progress, &ProgressPanel::cancelRequested, this, &ContinuedQuery::cancel);
    connect(&m_runner, &WalkRunner::progressed, this,
            [this](int walked, int total) { m_parts.progress->setProgress(total ? double(walked) / total : 1); });
    connect(&m_runner, &WalkRunner::finished, this, &ContinuedQuery::walkFinished);
}

ContinuedQuery::~ContinuedQuery()
{
    if (m_prepareThread) {
        m_cancelPrepare->store(true);
        m_prepareThread->wait();
    }
    if (m_thread) {
        m_cancelSearch->store(true);
        m_thread->wait();
    }
}

void ContinuedQuery::run(const QString& text)
{
    if (isBusy()) return;  // one query at a time; the progress panel cancels it
    if (m_parts.clearDocumentArea) m_parts.clearDocumentArea();
    const QueryDecision decision = decideQuery(text, m_saved);
    switch (decision.start) {
    case QueryStart::Nothing:
        return;
    case QueryStart::Refused:
        m_prompter.message(oneCharacterMessage());
        // The hits of the earlier query, if any, are walked again.
        if (!m_hitNodes.empty()) {
            m_current = Report{};
            m_current.term = text;
            walk();
        }
        return;
    case QueryStart::Reuse: {
        m_savedIndexTag = decision.savedPosition;
        takeReport(*m_saved.report(decision.savedPosition));
        m_saved.storeSnapshot(m_current);
        // Taking a report back shows it: that is why it was kept.
        render();
        return;
    }
    case QueryStart::Fresh:
        startFresh(text);
        return;
    }
}

void ContinuedQuery::prepareCentres()
{
    if (m_prepareThread) return;
    const std::array<bool, 6> options = centreOptions();
    m_cancelPrepare = std::make_shared<std::atomic_bool>(false);
    m_prepareThread = QThread::create([searcher = m_searcher, options, cancel = m_cancelPrepare] {
        searcher->prepare(options, cancel.get());
    });
    m_prepareThread->setParent(this);
    connect(m_prepareThread, &QThread::finished, this, [this] {
        m_prepareThread->deleteLater();
        m_prepareThread = nullptr;
    });
    m_prepareThread->start(QThread::LowPriority);
}

std::array<bool, 6> ContinuedQuery::centreOptions() const
{
    return m_parts.centreOptions ? m_parts.centreOptions() : std::array<bool, 6>{true};
}

void ContinuedQuery::startFresh(const QString& term)
{
    const std::array<bool, 6> options = centreOptions();
    if (options[0] && m_parts.setHighlightTerm) m_parts.setHighlightTerm(term);
    m_current = Report{};
    m_current.term = term;
    m_savedIndexTag = -1;
    m_hits->clear();
    m_hitNodes.clear();
    showProgress();
    m_parts.progress->setProgress(0);

    m_cancelSearch = std::make_shared<std::atomic_bool>(false);
    auto result = std::make_shared<MatchTree>();
    auto cancel = m_cancelSearch;
    m_thread = QThread::create([searcher = m_searcher, term, options, cancel, result] {
        *result = searcher->build(term, options, cancel.get());
    });
    connect(m_thread, &QThread::finished, this, [this, result, cancel] {
        m_thread->deleteLater();
        m_thread = nullptr;
        if (cancel->load()) return;
        treeBuilt(*result);
    });
    m_thread->start();
}

void ContinuedQuery::treeBuilt(const MatchTree& tree)
{
    if (!tree.skipped.isEmpty()) m_prompter.message(tree.skipped.join(QStringLiteral("\r\n")));
    m_hitNodes = tree.nodes;
    m_hits->reset(catalogueOf(m_hitNodes));
    m_parts.panel->expandHitTree();
    if (m_hitNodes.empty()) {
        // A query that found nothing is the current query all the same.
        m_saved.storeSnapshot(m_current);
        hideProgress();
        render();  // "共找到 0处": the user sees that the query ran
        return;
    }
    walk();
}

void ContinuedQuery::walk()
{
    showProgress();
    m_parts.progress->setProgress(0);
    m_runner.start(std::make_unique<ReportWalk>(m_hitNodes, m_current.term, m_parts.openRecord));
}

void ContinuedQuery::walkFinished(const Report& report)
{
    m_current = report;
    m_saved.storeSnapshot(m_current);
    hideProgress();
    render();
}

void ContinuedQuery::cancel()
{
    if (m_cancelSearch) m_cancelSearch->store(true);
    // A query waiting for the preparing stands at once.
    if (m_cancelPrepare) m_cancelPrepare->store(true);
    m_runner.cancel();
    hideProgress();
}

void ContinuedQuery::save()
{
    m_saved.save(m_current);
    m_parts.panel->setSavedTerms(m_saved.terms());
    m_parts.panel->hideHint();
}

void ContinuedQuery::openSaved(int position)
{
    m_parts.panel->setCurrentQueryChecked(false);
    if (position >= 0) m_parts.panel->setCurrentQueryShown(true);
    const auto report = m_saved.report(position);
    if (!report) return;
    takeReport(*report);
    if (!m_prompter.confirm(QStringLiteral("查看该记录内容吗?"))) takeReport(m_saved.snapshot());
    render();
}

void ContinuedQuery::currentQueryClicked()
{
    takeReport(m_saved.snapshot());
    if (!m_prompter.confirm(QStringLiteral("返回当前查询内容吗?"))) {
        m_parts.panel->setCurrentQueryChecked(false);
        return;
    }
    m_parts.panel->setCurrentQueryChecked(true);
    if (m_savedIndexTag >= 0) {
        openSaved(m_savedIndexTag);
        return;
    }
    render();
}

void ContinuedQuery::render()
{
    const auto path = writeReportPage(m_layout, m_parts.generatedFolder, m_current);
    if (!path) {
        m_prompter.message(QStringLiteral("无法写入查询报表页面。"));
        return;
    }
    if (m_parts.showPage) m_parts.showPage(*path);
    emit reportShown(*path);
}

void ContinuedQuery::takeReport(const Report& report)
{
    // The saved lines up to the first empty one: the report ends there.
    m_current = report;
    const QStringList shown = report.shownLines();
    m_current.lines = QStringList{QString()} + shown;
}

void ContinuedQuery::showProgress()
{
    ProgressPanel* p = m_parts.progress;
    if (m_parts.progressArea) p->setGeometry(m_parts.progressArea());
    p->show();
    p->raise();
}

void ContinuedQuery::hideProgress() { m_parts.progress->hide(); }

void ContinuedQuery::hitNodeClicked(const QModelIndex& index)
{
    const int node = m_hits->nodeOf(index);
    if (node < 0 || node >= m_hits->nodeCount()) return;
    const QString key = m_hits->node(node).key;
    if (!ReportWalk::isGroupKey(key) && m_parts.openRecord) m_parts.openRecord(key.mid(1));
}

}  // namespace kelvor
