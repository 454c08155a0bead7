#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;

namespace kelvor {

namespace keywords {
class KeywordIndex;
}  // namespace keywords

// The related-keyword labels `Label32`: the names of the records linked to
// the navigation keyword of the record on show, one label each. A click on a
// label opens the record behind it; the label under the pointer turns red.
// While the labels are hidden nothing is looked up: they follow the record
// again when they are shown.
class RelatedKeywordsPanel : public QWidget {
    Q_OBJECT
public:
    RelatedKeywordsPanel(keywords::KeywordIndex& index, QWidget* parent = nullptr);

    // The record on show has the navigation keyword `mainKeyword` (may be
    // empty): its links become the labels, now or when the labels are shown.
    void followRecordKeyword(const QString& mainKeyword);
    // No record behind the labels: every label but the first goes, the first is hidden.
    void removeLabels();

    // The keyword whose table the labels name, and their display names.
    void setNavigationKeyword(const QString& keyword, const QStringList& displayNames);
    QString navigationKeyword() const { return m_navigationKeyword; }
    QStringList captions() const;

    // What a click on label `index` does.
    void openFromLabel(int index);
    // The pointer is over label `index`.
    void hoverLabel(int index);

    // Each label's caption is a marker followed by the display name.
    static QString labelCaption(const QString& displayName);

signals:
    void openRecordRequested(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* makeLabel(int index);
    void lookUp();

    keywords::KeywordIndex& m_index;
    QString m_navigationKeyword;
    QString m_followed;    // the record's keyword the labels follow
    bool m_looked = true;  // m_followed has been looked up, into m_names
    QStringList m_names;
    std::vector<QLabel*> m_labels;  // label 0 is always there
};

}  // namespace kelvor
