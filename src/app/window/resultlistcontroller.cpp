#include "resultlistcontroller.h"

#include "recordbrowsing.h"
#include "resultlistmodel.h"

#include "library/centres.h"
#include "library/database.h"
#include "library/sharedconnection.h"
#include "viewer/documentview.h"

#include <QListView>

#include <exception>

namespace kelvor {

namespace {

// Far enough to reach either end of any document.
constexpr int kScrollDistance = 2000000;

}  // namespace

ResultListController::ResultListController(SharedConnection& connection, WindowSession& session,
                                           ResultListModel& results, RecordBrowsing& browsing, QListView* list,
                                           DocumentView* documentView, QObject* parent)
    : QObject(parent),
      m_connection(connection),
      m_session(session),
      m_results(results),
      m_browsing(browsing),
      m_list(list),
      m_documentView(documentView)
{
    m_list->setToolTip(listTip());
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) { lineClicked(index.row()); });
    connect(m_list, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { lineDoubleClicked(index.row()); });
}

QString ResultListController::listTip() { return QStringLiteral("双击列表选项,查看选定内容"); }

void ResultListController::lineClicked(int row)
{
    const QString code = m_results.code(row);
    // The record's centre follows from its code's first six characters, as
    // for every other opening, so records of every centre are found.
    if (const Centre* centre = centreOfCode(code)) {
        std::vector<Row> found;
        try {
            if (!m_connection.isOpen()) m_connection.open(DatabaseRole::Content);
            found = m_connection.db().query(QStringLiteral("select name, xxbh from %1 where xxbh = ?")
                                                .arg(m_connection.contentTable(centre->table)),
                                            {code});
        } catch (const std::exception&) {
            // A lookup that fails opens nothing, like a record that is not there.
        }
        if (!found.empty()) {
            const QString name = found.front().text(QStringLiteral("name"));
            if (!name.isEmpty()) m_list->setToolTip(name);
            m_browsing.opener().setCurrentTitle(name);
            m_browsing.gototree(found.front().text(QStringLiteral("xxbh")));
        }
    }
    m_list->setToolTip(listTip());
}

void ResultListController::lineDoubleClicked(int row)
{
    if (m_results.rowCount() == 0 || m_session.listQuery().sql.isEmpty()) return;
    const QString title = m_results.data(m_results.index(row), Qt::DisplayRole).toString();
    m_browsing.opener().setCurrentTitle(title);
    m_browsing.gototree(m_results.code(row));
    scrollToEndAndBack();
    if (m_documentView) m_documentView->show();
}

void ResultListController::scrollToEndAndBack()
{
    if (!m_documentView) return;
    // The page answers later; either side may be gone by then.
    QPointer<ResultListController> self = this;
    QPointer<DocumentView> view = m_documentView;
    // The record's page is still loading: scroll the page it brings.
    view->whenLoaded([self, view] {
        if (!view) return;
        view->scrollBy(0, kScrollDistance, [self, view] {
            if (!view) return;
            view->scrollBy(0, -kScrollDistance, [self] {
                if (self) emit self->documentScrolledToEndAndBack();
            });
        });
    });
}

}  // namespace kelvor
