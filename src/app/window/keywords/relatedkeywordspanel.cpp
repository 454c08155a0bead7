#include "relatedkeywordspanel.h"

#include "keywords/keywordindex.h"

#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QStringListModel>

namespace kelvor {

using namespace Qt::StringLiterals;

namespace {

constexpr int kLabelHeight = 20;
constexpr int kExamplesHeight = 120;
const QString kMarker = u"·"_s;

}  // namespace

RelatedKeywordsPanel::RelatedKeywordsPanel(keywords::KeywordIndex& index, QWidget* parent)
    : QWidget(parent), m_index(index)
{
    setObjectName(u"relatedKeywords"_s);
    setAccessibleName(u"相关关键字"_s);
    m_labels.push_back(makeLabel(0));
    m_exampleLines = new QStringListModel(this);
    m_examples = new QListView(this);
    m_examples->setObjectName(u"List6"_s);
    m_examples->setAccessibleName(u"实例列表"_s);
    m_examples->setModel(m_exampleLines);
    m_examples->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_examples, &QListView::clicked, this,
            [this](const QModelIndex& i) { openFromExample(i.data().toString()); });
    setExampleKeyword({}, {});
}

QString RelatedKeywordsPanel::labelCaption(const QString& displayName) { return kMarker + displayName; }

QLabel* RelatedKeywordsPanel::makeLabel(int index)
{
    auto* label = new QLabel(this);
    label->setObjectName(u"Label32(%1)"_s.arg(index));
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    label->setGeometry(4, 4 + index * kLabelHeight, 300, kLabelHeight);
    return label;
}

void RelatedKeywordsPanel::setNavigationKeyword(const QString& keyword, const QStringList& displayNames)
{
    m_navigationKeyword = keyword;
    while (m_labels.size() > 1) {
        delete m_labels.back();
        m_labels.pop_back();
    }
    m_labels.front()->clear();
    for (int i = 0; i < displayNames.size(); ++i) {
        QLabel* label = i == 0 ? m_labels.front() : makeLabel(i);
        if (i > 0) m_labels.push_back(label);
        label->setText(labelCaption(displayNames.at(i)));
        label->show();
    }
    hoverLabel(-1);
    m_examples->setGeometry(4, 8 + int(m_labels.size()) * kLabelHeight, 300, kExamplesHeight);
}

void RelatedKeywordsPanel::setExampleKeyword(const QString& keyword, const QStringList& displayNames)
{
    m_exampleKeyword = keyword;
    m_exampleLines->setStringList(displayNames);
    m_examples->setGeometry(4, 8 + int(m_labels.size()) * kLabelHeight, 300, kExamplesHeight);
}

void RelatedKeywordsPanel::openFromLabel(int index)
{
    if (index < 0 || index >= int(m_labels.size())) return;
    const QString caption = m_labels[size_t(index)]->text();
    if (caption.isEmpty()) return;
    // The caption's first character is the marker, not part of the name.
    if (const auto code = m_index.linkedRecordCode(DatabaseRole::TechKeywords, m_navigationKeyword, caption.mid(1)))
        emit openRecordRequested(*code);
}

void RelatedKeywordsPanel::openFromExample(const QString& entry)
{
    if (const auto code = m_index.linkedRecordCode(DatabaseRole::ExampleKeywords, m_exampleKeyword, entry))
        emit openRecordRequested(*code);
}

void RelatedKeywordsPanel::hoverLabel(int index)
{
    const QColor buttonText = palette().color(QPalette::ButtonText);
    for (size_t i = 0; i < m_labels.size(); ++i) {
        QPalette p = m_labels[i]->palette();
        p.setColor(QPalette::WindowText, int(i) == index ? QColor(255, 0, 0) : buttonText);
        m_labels[i]->setPalette(p);
    }
}

bool RelatedKeywordsPanel::eventFilter(QObject* watched, QEvent* event)
{
    for (size_t i = 0; i < m_labels.size(); ++i) {
        if (m_labels[i] != watched) continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) hoverLabel(int(i));
        if (event->type() == QEvent::MouseButtonRelease) openFromLabel(int(i));
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kelvor
