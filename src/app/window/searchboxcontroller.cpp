#include "searchboxcontroller.h"

#include "leftpane.h"
#include "querypanel.h"
#include "resultlistmodel.h"

#include "library/database.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"
#include "search/titlesearch.h"

#include <exception>

namespace kelvor {

SearchBoxController::SearchBoxController(SharedConnection& connection, WindowSession& session,
                                         ResultListModel& results, QueryPanel& queryPanel, Prompter& prompter,
                                         LeftPane& pane, QObject* parent)
    : QObject(parent),
      m_connection(connection),
      m_session(session),
      m_results(results),
      m_queryPanel(queryPanel),
      m_prompter(prompter),
      m_pane(pane)
{
    connect(&m_pane, &LeftPane::searchTextChanged, this, &SearchBoxController::textChanged);
    connect(&m_pane, &LeftPane::searchEntered, this, &SearchBoxController::enterPressed);
}

void SearchBoxController::textChanged(const QString& text)
{
    if (isSearchPage(m_session.centreTitle())) {
        titleSearch(text);
        return;
    }
    // Nothing reads the flag between its reset and its setting: 1 is what counts.
    m_session.setKeywordConnectionFlag(1);
}

void SearchBoxController::enterPressed()
{
    m_queryPanel.centreSearch();
    m_session.setKeywordConnectionFlag(1);
}

void SearchBoxController::titleSearch(const QString& text)
{
    // The first screen of titles at once, the rest as the list scrolls.
    try {
        // No title begins with the text: the last list stays on show.
        if (!m_results.showPaged(titleSearchPager(m_connection, text))) return;
    } catch (const std::exception& e) {
        m_prompter.message(QStringLiteral("读取资料库失败：%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    m_pane.setControlVisible(Control::ResultList, true);
}

}  // namespace kelvor
