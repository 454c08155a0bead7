#pragma once

#include "navigationgroups.h"

#include "library/centres.h"
#include "viewer/panelmode.h"

#include <QObject>
#include <QString>

namespace kelvor {

struct CentreTitleSearch;

// What the left pane's body shows: nothing yet, the catalogue tree or the result list.
enum class ViewMode { None = 0, Catalogue = 1, ResultList = 2 };

// What the reading timer drives after an opening.
enum class ReadingMode { AutoScroll = 0, AutoRun = 1 };

// The few values that every part of the main window reads: which page the
// navigation bar chose and what the current centre's queries are. The main
// window owns it and hands it to its controllers; they change it only
// through its setters, and a change of the centre says so with
// centreChanged().
class WindowSession : public QObject {
    Q_OBJECT
public:
    explicit WindowSession(QObject* parent = nullptr) : QObject(parent) {}

    // ------------------------------------------------------------ the centre
    NavigationGroup group() const { return m_group; }
    int currentItem() const { return m_currentItem; }
    QString centreTitle() const { return m_centreTitle; }
    // The stored table expression (" spzx", "study", an external reference).
    QString currentTable() const { return m_currentTable; }
    QString listTable() const { return m_listTable; }
    Query treeQuery() const { return m_treeQuery; }
    Query listQuery() const { return m_listQuery; }
    QString centreMainPage() const { return m_centreMainPage; }

    void setGroup(NavigationGroup group);
    void setCurrentItem(int item);
    void setCentreTitle(const QString& title);
    void setCurrentTable(const QString& table);
    void setTreeQuery(const Query& query);
    void setListQuery(const Query& query);
    void setCentreMainPage(const QString& page);
    // A centre's tables and queries, all four at once.
    void setCentreQueries(const CentreQueries& queries);
    // The centre title search's centre: its table, title and queries; the list table stays.
    void setCentreTitleSearch(const CentreTitleSearch& search);

    // ------------------------------------------------------------ the panes
    PanelMode panelMode() const { return m_panelMode; }
    ViewMode viewMode() const { return m_viewMode; }
    ReadingMode readingMode() const { return m_readingMode; }
    void setPanelMode(PanelMode mode);
    void setViewMode(ViewMode mode) { m_viewMode = mode; }
    void setReadingMode(ReadingMode mode) { m_readingMode = mode; }

    // ------------------------------------------------------------ highlighter
    // The term the next pass marks, and whether it is armed.
    QString firstHighlightTerm() const { return m_firstHighlightTerm; }
    bool highlighterArmed() const { return m_highlighterArmed; }
    void setFirstHighlightTerm(const QString& term) { m_firstHighlightTerm = term; }
    void setHighlighterArmed(bool armed) { m_highlighterArmed = armed; }

    // Keyword connection flag: the search box and the tree set it, the keyword
    // operations read it to know whether their connection must be re-opened.
    qint16 keywordConnectionFlag() const { return m_keywordConnectionFlag; }
    void setKeywordConnectionFlag(qint16 flag) { m_keywordConnectionFlag = flag; }

    // ------------------------------------------------------------ record opener
    QString currentCode() const { return m_currentCode; }
    QString currentDocumentPath() const { return m_currentDocumentPath; }
    void setCurrentRecord(const QString& code, const QString& documentPath);

signals:
    // A value of the centre changed (group, item, title, tables, queries, main page).
    void centreChanged();
    void panelModeChanged(PanelMode mode);

private:
    NavigationGroup m_group = NavigationGroup::Learning;  // the learning group while the window is created
    int m_currentItem = 1;
    QString m_centreTitle;
    QString m_currentTable;
    QString m_listTable;
    Query m_treeQuery;
    Query m_listQuery;
    QString m_centreMainPage;

    PanelMode m_panelMode = PanelMode::Default;
    ViewMode m_viewMode = ViewMode::None;
    ReadingMode m_readingMode = ReadingMode::AutoRun;

    QString m_firstHighlightTerm;
    bool m_highlighterArmed = false;
    qint16 m_keywordConnectionFlag = 0;

    QString m_currentCode;
    QString m_currentDocumentPath;
};

}  // namespace kelvor
