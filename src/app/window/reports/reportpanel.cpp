#include "reportpanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTreeView>

namespace kelvor {

namespace {

QPushButton* button(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAccessibleName(caption);
    return b;
}

}  // namespace

ReportPanel::ReportPanel(QWidget* parent)
    : QFrame(parent),
      m_query(new QLineEdit(this)),
      m_continue(button(QStringLiteral("continueQueryButton"), QStringLiteral("继续查询"), this)),
      m_save(button(QStringLiteral("saveReportButton"), QStringLiteral("保存当前数据"), this)),
      m_list(new QListView(this)),
      m_terms(new QStringListModel(this)),
      m_currentQuery(new QRadioButton(QStringLiteral("当前查询"), this)),
      m_hint(new QPlainTextEdit(this)),
      m_hitTree(new QTreeView(this))
{
    setObjectName(QStringLiteral("Frame20"));
    setAccessibleName(QStringLiteral("查询报表"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    m_query->setObjectName(QStringLiteral("Text7"));
    m_query->setAccessibleName(QStringLiteral("查询内容"));
    m_list->setObjectName(QStringLiteral("List2"));
    m_list->setAccessibleName(QStringLiteral("历史查询"));
    m_list->setModel(m_terms);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMaximumHeight(110);
    m_currentQuery->setObjectName(QStringLiteral("Option6"));
    m_currentQuery->setAccessibleName(QStringLiteral("当前查询"));
    m_currentQuery->hide();
    // The option is selected by the window after the user confirmed.
    m_currentQuery->setAutoExclusive(false);
    m_hint->setObjectName(QStringLiteral("Text8"));
    m_hint->setAccessibleName(QStringLiteral("报表提示"));
    m_hint->setReadOnly(true);
    m_hint->setMaximumHeight(70);
    m_hint->setPlainText(QStringLiteral("单击“保存当前数据”按钮，可\r\n以将查询报表临时保存起来，想\r\n"
                                        "用时单击相应列表项即可。省去查询的等待时间。\r\n"));
    m_hint->viewport()->installEventFilter(this);
    auto* inner = button(QStringLiteral("innerQueryButton"), QStringLiteral("内部结果中查询"), this);
    inner->setEnabled(false);
    auto* back = button(QStringLiteral("reportReturnButton"), QStringLiteral("返回查询中心"), this);
    auto* choose = new QLabel(QStringLiteral("请选择历史查询"), this);
    m_hitTree->setObjectName(QStringLiteral("hitTree"));
    m_hitTree->setAccessibleName(QStringLiteral("查询结果树"));
    m_hitTree->setHeaderHidden(true);
    m_hitTree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addWidget(m_query, 0, 0);
    grid->addWidget(m_continue, 0, 1);
    grid->addWidget(choose, 1, 0);
    grid->addWidget(m_save, 1, 1);
    grid->addWidget(m_list, 2, 0, 2, 1);
    grid->addWidget(m_currentQuery, 2, 1);
    grid->addWidget(inner, 3, 1);
    grid->addWidget(m_hint, 4, 0);
    grid->addWidget(back, 4, 1, Qt::AlignTop);
    grid->addWidget(m_hitTree, 5, 0, 1, 2);
    grid->setRowStretch(5, 1);

    connect(m_continue, &QPushButton::clicked, this, [this] { emit continueQueryRequested(m_query->text()); });
    connect(m_query, &QLineEdit::returnPressed, this, [this] { emit continueQueryRequested(m_query->text()); });
    connect(m_save, &QPushButton::clicked, this, &ReportPanel::saveRequested);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) { emit savedReportPicked(index.row()); });
    connect(m_currentQuery, &QRadioButton::clicked, this, [this] {
        // Selected only once the user agrees to go back to the current query.
        m_currentQuery->setChecked(!m_currentQuery->isChecked());
        emit currentQueryClicked();
    });
    connect(m_hitTree, &QTreeView::clicked, this, &ReportPanel::hitNodeClicked);
    connect(back, &QPushButton::clicked, this, &ReportPanel::returnRequested);
    hide();
}

bool ReportPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the hint puts it away.
    if (watched == m_hint->viewport() && event->type() == QEvent::MouseButtonPress) m_hint->hide();
    return QFrame::eventFilter(watched, event);
}

QString ReportPanel::queryText() const { return m_query->text(); }
void ReportPanel::setQueryText(const QString& text) { m_query->setText(text); }
void ReportPanel::setSavedTerms(const QStringList& terms) { m_terms->setStringList(terms); }
void ReportPanel::setCurrentQueryShown(bool shown) { m_currentQuery->setVisible(shown); }
void ReportPanel::setCurrentQueryChecked(bool checked) { m_currentQuery->setChecked(checked); }
bool ReportPanel::isCurrentQueryChecked() const { return m_currentQuery->isChecked(); }
void ReportPanel::hideHint() { m_hint->hide(); }
bool ReportPanel::isHintShown() const { return !m_hint->isHidden(); }
void ReportPanel::setHitTree(QAbstractItemModel* model) { m_hitTree->setModel(model); }
void ReportPanel::expandHitTree() { m_hitTree->expandAll(); }

}  // namespace kelvor
