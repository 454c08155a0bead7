#include "mainwindow.h"

#include "centreswitch.h"
#include "clicklabel.h"
#include "documentarea.h"
#include "documentreading.h"
#include "import/pagefollowing.h"
#include "import/windowimport.h"
#include "leftpane.h"
#include "keywords/keywordeditorpanel.h"
#include "librarypanels.h"
#include "navigationcontroller.h"
#include "navigationregion.h"
#include "notespanel.h"
#include "querypanel.h"
#include "recordbrowsing.h"
#include "reports/reportsregion.h"
#include "resultlistcontroller.h"
#include "resultlistmodel.h"
#include "searchboxcontroller.h"
#include "statusstrip.h"
#include "treepicturemodel.h"
#include "viewoptionsgroup.h"
#include "widgetswitchview.h"
#include "windowmenu.h"
#include "windowsettings.h"

#include "catalogue/cataloguemodel.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"
#include "reports/documenttext.h"
#include "viewer/documentareacontroller.h"
#include "viewer/documentview.h"
#include "viewer/libraryscheme.h"
#include "viewer/qtshell.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QTreeView>


namespace kelvor {

namespace {

constexpr QSize kDesignedSize(1200, 780);
constexpr int kStatusStripInset = 60;  // twips between the working frame and the strip below it

int pixelsCovering(int twipsValue) { return (twipsValue + twips::kPerPixel - 1) / twips::kPerPixel; }

}  // namespace

MainWindow::MainWindow(SharedConnection& connection, LibraryLayout layout, Prompter& prompter, QWidget* parent,
                       QString viewSettingsPath, std::unique_ptr<Shell> shell)
    : QMainWindow(parent), m_connection(connection), m_layout(std::move(layout)), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("澄溪宸笺"));
    setAccessibleName(QStringLiteral("澄溪宸笺"));

    m_catalogue = std::make_unique<CatalogueModel>();
    m_treePictures = std::make_unique<TreePictureModel>();
    m_treePictures->setSourceModel(m_catalogue.get());
    m_results = std::make_unique<ResultListModel>();

    buildRegions();
    buildTimers();

    WidgetSwitchView::Parts parts;
    parts.window = this;
    parts.leftPane = m_leftPane;
    parts.documentArea = m_documentArea;
    parts.splitter = m_splitter;
    parts.catalogue = m_catalogue.get();
    parts.treePictures = m_treePictures.get();
    parts.readingTimer = m_readingTimer;
    parts.prompter = &m_prompter;
    parts.placeDocumentAreaBesideSplitter = [this] {
        layoutrules::placeDocumentAreaBesideSplitter(m_geometry);
        applyGeometry();
    };
    parts.refreshLayout = [this] { startform(); };
    parts.showDocumentView = [this] { m_browsing->documentArea().showDocument(); };
    // The panels are built after the switch.
    parts.history = {[this] { if (m_libraryPanels) m_libraryPanels->hideHistory(); },
                     [this] { return m_libraryPanels && m_libraryPanels->isHistoryShown(); }};
    parts.thumbnailRestore = {[this] { if (m_libraryPanels) m_libraryPanels->hideThumbnails(); },
                              [this] { return m_libraryPanels && m_libraryPanels->isThumbnailRestoreShown(); }};
    m_switchView = std::make_unique<WidgetSwitchView>(std::move(parts));
    m_switch = std::make_unique<CentreSwitch>(m_connection, m_session, *m_catalogue, *m_results, *m_switchView);
    m_navigation = std::make_unique<NavigationController>(m_session, *m_switch, *m_navigationRegion);
    m_navigationRegion->connectTo(*m_navigation);
    buildRecordBrowsing(shell ? std::move(shell) : std::make_unique<QtShell>());
    buildSearch(viewSettingsPath);
    buildReports();
    buildReading();
    buildLibraryPanels();
    buildImport();

    resize(kDesignedSize);
    m_geometry = layoutrules::designed(twips::fromPixels(kDesignedSize.width()),
                                       twips::fromPixels(kDesignedSize.height()));
    applyGeometry();

    create();
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildRegions()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmmainClient"));
    client->setAccessibleName(QStringLiteral("澄溪宸笺"));
    client->setStyleSheet(QStringLiteral(
        "#frmmainClient { background: #eef2f6; }"
        "#Picture2 { background: #f8fafc; border: 1px solid #c9d4df; border-radius: 4px; }"
        "#Frame5 { background: transparent; }"
        "#Picture1 { background: #ffffff; border: 1px solid #c9d4df; border-radius: 4px; }"
        "#image1 { background: #d6e0ea; border: none; border-radius: 2px; }"
        "#image1:hover { background: #9fbad3; }"
        "#documentToolbar { background: #f4f7fa; border-bottom: 1px solid #dde5ec; }"
        "#statusStrip { background: transparent; }"));
    setCentralWidget(client);

    m_navigationRegion = new NavigationRegion(client);

    m_workingFrame = new QFrame(client);
    m_workingFrame->setObjectName(QStringLiteral("usekz"));
    m_workingFrame->setAccessibleName(QStringLiteral("工作区"));
    m_workingFrame->setMouseTracking(true);
    m_workingFrame->installEventFilter(this);

    m_leftPane = new LeftPane(m_workingFrame);
    m_leftPane->tree()->setModel(m_treePictures.get());
    m_leftPane->resultList()->setModel(m_results.get());
    m_leftPane->tree()->viewport()->installEventFilter(this);
    m_leftPane->resultList()->viewport()->installEventFilter(this);

    m_splitter = new QPushButton(m_workingFrame);
    m_splitter->setObjectName(QStringLiteral("image1"));
    m_splitter->setAccessibleName(QStringLiteral("分隔条"));
    m_splitter->setToolTip(QStringLiteral("拖动可调整左侧面板的宽度"));
    m_splitter->setCursor(Qt::SplitHCursor);
    m_splitter->setFocusPolicy(Qt::NoFocus);
    connect(m_splitter, &QPushButton::pressed, this, [this] { m_drag.press(QCursor::pos().x()); });
    connect(m_splitter, &QPushButton::released, this, [this] { m_drag.release(); });

    m_documentArea = new DocumentAreaWidget(m_layout, m_workingFrame);
    m_documentArea->installEventFilter(this);

    m_statusStrip = new StatusStrip(m_highlight, client);

    // The dictionary drawer, created empty and hidden; nothing opens it.
    m_sideDrawer = new QFrame(client);
    m_sideDrawer->setObjectName(QStringLiteral("Frame1"));
    m_sideDrawer->setAccessibleName(QStringLiteral("工具抽屉"));
    m_sideDrawer->setAutoFillBackground(true);
    m_sideDrawer->hide();
}

