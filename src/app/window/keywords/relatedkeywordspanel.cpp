#include "relatedkeywordspanel.h"

#include "app/window/accessiblecontrols.h"

#include "keywords/keywordindex.h"

#include <QEvent>
#include <QLabel>

namespace kelvor {

using namespace Qt::StringLiterals;

namespace {

constexpr int kLabelHeight = 20;
constexpr int kLabelWidth = 280;
const QString kMarker = u"·"_s;

}  // namespace

RelatedKeywordsPanel::RelatedKeywordsPanel(keywords::KeywordIndex& index, QWidget* parent)
    : QWidget(parent), m_index(index)
{
    setObjectName(u"relatedKeywords"_s);
    setAccessibleName(u"相关关键字"_s);
    m_labels.push_back(makeLabel(0));
    removeLabels();
}

QString RelatedKeywordsPanel::labelCaption(const QString& displayName) { return kMarker + displayName; }

QLabel* RelatedKeywordsPanel::makeLabel(int index)
{
    auto* label = new QLabel(this);
    label->setObjectName(u"Label32(%1)"_s.arg(index));
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    makePressable(label);
    label->setGeometry(0, index * kLabelHeight, kLabelWidth, kLabelHeight);
    return label;
}

void RelatedKeywordsPanel::followRecordKeyword(const QString& mainKeyword)
{
    // The lookup trims and lower-cases; the label clicks look in the table
    // of the same text, so both name one table even for " Abs".
    const QString keyword = mainKeyword.toLower().trimmed();
    if (keyword == m_followed && m_looked) {
        // Another record of the same keyword: the same links, without a
        // second lookup and a second warning about a keyword with many links.
        setNavigationKeyword(m_followed, m_names);
        return;
    }
    m_followed = keyword;
    m_looked = false;
    if (isVisible()) lookUp();
}

void RelatedKeywordsPanel::lookUp()
{
    m_looked = true;
    m_names.clear();
    // Nothing linked, or a keyword database that failed (it said so): no labels.
    if (!m_followed.isEmpty())
        // A reading panel lists the links; the warning about many belongs to the editor.
        m_names = m_index.lookUpLocked(keywords::EditorMode::Navigation, {}, m_followed, {},
                                       keywords::KeywordIndex::ManyLinks::Quiet)
                      .value_or(QStringList());
    setNavigationKeyword(m_followed, m_names);
}

void RelatedKeywordsPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_looked) lookUp();
}

void RelatedKeywordsPanel::removeLabels() { setNavigationKeyword(m_navigationKeyword, {}); }

void RelatedKeywordsPanel::setNavigationKeyword(const QString& keyword, const QStringList& displayNames)
{
    m_navigationKeyword = keyword;
    while (m_labels.size() > 1) {
        // A click on a label may be what replaces the labels: it goes once the click is over.
        QLabel* gone = m_labels.back();
        m_labels.pop_back();
        gone->hide();
        gone->setObjectName({});
        gone->removeEventFilter(this);
        gone->deleteLater();
    }
    m_labels.front()->clear();
    m_labels.front()->setVisible(!displayNames.isEmpty());
    for (int i = 0; i < displayNames.size(); ++i) {
        QLabel* label = i == 0 ? m_labels.front() : makeLabel(i);
        if (i > 0) m_labels.push_back(label);
        label->setText(labelCaption(displayNames.at(i)));
        label->show();
    }
    hoverLabel(-1);
    resize(kLabelWidth, std::max(1, int(displayNames.size())) * kLabelHeight);
}

QStringList RelatedKeywordsPanel::captions() const
{
    QStringList all;
    for (const QLabel* label : m_labels)
        if (!label->isHidden()) all << label->text();
    return all;
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
        // The click is the label's: the panel around it must not take it
        // as a click on its body, which lowers it.
        if (event->type() == QEvent::MouseButtonPress) return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            openFromLabel(int(i));
            return true;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kelvor
