#pragma once

#include "search/resultlist.h"
#include "search/titlesearch.h"

#include <QAbstractListModel>

#include <optional>

namespace kelvor {

// The result list `datalist2` as a model over the search's result list: line
// i shows a title, position i of the result code table holds its code. The
// lines and codes are packed, so the search page's million titles cost
// little more than their UTF-8 bytes; a line becomes a string when shown.
//
// A long listing is shown a page at a time: the first page at once, the
// next ones as the view scrolls to the end (fetchMore), so a keystroke never
// waits on the whole list. Scrolled to its end the list holds exactly the
// rows, in the order, that the listing returns as a whole.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { CodeRole = Qt::UserRole + 1 };

    using Pager = TitlePager;

    explicit ResultListModel(QObject* parent = nullptr);

    // Rows read for the first screen and for each further page.
    void setPageSizes(size_t firstPage, size_t laterPages);

    // A search or listing found rows: they replace the lines and their codes.
    void show(const TitleList& found);
    // Reads the first page through `pager`. When it holds rows they replace
    // the lines and the rest follows as the view asks for it; when it holds
    // none nothing changes and false is returned. Throws what the pager throws.
    bool showPaged(Pager pager);
    // Nothing found where the list must be emptied: the lines go, the code table stays.
    void clearLines();
    // Reads every page still to come (for callers that need the whole list).
    void fetchAll();

    const ResultList& list() const { return m_list; }
    // The code of line `row`; empty outside the code table.
    QString code(int row) const { return m_list.codeAt(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // A later page could not be read; the list keeps the rows it has.
    void fetchFailed(const QString& detail);

private:
    void stopPaging();

    ResultList m_list;
    Pager m_pager;
    std::optional<TitleKey> m_lastKey;
    size_t m_firstPageRows = 200;
    size_t m_pageRows = 2000;
};

}  // namespace kelvor
