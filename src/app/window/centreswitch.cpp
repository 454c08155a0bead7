#include "centreswitch.h"

#include "resultlistmodel.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/treequeries.h"
#include "library/sharedconnection.h"
#include "search/titlesearch.h"

#include <stdexcept>

namespace kelvor {

namespace {

// Ends a switch at the step that failed; caught in Label1_Click. Carries the
// whole message for the user.
class SwitchFailed : public std::runtime_error {
public:
    explicit SwitchFailed(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

QString readFailure(const QString& detail)
{
    return detail.isEmpty() ? QStringLiteral("读取资料库失败。") : QStringLiteral("读取资料库失败：%1").arg(detail);
}

// A tree that the database refused is a read failure; a catalogue that
// breaks its own rules says so in its own words.
QString buildFailure(const BuildResult& result)
{
    return result.failure == BuildFailure::QueryFailed ? readFailure(result.message) : result.message;
}

constexpr int kTabsTop = 200;
constexpr int kVideoItem = 2;
constexpr int kInterfaceItem = 6;

const QString kQueryCentreTitle = QStringLiteral("查询中心");

}  // namespace

CentreSwitch::CentreSwitch(SharedConnection& connection, WindowSession& session, CatalogueModel& catalogue,
                           ResultListModel& results, CentreSwitchView& view)
    : m_connection(connection), m_session(session), m_catalogue(catalogue), m_results(results), m_view(view)
{
}

QStringList CentreSwitch::sidePanelCaptions(PanelMode panelMode)
{
    switch (panelMode) {
    case PanelMode::Video:
        return {QStringLiteral("视频简介"), QStringLiteral("观看视频对应文档"), QStringLiteral("打开源代码文件夹"),
                QStringLiteral("最新升级视频"), QStringLiteral("视频论坛")};
    case PanelMode::Interface:
        return {QStringLiteral("下载界面"), QStringLiteral("查看对应PSD文件"), QStringLiteral("界面设计视频学习"),
                QStringLiteral("在线学习设计"), QStringLiteral("界面论坛")};
    case PanelMode::Default: break;
    }
    return {QStringLiteral("显示文档"), QStringLiteral("显现文档中的源程序"), QStringLiteral("打开源代码文件夹"),
            QStringLiteral("观看学习视频"), QStringLiteral("学习论坛")};
}

PanelMode CentreSwitch::panelModeOf(int centreItem)
{
    if (centreItem == kVideoItem) return PanelMode::Video;
    if (centreItem == kInterfaceItem) return PanelMode::Interface;
    return PanelMode::Default;
}

void CentreSwitch::Label1_Click(int item)
{
    beginSwitch(item);
    m_treeReplaced = false;
    try {
        switch (m_session.group()) {
        case NavigationGroup::Centre: switchCentreGroup(item); break;
        case NavigationGroup::Learning: switchLearningGroup(item); break;
        case NavigationGroup::Query: switchQueryGroup(item); break;
        }
    } catch (const SwitchFailed& e) {
        failed(e.message());
    } catch (const std::exception& e) {
        failed(readFailure(QString::fromUtf8(e.what())));
    }
    m_view.setWindowEnabled(true);
}

void CentreSwitch::failed(const QString& message)
{
    // The title may already name the new page: the old page's tree must not stay under it.
    if (!m_treeReplaced) clearTree();
    m_view.reportFailure(message);
}

void CentreSwitch::beginSwitch(int item)
{
    m_view.setWindowEnabled(false);
    m_session.setHighlighterArmed(true);
    m_session.setFirstHighlightTerm({});
    m_view.setControlEnabled(Control::SearchButton, true);
    m_view.setControlEnabled(Control::AdvancedButton, true);
    m_session.setCurrentItem(item);

    m_view.setControlVisible(Control::TabCatalogue, true);
    m_view.setControlVisible(Control::TabList, true);
    m_view.setControlVisible(Control::TabHistory, true);
    m_view.setControlVisible(Control::AutoRun, true);

    m_view.placeDocumentAreaBesideSplitter();
    m_view.setControlVisible(Control::Splitter, true);
    m_view.setControlVisible(Control::LeftPane, true);

    m_view.stopReadingTimer();
    m_view.setControlCaption(Control::AutoRun, QStringLiteral("自动执行"));
    m_view.showDocumentView();
    resetWindow();
}

void CentreSwitch::resetWindow()
{
    m_view.placeOptionBoxes();
    for (Control hidden : {Control::ThumbnailShow, Control::ThumbnailRestore, Control::HistoryList,
                           Control::AdvancedPanel, Control::AdvancedInResults, Control::AdvancedAllData,
                           Control::AdvancedClose, Control::QueryCentrePanel, Control::BackToQuery})
        m_view.setControlVisible(hidden, false);
    m_view.setControlVisible(Control::Splitter, true);
    m_view.setControlVisible(Control::DocumentArea, true);
    m_view.setControlVisible(Control::LeftPaneFrame, true);

    switch (m_session.group()) {
    case NavigationGroup::Centre:
        showSearchRow();
        m_view.placeTabsAtTop(kTabsTop);
        m_view.setControlEnabled(Control::SearchButton, true);
        m_view.setControlEnabled(Control::AdvancedButton, true);
        m_view.setControlEnabled(Control::TabCatalogue, true);
        m_view.setControlEnabled(Control::TabList, true);
        m_view.setControlEnabled(Control::TabHistory, true);
        m_view.setControlCaption(Control::TabHistory, QStringLiteral("历史"));
        break;
    case NavigationGroup::Learning:
        showSearchRow();
        m_view.placeTabsAtTop(kTabsTop);
        m_view.setControlEnabled(Control::AutoRun, true);
        m_view.setControlEnabled(Control::TabSettings, true);
        m_view.setControlEnabled(Control::TabList, false);
        m_view.setControlEnabled(Control::TabHistory, false);
        break;
    case NavigationGroup::Query:
        m_view.setControlVisible(Control::SearchBox, false);
        m_view.setControlVisible(Control::AdvancedButton, false);
        break;
    }
}

void CentreSwitch::showSearchRow()
{
    // The advanced panel, closed above, had taken the search row's place.
    for (Control searchRow : {Control::SearchBox, Control::SearchButton, Control::AdvancedButton})
        m_view.setControlVisible(searchRow, true);
}

void CentreSwitch::switchCentreGroup(int item)
{
    const QString caption = barItemName(NavigationGroup::Centre, item);
    const Centre* centre = centreByCaption(caption);
    if (caption.isEmpty() || !centre) return;  // a slot without a centre switches nothing

    openContentDatabase();
    const LibraryLayout& layout = m_connection.layout();
    const CentreQueries queries = centreQueries(*centre, layout, m_connection.contentTable(centre->table));
    m_session.setCentreQueries(queries);
    setCentreTitle(caption);

    if (item == kInterfaceItem) {
        m_view.placeThumbnailButtonAtSettingsTab();
        m_view.setControlVisible(Control::ThumbnailShow, true);
        // Usable on entering, whatever a click in another centre left: it
        // shows the chosen folder's records, or the first folder's.
        m_view.setControlEnabled(Control::ThumbnailShow, true);
    }
    if (item == 1) m_view.showInDocumentView(layout.placeholderPicture());
    if (item == kVideoItem || item == kInterfaceItem) m_view.showInDocumentView(layout.placeholderPictureWide());

    if (installTree(buildCentreTree(m_connection, queries.treeQuery), false)) {
        m_session.setCentreMainPage(layout.centreMainPage());
        m_view.refreshLayout();
        m_view.setControlVisible(Control::Tree, true);
        m_view.setControlVisible(Control::ResultList, false);
        m_view.setControlVisible(Control::ResultScrollBar, false);
    }

    if (caption != kQueryCentreTitle) m_view.setControlCaption(Control::RangeOptionCentre, caption);
    m_view.setActiveTab(Control::TabCatalogue);
    m_session.setViewMode(ViewMode::Catalogue);

    m_session.setPanelMode(panelModeOf(item));
    m_view.setSidePanel(sidePanelCaptions(m_session.panelMode()));
}

void CentreSwitch::switchLearningGroup(int item)
{
    const QString caption = barItemName(NavigationGroup::Learning, item);
    setCentreTitle(caption);
    const Centre* centre = item <= 1 ? centreByCaption(caption) : nullptr;
    if (centre) {
        openContentDatabase();
        const LibraryLayout& layout = m_connection.layout();
        const CentreQueries queries = learningQueries(*centre, layout, m_connection.contentTable(centre->table));
        m_session.setCentreQueries(queries);
        m_view.showInDocumentView(item == 0 ? layout.placeholderPictureWide() : layout.placeholderPicture());

        // The course is shown only when its root record is there.
        const bool hasRoot = !m_connection.db().query(queries.treeQuery.sql, queries.treeQuery.params).empty();
        if (hasRoot) {
            m_view.setControlVisible(Control::ResultList, false);
            installTree(buildLearningTree(m_connection, centre->table, centre->codePrefix), true);
            m_view.setControlVisible(Control::Tree, true);
        } else {
            clearTree();
        }
    } else {
        // A page without a course of its own shows an empty tree under its title.
        clearTree();
    }
    // The default captions; the panel mode stays.
    m_view.setSidePanel(sidePanelCaptions(PanelMode::Default));
}

void CentreSwitch::switchQueryGroup(int item)
{
    switch (item) {
    case 0: showCatalogueCentre(item); break;
    case 1: showQueryCentre(); break;
    case 2: showSearchPage(); break;
    case 3:
    case 6: showCatalogueCentre(item); break;
    default: break;  // slots without a page
    }
    finishQueryGroup();
}

void CentreSwitch::showCatalogueCentre(int item)
{
    const QString caption = barItemName(NavigationGroup::Query, item);
    const LibraryLayout& layout = m_connection.layout();
    if (item == 0) {
        m_view.setControlVisible(Control::ResultList, false);
        openContentDatabase();
        m_session.setTreeQuery(queryGroupTreeQuery([this](const QString& t) { return m_connection.contentTable(t); }));
        if (installTree(buildCentreTree(m_connection, m_session.treeQuery()), false)) {
            m_session.setCentreMainPage(layout.centreMainPage());
            m_view.showInDocumentView(layout.placeholderPicture());
            m_view.refreshLayout();
            m_view.setControlEnabled(Control::TabCatalogue, false);
            m_view.setControlEnabled(Control::TabList, false);
            m_view.setControlEnabled(Control::TabHistory, false);
            m_view.setControlEnabled(Control::TabSettings, true);
            m_view.setControlEnabled(Control::AutoRun, true);
            m_view.setControlVisible(Control::SearchButton, false);
            m_view.setControlVisible(Control::AdvancedButton, false);
            m_view.setControlVisible(Control::ResultScrollBar, false);
        }
        setCentreTitle(caption);
        m_view.setControlVisible(Control::Tree, true);
        return;
    }

    // The source and tool catalogues.
    const Centre* centre = centreByCaption(caption);
    if (!centre) return;
    openContentDatabase();
    const CentreQueries queries = centreQueries(*centre, layout, m_connection.contentTable(centre->table));
    // The list table and query stay those of the last centre.
    m_session.setCurrentTable(queries.currentTable);
    m_session.setTreeQuery(queries.treeQuery);
    setCentreTitle(caption);
    if (installTree(buildCentreTree(m_connection, queries.treeQuery), false)) {
        m_session.setCentreMainPage(layout.centreMainPage());
        m_view.refreshLayout();
        m_view.setControlVisible(Control::ResultList, false);
        m_view.setControlVisible(Control::Tree, true);
    }
}

void CentreSwitch::showQueryCentre()
{
    setCentreTitle(barItemName(NavigationGroup::Query, 1));
    m_view.setControlVisible(Control::QueryCentrePanel, true);
    m_view.setControlVisible(Control::ResultList, false);
    m_view.setControlEnabled(Control::TabHistory, false);
    m_view.refreshLayout();
    m_view.setControlVisible(Control::ResultScrollBar, false);
    for (Control tab : {Control::TabCatalogue, Control::TabList, Control::TabHistory, Control::TabSettings})
        m_view.setControlVisible(tab, false);
    m_view.setControlVisible(Control::AutoRun, false);
    showCentreMainPage();
}

void CentreSwitch::showSearchPage()
{
    m_session.setTreeQuery(searchPageQuery([this](const QString& t) { return m_connection.contentTable(t); }));
    setCentreTitle(barItemName(NavigationGroup::Query, 2));
    m_view.setControlVisible(Control::Tree, false);
    // Shown before the list is read: a library that refuses the read leaves
    // the user a search box to try again with, each keystroke saying why.
    for (Control shown : {Control::ResultList, Control::SearchBox, Control::SearchButton, Control::AdvancedButton,
                          Control::ResultScrollBar})
        m_view.setControlVisible(shown, true);
    openContentDatabase();
    // Every title, the first screen at once and the rest as the list scrolls;
    // nothing found leaves the list as it was.
    m_results.showPaged(titleSearchPager(m_connection, QString()));
    showCentreMainPage();
    m_view.refreshLayout();
    setTabsEnabled(false);
    m_view.setControlEnabled(Control::AutoRun, false);
    m_view.setControlEnabled(Control::SearchButton, false);
    m_view.setControlEnabled(Control::AdvancedButton, false);
}

void CentreSwitch::finishQueryGroup()
{
    if (m_view.isControlVisible(Control::Tree)) {
        m_view.setControlVisible(Control::TitleOnlyOption, true);
        m_view.setControlVisible(Control::ShowPositionOption, true);
        return;
    }
    for (Control hidden : {Control::TitleOnlyOption, Control::ShowPositionOption, Control::ClickRunsOption,
                           Control::ManualExpandOption})
        m_view.setControlVisible(hidden, false);
}

void CentreSwitch::openContentDatabase()
{
    // Stored queries name the content tables plainly, so they must run on
    // the content database whichever database the last operation left open.
    m_connection.open(DatabaseRole::Content);
}

void CentreSwitch::setCentreTitle(const QString& title)
{
    m_session.setCentreTitle(title);
    m_view.setCentreTitle(title);
}

void CentreSwitch::showCentreMainPage()
{
    m_session.setCentreMainPage(m_connection.layout().centreMainPage());
    m_view.showInDocumentView(m_session.centreMainPage());
}

bool CentreSwitch::installTree(BuildResult result, bool expandAll)
{
    if (result.ok() && result.tree.isEmpty()) {
        clearTree();
        return false;
    }
    if (result.failure == BuildFailure::QueryFailed && result.tree.isEmpty()) throw SwitchFailed(buildFailure(result));
    const int selected = result.selectedNode;
    m_catalogue.reset(std::move(result.tree));
    m_treeReplaced = true;
    m_view.catalogueRebuilt(selected, expandAll);
    if (!result.ok()) throw SwitchFailed(buildFailure(result));
    return true;
}

void CentreSwitch::clearTree()
{
    m_catalogue.clear();
    m_treeReplaced = true;
    m_view.catalogueRebuilt(-1, false);
}

void CentreSwitch::setTabsEnabled(bool enabled)
{
    for (Control tab : {Control::TabCatalogue, Control::TabList, Control::TabHistory, Control::TabSettings})
        m_view.setControlEnabled(tab, enabled);
}

}  // namespace kelvor
