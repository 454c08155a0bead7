#include "tooldrawer.h"

#include "app/window/accessiblecontrols.h"

#include "reports/dictionaryoptions.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kelvor {

ToolDrawer::ToolDrawer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("toolDrawer"));
    // Its white labels lie over the bar and the left pane: a plain widget
    // paints its style sheet's background only when asked to.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#toolDrawer { background: rgb(40, 70, 120); }"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        auto* label = new QLabel(reports::toolLabelCaptions()[i], this);
        label->setObjectName(QStringLiteral("Label10(%1)").arg(i));
        label->setMouseTracking(true);
        makePressable(label);
        label->installEventFilter(this);
        column->addWidget(label);
        m_labels[i] = label;
    }
    column->addStretch();
    hover(-1);
}

void ToolDrawer::hover(int index)
{
    m_hovered = index;
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setStyleSheet(int(i) == index ? QStringLiteral("color: rgb(255, 0, 0);")
                                                   : QStringLiteral("color: rgb(255, 255, 255);"));
}

void ToolDrawer::enableAll()
{
    for (QLabel* l : m_labels) l->setEnabled(true);
}

bool ToolDrawer::eventFilter(QObject* watched, QEvent* event)
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (watched != m_labels[i]) continue;
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) hover(int(i));
        if (event->type() == QEvent::MouseButtonRelease) emit toolClicked(int(i));
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kelvor
