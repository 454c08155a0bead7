#include "querypanel.h"

#include "advancedpanel.h"
#include "leftpane.h"
#include "resultlistmodel.h"
#include "twips.h"

#include "library/database.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"
#include "search/centrelisting.h"
#include "search/centresearch.h"
#include "viewer/documentview.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <exception>

namespace kelvor {

namespace {

// The history list of the history tab lies where the result list lies.
const QString kHistoryList = QStringLiteral("dataList6");
// The keyword editor's panel, closed with the advanced panel.
const QString kKeywordEditorPanel = QStringLiteral("Frame11");
// The query centre's smart-retrieval frame.
const QString kSmartRetrievalFrame = QStringLiteral("Frame19");
constexpr int kHistoryListShorterThanTree = 300;  // twips

}  // namespace

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
    connect(pane->searchButton(), &QPushButton::clicked, this, &QueryPanel::centreSearch);
    connect(pane->tab(0), &QPushButton::clicked, this, &QueryPanel::catalogueTab);
    connect(pane->tab(1), &QPushButton::clicked, this, &QueryPanel::listTab);
    connect(pane->tab(2), &QPushButton::clicked, this, &QueryPanel::historyTab);
    connect(pane->advancedButton(), &QPushButton::clicked, this, &QueryPanel::openAdvancedPanel);
    AdvancedPanel* advanced = pane->advancedPanel();
    connect(advanced->closeButton(), &QPushButton::clicked, this, &QueryPanel::closeAdvancedPanel);
    connect(advanced->allDataButton(), &QPushButton::clicked, this, &QueryPanel::allData);
    connect(pane->backToQueryButton(), &QPushButton::clicked, this, &QueryPanel::showQueryCentreControls);
    connect(pane->viewResultsButton(), &QPushButton::clicked, this, &QueryPanel::showResultView);
}

