#pragma once

#include "panelmode.h"
#include "sidepanelactions.h"
#include "sourceextractor.h"

#include "library/layout.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QPlainTextEdit;

namespace kelvor {

class DocumentView;
class Shell;
class SidePanel;

// The widgets of the document area that the display works on; the main
// window owns and places them.
struct DocumentArea {
    DocumentView* documentView = nullptr;    // WebBrowser1
    DocumentView* sourcePageView = nullptr;  // WebBrowser3, never shown here
    QPlainTextEdit* sourceTextBox = nullptr; // Text15
    SidePanel* sidePanel = nullptr;          // Command6(0) … Command6(5)
};

// Document display: the source extraction of the opened document and the
// side panel's buttons.
class DocumentAreaController : public QObject {
    Q_OBJECT
public:
    // Side-panel button that shows the document's source text.
    static constexpr int kSourceButton = 1;

    DocumentAreaController(DocumentArea area, LibraryLayout layout, Shell& shell, QObject* parent = nullptr);

    // Set by the centre switch.
    void setPanelMode(PanelMode mode) { m_panelMode = mode; }
    PanelMode panelMode() const { return m_panelMode; }
    // The last extracted document has source paragraphs on the source page.
    bool sourceFlag() const { return m_sourceFlag; }

    // Buttons 1–3 from the opened record's cc, nycd and bb: a non-empty field
    // becomes the tag and enables its button, an empty one clears and disables it.
    void fillSidePanel(const QString& cc, const QString& nycd, const QString& bb);

    // Source extraction for the document now on show (visibleweb).
    void visibleweb(const QString& documentPath);

    void sidePanelClicked(int index);
    // The document view comes back over the source text box.
    void showDocument();

private:
    void showSourceText();
    void setSourceButtonEnabledInDefaultMode(bool enabled);

    QPointer<DocumentView> m_documentView;
    QPointer<DocumentView> m_sourcePageView;
    QPointer<QPlainTextEdit> m_sourceTextBox;
    QPointer<SidePanel> m_sidePanel;
    LibraryLayout m_layout;
    SourceExtractor m_extractor;
    SidePanelActions m_actions;
    PanelMode m_panelMode = PanelMode::Default;
    bool m_sourceFlag = false;
    // Bumped by every change of what the document area shows, so that a
    // source text arriving late does not cover a later choice.
    quint64 m_showRequest = 0;
};

}  // namespace kelvor
