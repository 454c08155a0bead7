#include "querypanel.h"

#include "leftpane.h"
#include "resultlistmodel.h"

#include "library/database.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"
#include "search/centrelisting.h"
#include "search/centresearch.h"
#include "viewer/documentview.h"

#include <QTimer>

#include <exception>

namespace kelvor {

QueryPanel::QueryPanel(SharedConnection& connection, WindowSession& session, ResultListModel& results,
                       Prompter& prompter, Parts parts, QObject* parent)
    : QObject(parent),
      m_connection(connection),
      m_session(session),
      m_results(results),
      m_prompter(prompter),
      m_parts(parts)
{
    LeftPane* pane = m_parts.pane;
    connect(pane, &LeftPane::searchClicked, this, &QueryPanel::centreSearch);
    connect(pane, &LeftPane::catalogueTabClicked, this, &QueryPanel::catalogueTab);
    connect(pane, &LeftPane::listTabClicked, this, &QueryPanel::listTab);
    connect(pane, &LeftPane::historyTabClicked, this, &QueryPanel::historyTab);
    connect(pane, &LeftPane::advancedClicked, this, &QueryPanel::openAdvancedPanel);
    connect(pane, &LeftPane::advancedCloseClicked, this, &QueryPanel::closeAdvancedPanel);
    connect(pane, &LeftPane::allDataClicked, this, &QueryPanel::allData);
    connect(pane, &LeftPane::backToQueryClicked, this, &QueryPanel::showQueryCentreControls);
    connect(pane, &LeftPane::viewResultsClicked, this, &QueryPanel::showResultView);
}

void QueryPanel::centreSearch()
{
    const QString text = m_parts.pane->searchText();
    m_session.setFirstHighlightTerm(text);
    if (!text.isEmpty()) emit centreSearchRun(text);
    try {
        // The stored queries name content tables; they run wherever the connection is, but it must be open.
        if (!m_connection.isOpen()) m_connection.open(DatabaseRole::Content);
        // Before the window is shown no centre is current: there is nothing to search.
        const auto search = kelvor::centreSearch(m_connection, m_session.currentTable(), text);
        if (!search) return;
        m_session.setListQuery(search->listQuery);
        if (m_parts.documentView) m_parts.documentView->navigate(m_connection.layout().placeholderPicture());

        const TitleList found = runCentreSearch(m_connection, *search);
        if (found.empty()) {
            // The code table keeps its codes; only the lines go.
            m_results.clearLines();
        } else {
            m_results.show(found);
        }
        // A search from the catalogue tab would fill a hidden list: its result is shown on the list tab.
        if (m_session.viewMode() != ViewMode::ResultList && m_parts.pane->isTabOffered(LeftPane::Tab::List))
            showResultList(false);
        if (found.empty()) m_prompter.message(noTitleMatchMessage());
    } catch (const std::exception& e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void QueryPanel::catalogueTab()
{
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    m_parts.pane->showCatalogue();
    m_session.setViewMode(ViewMode::Catalogue);
}

void QueryPanel::listTab() { showResultList(true); }

void QueryPanel::showResultList(bool relist)
{
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    // Already on the list: what it shows (a centre search's result) stays.
    const bool alreadyListed = m_session.viewMode() == ViewMode::ResultList;
    if (!alreadyListed && relist && m_connection.isOpen()) {
        try {
            const TitleList found = listCentre(m_connection, m_session.listTable());
            if (!found.empty()) m_results.show(found);
        } catch (const std::exception& e) {
            reportFailure(QString::fromUtf8(e.what()));
        }
    }
    m_parts.pane->showResultList(!alreadyListed);
    m_session.setViewMode(ViewMode::ResultList);
}

void QueryPanel::historyTab()
{
    // The history panel answers the same click and fills its own list.
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
}

void QueryPanel::openAdvancedPanel() { m_parts.pane->setAdvancedPanelOpen(true); }

void QueryPanel::closeAdvancedPanel() { m_parts.pane->setAdvancedPanelOpen(false); }

void QueryPanel::allData()
{
    listTab();
    closeAdvancedPanel();
}

void QueryPanel::showQueryCentreControls() { m_parts.pane->showQueryCentreControls(); }

void QueryPanel::showResultView() { m_parts.pane->showResultView(); }

void QueryPanel::reportFailure(const QString& detail)
{
    m_prompter.message(detail.isEmpty() ? QStringLiteral("读取资料库失败。")
                                        : QStringLiteral("读取资料库失败：%1").arg(detail));
}

}  // namespace kelvor
