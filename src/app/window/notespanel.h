#pragma once

#include <QFrame>

class QCheckBox;

namespace kelvor {

// The notes panel `Frame24`, created hidden. It holds the check box
// `option7` "查询时是否显示心得查看按钮", which the option file keeps across
// restarts.
class NotesPanel : public QFrame {
    Q_OBJECT
public:
    explicit NotesPanel(QWidget* parent = nullptr);

    QCheckBox* showNotesOption() const { return m_showNotes; }

private:
    QCheckBox* m_showNotes = nullptr;
};

}  // namespace kelvor
