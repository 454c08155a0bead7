#pragma once

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
class LeftPane : public QWidget {
    Q_OBJECT
public:
    explicit LeftPane(QWidget* parent = nullptr);

    QFrame* mainFrame() const { return m_frame; }
    // `Label5`; a click on it starts the centre title search.
    ClickLabel* centreTitle() const { return m_title; }
    // "目录", "查询", "历史", "设置" in this order.
    QPushButton* tab(int index) const { return m_tabs[size_t(index)]; }
    QPushButton* thumbnailButton() const { return m_thumbnails; }
    QPushButton* backToQueryButton() const { return m_backToQuery; }
    QComboBox* searchBox() const { return m_searchBox; }
    QPushButton* searchButton() const { return m_search; }
    QPushButton* advancedButton() const { return m_advanced; }
    QTreeView* tree() const { return m_tree; }
    QListView* resultList() const { return m_results; }
    QScrollBar* resultScrollBar() const { return m_scrollBar; }
    QWidget* queryCentrePanel() const { return m_queryCentre; }
    // `Frame8(0)`, opened by "高级".
    AdvancedPanel* advancedPanel() const { return m_advancedPanel; }
    // " 多关键字查询" and "查看结果" (`Command21`) at the head of the query centre panel.
    MultiKeywordFrame* multiKeywordFrame() const { return m_multiKeyword; }
    QPushButton* viewResultsButton() const { return m_viewResults; }
    QCheckBox* clickRunsOption() const { return m_clickRuns; }
    QCheckBox* manualExpandOption() const { return m_manualExpand; }

    void setCentreTitle(const QString& title);
    // The tab row's top, twips.
    void setTabsTop(int top);
    void placeThumbnailButtonAtSettingsTab();
    void setActiveTab(QPushButton* tab);
    // The tab that carries the active colour.
    QPushButton* activeTab() const { return m_activeTab; }
    // Recomputes every placement from the pane's size. While the search box
    // is hidden the tree takes its row; the open advanced panel takes it too,
    // and the result list follows 30 twips below the panel, else 20 twips
    // below the search box.
    void placeControls();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    AdvancedPanel* m_advancedPanel = nullptr;
    MultiKeywordFrame* m_multiKeyword = nullptr;
    QPushButton* m_viewResults = nullptr;
    QPushButton* m_activeTab = nullptr;
    int m_tabsTop = 200;
    bool m_thumbnailAtSettings = false;
};

}  // namespace kelvor