void QueryPanel::centreSearch()
{
    const QString text = m_parts.pane->searchBox()->currentText();
    m_session.firstHighlightTerm = text;
    if (!text.isEmpty()) emit centreSearchRun(text);
    try {
        // The stored queries name content tables; they run wherever the connection is, but it must be open.
        if (!m_connection.isOpen()) m_connection.open(DatabaseRole::Content);
        // Before the window is shown no centre is current: there is nothing to search.
        const auto search = kelvor::centreSearch(m_connection, m_session.currentTable, text);
        if (!search) return;
        m_session.listQuery = search->listQuery;
        if (m_parts.documentView) m_parts.documentView->navigate(m_connection.layout().placeholderPicture());

        const TitleList found = runCentreSearch(m_connection, *search);
        if (found.empty()) {
            // The code table keeps its codes; only the lines go.
            m_results.clearLines();
        } else {
            m_results.show(found);
        }
        // A search from the catalogue tab would fill a hidden list: its result is shown on the list tab.
        if (m_session.viewMode != 2 && m_parts.pane->tab(1)->isEnabled() && !m_parts.pane->tab(1)->isHidden())
            showResultList(false);
        if (found.empty()) m_prompter.message(noTitleMatchMessage());
    } catch (const std::exception& e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void QueryPanel::catalogueTab()
{
    LeftPane* pane = m_parts.pane;
    pane->searchBox()->hide();
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    pane->clickRunsOption()->show();
    pane->manualExpandOption()->show();
    pane->setActiveTab(pane->tab(0));
    pane->tree()->show();
    pane->resultList()->hide();
    pane->resultScrollBar()->hide();
    m_session.viewMode = 1;
}

void QueryPanel::listTab() { showResultList(true); }

void QueryPanel::showResultList(bool relist)
{
    LeftPane* pane = m_parts.pane;
    if (QWidget* history = m_parts.window->findChild<QWidget*>(kHistoryList)) history->hide();
    pane->searchBox()->show();
    pane->searchButton()->show();
    pane->tab(2)->setEnabled(true);
    pane->advancedButton()->show();
    pane->clickRunsOption()->hide();
    pane->manualExpandOption()->hide();
    if (m_parts.readingTimer) m_parts.readingTimer->stop();

    // Already on the list: what it shows (a centre search's result) stays.
    if (m_session.viewMode != 2) {
        if (relist && m_connection.isOpen()) {
            try {
                const TitleList found = listCentre(m_connection, m_session.listTable);
                if (!found.empty()) m_results.show(found);
            } catch (const std::exception& e) {
                reportFailure(QString::fromUtf8(e.what()));
            }
        }
        pane->resultList()->show();
        pane->tree()->hide();
        pane->setActiveTab(pane->tab(1));
    }
    pane->tree()->hide();
    pane->resultList()->show();
    pane->resultScrollBar()->show();
    m_session.viewMode = 2;
}

void QueryPanel::historyTab()
{
    // The history list itself belongs to the search history.
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
}

void QueryPanel::openAdvancedPanel()
{
    LeftPane* pane = m_parts.pane;
    AdvancedPanel* advanced = pane->advancedPanel();
    advanced->inResultsButton()->show();
    advanced->allDataButton()->show();
    advanced->closeButton()->show();
    pane->advancedButton()->hide();
    pane->searchButton()->hide();
    pane->searchBox()->hide();
    // The pane places the open panel in the search row and the list below it.
    advanced->show();
}

void QueryPanel::closeAdvancedPanel()
{
    LeftPane* pane = m_parts.pane;
    AdvancedPanel* advanced = pane->advancedPanel();
    advanced->hide();
    advanced->inResultsButton()->hide();
    advanced->allDataButton()->hide();
    advanced->closeButton()->hide();
    if (QWidget* editor = m_parts.window->findChild<QWidget*>(kKeywordEditorPanel)) editor->hide();
    pane->advancedButton()->show();
    pane->searchButton()->show();
    // The pane puts the list back 20 twips below the search box.
    pane->searchBox()->show();
    if (QWidget* history = m_parts.window->findChild<QWidget*>(kHistoryList)) {
        const QRect list = pane->resultList()->geometry();
        const QRect tree = pane->tree()->geometry();
        history->setGeometry(tree.x(), list.y(), tree.width(),
                             std::max(0, tree.height() - twips::toPixels(kHistoryListShorterThanTree)));
    }
}

void QueryPanel::allData()
{
    listTab();
    closeAdvancedPanel();
}

void QueryPanel::showQueryCentreControls()
{
    LeftPane* pane = m_parts.pane;
    setTabsEnabled(false);
    for (const char* caption : {"数据智能查询", "自动批量数据检索", "自动提取关键数据"})
        showCaptioned(QString::fromUtf8(caption), true);
    pane->advancedPanel()->closeButton()->show();
    pane->tree()->hide();
    pane->resultList()->hide();
    pane->backToQueryButton()->hide();
    // The multi-keyword frame fills the head of the query centre panel.
    pane->queryCentrePanel()->show();
    for (QGroupBox* frame : m_parts.window->findChildren<QGroupBox*>()) {
        const QString title = frame->title().trimmed();
        if (title == QStringLiteral("选择查询范围") || title == QStringLiteral("选择内容所属类型")) frame->show();
    }
    if (QWidget* smart = m_parts.window->findChild<QWidget*>(kSmartRetrievalFrame)) smart->hide();
    pane->resultScrollBar()->hide();
}

void QueryPanel::showResultView()
{
    LeftPane* pane = m_parts.pane;
    setTabsEnabled(true);
    if (pane->activeTab() == pane->tab(0)) {
        pane->tree()->show();
    } else {
        pane->resultList()->show();
        pane->backToQueryButton()->show();
    }
    // The panel lies over the tree and the list: it goes with the multi-keyword frame.
    // Without the search box the pane gives the tree its row and fits its height.
    pane->queryCentrePanel()->hide();
    pane->backToQueryButton()->show();
}

void QueryPanel::showCaptioned(const QString& caption, bool visible)
{
    for (QAbstractButton* button : m_parts.window->findChildren<QAbstractButton*>())
        if (button->text() == caption) button->setVisible(visible);
}

void QueryPanel::setTabsEnabled(bool enabled)
{
    for (int i = 0; i < 3; ++i) m_parts.pane->tab(i)->setEnabled(enabled);
}

void QueryPanel::reportFailure(const QString& detail)
{
    m_prompter.message(detail.isEmpty() ? QStringLiteral("读取资料库失败。")
                                        : QStringLiteral("读取资料库失败：%1").arg(detail));
}

}  // namespace kelvor
