#include "advancedpanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvor {

AdvancedPanel::AdvancedPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame8(0)"));
    setAccessibleName(QStringLiteral("高级查询"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);

    column->addWidget(makeGroup(QStringLiteral("positionOptions"), QStringLiteral("查询结果包含关键字设置"),
                                m_showPosition, QStringLiteral("Option1"), QStringLiteral("显示位置"), m_hidePosition,
                                QStringLiteral("Option2"), QStringLiteral("不显示位置")));
    m_showPosition->setToolTip(QStringLiteral("查询结果包含记录来源位置"));
    m_hidePosition->setToolTip(QStringLiteral("查询结果中不显示记录来源位置"));

    // Option8 carries the current centre's caption; the centre switch renames it.
    column->addWidget(makeGroup(QStringLiteral("rangeOptions"), QStringLiteral("设置范围选择"), m_currentCentre,
                                QStringLiteral("Option8"), QStringLiteral("技术中心"), m_allCentres,
                                QStringLiteral("Option9"), QStringLiteral("所有中心")));

    column->addWidget(makeGroup(QStringLiteral("fieldOptions"), QStringLiteral("设置查询字段"), m_titleField,
                                QStringLiteral("Option4(0)"), QStringLiteral("标题字段"), m_allFields,
                                QStringLiteral("Option4(1)"), QStringLiteral("所有字段")));
    const QString fieldTip = QStringLiteral("查询结果包含其中一个关键字，如查询sql where,查询结果只需包含sql或where");
    m_titleField->setToolTip(fieldTip);
    m_allFields->setToolTip(fieldTip);

    // The starting selection, until the view settings file says otherwise.
    m_showPosition->setChecked(true);
    m_allCentres->setChecked(true);
    m_allFields->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    m_inResults = makeButton(QStringLiteral("Command13"), QStringLiteral("在结果中查询"));
    m_inResults->setEnabled(false);
    m_allData = makeButton(QStringLiteral("Command18"), QStringLiteral("全部数据"));
    m_close = makeButton(QStringLiteral("Command19"), QStringLiteral("关闭"));
    for (QPushButton* b : {m_inResults, m_allData, m_close}) {
        b->hide();
        buttons->addWidget(b);
    }
    column->addLayout(buttons);

    hide();
}

QGroupBox* AdvancedPanel::makeGroup(const QString& objectName, const QString& caption, QRadioButton*& first,
                                    const QString& firstName, const QString& firstCaption, QRadioButton*& second,
                                    const QString& secondName, const QString& secondCaption)
{
    auto* group = new QGroupBox(caption, this);
    group->setObjectName(objectName);
    group->setAccessibleName(caption);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    // Buttons of one group box exclude each other; the three groups are independent.
    first = new QRadioButton(firstCaption, group);
    first->setObjectName(firstName);
    first->setAccessibleName(firstCaption);
    second = new QRadioButton(secondCaption, group);
    second->setObjectName(secondName);
    second->setAccessibleName(secondCaption);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return group;
}

QPushButton* AdvancedPanel::makeButton(const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

}  // namespace kelvor