void MainWindow::buildReports()
{
    ReportsRegion::Parts parts;
    parts.client = centralWidget();
    parts.leftPane = m_leftPane;
    parts.documentArea = m_documentArea;
    // The strip along the foot of the document area, where the reference
    // navigation panel is lowered and collapsed to.
    parts.sideStrip = [this] { return QRect(0, m_documentArea->height() - 34, m_documentArea->width(), 30); };
    parts.queryCentrePanel = m_leftPane->queryCentreArea();
    parts.sideDrawer = m_sideDrawer;
    parts.walkTimer = m_walkTimer;
    parts.openRecord = [this](const QString& code) {
        m_browsing->gototree(code);
        return reports::plainTextOfPage(m_browsing->opener().currentDocumentPath());
    };
    parts.showPage = [this](const QString& path) {
        documentViews().documentView()->navigate(path);
        m_browsing->documentArea().showDocument();
    };
    parts.setHighlightTerm = [this](const QString& term) { m_session.setFirstHighlightTerm(term); };
    parts.hideKeywordList = [this] {
        if (m_libraryPanels) m_libraryPanels->hideKeywordList();
    };
    parts.generatedFolder = generatedPagesFolder(m_layout);
    m_reports = std::make_unique<ReportsRegion>(m_layout, m_prompter, std::move(parts));
}

