#include "widgetswitchview.h"

#include "documentarea.h"
#include "leftpane.h"
#include "treepicturemodel.h"

#include "catalogue/cataloguemodel.h"
#include "library/prompter.h"
#include "viewer/documentview.h"
#include "viewer/sidepanel.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace kelvor {

WidgetSwitchView::WidgetSwitchView(Parts parts) : m_parts(std::move(parts)) {}

QWidget* WidgetSwitchView::windowControl(Control control) const
{
    switch (control) {
    case Control::Splitter: return m_parts.splitter;
    case Control::DocumentArea: return m_parts.documentArea;
    case Control::AutoRun: return m_parts.documentArea->autoRunButton();
    case Control::HistoryList:
    case Control::ThumbnailRestore: return nullptr;  // the panels'
    case Control::TabCatalogue:
    case Control::TabList:
    case Control::TabHistory:
    case Control::TabSettings:
    case Control::SearchBox:
    case Control::SearchButton:
    case Control::AdvancedButton:
    case Control::Tree:
    case Control::ResultList:
    case Control::ResultScrollBar:
    case Control::ThumbnailShow:
    case Control::BackToQuery:
    case Control::AdvancedPanel:
    case Control::AdvancedInResults:
    case Control::AdvancedAllData:
    case Control::AdvancedClose:
    case Control::ClickRunsOption:
    case Control::ManualExpandOption:
    case Control::TitleOnlyOption:
    case Control::ShowPositionOption:
    case Control::RangeOptionCentre:
    case Control::QueryCentrePanel:
    case Control::LeftPaneFrame:
    case Control::LeftPane: return nullptr;  // the left pane's own
    }
    return nullptr;
}

const WidgetSwitchView::Parts::PanelControl* WidgetSwitchView::panelControl(Control control) const
{
    if (control == Control::HistoryList) return &m_parts.history;
    if (control == Control::ThumbnailRestore) return &m_parts.thumbnailRestore;
    return nullptr;
}

void WidgetSwitchView::setWindowEnabled(bool enabled)
{
    // The window itself stays enabled so that it keeps painting its frame.
    for (QWidget* child : m_parts.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setEnabled(enabled);
}

void WidgetSwitchView::setControlVisible(Control control, bool visible)
{
    if (const Parts::PanelControl* panel = panelControl(control)) {
        // Shown again only by the panel's own flow ("历史", a thumbnail opened).
        if (!visible && panel->hide) panel->hide();
        return;
    }
    if (QWidget* w = windowControl(control)) w->setVisible(visible);
    else m_parts.leftPane->setControlVisible(control, visible);
}

void WidgetSwitchView::setControlEnabled(Control control, bool enabled)
{
    if (panelControl(control)) return;  // the panels keep these enabled
    if (QWidget* w = windowControl(control)) w->setEnabled(enabled);
    else m_parts.leftPane->setControlEnabled(control, enabled);
}

bool WidgetSwitchView::isControlVisible(Control control) const
{
    if (const Parts::PanelControl* panel = panelControl(control)) return panel->shown && panel->shown();
    if (const QWidget* w = windowControl(control)) return !w->isHidden();
    return m_parts.leftPane->isControlVisible(control);
}

void WidgetSwitchView::setControlCaption(Control control, const QString& caption)
{
    auto* button = qobject_cast<QAbstractButton*>(windowControl(control));
    if (!button) {
        m_parts.leftPane->setControlCaption(control, caption);
        return;
    }
    button->setText(caption);
    button->setAccessibleName(caption.trimmed());
}

void WidgetSwitchView::setActiveTab(Control tab) { m_parts.leftPane->setActiveTab(tab); }

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

void WidgetSwitchView::reportFailure(const QString& message)
{
    if (m_parts.prompter) m_parts.prompter->message(message);
}

}  // namespace kelvor
