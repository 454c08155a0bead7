#pragma once

#include "centreswitchview.h"

#include <functional>

class QTimer;
class QTreeView;
class QWidget;

namespace kelvor {

class CatalogueModel;
class DocumentAreaWidget;
class LeftPane;
class Prompter;
class TreePictureModel;

// The centre switch's view over the window's panels: the left pane's own
// controls through the pane, the splitter, the document area and its
// "自动执行" here, the history list and "恢复缩略图" through their panels.
class WidgetSwitchView : public CentreSwitchView {
public:
    struct Parts {
        QWidget* window = nullptr;  // its direct children are disabled while a switch runs
        LeftPane* leftPane = nullptr;
        DocumentAreaWidget* documentArea = nullptr;
        QWidget* splitter = nullptr;  // image1
        CatalogueModel* catalogue = nullptr;
        TreePictureModel* treePictures = nullptr;
        QTimer* readingTimer = nullptr;  // Timer2
        Prompter* prompter = nullptr;
        std::function<void()> placeDocumentAreaBesideSplitter;
        std::function<void()> refreshLayout;       // startform
        // Hides the source text box and shows the document view.
        std::function<void()> showDocumentView;
        // A panel that shows its control by its own flow: the switch can only
        // take it away and ask whether it is on show.
        struct PanelControl {
            std::function<void()> hide;
            std::function<bool()> shown;
        };
        PanelControl history;           // the history panel with dataList6
        PanelControl thumbnailRestore;  // the thumbnails with "恢复缩略图"
    };

    explicit WidgetSwitchView(Parts parts);

    void setWindowEnabled(bool enabled) override;
    void setControlVisible(Control control, bool visible) override;
    void setControlEnabled(Control control, bool enabled) override;
    bool isControlVisible(Control control) const override;
    void setControlCaption(Control control, const QString& caption) override;
    void setActiveTab(Control tab) override;
    void placeTabsAtTop(int top) override;
    void placeThumbnailButtonAtSettingsTab() override;
    void placeOptionBoxes() override;
    void placeDocumentAreaBesideSplitter() override;
    void refreshLayout() override;
    void setCentreTitle(const QString& title) override;
    void showInDocumentView(const QString& path) override;
    void showDocumentView() override;
    void setSidePanel(const QStringList& captions) override;
    void catalogueRebuilt(int selectedNode, bool expandAll) override;
    void stopReadingTimer() override;
    void reportFailure(const QString& message) override;

private:
    // The control outside the left pane; nullptr for the pane's own and the panels'.
    QWidget* windowControl(Control control) const;
    // The panel that owns the control; nullptr for the others.
    const Parts::PanelControl* panelControl(Control control) const;

    Parts m_parts;
};

}  // namespace kelvor
