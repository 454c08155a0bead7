#include "recordbrowsing.h"

#include "documentarea.h"
#include "highlightoptions.h"
#include "leftpane.h"
#include "statusstrip.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/centretitlesearch.h"
#include "catalogue/nodeclick.h"
#include "catalogue/recordpicture.h"
#include "catalogue/treenavigation.h"
#include "library/sharedconnection.h"
#include "viewer/documentareacontroller.h"
#include "viewer/documentview.h"
#include "viewer/insidelibrary.h"
#include "viewer/shell.h"
#include "viewer/sidepanel.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeView>

namespace kelvor {

RecordBrowsing::RecordBrowsing(SharedConnection& connection, LibraryLayout layout, WindowSession& session, Parts parts,
                               std::unique_ptr<Shell> shell, QObject* parent)
    : QObject(parent),
      m_connection(connection),
      m_layout(std::move(layout)),
      m_session(session),
      m_parts(std::move(parts)),
      m_shell(std::move(shell))
{
    m_area = std::make_unique<DocumentAreaController>(m_parts.documentArea->controlledArea(), m_layout, *m_shell);
    m_opener = std::make_unique<RecordOpener>(m_connection, static_cast<DocumentDisplay&>(*this));
    m_area->setPanelMode(m_session.panelMode());
    connect(&m_session, &WindowSession::panelModeChanged, this, [this](PanelMode mode) { m_area->setPanelMode(mode); });

    QTreeView* tree = this->tree();
    // A single click toggles a node; expanding by double click would undo it.
    tree->setExpandsOnDoubleClick(false);
    connect(tree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        nodeClicked(index);
        treeClicked();
    });
    // Presses anywhere and clicks beside the nodes reach the tree's own handlers too.
    tree->viewport()->installEventFilter(this);
    connect(m_parts.pane, &LeftPane::centreTitleClicked, this, [this] { centreTitleSearch(); });

    // The housekeeping tick runs from the first completed load of the document view.
    if (m_parts.housekeepingTimer) {
        m_housekeeping = std::make_unique<Housekeeping>(static_cast<HousekeepingHost&>(*this), *m_parts.housekeepingTimer);
        if (DocumentView* view = documentView())
            connect(view, &DocumentView::documentComplete, m_housekeeping.get(), &Housekeeping::documentComplete);
    }
}

RecordBrowsing::~RecordBrowsing() = default;

QTreeView* RecordBrowsing::tree() const { return m_parts.pane->tree(); }

DocumentView* RecordBrowsing::documentView() const { return m_parts.documentArea->views().documentView(); }

OpenOutcome RecordBrowsing::gototree(const QString& code)
{
    const OpenOutcome outcome = m_opener->gototree(code);
    syncSession();
    return outcome;
}

OpenOutcome RecordBrowsing::back()
{
    const OpenOutcome outcome = m_opener->back();
    syncSession();
    return outcome;
}

OpenOutcome RecordBrowsing::forward()
{
    const OpenOutcome outcome = m_opener->forward();
    syncSession();
    return outcome;
}

bool RecordBrowsing::openNodeShowing(int node, const QString& pageOnShow)
{
    if (!m_parts.catalogue->tree().contains(node)) return false;
    m_pageOnShow = QDir::cleanPath(pageOnShow);
    const bool opened = m_opener->openNode(m_parts.catalogue->node(node));
    m_pageOnShow.clear();
    if (opened) syncSession();
    return opened;
}

void RecordBrowsing::syncSession()
{
    m_session.setCurrentRecord(m_opener->currentCode(), m_opener->currentDocumentPath());
}

int RecordBrowsing::nodeOfViewIndex(const QModelIndex& viewIndex) const
{
    const QModelIndex source = m_parts.treeProxy ? m_parts.treeProxy->mapToSource(viewIndex) : viewIndex;
    return m_parts.catalogue->nodeOf(source);
}

bool RecordBrowsing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tree()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            treeMouseDown();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!tree()->indexAt(mouse->position().toPoint()).isValid()) treeClicked();
        }
    }
    return QObject::eventFilter(watched, event);
}

int RecordBrowsing::selectedNode() const
{
    const QModelIndex current = tree()->currentIndex();
    return current.isValid() ? nodeOfViewIndex(current) : -1;
}

void RecordBrowsing::treeMouseDown()
{
    if (m_parts.treePressed) m_parts.treePressed();
}

void RecordBrowsing::nodeClicked(const QModelIndex& viewIndex)
{
    const int node = nodeOfViewIndex(viewIndex);
    if (node < 0) return;
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    QTreeView* tree = this->tree();
    // The view may have been unfolded by its own arrow: the click toggles what is on show.
    m_parts.catalogue->setExpanded(node, tree->isExpanded(viewIndex));
    const bool opened = nodeClick(*m_parts.catalogue, node, *m_opener);
    tree->setExpanded(viewIndex, m_parts.catalogue->node(node).expanded);
    if (opened) {
        syncSession();
        if (m_parts.highlight && m_parts.highlight->isChosen(0)) {
            if (DocumentView* view = documentView()) view->show();
        }
    }
}

