#pragma once

#include "app/window/centreswitchview.h"

#include <QStringList>

#include <map>
#include <optional>

namespace kelvor::test {

// Keeps what the centre switch did to the window, starting from the
// controls as the window creates them.
class RecordingSwitchView : public CentreSwitchView {
public:
    RecordingSwitchView()
    {
        for (Control c : {Control::TabSettings, Control::ThumbnailShow, Control::ThumbnailRestore,
                          Control::BackToQuery, Control::ResultList, Control::ResultScrollBar,
                          Control::QueryCentrePanel, Control::AdvancedPanel})
            visible[c] = false;
        enabled[Control::TabHistory] = false;
    }

    bool isVisible(Control c) const { return visible.count(c) ? visible.at(c) : true; }
    bool isEnabled(Control c) const { return enabled.count(c) ? enabled.at(c) : true; }

    void setWindowEnabled(bool e) override
    {
        windowEnabled = e;
        if (!e) ++windowDisabledCount;
    }
    void setControlVisible(Control c, bool v) override { visible[c] = v; }
    void setControlEnabled(Control c, bool e) override { enabled[c] = e; }
    bool isControlVisible(Control c) const override { return isVisible(c); }
    void setControlCaption(Control c, const QString& caption) override { captions[c] = caption; }
    void setActiveTab(Control tab) override { activeTab = tab; }
    void placeTabsAtTop(int top) override { tabsTop = top; }
    void placeThumbnailButtonAtSettingsTab() override { thumbnailAtSettings = true; }
    void placeOptionBoxes() override { ++optionPlacements; }
    void placeDocumentAreaBesideSplitter() override { ++documentAreaPlacements; }
    void refreshLayout() override { ++layoutRefreshes; }
    void setCentreTitle(const QString& t) override { title = t; }
    void showInDocumentView(const QString& path) override { shown << path; }
    void showDocumentView() override { ++documentViewShows; }
    void setSidePanel(const QStringList& c) override { sideCaptions = c; }
    void catalogueRebuilt(int node, bool all) override
    {
        ++rebuilds;
        selectedNode = node;
        expandedAll = all;
    }
    void stopReadingTimer() override { ++readingTimerStops; }
    void reportFailure(const QString& message) override { failures << message; }

    std::map<Control, bool> visible;
    std::map<Control, bool> enabled;
    std::map<Control, QString> captions;
    std::optional<Control> activeTab;
    bool windowEnabled = true;
    int windowDisabledCount = 0;
    int tabsTop = -1;
    bool thumbnailAtSettings = false;
    int optionPlacements = 0;
    int documentAreaPlacements = 0;
    int layoutRefreshes = 0;
    QString title;
    QStringList shown;
    int documentViewShows = 0;
    QStringList sideCaptions;
    int rebuilds = 0;
    int selectedNode = -2;
    bool expandedAll = false;
    int readingTimerStops = 0;
    QStringList failures;
};

}  // namespace kelvor::test
