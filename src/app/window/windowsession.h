#pragma once

#include "navigationgroups.h"

#include "library/centres.h"

#include <QString>

namespace kelvor {

// The few values that every part of the main window reads: which page the
// navigation bar chose and what the current centre's queries are. The main
// window owns it and hands it to its controllers; each value is written by
// the controller named beside it.
struct WindowSession {
    // Centre switch and group tabs.
    NavigationGroup group = NavigationGroup::Learning;  // the learning group while the window is created
    int currentItem = 1;
    QString centreTitle;
    QString currentTable;  // the stored table expression (" spzx", "study", an external reference)
    QString listTable;
    Query treeQuery;
    Query listQuery;
    QString centreMainPage;
    int panelMode = 1;  // side-panel captions: 1 default, 2 video centre, 3 interface centre
    int viewMode = 0;   // 1 catalogue tree, 2 result list as the left pane's body

    // Highlighter: the term the next pass marks, and whether it is armed.
    QString firstHighlightTerm;
    bool highlighterArmed = false;

    // Keyword connection flag: the search box and the tree set it, the keyword
    // operations read it to know whether their connection must be re-opened.
    qint16 keywordConnectionFlag = 0;

    // Reading aids: 0 automatic scrolling, 1 automatic execution.
    int readingMode = 1;

    // Record opener.
    QString currentCode;
    QString currentDocumentPath;
};

}  // namespace kelvor
