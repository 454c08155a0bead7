#include "keywordlistpanel.h"

#include "keywords/keywordindex.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvor {

using namespace Qt::StringLiterals;

KeywordListPanel::KeywordListPanel(keywords::KeywordIndex& index, QWidget* parent) : QFrame(parent), m_index(index)
{
    setObjectName(u"Picture12"_s);
    setAccessibleName(u"关键字列表"_s);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    m_title = new QLabel(this);
    m_title->setObjectName(u"keywordListTitle"_s);
    auto* hide = new QToolButton(this);
    hide->setObjectName(u"keywordListHide"_s);
    hide->setText(u"隐藏"_s);
    hide->setAutoRaise(true);
    connect(hide, &QToolButton::clicked, this, &QWidget::hide);

    m_exampleLines = new QStringListModel(this);
    m_examples = new QListView(this);
    m_examples->setObjectName(u"List6"_s);
    m_examples->setAccessibleName(u"实例列表"_s);
    m_examples->setModel(m_exampleLines);
    m_examples->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_examples, &QListView::clicked, this,
            [this](const QModelIndex& i) { openFromExample(i.data().toString()); });

    auto* top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(hide);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 6);
    column->addLayout(top);
    column->addWidget(m_examples, 1);
    setExampleKeyword({}, {});
    resize(240, 200);
    QFrame::hide();
}

void KeywordListPanel::followRecordKeyword(const QString& mainKeyword)
{
    // The lookup trims and lower-cases; the list's clicks look in the table
    // of the same text.
    const QString keyword = mainKeyword.toLower().trimmed();
    // Another record of the same keyword shows the same links: no second
    // lookup and no second warning about a keyword with many links.
    if (keyword == m_followed) return;
    m_followed = keyword;
    m_looked = false;
    if (isVisible()) lookUp();
}

void KeywordListPanel::lookUp()
{
    m_looked = true;
    QStringList names;
    if (!m_followed.isEmpty())
        names = m_index.lookUpLocked(keywords::EditorMode::Example, {}, {}, m_followed,
                                     keywords::KeywordIndex::ManyLinks::Quiet)
                    .value_or(QStringList());
    setExampleKeyword(m_followed, names);
}

void KeywordListPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (!m_looked) lookUp();
}

void KeywordListPanel::setExampleKeyword(const QString& keyword, const QStringList& displayNames)
{
    m_exampleKeyword = keyword;
    m_title->setText(u"实例关键字：%1"_s.arg(keyword));
    m_exampleLines->setStringList(displayNames);
}

QStringList KeywordListPanel::entries() const { return m_exampleLines->stringList(); }

void KeywordListPanel::openFromExample(const QString& entry)
{
    if (const auto code = m_index.linkedRecordCode(DatabaseRole::ExampleKeywords, m_exampleKeyword, entry))
        emit openRecordRequested(*code);
}

}  // namespace kelvor
