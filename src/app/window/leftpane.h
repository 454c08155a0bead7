#pragma once

#include "windowcontrols.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListView;
class QPushButton;
class QScrollBar;
class QTreeView;

namespace kelvor {

class AdvancedPanel;
class ClickLabel;
class MultiKeywordFrame;

// The left pane `Picture2`: the centre title, the tabs, the search box, the
// catalogue tree and the result list, in its main frame `Frame5`. Places its
// controls whenever its size changes; the measures are twips in the frame.
// Others drive it through what it does; only the tree and the result list,
// which their controllers drive, are lent out.
class LeftPane : public QWidget {
    Q_OBJECT
public:
    enum class Tab { Catalogue, List, History, Settings };  // "目录", "查询", "历史", "设置"

    explicit LeftPane(QWidget* parent = nullptr);

    QTreeView* tree() const { return m_tree; }
    QListView* resultList() const { return m_results; }
    // `Frame8(0)`, opened by "高级"; its view option groups are bound to the view settings.
    AdvancedPanel& advancedPanel() const { return *m_advancedPanel; }
    // The query centre's panel, a column that the query centre's tool panels join.
    // The query centre's column, where its tools join.
    QWidget* queryCentreArea() const { return m_queryCentreColumn; }

    // ------------------------------------------------------------ what it shows
    void setCentreTitle(const QString& title);
    QString centreTitle() const;
    QString searchText() const;
    void setSearchText(const QString& text);
    void clearSearchText();
    // "搜索", switched off while a document offers its own search.
    void setSearchEnabled(bool enabled);
    // The texts of the search box's drop-down list.
    QStringList searchHistory() const;
    // The tab row's top, twips.
    void setTabsTop(int top);
    void placeThumbnailButtonAtSettingsTab();
    void setThumbnailButtonEnabled(bool enabled);
    void setActiveTab(Tab tab);
    // The tab that carries the active colour.
    Tab activeTab() const { return m_activeTab; }
    // "目录", "查询" and "历史".
    void setTabsEnabled(bool enabled);
    // The tab is enabled and on show.
    bool isTabOffered(Tab tab) const;

    // "目录": the tree with its option boxes, the search row hidden.
    void showCatalogue();
    // "查询": the search row, the result list and its scroll bar; `activateListTab` gives "查询" the active colour.
    void showResultList(bool activateListTab);
    // "历史": the history panel takes the place of the tree and the list.
    void showHistoryTab();
    // "高级" opens the advanced panel in the search row's place; "关闭" gives the row back.
    void setAdvancedPanelOpen(bool open);
    // "返回查询界面": the query centre's panel over the tree and the list.
    void showQueryCentreControls();
    // "查看结果": the tree or the list again, as the active tab has it.
    void showResultView();

    // The centre switch's steps on the controls of this pane; a control of
    // another part of the window is left alone (false for isControlVisible).
    void setControlVisible(Control control, bool visible);
    void setControlEnabled(Control control, bool enabled);
    bool isControlVisible(Control control) const;
    void setControlCaption(Control control, const QString& caption);
    // Gives a tab the active colour.
    void setActiveTab(Control tab);

    // The result list's horizontal scroll bar fitted to the list's width.
    void fitResultScrollBar();

    // Recomputes every placement from the pane's size. While the search box
    // is hidden the tree takes its row; the open advanced panel takes it too,
    // and the result list follows 30 twips below the panel, else 20 twips
    // below the search box.
    void placeControls();

signals:
    void centreTitleClicked();
    void catalogueTabClicked();
    void listTabClicked();
    void historyTabClicked();
    void searchClicked();            // "搜索"
    void thumbnailsClicked();        // "缩略图显示"
    void searchTextChanged(const QString& text);  // typed or set by the program
    void searchEntered();            // Enter in the search box
    void advancedClicked();          // "高级"
    void advancedCloseClicked();     // "关闭"
    void allDataClicked();           // "全部数据"
    void backToQueryClicked();       // "返回查询界面"
    void viewResultsClicked();       // "查看结果"

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widgetOf(Control control) const;
    QPushButton* tabButton(Tab tab) const { return m_tabs[size_t(tab)]; }
    QPushButton* makeButton(const QString& objectName, const QString& caption);
    QCheckBox* makeOption(const QString& objectName, const QString& caption);

    QFrame* m_frame = nullptr;
    ClickLabel* m_title = nullptr;
    std::array<QPushButton*, 4> m_tabs{};
    QPushButton* m_thumbnails = nullptr;
    QPushButton* m_backToQuery = nullptr;
    QComboBox* m_searchBox = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_advanced = nullptr;
    QTreeView* m_tree = nullptr;
    QListView* m_results = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QCheckBox* m_clickRuns = nullptr;
    QCheckBox* m_manualExpand = nullptr;
    QCheckBox* m_titleOnly = nullptr;
    QCheckBox* m_showPosition = nullptr;
    QWidget* m_queryCentre = nullptr;
    QWidget* m_queryCentreColumn = nullptr;
    AdvancedPanel* m_advancedPanel = nullptr;
    MultiKeywordFrame* m_multiKeyword = nullptr;
    QPushButton* m_viewResults = nullptr;
    Tab m_activeTab = Tab::Catalogue;
    int m_tabsTop = 200;
    bool m_thumbnailAtSettings = false;
};

}  // namespace kelvor
