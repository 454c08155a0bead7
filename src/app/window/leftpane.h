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

class ClickLabel;

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

    void setCentreTitle(const QString& title);
    // The tab row's top, twips.
    void setTabsTop(int top);
    void placeThumbnailButtonAtSettingsTab();
    void setActiveTab(QPushButton* tab);
    // Recomputes every placement from the pane's size.
    void placeControls();

protected:
    void resizeEvent(QResizeEvent* event) override;

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
    int m_tabsTop = 200;
    bool m_thumbnailAtSettings = false;
};

}  // namespace kelvor
