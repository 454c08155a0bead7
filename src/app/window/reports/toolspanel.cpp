#include "toolspanel.h"

#include "app/window/namedcombobox.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvor {

ToolsPanel::ToolsPanel(QWidget* parent) : QWidget(parent), m_smart(new QFrame(this)), m_smartText(new NamedComboBox(m_smart)),
      m_batch(new QFrame(this))
{
    setObjectName(QStringLiteral("toolsPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    const QString tip = QStringLiteral("首先查询关键词的含义、讲解，然后给出相应应用");
    for (const auto& [number, caption] : {std::pair{27, QStringLiteral("数据智能查询")},
                                          std::pair{14, QStringLiteral("自动批量数据检索")},
                                          std::pair{15, QStringLiteral("自动提取关键数据")}}) {
        QPushButton* b = makeTool(number, caption);
        b->setToolTip(tip);
        column->addWidget(b);
    }
    installEventFilter(this);
    setMouseTracking(true);

    m_smart->setObjectName(QStringLiteral("Frame19"));
    m_smart->setFrameShape(QFrame::StyledPanel);
    auto* smartColumn = new QVBoxLayout(m_smart);
    smartColumn->addWidget(new QLabel(QStringLiteral("数据智能检索"), m_smart));
    m_smartText->setObjectName(QStringLiteral("Combo5"));
    m_smartText->setAccessibleName(QStringLiteral("智能检索词"));
    m_smartText->setEditable(true);
    m_smartText->setInsertPolicy(QComboBox::NoInsert);
    smartColumn->addWidget(m_smartText);
    auto* smartGo = new QPushButton(QStringLiteral("数据智能检索"), m_smart);
    smartGo->setObjectName(QStringLiteral("smartRetrievalButton"));
    smartColumn->addWidget(smartGo);
    auto* smartBack = new QPushButton(QStringLiteral("返回查询中心"), m_smart);
    smartBack->setObjectName(QStringLiteral("smartReturnButton"));
    smartColumn->addWidget(smartBack);
    connect(smartGo, &QPushButton::clicked, this, &ToolsPanel::smartRetrieval);
    connect(smartBack, &QPushButton::clicked, this, [this] {
        m_smart->hide();
        m_smartText->setEditText(QString());
        returnToQueryCentre();
    });
    column->addWidget(m_smart);
    m_smart->hide();

    m_batch->setObjectName(QStringLiteral("batchRetrievalPanel"));
    m_batch->setFrameShape(QFrame::StyledPanel);
    auto* batchColumn = new QVBoxLayout(m_batch);
    batchColumn->addWidget(new QLabel(QStringLiteral("自动批量检索"), m_batch));
    auto* batchNote = new QLabel(QStringLiteral("在“数据智能检索”中逐个输入关键词，查询报表可保存六份。"), m_batch);
    batchNote->setWordWrap(true);
    batchColumn->addWidget(batchNote);
    auto* batchBack = new QPushButton(QStringLiteral("返回查询中心"), m_batch);
    batchBack->setObjectName(QStringLiteral("batchReturnButton"));
    batchColumn->addWidget(batchBack);
    connect(batchBack, &QPushButton::clicked, this, [this] {
        m_batch->hide();
        returnToQueryCentre();
    });
    column->addWidget(m_batch);
    m_batch->hide();

    connect(m_tools[27], &QPushButton::clicked, this, &ToolsPanel::showSmartRetrieval);
    connect(m_tools[14], &QPushButton::clicked, this, &ToolsPanel::showBatchRetrieval);
    connect(m_tools[15], &QPushButton::clicked, this, &ToolsPanel::reportPanelRequested);
}

QPushButton* ToolsPanel::makeTool(int number, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QStringLiteral("Command%1").arg(number));
    b->setAccessibleName(caption);
    b->setMinimumHeight(30);
    b->setMouseTracking(true);
    b->installEventFilter(this);
    m_tools[number] = b;
    setPicture(number, 102);
    return b;
}

int ToolsPanel::pictureOf(int button) const
{
    const auto it = m_pictures.find(button);
    return it == m_pictures.end() ? 0 : it->second;
}

void ToolsPanel::setPicture(int button, int number)
{
    m_pictures[button] = number;
    QPushButton* b = m_tools[button];
    const QString colour = number == 101 ? QStringLiteral("rgb(236, 170, 60)") : QStringLiteral("rgb(190, 208, 236)");
    b->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid rgb(90, 110, 150); }").arg(colour));
}

void ToolsPanel::hover(int button)
{
    restoreHovered();
    if (!m_tools.count(button)) return;
    setPicture(button, 101);
    m_hovered = button;
}

void ToolsPanel::restoreHovered()
{
    if (m_hovered == 0) return;
    setPicture(m_hovered, 102);
    m_hovered = 0;
}

void ToolsPanel::setToolsShown(bool shown)
{
    for (const auto& [number, b] : m_tools) b->setVisible(shown);
}

void ToolsPanel::showSmartRetrieval()
{
    m_batch->hide();
    m_smart->show();
    m_smartText->setFocus();
}

void ToolsPanel::showBatchRetrieval()
{
    m_smart->hide();
    m_batch->show();
}

void ToolsPanel::smartRetrieval()
{
    const QString text = m_smartText->currentText();
    // Every retrieval joins the list, empty or repeated ones too, as typed.
    m_smartText->addItem(text);
    emit smartQueryRequested(text);
}

QStringList ToolsPanel::smartRetrievalHistory() const
{
    QStringList all;
    for (int i = 0; i < m_smartText->count(); ++i) all << m_smartText->itemText(i);
    return all;
}

void ToolsPanel::setSmartRetrievalText(const QString& text) { m_smartText->setEditText(text); }

void ToolsPanel::returnToQueryCentre() { setToolsShown(true); }

bool ToolsPanel::toolAt(QEvent* event) const
{
    if (event->type() != QEvent::MouseMove) return false;
    const QWidget* under = childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    for (const auto& [number, b] : m_tools)
        if (under && (under == b || b->isAncestorOf(under))) return true;
    return false;
}

bool ToolsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        bool onTool = false;
        for (const auto& [number, b] : m_tools) {
            if (watched != b) continue;
            onTool = true;
            if (m_hovered != number) hover(number);
        }
        // A move over a button that the button lets pass reaches the panel
        // too: it restores only when the pointer is over no button.
        if (!onTool && watched == this && !toolAt(event)) restoreHovered();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kelvor
