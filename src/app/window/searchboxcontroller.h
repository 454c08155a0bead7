#pragma once

#include "windowsession.h"

#include <QObject>

#include <functional>

class QComboBox;
class QListView;

namespace kelvor {

class Prompter;
class QueryPanel;
class ResultListModel;
class SharedConnection;

// The search box `Combo2`. On the search page (" 检索 ") every change of its
// text lists the titles of the six centres that begin with it; on any other
// page a change only marks the keyword connection as due for re-opening.
// Enter runs the centre search and then lets the keyword connection go.
class SearchBoxController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QComboBox* searchBox = nullptr;
        QListView* resultList = nullptr;
        // Lets pending window events run while a long listing is merged.
        std::function<void()> letEventsRun;
    };

    SearchBoxController(SharedConnection& connection, WindowSession& session, ResultListModel& results,
                        QueryPanel& queryPanel, Prompter& prompter, Parts parts, QObject* parent = nullptr);

    // The keyword index closes its recordset and connection here after Enter.
    void setKeywordConnectionCloser(std::function<void()> close) { m_closeKeywordConnection = std::move(close); }

    void textChanged(const QString& text);
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void titleSearch(const QString& text);

    SharedConnection& m_connection;
    WindowSession& m_session;
    ResultListModel& m_results;
    QueryPanel& m_queryPanel;
    Prompter& m_prompter;
    Parts m_parts;
    std::function<void()> m_closeKeywordConnection;
};

}  // namespace kelvor
