#pragma once

#include <QFrame>

class QAbstractItemModel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QTreeView;

namespace kelvor {

// `Frame20`, the report panel: the query field `Text7` with "继续查询", the
// saved reports `List2` with "保存当前数据" and the current-query option
// `Option6`, the hint `Text8`, and below them the hit tree of the last
// query, whose record nodes open their record.
class ReportPanel : public QFrame {
    Q_OBJECT
public:
    explicit ReportPanel(QWidget* parent);

    QString queryText() const;
    void setQueryText(const QString& text);
    void setSavedTerms(const QStringList& terms);
    void setCurrentQueryShown(bool shown);
    void setCurrentQueryChecked(bool checked);
    bool isCurrentQueryChecked() const;
    void hideHint();
    bool isHintShown() const;
    // The hit tree shown under the panel (a catalogue model of group and record nodes).
    void setHitTree(QAbstractItemModel* model);
    void expandHitTree();

signals:
    void continueQueryRequested(const QString& text);  // "继续查询" or Enter in the field
    void saveRequested();                              // "保存当前数据"
    void savedReportPicked(int position);              // a click on an entry of the list
    void currentQueryClicked();                        // "当前查询"
    void hitNodeClicked(const QModelIndex& index);
    void returnRequested();                            // "返回查询中心"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_query;
    QPushButton* m_continue;
    QPushButton* m_save;
    QListView* m_list;
    QStringListModel* m_terms;
    QRadioButton* m_currentQuery;
    QPlainTextEdit* m_hint;
    QTreeView* m_hitTree;
};

}  // namespace kelvor
