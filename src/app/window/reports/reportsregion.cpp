#include "reportsregion.h"

#include "continuedquery.h"
#include "dictionaryoptionspanel.h"
#include "progresspanel.h"
#include "referencenavigation.h"
#include "reportpanel.h"
#include "tooldrawer.h"
#include "toolspanel.h"

#include "app/window/windowmenu.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QVBoxLayout>

namespace kelvor {

ReportsRegion::ReportsRegion(LibraryLayout layout, Prompter& prompter, Parts parts, QObject* parent)
    : QObject(parent), m_parts(std::move(parts))
{
    m_menu = new WindowMenu(m_parts.client);
    m_progress = new ProgressPanel(m_parts.client);
    m_reportPanel = new ReportPanel(m_parts.leftPane);
    m_navigation = new ReferenceNavigationPanel(m_parts.documentArea, m_parts.sideStrip);

    m_drawer = new ToolDrawer(m_parts.sideDrawer);
    auto* drawerLayout = new QVBoxLayout(m_parts.sideDrawer);
    drawerLayout->setContentsMargins(0, 0, 0, 0);
    drawerLayout->addWidget(m_drawer);

    m_tools = new ToolsPanel(m_parts.queryCentrePanel);
    m_options = new DictionaryOptionsPanel(m_parts.queryCentrePanel);
    if (auto* column = qobject_cast<QBoxLayout*>(m_parts.queryCentrePanel->layout())) {
        // Below the multi-keyword query and its button, above the stretch.
        const int at = std::max(0, column->count() - 1);
        column->insertWidget(at, m_options);
        column->insertWidget(at, m_tools);
    }

    ContinuedQuery::Parts q;
    q.panel = m_reportPanel;
    q.progress = m_progress;
    q.walkTimer = m_parts.walkTimer;
    q.openRecord = m_parts.openRecord;
    q.showPage = m_parts.showPage;
    q.setHighlightTerm = m_parts.setHighlightTerm;
    q.clearDocumentArea = [this] {
        // The report page takes the document area: the panels over it go.
        m_navigation->hide();
        if (m_parts.hideKeywordList) m_parts.hideKeywordList();
    };
    q.centreOptions = [this] { return m_options->choice().centreOptions(); };
    q.progressArea = [this] {
        // Across the document area, half way down the window.
        const QWidget* client = m_parts.client;
        const QRect doc(m_parts.documentArea->mapTo(client, QPoint(0, 0)), m_parts.documentArea->size());
        const int width = std::max(200, doc.width() - 34);
        return QRect(doc.left() + (doc.width() - width) / 2, client->height() / 2, width, 56);
    };
    q.generatedFolder = m_parts.generatedFolder;
    m_query = std::make_unique<ContinuedQuery>(std::move(layout), prompter, std::move(q));

    connect(m_reportPanel, &ReportPanel::returnRequested, this, &ReportsRegion::hideReportPanel);
    connect(m_tools, &ToolsPanel::reportPanelRequested, this, &ReportsRegion::showReportPanel);
    connect(m_tools, &ToolsPanel::smartQueryRequested, this, [this](const QString& term) {
        // "数据智能查询": the continued query for the term over the chosen centres.
        showReportPanel();
        m_reportPanel->setQueryText(term);
        m_query->run(term);
    });
    connect(m_query.get(), &ContinuedQuery::reportShown, this, [this] { m_tools->setToolsShown(false); });

    m_menu->addEntry(QStringLiteral("查询报表"), [this] { showReportPanel(); });
    m_menu->addEntry(QStringLiteral("参考导航"), [this] { toggleReferenceNavigation(); });
    m_menu->addEntry(QStringLiteral("工具抽屉"), [this] { toggleSideDrawer(); });

    m_parts.client->installEventFilter(this);
    m_parts.leftPane->installEventFilter(this);
    placeMenu();
}

ReportsRegion::~ReportsRegion() = default;

void ReportsRegion::showReportPanel()
{
    m_query->prepareCentres();
    fitReportPanel();
    m_reportPanel->show();
    m_reportPanel->raise();
}

void ReportsRegion::hideReportPanel()
{
    m_reportPanel->hide();
    m_tools->setToolsShown(true);
}

void ReportsRegion::showReferenceNavigation()
{
    // Just above the strip at the foot of the document area, where it is lowered to.
    const QRect strip = m_parts.sideStrip ? m_parts.sideStrip() : QRect();
    const int height = 160;
    const int top = strip.isValid() ? std::max(0, strip.top() - height - 40) : 40;
    // Shown again after it was closed collapsed, it comes back whole.
    if (m_navigation->isCollapsed()) m_navigation->toggleCollapsed();
    m_navigation->setGeometry(10, top, 320, height);
    m_navigation->show();
    m_navigation->raise();
}

void ReportsRegion::toggleReferenceNavigation()
{
    // The panel can be lowered and collapsed but has no close button of its own.
    if (m_navigation->isVisible())
        m_navigation->hide();
    else
        showReferenceNavigation();
}

void ReportsRegion::toggleSideDrawer()
{
    QFrame* drawer = m_parts.sideDrawer;
    drawer->setVisible(drawer->isHidden());
    if (drawer->isVisible()) drawer->raise();
    m_drawer->enableAll();
}

bool ReportsRegion::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_parts.client) placeMenu();
        if (watched == m_parts.leftPane) fitReportPanel();
    }
    return QObject::eventFilter(watched, event);
}

void ReportsRegion::placeMenu()
{
    m_menu->adjustSize();
    m_menu->move(m_parts.client->width() - m_menu->width() - 8, 6);
    m_menu->raise();
}

void ReportsRegion::fitReportPanel() { m_reportPanel->setGeometry(m_parts.leftPane->rect()); }

}  // namespace kelvor
