#pragma once

#include "windowcontrols.h"

#include <QString>
#include <QStringList>

namespace kelvor {

// What the centre switch asks of the window's widgets. The main window
// implements it over its controls; tests record the calls.
class CentreSwitchView {
public:
    virtual ~CentreSwitchView() = default;

    // The window takes no input while a switch runs.
    virtual void setWindowEnabled(bool enabled) = 0;

    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual void setControlEnabled(Control control, bool enabled) = 0;
    // Whether the control is shown in its pane (false for a missing control).
    virtual bool isControlVisible(Control control) const = 0;
    virtual void setControlCaption(Control control, const QString& caption) = 0;
    // Gives `tab` the active tab colour, the other tabs the button face.
    virtual void setActiveTab(Control tab) = 0;

    // The tabs "目录", "查询", "历史", "设置" at this top (twips).
    virtual void placeTabsAtTop(int top) = 0;
    // "缩略图显示" takes the place of the "设置" tab.
    virtual void placeThumbnailButtonAtSettingsTab() = 0;
    // The option boxes under the tree take their places.
    virtual void placeOptionBoxes() = 0;
    virtual void placeDocumentAreaBesideSplitter() = 0;
    // `startform`.
    virtual void refreshLayout() = 0;

    virtual void setCentreTitle(const QString& title) = 0;
    // A page or picture into the document view `WebBrowser1`.
    virtual void showInDocumentView(const QString& path) = 0;
    // The source text box goes and the document view comes back, so the
    // source text of the last record never lies over another page.
    virtual void showDocumentView() = 0;
    // Captions of side-panel buttons 0–4.
    virtual void setSidePanel(const QStringList& captions) = 0;
    // The catalogue model holds a new tree: select `node` (-1: none) and
    // unfold every node when `expandAll`.
    virtual void catalogueRebuilt(int selectedNode, bool expandAll) = 0;

    virtual void stopReadingTimer() = 0;
    // A step failed; the switch ends there. `message` is the whole text to show.
    virtual void reportFailure(const QString& message) = 0;
};

}  // namespace kelvor
