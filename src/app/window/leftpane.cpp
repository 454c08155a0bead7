#include "leftpane.h"

#include "advancedpanel.h"
#include "bitmaps.h"
#include "clicklabel.h"
#include "enterkey.h"
#include "multikeywordframe.h"
#include "namedcombobox.h"
#include "twips.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QCheckBox>
#include <QRadioButton>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <cmath>

namespace kelvor {

namespace {

constexpr int kFrameLeft = 10;
constexpr int kFrameTop = 50;
constexpr int kInset = 60;
constexpr int kTabWidth = 900;
constexpr int kTabPitch = 930;
constexpr int kRowHeight = 390;
constexpr int kThumbnailButtonWidth = 1350;
constexpr int kTitleHeight = 420;
constexpr int kSearchHeight = 360;
constexpr int kSearchButtonWidth = 780;
constexpr int kGap = 45;
constexpr int kOptionHeight = 300;
constexpr int kScrollBarHeight = 255;
constexpr int kBackToQueryTop = 90;
constexpr int kBelowAdvancedPanel = 30;
constexpr int kListBelowSearchBox = 20;

const QString kTabStyle = QStringLiteral(
    "QPushButton { background: palette(button); border: 1px solid #b4c2d0; border-bottom-color: #8fa3b8;"
    " border-top-left-radius: 5px; border-top-right-radius: 5px; padding: 2px 6px; }"
    "QPushButton:hover { background: #e4eef8; }"
    "QPushButton:disabled { color: #9aa6b2; }");
// The active tab's colour is RGB(52, 149, 191).
const QString kActiveTabStyle = QStringLiteral(
    "QPushButton { background: rgb(52, 149, 191); color: white; font-weight: bold; border: 1px solid rgb(40, 120, 156);"
    " border-top-left-radius: 5px; border-top-right-radius: 5px; padding: 2px 6px; }"
    "QPushButton:disabled { color: #dbe9f0; }");

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect{left, top, std::max(0, width), std::max(0, height)}.toPixels());
}

}  // namespace

