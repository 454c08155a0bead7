#include "windowsession.h"

#include "catalogue/centretitlesearch.h"

namespace kelvor {

namespace {

bool sameQuery(const Query& a, const Query& b) { return a.sql == b.sql && a.params == b.params; }

// Assigns and says whether anything changed.
template <typename T>
bool assign(T& field, const T& value)
{
    if (field == value) return false;
    field = value;
    return true;
}

bool assign(Query& field, const Query& value)
{
    if (sameQuery(field, value)) return false;
    field = value;
    return true;
}

}  // namespace

void WindowSession::setGroup(NavigationGroup group)
{
    if (assign(m_group, group)) emit centreChanged();
}

void WindowSession::setCurrentItem(int item)
{
    if (assign(m_currentItem, item)) emit centreChanged();
}

void WindowSession::setCentreTitle(const QString& title)
{
    if (assign(m_centreTitle, title)) emit centreChanged();
}

void WindowSession::setCurrentTable(const QString& table)
{
    if (assign(m_currentTable, table)) emit centreChanged();
}

void WindowSession::setTreeQuery(const Query& query)
{
    if (assign(m_treeQuery, query)) emit centreChanged();
}

void WindowSession::setListQuery(const Query& query)
{
    if (assign(m_listQuery, query)) emit centreChanged();
}

void WindowSession::setCentreMainPage(const QString& page)
{
    if (assign(m_centreMainPage, page)) emit centreChanged();
}

void WindowSession::setCentreQueries(const CentreQueries& queries)
{
    bool changed = assign(m_currentTable, queries.currentTable);
    changed |= assign(m_listTable, queries.listTable);
    changed |= assign(m_treeQuery, queries.treeQuery);
    changed |= assign(m_listQuery, queries.listQuery);
    if (changed) emit centreChanged();
}

void WindowSession::setCentreTitleSearch(const CentreTitleSearch& search)
{
    bool changed = assign(m_currentTable, search.currentTable);
    changed |= assign(m_centreTitle, search.centreTitle);
    changed |= assign(m_treeQuery, search.treeQuery);
    changed |= assign(m_listQuery, search.listQuery);
    if (changed) emit centreChanged();
}

void WindowSession::setPanelMode(PanelMode mode)
{
    m_panelMode = mode;
    // Announced even when unchanged: the side panel takes its captions again.
    emit panelModeChanged(mode);
}

void WindowSession::setCurrentRecord(const QString& code, const QString& documentPath)
{
    m_currentCode = code;
    m_currentDocumentPath = documentPath;
}

}  // namespace kelvor
