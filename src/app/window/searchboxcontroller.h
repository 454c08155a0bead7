#pragma once

#include "windowsession.h"

#include <QObject>

namespace kelvor {

class LeftPane;
class Prompter;
class QueryPanel;
class ResultListModel;
class SharedConnection;

// The search box `Combo2`. On the search page (" 检索 ") every change of its
// text lists the titles of the six centres that begin with it; on any other
// page a change only marks the keyword connection as due for re-opening.
// Enter runs the centre search and marks the keyword connection as due for re-opening.
class SearchBoxController : public QObject {
    Q_OBJECT
public:
    SearchBoxController(SharedConnection& connection, WindowSession& session, ResultListModel& results,
                        QueryPanel& queryPanel, Prompter& prompter, LeftPane& pane, QObject* parent = nullptr);

    void textChanged(const QString& text);
    void enterPressed();

private:
    void titleSearch(const QString& text);

    SharedConnection& m_connection;
    WindowSession& m_session;
    ResultListModel& m_results;
    QueryPanel& m_queryPanel;
    Prompter& m_prompter;
    LeftPane& m_pane;
};

}  // namespace kelvor
