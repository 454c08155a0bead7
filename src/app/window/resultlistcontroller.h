#pragma once

#include "windowsession.h"

#include <QObject>
#include <QPointer>

class QListView;

namespace kelvor {

class DocumentView;
class RecordBrowsing;
class ResultListModel;
class SharedConnection;

// Picking a line of the result list `datalist2` opens its record through the
// record opener. A single click looks the record up by its code first; a
// double click opens the code directly, then scrolls the document to its end
// and back and shows the document view.
class ResultListController : public QObject {
    Q_OBJECT
public:
    ResultListController(SharedConnection& connection, WindowSession& session, ResultListModel& results,
                         RecordBrowsing& browsing, QListView* list, DocumentView* documentView,
                         QObject* parent = nullptr);

    // The list's tip once a line was picked.
    static QString listTip();

    void lineClicked(int row);
    void lineDoubleClicked(int row);

signals:
    // The document opened by a double click was scrolled to its end and back.
    void documentScrolledToEndAndBack();

private:
    void scrollToEndAndBack();

    SharedConnection& m_connection;
    WindowSession& m_session;
    ResultListModel& m_results;
    RecordBrowsing& m_browsing;
    QListView* m_list;
    QPointer<DocumentView> m_documentView;
};

}  // namespace kelvor
