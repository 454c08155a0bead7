#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QListView;
class QStringListModel;

namespace kelvor {

namespace keywords {
class KeywordIndex;
}  // namespace keywords

// The keyword list panel `Picture12` with the example list `List6`: the
// names of the records linked to the example keyword of the record on show.
// A click on an entry opens the record behind it. While the panel is hidden
// nothing is looked up: it follows the record again when it is shown.
class KeywordListPanel : public QFrame {
    Q_OBJECT
public:
    KeywordListPanel(keywords::KeywordIndex& index, QWidget* parent = nullptr);

    // The record on show has the example keyword `mainKeyword` (may be
    // empty): its links fill the list, now or when the panel is shown.
    void followRecordKeyword(const QString& mainKeyword);

    // The keyword whose table the list names, and its entries.
    void setExampleKeyword(const QString& keyword, const QStringList& displayNames);
    QString exampleKeyword() const { return m_exampleKeyword; }
    QStringList entries() const;

    // What a click on an entry does.
    void openFromExample(const QString& entry);

signals:
    void openRecordRequested(const QString& code);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lookUp();

    keywords::KeywordIndex& m_index;
    QString m_exampleKeyword;
    QString m_followed;    // the record's keyword the list follows
    bool m_looked = true;  // m_followed has been looked up
    QLabel* m_title = nullptr;
    QListView* m_examples = nullptr;
    QStringListModel* m_exampleLines = nullptr;
};

}  // namespace kelvor
