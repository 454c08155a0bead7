#include "documentareacontroller.h"

#include "documentview.h"
#include "shell.h"
#include "sidepanel.h"

#include <QPlainTextEdit>

namespace kelvor {

namespace {

constexpr int kShowDocumentButton = 0;
constexpr int kSourceFolderButton = 2;
constexpr int kVideoButton = 3;

}  // namespace

DocumentAreaController::DocumentAreaController(DocumentArea area, LibraryLayout layout, Shell& shell, QObject* parent)
    : QObject(parent),
      m_documentView(area.documentView),
      m_sourcePageView(area.sourcePageView),
      m_sourceTextBox(area.sourceTextBox),
      m_sidePanel(area.sidePanel),
      m_layout(layout),
      m_extractor(layout),
      m_actions(layout, shell)
{
    if (m_sidePanel) connect(m_sidePanel, &SidePanel::clicked, this, &DocumentAreaController::sidePanelClicked);
    // Web addresses never load in the view; the desktop's browser shows them.
    if (m_documentView)
        connect(m_documentView, &DocumentView::webAddressRequested, this, [&shell](const QUrl& url) { shell.openAddress(url); });
}

void DocumentAreaController::fillSidePanel(const QString& cc, const QString& nycd, const QString& bb)
{
    if (!m_sidePanel) return;
    const std::pair<int, const QString*> fields[] = {{kSourceButton, &cc}, {kSourceFolderButton, &nycd},
                                                     {kVideoButton, &bb}};
    for (const auto& [index, value] : fields) {
        m_sidePanel->setTag(index, *value);
        m_sidePanel->setButtonEnabled(index, !value->isEmpty());
    }
}

void DocumentAreaController::setSourceButtonEnabledInDefaultMode(bool enabled)
{
    if (m_panelMode == PanelMode::Default && m_sidePanel) m_sidePanel->setButtonEnabled(kSourceButton, enabled);
}

void DocumentAreaController::visibleweb(const QString& documentPath)
{
    setSourceButtonEnabledInDefaultMode(false);
    m_sourceFlag = false;
    // Hiding the source text alone would leave the area blank where the document view was.
    if (m_sourceTextBox && !m_sourceTextBox->isHidden()) showDocument();
    ++m_showRequest;

    const SourceExtraction result = m_extractor.extract(documentPath);
    if (result.failed) {
        if (m_documentView) m_documentView->navigate(m_layout.placeholderPicture());
        return;
    }
    // A page that could not be written would show the previous document's
    // source under this one's name; offer none instead.
    if (!result.sourceFound || result.sourcePagePath.isEmpty()) return;

    m_sourceFlag = true;
    if (m_sourcePageView) m_sourcePageView->navigate(result.sourcePagePath);
    setSourceButtonEnabledInDefaultMode(true);
}

void DocumentAreaController::sidePanelClicked(int index)
{
    switch (index) {
    case kShowDocumentButton:
        showDocument();
        break;
    case kSourceButton:
        if (m_sourceFlag) showSourceText();
        break;
    case kSourceFolderButton:
        if (m_sidePanel) m_actions.openSourceFolder(m_sidePanel->tag(kSourceFolderButton));
        break;
    case kVideoButton:
        if (m_sidePanel) m_actions.playLearningVideo(m_sidePanel->tag(kVideoButton));
        break;
    default:
        break;  // 4 and 5 have no action
    }
}

void DocumentAreaController::showDocument()
{
    ++m_showRequest;
    if (m_documentView) m_documentView->show();
    if (m_sourceTextBox) m_sourceTextBox->hide();
}

void DocumentAreaController::showSourceText()
{
    if (!m_sourcePageView || !m_sourceTextBox) return;
    const quint64 request = ++m_showRequest;
    QPointer<DocumentAreaController> self(this);
    // The source page may still be loading right after an extraction.
    m_sourcePageView->whenLoaded([self, request] {
        if (!self || !self->m_sourcePageView) return;
        self->m_sourcePageView->plainText([self, request](const QString& text) {
            if (!self || request != self->m_showRequest || !self->m_sourceTextBox) return;
            QPlainTextEdit* box = self->m_sourceTextBox;
            QString plain = text;
            plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            box->setPlainText(plain);
            if (DocumentView* view = self->m_documentView) {
                QRect place = view->geometry();
                if (box->parentWidget() != view->parentWidget() && box->parentWidget() && view->parentWidget())
                    place.moveTopLeft(box->parentWidget()->mapFromGlobal(view->parentWidget()->mapToGlobal(place.topLeft())));
                box->setGeometry(place);
            }
            box->show();
            if (self->m_documentView) self->m_documentView->hide();
        });
    });
}

}  // namespace kelvor