void MainWindow::buildRecordBrowsing(std::unique_ptr<Shell> shell)
{
    RecordBrowsing::Parts parts;
    parts.pane = m_leftPane;
    parts.documentArea = m_documentArea;
    parts.statusStrip = m_statusStrip;
    parts.treeProxy = m_treePictures.get();
    parts.catalogue = m_catalogue.get();
    parts.readingTimer = m_readingTimer;
    parts.highlightTimer = m_highlightTimer;
    parts.housekeepingTimer = m_housekeepingTimer;
    parts.highlight = &m_highlight;
    parts.productDescription = productDescription();
    parts.setCentreTitle = [this](const QString& title) { m_leftPane->setCentreTitle(title); };
    parts.refreshLayout = [this] { startform(); };
    parts.resetBarWhenDue = [this] { m_navigation->pointerLeftItems(); };
    parts.recordShown = [this](const QString& code) {
        if (m_reading) m_reading->recordShown(code);
        if (m_libraryPanels) m_libraryPanels->recordShown();
    };
    parts.treePressed = [this] {
        if (m_libraryPanels) m_libraryPanels->removeKeywordLabels();
    };
    m_browsing = std::make_unique<RecordBrowsing>(m_connection, m_layout, m_session, std::move(parts),
                                                  std::move(shell));
}

void MainWindow::buildSearch(const QString& viewSettingsPath)
{
    QueryPanel::Parts query;
    query.pane = m_leftPane;
    query.documentView = documentViews().documentView();
    query.readingTimer = m_readingTimer;
    m_queryPanel = std::make_unique<QueryPanel>(m_connection, m_session, *m_results, m_prompter, query);

    m_searchBox = std::make_unique<SearchBoxController>(m_connection, m_session, *m_results, *m_queryPanel,
                                                        m_prompter, *m_leftPane);

    connect(m_results.get(), &ResultListModel::fetchFailed, this, [this](const QString& detail) {
        m_prompter.message(QStringLiteral("读取资料库失败：%1").arg(detail));
    });
    m_resultListController = std::make_unique<ResultListController>(
        m_connection, m_session, *m_results, *m_browsing, m_leftPane->resultList(), documentViews().documentView());

    m_viewOptions = std::make_unique<ViewOptionsGroup>(
        ViewSettingsFile(viewSettingsPath.isEmpty() ? ViewSettingsFile::defaultPath() : viewSettingsPath),
        m_leftPane->advancedPanel());

    m_notesPanel = new NotesPanel(m_documentArea);
    m_windowSettings = std::make_unique<WindowSettings>(m_layout, m_notesPanel->showNotesOption());
}

void MainWindow::buildReading()
{
    DocumentReading::Parts parts;
    parts.toolbarArea = m_documentArea->toolbarArea();
    parts.panelArea = m_documentArea;
    parts.notesPanel = m_notesPanel;
    parts.documentView = documentViews().documentView();
    parts.sourceTextBox = sourceTextBox();
    parts.highlightTimer = m_highlightTimer;
    parts.readingTimer = m_readingTimer;
    parts.autoRunButton = m_documentArea->autoRunButton();
    parts.tree = m_leftPane->tree();
    parts.treeProxy = m_treePictures.get();
    parts.catalogue = m_catalogue.get();
    parts.session = &m_session;
    parts.bookmarkPath = m_layout.bookmarkFile();
    parts.highlightRequest = [this] {
        return HighlightRequest{m_session.highlighterArmed(), m_highlight.chosen(), m_session.firstHighlightTerm()};
    };
    parts.back = [this] { return m_browsing->back(); };
    parts.forward = [this] { return m_browsing->forward(); };
    parts.open = [this](const QString& code) { return m_browsing->gototree(code); };
    parts.shownCode = [this] { return m_browsing->opener().shownCode(); };
    parts.switchLeftPane = [this] { switchLeftPane(); };
    parts.currentGroup = [this] { return groupCode(m_session.group()); };
    parts.currentItem = [this] { return QString::number(m_session.currentItem()); };
    parts.switchTo = [this](const QString& group, const QString& item) {
        const auto chosen = groupFromCode(group);
        if (!chosen) return false;
        m_navigation->chooseGroup(*chosen);
        m_navigation->barItemClicked(item.toInt());
        return true;
    };
    parts.disableQuerySearch = [this] { m_leftPane->setSearchEnabled(false); };
    m_reading = std::make_unique<DocumentReading>(m_connection, m_prompter, std::move(parts));
}

