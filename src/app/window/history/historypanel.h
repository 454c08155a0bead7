#pragma once

#include "library/layout.h"
#include "search/searchhistory.h"

#include <QFrame>

class QComboBox;
class QListView;
class QModelIndex;
class QRadioButton;
class QStringListModel;

namespace kelvor {

class Prompter;

// The history panel `Frame99`: the filter `Combo99`, the orders "次数" and
// "日期", and the list `dataList6` of past searches. It reads and writes the
// search-history database on a connection of its own, so the window's shared
// connection stays on the content database. A double click on a line asks
// for that search again; the window runs it.
class HistoryPanel : public QFrame {
    Q_OBJECT
public:
    HistoryPanel(LibraryLayout layout, Prompter& prompter, QWidget* parent = nullptr);

    // Lists the searches whose text contains the filter, in the chosen
    // order. Nothing found, or a history that cannot be read, keeps the list.
    void refresh();
    // Counts a search of `text` (nothing for an empty text).
    void recordSearch(const QString& text);
    searchhistory::Order order() const;

signals:
    // A line other than the header was double-clicked: search for `text`.
    void replayRequested(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lineActivated(const QModelIndex& index);
    void reportFailure(const QString& detail) const;

    LibraryLayout m_layout;
    Prompter& m_prompter;
    QComboBox* m_filter = nullptr;
    QRadioButton* m_byCount = nullptr;
    QRadioButton* m_byDate = nullptr;
    QListView* m_list = nullptr;
    QStringListModel* m_lines = nullptr;
    bool m_recordingFailed = false;
};

}  // namespace kelvor