LeftPane::LeftPane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture2"));
    setAccessibleName(QStringLiteral("左侧面板"));
    setMouseTracking(true);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame5"));
    m_frame->setAccessibleName(QStringLiteral("目录与查询"));

    m_backToQuery = makeButton(QStringLiteral("Command25"), QStringLiteral("返回查询界面"));
    m_backToQuery->hide();

    const std::array<const char*, 4> tabNames = {"Command4", "Command8", "Command9", "Command10"};
    const std::array<const char*, 4> tabCaptions = {"目录", "查询", "历史", "设置"};
    const std::array<const char*, 4> tabTips = {
        "根据技术分类，形成循序渐进的技术目录树，适合学习和查询定位",
        "根据技术分类，形成循序渐进的技术列表，适合学习和查询",
        "按技术的字母顺序对技术进行列表显示，适合快速检索",
        "由技术专家对开发技术中的关键技术进行专题讲座,很精彩",
    };
    for (size_t i = 0; i < m_tabs.size(); ++i) {
        m_tabs[i] = makeButton(QString::fromLatin1(tabNames[i]), QString::fromUtf8(tabCaptions[i]));
        m_tabs[i]->setToolTip(QString::fromUtf8(tabTips[i]));
        m_tabs[i]->setStyleSheet(kTabStyle);
    }
    m_tabs[2]->setEnabled(false);
    m_tabs[3]->hide();

    m_thumbnails = makeButton(QStringLiteral("Command48"), QStringLiteral("缩略图显示"));
    m_thumbnails->setStyleSheet(kTabStyle);
    m_thumbnails->hide();

    m_title = new ClickLabel(m_frame);
    m_title->setObjectName(QStringLiteral("Label5"));
    m_title->setFont(Bitmaps::captionFont(16, true));
    m_title->setStyleSheet(QStringLiteral("QLabel { color: #1f5f8f; border-bottom: 2px solid #9cc3dd; padding-left: 4px; }"));
    m_title->setCursor(Qt::PointingHandCursor);
    setCentreTitle(QString());

    m_searchBox = new NamedComboBox(m_frame);
    m_searchBox->setObjectName(QStringLiteral("Combo2"));
    m_searchBox->setAccessibleName(QStringLiteral("搜索框"));
    m_searchBox->setEditable(true);
    m_searchBox->setInsertPolicy(QComboBox::NoInsert);
    m_searchBox->setToolTip(QStringLiteral("在输入框输入查询内容，回车或单击“搜索”按纽，即可进行查询。"));
    m_searchBox->lineEdit()->setPlaceholderText(QStringLiteral("输入要查询的标题"));
    m_search = makeButton(QStringLiteral("Command3"), QStringLiteral("搜索"));
    m_advanced = makeButton(QStringLiteral("Command11"), QStringLiteral("高级"));

    m_tree = new QTreeView(m_frame);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setAccessibleName(QStringLiteral("目录树"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setMouseTracking(true);
    m_tree->viewport()->setMouseTracking(true);

    m_results = new QListView(m_frame);
    m_results->setObjectName(QStringLiteral("datalist2"));
    m_results->setAccessibleName(QStringLiteral("结果列表"));
    // A million equal lines are laid out without measuring each one.
    m_results->setUniformItemSizes(true);
    m_results->setLayoutMode(QListView::Batched);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setMouseTracking(true);
    m_results->viewport()->setMouseTracking(true);
    m_results->hide();

    m_scrollBar = new QScrollBar(Qt::Horizontal, m_frame);
    m_scrollBar->setObjectName(QStringLiteral("HScroll1"));
    m_scrollBar->setAccessibleName(QStringLiteral("结果列表滚动条"));
    m_scrollBar->setRange(0, 1000);
    m_scrollBar->setPageStep(200);
    m_scrollBar->setSingleStep(100);
    m_scrollBar->hide();
    // The bar slides the list to the left under the frame's edge, widening it
    // by as much, so the end of a long title comes into view.
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &LeftPane::placeControls);

    m_clickRuns = makeOption(QStringLiteral("Check2(0)"), QStringLiteral("单击执行 "));
    m_clickRuns->setChecked(true);
    m_clickRuns->setEnabled(false);
    m_manualExpand = makeOption(QStringLiteral("Check3(0)"), QStringLiteral("手动展开 "));
    m_manualExpand->setEnabled(false);
    m_titleOnly = makeOption(QStringLiteral("titleOnlyOption"), QStringLiteral("只查询标题 "));
    m_showPosition = makeOption(QStringLiteral("showPositionOption"), QStringLiteral("显示记录位置"));

    // The query centre's panel: the multi-keyword query and "查看结果".
    m_queryCentre = new QFrame(m_frame);
    m_queryCentre->setObjectName(QStringLiteral("queryCentrePanel"));
    m_queryCentre->setAccessibleName(QStringLiteral("查询中心"));
    m_queryCentre->setAutoFillBackground(true);
    m_queryCentre->hide();
    // The query centre opens on the multi-keyword query; its tools join
    // below. The column scrolls rather than squeeze its controls when the
    // smart-retrieval panel opens in a short window.
    auto* scroller = new QScrollArea(m_queryCentre);
    scroller->setObjectName(QStringLiteral("queryCentreScroller"));
    scroller->setAccessibleName(QStringLiteral("查询中心工具"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* frameColumn = new QVBoxLayout(m_queryCentre);
    frameColumn->setContentsMargins(0, 0, 0, 0);
    frameColumn->addWidget(scroller);
    m_queryCentreColumn = new QWidget(scroller);
    m_queryCentreColumn->setObjectName(QStringLiteral("queryCentreColumn"));
    scroller->setWidget(m_queryCentreColumn);
    auto* queryCentreColumn = new QVBoxLayout(m_queryCentreColumn);
    queryCentreColumn->setContentsMargins(4, 4, 4, 4);
    m_multiKeyword = new MultiKeywordFrame(m_queryCentreColumn);
    queryCentreColumn->addWidget(m_multiKeyword);
    m_viewResults = new QPushButton(QStringLiteral("查看结果"), m_queryCentreColumn);
    m_viewResults->setObjectName(QStringLiteral("Command21"));
    m_viewResults->setAccessibleName(QStringLiteral("查看结果"));
    queryCentreColumn->addWidget(m_viewResults, 0, Qt::AlignLeft);
    queryCentreColumn->addStretch();

    m_advancedPanel = new AdvancedPanel(m_frame);
    // Opening and closing the panel, showing and hiding the search box move
    // the tree and the result list: re-place on each.
    m_advancedPanel->installEventFilter(this);
    m_searchBox->installEventFilter(this);

    setActiveTab(Tab::Catalogue);

    connect(m_title, &ClickLabel::clicked, this, &LeftPane::centreTitleClicked);
    connect(tabButton(Tab::Catalogue), &QPushButton::clicked, this, &LeftPane::catalogueTabClicked);
    connect(tabButton(Tab::List), &QPushButton::clicked, this, &LeftPane::listTabClicked);
    connect(tabButton(Tab::History), &QPushButton::clicked, this, &LeftPane::historyTabClicked);
    connect(m_search, &QPushButton::clicked, this, &LeftPane::searchClicked);
    connect(m_thumbnails, &QPushButton::clicked, this, &LeftPane::thumbnailsClicked);
    connect(m_advanced, &QPushButton::clicked, this, &LeftPane::advancedClicked);
    connect(m_advancedPanel->closeButton(), &QPushButton::clicked, this, &LeftPane::advancedCloseClicked);
    connect(m_advancedPanel->allDataButton(), &QPushButton::clicked, this, &LeftPane::allDataClicked);
    connect(m_backToQuery, &QPushButton::clicked, this, &LeftPane::backToQueryClicked);
    connect(m_viewResults, &QPushButton::clicked, this, &LeftPane::viewResultsClicked);
    // Every change counts, typed or set by the program.
    connect(m_searchBox, &QComboBox::editTextChanged, this, &LeftPane::searchTextChanged);
    onEnterPressed(m_searchBox, [this] { emit searchEntered(); });
}

QPushButton* LeftPane::makeButton(const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, m_frame);
    button->setObjectName(objectName);
    button->setAccessibleName(caption.trimmed());
    return button;
}

QCheckBox* LeftPane::makeOption(const QString& objectName, const QString& caption)
{
    auto* option = new QCheckBox(caption, m_frame);
    option->setObjectName(objectName);
    option->setAccessibleName(caption.trimmed());
    return option;
}

void LeftPane::setCentreTitle(const QString& title)
{
    m_title->setText(title);
    m_title->setAccessibleName(title.trimmed().isEmpty() ? QStringLiteral("中心名称") : title.trimmed());
}

void LeftPane::setTabsTop(int top)
{
    m_tabsTop = top;
    placeControls();
}

void LeftPane::placeThumbnailButtonAtSettingsTab()
{
    m_thumbnailAtSettings = true;
    placeControls();
}

void LeftPane::setActiveTab(Tab active)
{
    m_activeTab = active;
    for (QPushButton* tab : m_tabs) tab->setStyleSheet(tab == tabButton(active) ? kActiveTabStyle : kTabStyle);
}

void LeftPane::setActiveTab(Control tab)
{
    switch (tab) {
    case Control::TabCatalogue: setActiveTab(Tab::Catalogue); return;
    case Control::TabList: setActiveTab(Tab::List); return;
    case Control::TabHistory: setActiveTab(Tab::History); return;
    case Control::TabSettings: setActiveTab(Tab::Settings); return;
    default: return;  // not a tab
    }
}

QString LeftPane::centreTitle() const { return m_title->text().trimmed(); }

QString LeftPane::searchText() const { return m_searchBox->currentText(); }

void LeftPane::setSearchText(const QString& text) { m_searchBox->setEditText(text); }

void LeftPane::setSearchEnabled(bool enabled) { m_search->setEnabled(enabled); }

void LeftPane::clearSearchText() { m_searchBox->clear(); }

QStringList LeftPane::searchHistory() const
{
    QStringList texts;
    for (int i = 0; i < m_searchBox->count(); ++i) texts << m_searchBox->itemText(i);
    return texts;
}

void LeftPane::setThumbnailButtonEnabled(bool enabled) { m_thumbnails->setEnabled(enabled); }

void LeftPane::setTabsEnabled(bool enabled)
{
    for (Tab tab : {Tab::Catalogue, Tab::List, Tab::History}) tabButton(tab)->setEnabled(enabled);
}

bool LeftPane::isTabOffered(Tab tab) const { return tabButton(tab)->isEnabled() && !tabButton(tab)->isHidden(); }

void LeftPane::showCatalogue()
{
    m_searchBox->hide();
    m_clickRuns->show();
    m_manualExpand->show();
    setActiveTab(Tab::Catalogue);
    m_tree->show();
    m_results->hide();
    m_scrollBar->hide();
}

void LeftPane::showResultList(bool activateListTab)
{
    m_searchBox->show();
    m_search->show();
    tabButton(Tab::History)->setEnabled(true);
    m_advanced->show();
    m_clickRuns->hide();
    m_manualExpand->hide();
    if (activateListTab) setActiveTab(Tab::List);
    m_tree->hide();
    m_results->show();
    m_scrollBar->show();
}

void LeftPane::showHistoryTab()
{
    setActiveTab(Tab::History);
    m_tree->hide();
    m_results->hide();
    m_scrollBar->hide();
    m_clickRuns->hide();
    m_manualExpand->hide();
}

void LeftPane::setAdvancedPanelOpen(bool open)
{
    for (QPushButton* button :
         {m_advancedPanel->inResultsButton(), m_advancedPanel->allDataButton(), m_advancedPanel->closeButton()})
        button->setVisible(open);
    // The search row gives way to the open panel; placeControls() moves the list below it.
    m_advanced->setVisible(!open);
    m_search->setVisible(!open);
    m_searchBox->setVisible(!open);
    m_advancedPanel->setVisible(open);
}

void LeftPane::showQueryCentreControls()
{
    setTabsEnabled(false);
    m_advancedPanel->closeButton()->show();
    m_tree->hide();
    m_results->hide();
    m_backToQuery->hide();
    // The multi-keyword frame fills the head of the query centre panel.
    m_queryCentre->show();
    m_scrollBar->hide();
}

void LeftPane::showResultView()
{
    setTabsEnabled(true);
    if (m_activeTab == Tab::Catalogue) {
        m_tree->show();
    } else {
        m_results->show();
    }
    // The panel lies over the tree and the list: it goes with the multi-keyword frame.
    m_queryCentre->hide();
    m_backToQuery->show();
}

void LeftPane::fitResultScrollBar()
{
    const double width = twips::fromPixels(m_results->width());
    m_scrollBar->setValue(0);
    m_scrollBar->setRange(0, int(std::lround(width / 3)));
    m_scrollBar->setSingleStep(int(std::lround(width / 20)));
    m_scrollBar->setPageStep(int(std::lround(width / 10)));
}

QWidget* LeftPane::widgetOf(Control control) const
{
    switch (control) {
    case Control::TabCatalogue: return tabButton(Tab::Catalogue);
    case Control::TabList: return tabButton(Tab::List);
    case Control::TabHistory: return tabButton(Tab::History);
    case Control::TabSettings: return tabButton(Tab::Settings);
    case Control::SearchBox: return m_searchBox;
    case Control::SearchButton: return m_search;
    case Control::AdvancedButton: return m_advanced;
    case Control::Tree: return m_tree;
    case Control::ResultList: return m_results;
    case Control::ResultScrollBar: return m_scrollBar;
    case Control::ThumbnailShow: return m_thumbnails;
    case Control::BackToQuery: return m_backToQuery;
    case Control::AdvancedPanel: return m_advancedPanel;
    case Control::AdvancedInResults: return m_advancedPanel->inResultsButton();
    case Control::AdvancedAllData: return m_advancedPanel->allDataButton();
    case Control::AdvancedClose: return m_advancedPanel->closeButton();
    case Control::ClickRunsOption: return m_clickRuns;
    case Control::ManualExpandOption: return m_manualExpand;
    case Control::TitleOnlyOption: return m_titleOnly;
    case Control::ShowPositionOption: return m_showPosition;
    case Control::RangeOptionCentre: return m_advancedPanel->currentCentreOption();
    case Control::QueryCentrePanel: return m_queryCentre;
    case Control::LeftPaneFrame: return m_frame;
    case Control::LeftPane: return const_cast<LeftPane*>(this);
    // Controls of other parts of the window.
    case Control::HistoryList:
    case Control::AutoRun:
    case Control::ThumbnailRestore:
    case Control::Splitter:
    case Control::DocumentArea: return nullptr;
    }
    return nullptr;
}

void LeftPane::setControlVisible(Control control, bool visible)
{
    if (QWidget* w = widgetOf(control)) w->setVisible(visible);
}

void LeftPane::setControlEnabled(Control control, bool enabled)
{
    if (QWidget* w = widgetOf(control)) w->setEnabled(enabled);
}

bool LeftPane::isControlVisible(Control control) const
{
    const QWidget* w = widgetOf(control);
    return w && !w->isHidden();
}

void LeftPane::setControlCaption(Control control, const QString& caption)
{
    auto* button = qobject_cast<QAbstractButton*>(widgetOf(control));
    if (!button) return;
    button->setText(caption);
    button->setAccessibleName(caption.trimmed());
}

bool LeftPane::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_advancedPanel || watched == m_searchBox) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        placeControls();
    return QWidget::eventFilter(watched, event);
}

void LeftPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void LeftPane::placeControls()
{
    const int paneWidth = twips::fromPixels(width());
    const int paneHeight = twips::fromPixels(height());
    place(m_frame, kFrameLeft, kFrameTop, paneWidth - 2 * kFrameLeft, paneHeight - kFrameTop);
    const int w = twips::fromPixels(m_frame->width());
    const int h = twips::fromPixels(m_frame->height());

    place(m_backToQuery, kInset, kBackToQueryTop, 1800, kRowHeight);
    for (size_t i = 0; i < m_tabs.size(); ++i)
        place(m_tabs[i], kInset + int(i) * kTabPitch, m_tabsTop, kTabWidth, kRowHeight);
    if (m_thumbnailAtSettings)
        place(m_thumbnails, kInset + 3 * kTabPitch, m_tabsTop, kThumbnailButtonWidth, kRowHeight);

    const int titleTop = m_tabsTop + kRowHeight + 90;
    place(m_title, kInset, titleTop, w - 2 * kInset, kTitleHeight);

    const int searchTop = titleTop + kTitleHeight + kInset;
    const int searchWidth = w - 2 * kInset - 2 * (kSearchButtonWidth + kGap);
    place(m_searchBox, kInset, searchTop, searchWidth, kSearchHeight);
    place(m_search, kInset + searchWidth + kGap, searchTop, kSearchButtonWidth, kSearchHeight);
    place(m_advanced, kInset + searchWidth + 2 * kGap + kSearchButtonWidth, searchTop, kSearchButtonWidth,
          kSearchHeight);

    // The advanced panel hides the search box and takes its row, below the centre title.
    const bool advancedOpen = !m_advancedPanel->isHidden();
    const int advancedTop = searchTop;
    const int advancedHeight = twips::fromPixels(m_advancedPanel->sizeHint().height());
    place(m_advancedPanel, kInset, advancedTop, w - 2 * kInset, advancedHeight);

    const bool searchRowFree = advancedOpen || m_searchBox->isHidden();
    const int bodyTop = searchRowFree ? searchTop : searchTop + kSearchHeight + kInset;
    const int treeHeight = h - bodyTop - 30 - 2 * kOptionHeight - 60;
    place(m_tree, 10, bodyTop, w - 20, treeHeight);
    const int optionsTop = bodyTop + std::max(0, treeHeight) + 30;
    place(m_clickRuns, kInset, optionsTop, w / 2 - kInset, kOptionHeight);
    place(m_manualExpand, w / 2, optionsTop, w / 2 - kInset, kOptionHeight);
    place(m_titleOnly, kInset, optionsTop + kOptionHeight, w / 2 - kInset, kOptionHeight);
    place(m_showPosition, w / 2, optionsTop + kOptionHeight, w / 2 - kInset, kOptionHeight);

    // Below the open advanced panel, else just below the search box.
    const int listTop = advancedOpen ? advancedTop + advancedHeight + kBelowAdvancedPanel
                                     : searchTop + kSearchHeight + kListBelowSearchBox;
    const int listHeight = h - listTop - kScrollBarHeight - 60;
    const int slide = m_scrollBar->value();
    place(m_results, 20 - slide, listTop, w - 40 + slide, listHeight);
    place(m_scrollBar, 0, listTop + std::max(0, listHeight) - 10, w, kScrollBarHeight);

    place(m_queryCentre, 0, m_tabsTop, w, h - m_tabsTop);
    m_queryCentre->raise();
    m_advancedPanel->raise();
}

}  // namespace kelvor
