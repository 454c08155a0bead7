#include "documentarea.h"

#include "twips.h"

#include "viewer/documentview.h"
#include "viewer/sidepanel.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kelvor {

namespace {

// Twips, like every measure of the window.
constexpr int kTopRowHeight = 690;
constexpr int kSideColumnWidth = 2250;
constexpr int kGap = 90;
constexpr int kCaptionHeight = 300;
constexpr int kFieldHeight = 360;
constexpr int kAutoRunHeight = 450;

QRect pixels(int left, int top, int width, int height)
{
    return TwipsRect{left, top, std::max(0, width), std::max(0, height)}.toPixels();
}

}  // namespace

DocumentAreaWidget::DocumentAreaWidget(const LibraryLayout& layout, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("文档区"));
    setMouseTracking(true);

    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("documentToolbar"));
    m_toolbar->setAccessibleName(QStringLiteral("文档工具栏"));

    m_autoRun = new QPushButton(QStringLiteral("自动执行"), this);
    m_autoRun->setObjectName(QStringLiteral("Command91"));
    m_autoRun->setAccessibleName(QStringLiteral("自动执行"));

    m_views = createDocumentSlots(layout, this);

    m_sourceText = new QPlainTextEdit(this);
    m_sourceText->setObjectName(QStringLiteral("Text15"));
    m_sourceText->setAccessibleName(QStringLiteral("源程序"));
    m_sourceText->setReadOnly(true);
    m_sourceText->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Source code keeps its columns only in a fixed-pitch font.
    m_sourceText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_sourceText->hide();

    m_sidePanel = new SidePanel(this);
    m_sidePanel->setObjectName(QStringLiteral("sidePanel"));
    m_sidePanel->setAccessibleName(QStringLiteral("文档按钮"));
    for (int i = 0; i < SidePanel::kButtonCount; ++i)
        if (QPushButton* b = m_sidePanel->button(i)) b->setAccessibleName(b->text());

    m_recordCodeCaption = new QLabel(QStringLiteral("序号："), this);
    m_recordCode = new QLineEdit(this);
    m_recordCode->setObjectName(QStringLiteral("Text16"));
    m_recordCode->setAccessibleName(QStringLiteral("记录编号"));
    m_recordCode->setReadOnly(true);
    m_recordCodeCaption->setBuddy(m_recordCode);

    m_exampleKeywordCaption = new QLabel(QStringLiteral("实例关键字："), this);
    m_exampleKeyword = new QLineEdit(this);
    m_exampleKeyword->setObjectName(QStringLiteral("Text21"));
    m_exampleKeyword->setAccessibleName(QStringLiteral("实例关键字"));
    m_exampleKeyword->setReadOnly(true);
    m_exampleKeywordCaption->setBuddy(m_exampleKeyword);
}

void DocumentAreaWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void DocumentAreaWidget::placeControls()
{
    const int w = twips::fromPixels(width());
    const int h = twips::fromPixels(height());
    const int columnLeft = std::max(0, w - kSideColumnWidth);
    const int viewWidth = std::max(0, columnLeft - kGap);

    m_toolbar->setGeometry(pixels(0, 0, viewWidth, kTopRowHeight));
    m_autoRun->setGeometry(pixels(columnLeft, (kTopRowHeight - kAutoRunHeight) / 2, kSideColumnWidth, kAutoRunHeight));

    // The views lie on one another; the source text box lies exactly over the document view.
    const QRect documentRect = pixels(0, kTopRowHeight, viewWidth, h - kTopRowHeight);
    for (DocumentView* view : m_views.views) view->setGeometry(documentRect);
    m_sourceText->setGeometry(documentRect);

    const int panelHeight = twips::fromPixels(m_sidePanel->sizeHint().height());
    m_sidePanel->setGeometry(pixels(columnLeft, kTopRowHeight, kSideColumnWidth, panelHeight));
    int y = kTopRowHeight + panelHeight + 2 * kGap;
    for (auto [caption, field] : {std::pair<QLabel*, QLineEdit*>{m_recordCodeCaption, m_recordCode},
                                  std::pair<QLabel*, QLineEdit*>{m_exampleKeywordCaption, m_exampleKeyword}}) {
        caption->setGeometry(pixels(columnLeft, y, kSideColumnWidth, kCaptionHeight));
        field->setGeometry(pixels(columnLeft, y + kCaptionHeight, kSideColumnWidth, kFieldHeight));
        y += kCaptionHeight + kFieldHeight + kGap;
    }
}

DocumentArea DocumentAreaWidget::controlledArea() const
{
    DocumentArea area;
    area.documentView = m_views.documentView();
    area.sourcePageView = m_views.sourcePageView();
    area.sourceTextBox = m_sourceText;
    area.sidePanel = m_sidePanel;
    return area;
}

void DocumentAreaWidget::setRecordCode(const QString& code) { m_recordCode->setText(code); }

void DocumentAreaWidget::setExampleKeyword(const QString& keyword) { m_exampleKeyword->setText(keyword); }

void DocumentAreaWidget::setAutoRunCaption(const QString& caption) { m_autoRun->setText(caption); }

bool DocumentAreaWidget::isSourceTextShown() const { return !m_sourceText->isHidden(); }

}  // namespace kelvor