void MainWindow::switchLeftPane()
{
    WindowGeometry& g = m_geometry;
    constexpr int kBesidePane = 500;  // twips: a document area further right lies beside the pane
    if (g.documentArea.left > kBesidePane) {
        g.documentArea.width = g.workingFrame.width;
        g.documentArea.left = 0;
        g.splitterVisible = false;
        m_leftPane->hide();
    } else {
        g.documentArea.left = g.splitter.right() + layoutrules::kSplitterToDocument;
        g.documentArea.width = g.width - layoutrules::kFullFormRightReserve - g.leftMargin - g.documentArea.left -
                               layoutrules::kDocumentRightGap;
        g.splitterVisible = true;
        m_leftPane->show();
    }
    applyGeometry();
}

void MainWindow::buildLibraryPanels()
{
    LibraryPanels::Parts parts;
    parts.leftPane = m_leftPane;
    parts.documentArea = m_documentArea;
    parts.documentView = documentViews().documentView();
    parts.tree = m_leftPane->tree();
    parts.treeProxy = m_treePictures.get();
    parts.catalogue = m_catalogue.get();
    parts.browsing = m_browsing.get();
    parts.recordCodeBox = recordCodeBox();
    parts.exampleKeywordBox = exampleKeywordBox();
    // Over the tree and the result list, under the tabs.
    parts.historyPlace = [this] {
        const auto placed = [this](QWidget* w) { return QRect(w->mapTo(m_leftPane, QPoint(0, 0)), w->size()); };
        return placed(m_leftPane->tree()).united(placed(m_leftPane->resultList()));
    };
    parts.centreCaption = [this] { return m_leftPane->centreTitle(); };
    parts.replaySearch = [this](const QString& text) {
        sourceTextBox()->hide();
        m_leftPane->setSearchText(text);
        m_queryPanel->listTab();
        m_queryPanel->centreSearch();
    };
    parts.referenceNavigation = &m_reports->referenceNavigation();
    m_libraryPanels = std::make_unique<LibraryPanels>(m_connection, m_layout, m_prompter, std::move(parts));
    connect(m_queryPanel.get(), &QueryPanel::centreSearchRun, m_libraryPanels.get(), &LibraryPanels::searchRun);
    // A search run while the history is on show shows its result: the list takes its place back.
    connect(m_queryPanel.get(), &QueryPanel::centreSearchRun, this, [this] {
        if (!m_libraryPanels->isHistoryShown()) return;
        m_libraryPanels->hideHistory();
        m_leftPane->showResultList(true);
    });
    connect(m_leftPane, &LeftPane::historyTabClicked, m_leftPane, &LeftPane::showHistoryTab);
    connect(m_leftPane, &LeftPane::historyTabClicked, m_libraryPanels.get(), &LibraryPanels::showHistory);
    connect(m_leftPane, &LeftPane::catalogueTabClicked, m_libraryPanels.get(), &LibraryPanels::hideHistory);
    connect(m_leftPane, &LeftPane::listTabClicked, m_libraryPanels.get(), &LibraryPanels::hideHistory);
    connect(m_leftPane, &LeftPane::thumbnailsClicked, m_libraryPanels.get(), &LibraryPanels::showThumbnails);

    // The keyword editor's three openings are entries of the menu, enabled as the editor allows.
    KeywordEditorPanel& editor = m_libraryPanels->keywordEditor();
    WindowMenu& menu = m_reports->menu();
    const std::array<std::pair<KeywordEditorPanel::Opening, QString>, 3> openings = {{
        {KeywordEditorPanel::Opening::NavigationKeywords, QStringLiteral("导航技术关键字")},
        {KeywordEditorPanel::Opening::ExampleKeywords, QStringLiteral("导航实例关键字")},
        {KeywordEditorPanel::Opening::FolderRenaming, QStringLiteral("修改文件夹")},
    }};
    for (const auto& [opening, caption] : openings) menu.addEntry(caption, [&editor, opening] { editor.open(opening); });
    menu.addEntry(QStringLiteral("关键字列表"), [this] { m_libraryPanels->showKeywordList(); });
    connect(&editor, &KeywordEditorPanel::openingsChanged, this, [&editor, &menu, openings] {
        for (const auto& [opening, caption] : openings) menu.setEntryEnabled(caption, editor.isOpeningEnabled(opening));
    });
}

