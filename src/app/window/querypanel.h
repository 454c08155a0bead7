#pragma once

#include "windowsession.h"

#include <QObject>

class QTimer;

namespace kelvor {

class DocumentView;
class LeftPane;
class Prompter;
class ResultListModel;
class SharedConnection;

// The query panel at the head of the left pane: the centre search ("搜索",
// Enter in the search box), the tabs "目录", "查询", "历史" that switch the
// pane's body between the catalogue tree and the result list, the advanced
// panel with "全部数据", and the switches between the query centre's
// controls and the result view ("返回查询界面", "查看结果").
class QueryPanel : public QObject {
    Q_OBJECT
public:
    struct Parts {
        LeftPane* pane = nullptr;
        DocumentView* documentView = nullptr;  // WebBrowser1, for the placeholder picture
        QTimer* readingTimer = nullptr;        // Timer2
    };

    QueryPanel(SharedConnection& connection, WindowSession& session, ResultListModel& results, Prompter& prompter,
               Parts parts, QObject* parent = nullptr);

    // "搜索": the titles of the current centre that contain the search box's
    // text, in record-code order. Nothing found empties the list and says so.
    void centreSearch();

    void catalogueTab();  // "目录"
    void listTab();       // "查询"
    void historyTab();    // "历史"

    void openAdvancedPanel();   // "高级"
    void closeAdvancedPanel();  // "关闭"
    void allData();             // "全部数据"

    void showQueryCentreControls();  // "返回查询界面"
    void showResultView();           // "查看结果"

signals:
    // A centre search for a non-empty text started; the search history counts it.
    void centreSearchRun(const QString& text);

private:
    // The list tab's steps; `relist` fills the list with the whole centre
    // unless the list is already on show.
    void showResultList(bool relist);
    void reportFailure(const QString& detail);

    SharedConnection& m_connection;
    WindowSession& m_session;
    ResultListModel& m_results;
    Prompter& m_prompter;
    Parts m_parts;
};

}  // namespace kelvor
