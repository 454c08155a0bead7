#pragma once

#include "centreswitchview.h"
#include "windowsession.h"

#include "catalogue/treebuilder.h"

#include <QStringList>

namespace kelvor {

class CatalogueModel;
class ResultListModel;
class SharedConnection;

// The centre switch: prepares everything the page behind a bar item needs,
// in the group the bar serves: the current table and its queries, the
// centre title, the catalogue tree or the result list, the side-panel
// captions and which controls of the left pane are on offer.
class CentreSwitch {
public:
    CentreSwitch(SharedConnection& connection, WindowSession& session, CatalogueModel& catalogue,
                 ResultListModel& results, CentreSwitchView& view);

    // `Label1_Click`: the page of bar item `item` in the session's group.
    // A failing database step ends the switch there; the window is usable again.
    void Label1_Click(int item);

    // Captions of side-panel buttons 0–4 for a panel mode.
    static QStringList sidePanelCaptions(PanelMode panelMode);
    // Panel mode of a centre-group item: the video or interface centre's, else the default.
    static PanelMode panelModeOf(int centreItem);

private:
    void failed(const QString& message);
    void beginSwitch(int item);
    void resetWindow();
    void showSearchRow();
    void switchCentreGroup(int item);
    void switchLearningGroup(int item);
    void switchQueryGroup(int item);
    void showQueryCentre();
    void showSearchPage();
    void showCatalogueCentre(int item);
    void finishQueryGroup();

    void openContentDatabase();
    void setCentreTitle(const QString& title);
    void showCentreMainPage();
    // Puts a built tree into the model. False when the query gave no node;
    // throws when the build failed (the nodes built so far stay).
    bool installTree(BuildResult result, bool expandAll);
    void clearTree();
    void setTabsEnabled(bool enabled);

    SharedConnection& m_connection;
    WindowSession& m_session;
    CatalogueModel& m_catalogue;
    ResultListModel& m_results;
    CentreSwitchView& m_view;
    // The tree was rebuilt or emptied by the switch under way.
    bool m_treeReplaced = false;
};

}  // namespace kelvor
