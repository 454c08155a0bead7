#pragma once

#include "library/layout.h"

#include <QObject>

#include <functional>
#include <memory>

class QFrame;
class QTimer;

namespace kelvor {

class ContinuedQuery;
class DictionaryOptionsPanel;
class Prompter;
class ProgressPanel;
class ReferenceNavigationPanel;
class ReportPanel;
class ToolDrawer;
class ToolsPanel;
class WindowMenu;

// The window's report and tool panels, which the window keeps hidden until
// the user asks for them through the menu "面板" over the banner: the report
// panel with the continued query, the reference navigation panel, the side
// drawer with the tool labels, and, in the query centre, the automatic tools
// with the dictionary options.
class ReportsRegion : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget* client = nullptr;            // the window's client area: the menu and the progress panel
        QWidget* leftPane = nullptr;          // the report panel covers it while shown
        QWidget* documentArea = nullptr;      // holds the reference navigation panel
        std::function<QRect()> sideStrip;     // the strip the reference navigation lowers onto, in the document area
        QWidget* queryCentrePanel = nullptr;  // the automatic tools and the dictionary options join it
        QFrame* sideDrawer = nullptr;         // Frame1
        QTimer* walkTimer = nullptr;          // Timer5
        // Opens a record where the user sees it; the plain text of its document.
        std::function<QString(const QString& code)> openRecord;
        std::function<void(const QString& path)> showPage;
        std::function<void(const QString& term)> setHighlightTerm;
        std::function<void()> hideKeywordList;  // Picture12
        QString generatedFolder;
    };

    ReportsRegion(LibraryLayout layout, Prompter& prompter, Parts parts, QObject* parent = nullptr);
    ~ReportsRegion() override;

    WindowMenu& menu() { return *m_menu; }
    ContinuedQuery& continuedQuery() { return *m_query; }
    ReportPanel& reportPanel() { return *m_reportPanel; }
    ProgressPanel& progressPanel() { return *m_progress; }
    ReferenceNavigationPanel& referenceNavigation() { return *m_navigation; }
    ToolDrawer& toolDrawer() { return *m_drawer; }
    ToolsPanel& tools() { return *m_tools; }
    DictionaryOptionsPanel& dictionaryOptions() { return *m_options; }

    void showReportPanel();
    void hideReportPanel();
    void showReferenceNavigation();
    // The menu entry shows the reference navigation panel, or closes it when shown.
    void toggleReferenceNavigation();
    void toggleSideDrawer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeMenu();
    void fitReportPanel();

    Parts m_parts;
    WindowMenu* m_menu = nullptr;
    ReportPanel* m_reportPanel = nullptr;
    ProgressPanel* m_progress = nullptr;
    ReferenceNavigationPanel* m_navigation = nullptr;
    ToolDrawer* m_drawer = nullptr;
    ToolsPanel* m_tools = nullptr;
    DictionaryOptionsPanel* m_options = nullptr;
    std::unique_ptr<ContinuedQuery> m_query;
};

}  // namespace kelvor
