#pragma once

#include <QWidget>

#include <map>

class QComboBox;
class QFrame;
class QPushButton;

namespace kelvor {

// The query centre's automatic tools: "数据智能查询" (27), "自动批量数据检索"
// (14) and "自动提取关键数据" (15), whose picture turns to picture 101 under
// the pointer and back to 102 once the pointer leaves for the panel; the
// smart retrieval panel `Frame19` ("数据智能检索" with `Combo5`) and the batch
// retrieval panel, each with "返回查询中心".
class ToolsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ToolsPanel(QWidget* parent);

    // The hover marker: the number of the button showing picture 101, or 0.
    int hoverMarker() const { return m_hovered; }
    int pictureOf(int button) const;
    void hover(int button);
    void restoreHovered();
    // Shows or hides the three tool buttons together (the report display hides them).
    void setToolsShown(bool shown);
    void showSmartRetrieval();
    void showBatchRetrieval();
    // "数据智能检索": the drop-down's text joins its list and is queried.
    void smartRetrieval();
    QStringList smartRetrievalHistory() const;
    void setSmartRetrievalText(const QString& text);

signals:
    // "数据智能查询" for a term: the continued query over the chosen centres.
    void smartQueryRequested(const QString& term);
    // "自动提取关键数据": the report panel with its query field.
    void reportPanelRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The move is over one of the tool buttons.
    bool toolAt(QEvent* event) const;
    QPushButton* makeTool(int number, const QString& caption);
    void returnToQueryCentre();
    void setPicture(int button, int picture);

    std::map<int, QPushButton*> m_tools;
    std::map<int, int> m_pictures;
    int m_hovered = 0;
    QFrame* m_smart;
    QComboBox* m_smartText;
    QFrame* m_batch;
};

}  // namespace kelvor
