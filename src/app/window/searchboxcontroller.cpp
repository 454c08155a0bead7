#include "searchboxcontroller.h"

#include "querypanel.h"
#include "resultlistmodel.h"

#include "library/database.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"
#include "search/titlesearch.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include <exception>

namespace kelvor {

SearchBoxController::SearchBoxController(SharedConnection& connection, WindowSession& session,
                                         ResultListModel& results, QueryPanel& queryPanel, Prompter& prompter,
                                         Parts parts, QObject* parent)
    : QObject(parent),
      m_connection(connection),
      m_session(session),
      m_results(results),
      m_queryPanel(queryPanel),
      m_prompter(prompter),
      m_parts(std::move(parts))
{
    // Every change counts, typed or set by the program.
    connect(m_parts.searchBox, &QComboBox::editTextChanged, this, &SearchBoxController::textChanged);
    // The line edit leaves Enter to its combo box, which hands it back and so
    // says returnPressed twice: Enter is taken here, once.
    if (QLineEdit* edit = m_parts.searchBox->lineEdit()) edit->installEventFilter(this);
}

bool SearchBoxController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == m_parts.searchBox->lineEdit()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SearchBoxController::textChanged(const QString& text)
{
    if (isSearchPage(m_session.centreTitle)) {
        titleSearch(text);
        return;
    }
    // Nothing reads the flag between its reset and its setting: 1 is what counts.
    m_session.keywordConnectionFlag = 1;
}

void SearchBoxController::enterPressed()
{
    m_queryPanel.centreSearch();
    m_session.keywordConnectionFlag = 1;
    if (m_closeKeywordConnection) m_closeKeywordConnection();
}

void SearchBoxController::titleSearch(const QString& text)
{
    TitleList found;
    try {
        if (!m_connection.isOpen()) m_connection.open(DatabaseRole::Content);
        found = kelvor::titleSearch(m_connection, text, searchPageTables(), m_parts.letEventsRun);
    } catch (const std::exception& e) {
        m_prompter.message(QStringLiteral("读取资料库失败：%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    // No title begins with the text: the last list stays on show.
    if (found.empty()) return;
    m_results.show(found);
    m_parts.resultList->show();
}

}  // namespace kelvor
