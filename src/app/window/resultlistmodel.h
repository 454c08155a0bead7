#pragma once

#include "search/resultlist.h"

#include <QAbstractListModel>

namespace kelvor {

// The result list `datalist2` as a model over the search's result list: line
// i shows a title, position i of the result code table holds its code. The
// lines and codes are plain vectors, so the search page's million titles
// cost little more than their text.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { CodeRole = Qt::UserRole + 1 };

    explicit ResultListModel(QObject* parent = nullptr);

    // A search or listing found rows: they replace the lines and their codes.
    void show(const TitleList& found);
    // Nothing found where the list must be emptied: the lines go, the code table stays.
    void clearLines();

    const ResultList& list() const { return m_list; }
    // The code of line `row`; empty outside the code table.
    QString code(int row) const { return m_list.codeAt(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    ResultList m_list;
};

}  // namespace kelvor