void MainWindow::buildImport()
{
    WindowImport::Parts parts;
    parts.window = this;
    parts.menu = &m_reports->menu();
    parts.tree = m_leftPane->tree();
    parts.treeProxy = m_treePictures.get();
    parts.catalogue = m_catalogue.get();
    parts.showCentre = [this](int item) {
        if (m_session.group() != NavigationGroup::Centre) {
            m_navigation->chooseGroup(NavigationGroup::Centre);
            if (m_session.currentItem() == item) return;
        }
        m_navigation->barItemClicked(item);
    };
    m_import = new WindowImport(m_connection, m_layout.dataRoot(), m_prompter, std::move(parts));

    PageFollowing::Parts following;
    following.tree = m_leftPane->tree();
    following.treeProxy = m_treePictures.get();
    following.catalogue = m_catalogue.get();
    following.openNodeShowing = [this](int node, const QString& page) {
        return m_browsing->openNodeShowing(node, page);
    };
    m_pageFollowing = new PageFollowing(m_connection, std::move(following), this);
    connect(documentViews().documentView(), &DocumentView::libraryPageFollowed, m_pageFollowing,
            &PageFollowing::pageFollowed);
}

void MainWindow::buildTimers()
{
    const auto makeTimer = [this](const QString& objectName, int intervalMs) {
        auto* t = new QTimer(this);
        t->setObjectName(objectName);
        t->setInterval(intervalMs);
        return t;
    };
    m_splitterTimer = makeTimer(QStringLiteral("Timer1"), 300);
    m_readingTimer = makeTimer(QStringLiteral("Timer2"), 1500);
    m_highlightTimer = makeTimer(QStringLiteral("Timer3"), 300);
    m_housekeepingTimer = makeTimer(QStringLiteral("Timer4"), 300);
    m_walkTimer = makeTimer(QStringLiteral("Timer5"), 2000);
    connect(m_splitterTimer, &QTimer::timeout, this, &MainWindow::splitterTick);
}

QTreeView* MainWindow::catalogueTree() const { return m_leftPane->tree(); }
QListView* MainWindow::resultList() const { return m_leftPane->resultList(); }
const DocumentSlots& MainWindow::documentViews() const { return m_documentArea->views(); }
QPlainTextEdit* MainWindow::sourceTextBox() const { return m_documentArea->sourceTextBox(); }
SidePanel* MainWindow::sidePanel() const { return m_documentArea->sidePanel(); }
QLineEdit* MainWindow::recordCodeBox() const { return m_documentArea->recordCodeBox(); }
QLineEdit* MainWindow::exampleKeywordBox() const { return m_documentArea->exampleKeywordBox(); }
QLineEdit* MainWindow::descriptionBox() const { return m_statusStrip->descriptionBox(); }
QWidget* MainWindow::documentToolbarArea() const { return m_documentArea->toolbarArea(); }

QString MainWindow::productDescription()
{
    return QString(60, QLatin1Char(' ')) +
           QStringLiteral("澄溪宸笺：为程序员准备的参考资料库，技术文章、实例、项目、方案、界面设计与视频课程，"
                          "随查随用，源程序一键取出。");
}

void MainWindow::Label1_Click(int item) { m_switch->Label1_Click(item); }

void MainWindow::startform()
{
    layoutrules::startform(m_geometry);
    applyGeometry();
}

void MainWindow::create()
{
    m_navigationRegion->showBannerPicture(tabStripPicture(NavigationGroup::Learning));
    m_navigationRegion->showOverlay(m_navigation->bar().overlay());
    m_session.setGroup(NavigationGroup::Learning);
    m_navigation->bar().setSelectedItem(0);
    // The window opens on the learning course "从零开始".
    m_switch->Label1_Click(0);
    initialSettings();
    m_navigation->bar().setSelectedItem(1);
    m_navigationRegion->showBarBackground(barBackgroundPicture(NavigationGroup::Centre), NavigationGroup::Centre);
    m_session.setReadingMode(ReadingMode::AutoRun);
    m_session.setCurrentTable({});
    if (DocumentView* second = documentViews().secondView()) second->navigate(m_layout.placeholderPictureWide());
    m_session.setCurrentItem(1);
}

