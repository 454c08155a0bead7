#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;

namespace kelvor {

// The notes panel `Frame24`, created hidden: the list of noted records
// `Combo7` "查看心得:", the title `Text10` "心得标题:", the note `Text9`, the
// buttons "添加开发心得", "删除", "关闭", and the check box `option7`
// "查询时是否显示心得查看按钮", which the option file keeps across restarts.
// It shows what it is given and says what the user asked for.
class NotesPanel : public QFrame {
    Q_OBJECT
public:
    explicit NotesPanel(QWidget* parent = nullptr);

    QCheckBox* showNotesOption() const { return m_showNotes; }

    void setTitles(const QStringList& titles);
    QStringList titles() const;
    // The list entry chosen last; -1 when none.
    int selectedRow() const;
    void selectRow(int row);

    QString noteText() const;
    void showNote(const QString& title, const QString& text);
    void clearNote();

signals:
    void saveRequested(const QString& noteText);
    void removeRequested(int row);
    void entryChosen(int row);
    void closeRequested();

private:
    QStringListModel* m_titles = nullptr;
    QComboBox* m_list = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_close = nullptr;
    QCheckBox* m_showNotes = nullptr;
};

}  // namespace kelvor
