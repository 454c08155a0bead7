#include "historypanel.h"

#include "app/window/namedcombobox.h"

#include "library/database.h"
#include "library/prompter.h"

#include <QComboBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace kelvor {

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<Database> openHistory(const LibraryLayout& layout)
{
    const auto role = DatabaseRole::SearchHistory;
    return Database::open(layout.databasePath(role), databaseInfo(role).password);
}

}  // namespace

HistoryPanel::HistoryPanel(LibraryLayout layout, Prompter& prompter, QWidget* parent)
    : QFrame(parent), m_layout(std::move(layout)), m_prompter(prompter)
{
    setObjectName(u"Frame99"_s);
    setAccessibleName(u"查询历史"_s);
    // The panel takes the list's place: nothing under it may show through.
    setAutoFillBackground(true);

    m_filter = new NamedComboBox(this);
    m_filter->setObjectName(u"Combo99"_s);
    m_filter->setAccessibleName(u"查询历史筛选"_s);
    m_filter->setEditable(true);
    m_filter->setInsertPolicy(QComboBox::NoInsert);
    m_filter->setToolTip(u"在输入框输入查询内容，回车或单击“搜索”按纽，即可进行查询。"_s);

    m_byCount = new QRadioButton(u"次数"_s, this);
    m_byCount->setObjectName(u"Option99(0)"_s);
    m_byDate = new QRadioButton(u"日期"_s, this);
    m_byDate->setObjectName(u"Option99(1)"_s);
    m_byDate->setChecked(true);

    m_lines = new QStringListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(u"dataList6"_s);
    m_list->setAccessibleName(u"查询历史列表"_s);
    m_list->setModel(m_lines);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    // The lines are columns of blanks measured in bytes, a Chinese character
    // counting two: they line up only in a font whose Chinese characters are
    // exactly two columns wide.
    const QString twoColumnChinese = u"Noto Sans Mono CJK SC"_s;
    QFont columns = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::hasFamily(twoColumnChinese)) columns.setFamily(twoColumnChinese);
    m_list->setFont(columns);

    auto* options = new QHBoxLayout;
    options->addWidget(m_byCount);
    options->addWidget(m_byDate);
    options->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(m_filter);
    column->addLayout(options);
    column->addWidget(m_list, 1);

    connect(m_filter, &QComboBox::editTextChanged, this, &HistoryPanel::refresh);
    connect(m_byCount, &QRadioButton::clicked, this, &HistoryPanel::refresh);
    connect(m_byDate, &QRadioButton::clicked, this, &HistoryPanel::refresh);
    connect(m_list, &QListView::doubleClicked, this, &HistoryPanel::lineActivated);
}

searchhistory::Order HistoryPanel::order() const
{
    return m_byCount->isChecked() ? searchhistory::Order::ByCount : searchhistory::Order::ByDate;
}

void HistoryPanel::refresh()
{
    try {
        auto db = openHistory(m_layout);
        if (auto lines = searchhistory::listLines(*db, m_filter->currentText(), order())) m_lines->setStringList(*lines);
    } catch (const DatabaseError& e) {
        reportFailure(e.message());
    }
}

void HistoryPanel::recordSearch(const QString& text)
{
    if (text.isEmpty()) return;
    try {
        auto db = openHistory(m_layout);
        searchhistory::record(*db, text, QDateTime::currentDateTime());
    } catch (const DatabaseError& e) {
        // Searching goes on without a history: one message says so, not one per search.
        if (!m_recordingFailed) reportFailure(e.message());
        m_recordingFailed = true;
    }
}

void HistoryPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    // The list belongs to the panel: shown with it, whatever hid it while the panel was away.
    m_list->show();
}

void HistoryPanel::lineActivated(const QModelIndex& index)
{
    // The first line is the header: it starts nothing.
    if (!index.isValid() || index.row() == 0) return;
    const QString text = searchhistory::queryTextOfLine(index.data().toString());
    if (!text.isEmpty()) emit replayRequested(text);
}

void HistoryPanel::reportFailure(const QString& detail) const
{
    m_prompter.message(u"查询历史无法使用：%1"_s.arg(detail));
}

}  // namespace kelvor
