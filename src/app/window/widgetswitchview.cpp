#include "widgetswitchview.h"

#include "documentarea.h"
#include "leftpane.h"
#include "treepicturemodel.h"

#include "catalogue/cataloguemodel.h"
#include "library/prompter.h"
#include "viewer/documentview.h"
#include "viewer/sidepanel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace kelvor {

WidgetSwitchView::WidgetSwitchView(Parts parts) : m_parts(std::move(parts)) {}

QWidget* WidgetSwitchView::find(Control control) const
{
    const QString name = objectNameOf(control);
    if (m_parts.window->objectName() == name) return m_parts.window;
    return m_parts.window->findChild<QWidget*>(name);
}

void WidgetSwitchView::setWindowEnabled(bool enabled)
{
    // The window itself stays enabled so that it keeps painting its frame.
    for (QWidget* child : m_parts.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setEnabled(enabled);
}

void WidgetSwitchView::setControlVisible(Control control, bool visible)
{
    if (QWidget* w = find(control)) w->setVisible(visible);
}

void WidgetSwitchView::setControlEnabled(Control control, bool enabled)
{
    if (QWidget* w = find(control)) w->setEnabled(enabled);
}

bool WidgetSwitchView::isControlVisible(Control control) const
{
    const QWidget* w = find(control);
    return w && !w->isHidden();
}

void WidgetSwitchView::setControlCaption(Control control, const QString& caption)
{
    auto* button = qobject_cast<QAbstractButton*>(find(control));
    if (!button) return;
    button->setText(caption);
    button->setAccessibleName(caption.trimmed());
}

void WidgetSwitchView::setActiveTab(Control tab)
{
    m_parts.leftPane->setActiveTab(qobject_cast<QPushButton*>(find(tab)));
}

void WidgetSwitchView::placeTabsAtTop(int top) { m_parts.leftPane->setTabsTop(top); }

void WidgetSwitchView::placeThumbnailButtonAtSettingsTab() { m_parts.leftPane->placeThumbnailButtonAtSettingsTab(); }

void WidgetSwitchView::placeOptionBoxes() { m_parts.leftPane->placeControls(); }

void WidgetSwitchView::placeDocumentAreaBesideSplitter()
{
    if (m_parts.placeDocumentAreaBesideSplitter) m_parts.placeDocumentAreaBesideSplitter();
}

void WidgetSwitchView::refreshLayout()
{
    if (m_parts.refreshLayout) m_parts.refreshLayout();
}

void WidgetSwitchView::setCentreTitle(const QString& title) { m_parts.leftPane->setCentreTitle(title); }

void WidgetSwitchView::showInDocumentView(const QString& path)
{
    if (DocumentView* view = m_parts.documentArea->views().documentView()) view->navigate(path);
}

void WidgetSwitchView::showDocumentView()
{
    if (m_parts.showDocumentView) m_parts.showDocumentView();
}

void WidgetSwitchView::setSidePanel(const QStringList& captions)
{
    SidePanel* panel = m_parts.documentArea->sidePanel();
    for (int i = 0; i < captions.size(); ++i) {
        panel->setCaption(i, captions[i]);
        if (QPushButton* b = panel->button(i)) b->setAccessibleName(captions[i]);
    }
}

void WidgetSwitchView::catalogueRebuilt(int selectedNode, bool expandAll)
{
    QTreeView* tree = m_parts.leftPane->tree();
    if (expandAll) tree->expandAll();
    const QModelIndex selected = m_parts.treePictures->mapFromSource(m_parts.catalogue->indexOfNode(selectedNode));
    if (selected.isValid()) {
        tree->setCurrentIndex(selected);
        tree->scrollTo(selected);
    }
}

void WidgetSwitchView::stopReadingTimer()
{
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
}

void WidgetSwitchView::letEventsRun() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void WidgetSwitchView::reportFailure(const QString& message)
{
    if (m_parts.prompter) m_parts.prompter->message(message);
}

}  // namespace kelvor