void MainWindow::initialSettings()
{
    if (m_initialSettingsDone) return;
    m_drag.release();
    m_geometry.leftMargin = 0;
    m_navigation->bar().setLastHovered(1);
    // The option file, then the start-up entry, which opens its page of the group the window starts in.
    if (const auto startupItem = m_windowSettings->readStartupFiles()) m_switch->Label1_Click(*startupItem);
    m_leftPane->setTabsTop(200);
    m_leftPane->fitResultScrollBar();
    m_statusStrip->setDescriptionText(productDescription());
    m_leftPane->clearSearchText();
    m_walkTimer->stop();
    layoutrules::startform11(m_geometry);
    const QSize client = size();
    m_geometry.width = twips::fromPixels(client.width());
    m_geometry.height = twips::fromPixels(client.height());
    layoutrules::resized(m_geometry);
    applyGeometry();
    m_initialSettingsDone = true;
    m_workingFrame->show();
}

void MainWindow::load()
{
    if (DocumentView* view = documentViews().documentView()) {
        view->show();
        view->navigate(m_layout.placeholderPicture());
    }
    m_viewOptions->load();
    m_session.setGroup(NavigationGroup::Centre);
    // The tab strip shows the group that the bar now serves.
    m_navigationRegion->showBannerPicture(tabStripPicture(m_session.group()));
}

void MainWindow::display()
{
    m_leftPane->show();
    m_splitterTimer->start();
    m_highlightTimer->start();
    m_leftPane->setActiveTab(LeftPane::Tab::Catalogue);

    // Once shown, the window works on the technology centre whatever page the start-up chose.
    if (const Centre* technology = centreByTable(QStringLiteral("jszx"))) {
        m_session.setCentreQueries(
            centreQueries(*technology, m_layout, m_connection.contentTable(technology->table)));
    }
    m_navigation->bar().setMenuState(QStringLiteral("no"));
    // The centre title stays the one of the page the start-up opened, so it names the tree on show.
}

void MainWindow::applyGeometry()
{
    const WindowGeometry& g = m_geometry;
    m_navigationRegion->place(g);
    m_workingFrame->setGeometry(g.workingFrame.toPixels());
    m_leftPane->setGeometry(g.leftPane.toPixels());
    m_splitter->setGeometry(g.splitter.toPixels());
    m_splitter->setVisible(g.splitterVisible);
    m_documentArea->setGeometry(g.documentArea.toPixels());
    m_sideDrawer->setGeometry(g.sideDrawer.toPixels());
    const TwipsRect strip{g.workingFrame.left, g.workingFrame.bottom() + kStatusStripInset, g.workingFrame.width,
                          layoutrules::kBottomReserve - 2 * kStatusStripInset};
    m_statusStrip->setGeometry(strip.toPixels());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_geometry.width = twips::fromPixels(width());
    m_geometry.height = twips::fromPixels(height());
    if (layoutrules::resized(m_geometry))
        resize(pixelsCovering(m_geometry.width), pixelsCovering(m_geometry.height));
    applyGeometry();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_displayed) return;
    m_displayed = true;
    display();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A close from the window system is the user's close box, or a window
    // manager or session acting for the user; nothing in the program closes
    // the window on its own.
    emit closing(event->spontaneous() ? QStringLiteral("the window system asked (close box, window manager or session)")
                                      : QStringLiteral("the program closed it"));
    // The program ends with the window whether or not the file could be written.
    m_windowSettings->writeOnClose(m_leftPane->searchHistory());
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && m_navigation) m_navigation->pointerLeftItems();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::splitterTick()
{
    if (!m_drag.isDragging()) return;
    const QPoint pointer = QCursor::pos();
    const int inFrame = twips::fromPixels(m_workingFrame->mapFromGlobal(pointer).x());
    if (m_drag.tick(pointer.x(), inFrame, m_geometry)) applyGeometry();
}

}  // namespace kelvor
