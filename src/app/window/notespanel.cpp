#include "notespanel.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace kelvor {

NotesPanel::NotesPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame24"));
    setAccessibleName(QStringLiteral("学习心得"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* column = new QVBoxLayout(this);
    m_showNotes = new QCheckBox(QStringLiteral("查询时是否显示心得查看按钮"), this);
    m_showNotes->setObjectName(QStringLiteral("option7"));
    m_showNotes->setAccessibleName(m_showNotes->text());
    column->addWidget(m_showNotes);
    column->addStretch();
    hide();
}

}  // namespace kelvor
