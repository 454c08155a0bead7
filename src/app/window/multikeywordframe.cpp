#include "multikeywordframe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvor {

MultiKeywordFrame::MultiKeywordFrame(QWidget* parent) : QGroupBox(QStringLiteral(" 多关键字查询"), parent)
{
    setObjectName(QStringLiteral("multiKeywordFrame"));
    setAccessibleName(QStringLiteral("多关键字查询"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (size_t i = 0; i < m_keywords.size(); ++i) {
        m_keywords[i] = new QLineEdit(this);
        m_keywords[i]->setObjectName(QStringLiteral("multiKeyword%1").arg(i + 1));
        m_keywords[i]->setAccessibleName(QStringLiteral("关键字%1").arg(i + 1));
        grid->addWidget(m_keywords[i], row++, 0);
        if (i + 1 == m_keywords.size()) break;
        // Each pair excludes within itself only.
        auto* pair = new QButtonGroup(this);
        auto* joins = new QHBoxLayout;
        for (int k = 0; k < 2; ++k) {
            auto*& option = m_joins[i * 2 + size_t(k)];
            option = new QRadioButton(k == 0 ? QStringLiteral("或") : QStringLiteral("与"), this);
            option->setObjectName(QStringLiteral("multiKeywordJoin%1%2").arg(i + 1).arg(k == 0 ? QStringLiteral("or") : QStringLiteral("and")));
            option->setAccessibleName(option->text());
            pair->addButton(option);
            joins->addWidget(option);
        }
        m_joins[i * 2]->setChecked(true);
        joins->addStretch();
        grid->addLayout(joins, row++, 0);
    }
    m_query = new QPushButton(QStringLiteral("查询"), this);
    m_query->setObjectName(QStringLiteral("multiKeywordQuery"));
    m_query->setAccessibleName(QStringLiteral("多关键字查询"));
    grid->addWidget(m_query, row, 0, Qt::AlignRight);
}

QRadioButton* MultiKeywordFrame::joinOption(int pair, bool orOption) const
{
    if (pair < 0 || pair > 1) return nullptr;
    return m_joins[size_t(pair * 2 + (orOption ? 0 : 1))];
}

}  // namespace kelvor
