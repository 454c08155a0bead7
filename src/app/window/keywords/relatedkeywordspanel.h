#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QListView;
class QModelIndex;
class QStringListModel;

namespace kelvor {

namespace keywords {
class KeywordIndex;
}  // namespace keywords

// The related-keyword labels `Label32` and the example list `List6`: names
// of records linked to the panel's navigation keyword and to its example
// keyword. A click on a label or an entry opens the record behind it; the
// label under the pointer turns red.
class RelatedKeywordsPanel : public QWidget {
    Q_OBJECT
public:
    RelatedKeywordsPanel(keywords::KeywordIndex& index, QWidget* parent = nullptr);

    // The keyword whose table the labels name, and their display names.
    void setNavigationKeyword(const QString& keyword, const QStringList& displayNames);
    // The keyword whose table the example list names, and its entries.
    void setExampleKeyword(const QString& keyword, const QStringList& displayNames);

    // What a click on label `index` or on an example entry does.
    void openFromLabel(int index);
    void openFromExample(const QString& entry);
    // The pointer is over label `index`.
    void hoverLabel(int index);

    // Each label's caption is a marker followed by the display name.
    static QString labelCaption(const QString& displayName);

signals:
    void openRecordRequested(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeLabel(int index);

    keywords::KeywordIndex& m_index;
    QString m_navigationKeyword;
    QString m_exampleKeyword;
    std::vector<QLabel*> m_labels;  // label 0 is always there
    QListView* m_examples = nullptr;
    QStringListModel* m_exampleLines = nullptr;
};

}  // namespace kelvor