void RecordBrowsing::treeClicked()
{
    m_session.setHighlighterArmed(true);
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    m_parts.documentArea->setAutoRunCaption(QStringLiteral("自动执行"));
    // Hiding the source text alone would leave a blank area where the
    // document was: a tree click returns to the document itself.
    if (m_parts.documentArea->isSourceTextShown()) m_area->showDocument();
    const int node = selectedNode();
    // The thumbnails show a folder's records; until they are on offer the
    // button stays usable for a folder (it is shown in the interface centre only).
    m_parts.pane->setThumbnailButtonEnabled(node >= 0 && !m_parts.catalogue->tree().children(node).empty());
    if (node < 0) return;
    if (m_parts.resetBarWhenDue) m_parts.resetBarWhenDue();
}

bool RecordBrowsing::selectNextNodeAfterAncestor(int k)
{
    const auto next = nextNodeAfterAncestor(m_parts.catalogue->tree(), selectedNode(), k);
    if (!next) return false;
    QModelIndex index = m_parts.catalogue->indexOfNode(*next);
    if (m_parts.treeProxy) index = m_parts.treeProxy->mapFromSource(index);
    if (!index.isValid()) return false;
    tree()->setCurrentIndex(index);
    tree()->scrollTo(index);
    return true;
}

std::optional<QString> RecordBrowsing::recordPictureLookup(const QString& code)
{
    const auto picture = findRecordPicture(m_connection, m_session.listTable(), code);
    if (!picture) return std::nullopt;
    m_thumbnailPath = *picture;
    if (DocumentView* view = documentView()) view->hide();
    return picture;
}

void RecordBrowsing::centreTitleSearch()
{
    const QString text = m_parts.pane->searchText();
    const CentreTitleSearch search = kelvor::centreTitleSearch(m_connection, text);
    m_session.setCentreTitleSearch(search);
    if (m_parts.setCentreTitle) m_parts.setCentreTitle(search.centreTitle);
    // A failed build keeps the nodes built so far, as the search tree always has.
    BuildResult result = runCentreTitleSearch(m_connection, search, m_session.group() == NavigationGroup::Query);
    m_parts.catalogue->reset(std::move(result.tree));
    loadDocument(m_layout.placeholderPictureWide());
    if (m_parts.refreshLayout) m_parts.refreshLayout();
}

// ------------------------------------------------------------ DocumentDisplay

void RecordBrowsing::setRecordCode(const QString& code)
{
    m_parts.documentArea->setRecordCode(code);
}

void RecordBrowsing::setSidePanel(const SidePanelTags& tags)
{
    m_area->fillSidePanel(tags.sourceCode, tags.sourceFolder, tags.videoPlayer);
}

void RecordBrowsing::setExampleKeyword(const QString& keyword)
{
    m_parts.documentArea->setExampleKeyword(keyword);
}

void RecordBrowsing::showNote(const QString&)
{
    // The notes panel reads the note itself while it is open.
    if (m_parts.recordShown) m_parts.recordShown(m_opener->shownCode());
}

void RecordBrowsing::loadDocument(const QString& path)
{
    if (!m_pageOnShow.isEmpty() && QDir::cleanPath(path) == m_pageOnShow) return;
    if (DocumentView* view = documentView()) view->navigate(path);
}

void RecordBrowsing::startPlayer(const QString& path)
{
    // The record's link may name a folder that leads out of the library
    // through a link of the file system; such a player, or a missing one,
    // starts nothing.
    if (QFileInfo(path).isFile() && liesInsideLibrary(m_layout, path)) m_shell->startProgram(path);
}

void RecordBrowsing::runSourceExtraction(const QString& documentPath) { m_area->visibleweb(documentPath); }

void RecordBrowsing::openingFinished()
{
    if (m_session.readingMode() == ReadingMode::AutoScroll && m_parts.readingTimer) m_parts.readingTimer->start();
    if (m_parts.highlightTimer) m_parts.highlightTimer->start();
}

// ------------------------------------------------------------ HousekeepingHost

QString RecordBrowsing::descriptionBoxText() const
{
    return m_parts.statusStrip->descriptionText();
}

void RecordBrowsing::setDescriptionBoxText(const QString& text)
{
    m_parts.statusStrip->setDescriptionText(text);
}

QString RecordBrowsing::productDescription() const { return m_parts.productDescription; }
QString RecordBrowsing::currentTable() const { return m_session.currentTable(); }
void RecordBrowsing::setCurrentTable(const QString& table) { m_session.setCurrentTable(table); }

}  // namespace kelvor
