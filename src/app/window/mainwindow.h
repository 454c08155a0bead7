#pragma once

#include "highlightoptions.h"
#include "splitterdrag.h"
#include "windowlayout.h"
#include "windowsession.h"

#include "library/layout.h"
#include "viewer/shell.h"

#include <QMainWindow>

#include <memory>

class QFrame;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace kelvor {

class CatalogueModel;
class CentreSwitch;
class DocumentAreaWidget;
class DocumentReading;
class LeftPane;
class LibraryPanels;
class NavigationController;
class NavigationRegion;
class NotesPanel;
class PageFollowing;
class Prompter;
class QueryPanel;
class RecordBrowsing;
class ReportsRegion;
class ResultListController;
class ResultListModel;
class SearchBoxController;
class SharedConnection;
class SidePanel;
class StatusStrip;
class TreePictureModel;
class ViewOptionsGroup;
class WidgetSwitchView;
class WindowImport;
class WindowSettings;
struct DocumentSlots;

// The main window `frmmain`: the banner with the group tabs, the navigation
// bar, and the working frame with the left pane, the splitter and the
// document area. Constructing it runs the window's creation (the learning
// course "从零开始" in the tree); showing it the first time runs the display
// steps. The connection and the prompter must outlive the window.
// `viewSettingsPath` is the result-list view settings file `rcontrolmt.ini`;
// empty means the one in the user's configuration folder. `shell` starts
// players and opens source folders; empty means the desktop's own.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(SharedConnection& connection, LibraryLayout layout, Prompter& prompter, QWidget* parent = nullptr,
               QString viewSettingsPath = {}, std::unique_ptr<Shell> shell = {});
    ~MainWindow() override;

    WindowSession& session() { return m_session; }
    const WindowSession& session() const { return m_session; }

    // Seams for the other parts of the window.
    CatalogueModel& catalogueModel() { return *m_catalogue; }
    QTreeView* catalogueTree() const;
    ResultListModel& resultListModel() { return *m_results; }
    QListView* resultList() const;
    const DocumentSlots& documentViews() const;
    QPlainTextEdit* sourceTextBox() const;
    SidePanel* sidePanel() const;
    QLineEdit* recordCodeBox() const;
    QLineEdit* exampleKeywordBox() const;
    QLineEdit* descriptionBox() const;
    QWidget* documentToolbarArea() const;
    // The window's timers; their objectNames are Timer1 … Timer5 in this order.
    QTimer* splitterTimer() const { return m_splitterTimer; }        // follows a splitter drag
    QTimer* readingTimer() const { return m_readingTimer; }          // automatic scrolling and execution
    QTimer* highlightTimer() const { return m_highlightTimer; }      // the highlighter
    QTimer* housekeepingTimer() const { return m_housekeepingTimer; }// the description and table tick
    QTimer* walkTimer() const { return m_walkTimer; }                // the walk of a continued query
    HighlightOptions& highlightOptions() { return m_highlight; }
    NavigationController& navigation() { return *m_navigation; }
    // The record opener `gototree` and the document area it shows records in.
    RecordBrowsing& browsing() { return *m_browsing; }
    const WindowGeometry& regions() const { return m_geometry; }
    // The search box, the query panel with its tabs and advanced panel, the
    // result list's picks and view options, the settings files.
    QueryPanel& queryPanel() { return *m_queryPanel; }
    SearchBoxController& searchBoxController() { return *m_searchBox; }
    ResultListController& resultListController() { return *m_resultListController; }
    ViewOptionsGroup& viewOptions() { return *m_viewOptions; }
    NotesPanel* notesPanel() const { return m_notesPanel; }
    // The report, reference navigation and tool panels with the menu "面板".
    ReportsRegion& reports() { return *m_reports; }
    // The document toolbar, its panels, highlighting and the reading aids.
    DocumentReading& reading() { return *m_reading; }
    // The search history, the thumbnails and the keyword editor.
    LibraryPanels& libraryPanels() { return *m_libraryPanels; }
    // "导入文档…" of the menu "面板".
    WindowImport& documentImport() { return *m_import; }

    // `Label1_Click`: the centre switch for bar item `item` in the current group.
    void Label1_Click(int item);
    // `startform`: the working frame and its panes fitted to the window's height.
    void startform();

    // The product description that `Text2` shows and scrolls through.
    static QString productDescription();

signals:
    // The window is closing, and why: the program ends with it, so the
    // reason is worth a line wherever the program's output is kept.
    void closing(const QString& reason);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRegions();
    void buildTimers();
    void buildRecordBrowsing(std::unique_ptr<Shell> shell);
    void buildSearch(const QString& viewSettingsPath);
    void buildReports();
    void buildReading();
    // The toolbar's "切换": the document area over the whole frame, or back beside the left pane.
    void switchLeftPane();
    void buildLibraryPanels();
    // The import entry, and the tree following a link from one record's page to another's.
    void buildImport();
    void create();
    void initialSettings();
    void load();
    void display();
    void applyGeometry();
    void splitterTick();

    SharedConnection& m_connection;
    LibraryLayout m_layout;
    Prompter& m_prompter;

    WindowSession m_session;
    WindowGeometry m_geometry;
    SplitterDrag m_drag;
    HighlightOptions m_highlight;

    std::unique_ptr<CatalogueModel> m_catalogue;
    std::unique_ptr<TreePictureModel> m_treePictures;
    std::unique_ptr<ResultListModel> m_results;

    NavigationRegion* m_navigationRegion = nullptr;
    QFrame* m_workingFrame = nullptr;
    LeftPane* m_leftPane = nullptr;
    QPushButton* m_splitter = nullptr;
    DocumentAreaWidget* m_documentArea = nullptr;
    StatusStrip* m_statusStrip = nullptr;
    QFrame* m_sideDrawer = nullptr;
    QTimer* m_splitterTimer = nullptr;
    QTimer* m_readingTimer = nullptr;
    QTimer* m_highlightTimer = nullptr;
    QTimer* m_housekeepingTimer = nullptr;
    QTimer* m_walkTimer = nullptr;

    std::unique_ptr<WidgetSwitchView> m_switchView;
    std::unique_ptr<CentreSwitch> m_switch;
    std::unique_ptr<NavigationController> m_navigation;
    std::unique_ptr<RecordBrowsing> m_browsing;
    NotesPanel* m_notesPanel = nullptr;
    std::unique_ptr<QueryPanel> m_queryPanel;
    std::unique_ptr<SearchBoxController> m_searchBox;
    std::unique_ptr<ResultListController> m_resultListController;
    std::unique_ptr<ViewOptionsGroup> m_viewOptions;
    std::unique_ptr<WindowSettings> m_windowSettings;
    std::unique_ptr<ReportsRegion> m_reports;
    std::unique_ptr<DocumentReading> m_reading;
    std::unique_ptr<LibraryPanels> m_libraryPanels;
    WindowImport* m_import = nullptr;
    PageFollowing* m_pageFollowing = nullptr;

    bool m_initialSettingsDone = false;
    bool m_displayed = false;
};

}  // namespace kelvor
