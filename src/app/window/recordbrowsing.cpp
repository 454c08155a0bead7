#include "recordbrowsing.h"

#include "clicklabel.h"
#include "highlightoptions.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/centretitlesearch.h"
#include "catalogue/recordpicture.h"
#include "catalogue/treenavigation.h"
#include "library/sharedconnection.h"
#include "viewer/documentareacontroller.h"
#include "viewer/documentview.h"
#include "viewer/insidelibrary.h"
#include "viewer/shell.h"
#include "viewer/sidepanel.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QPlainTextEdit>
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
      m_shell(std::move(shell)),
      m_housekeeping(static_cast<HousekeepingHost&>(*this))
{
    DocumentArea area;
    area.documentView = m_parts.views.documentView();
    area.sourcePageView = m_parts.views.sourcePageView();
    area.sourceTextBox = m_parts.sourceTextBox;
    area.sidePanel = m_parts.sidePanel;
    m_area = std::make_unique<DocumentAreaController>(area, m_layout, *m_shell);
    m_opener = std::make_unique<RecordOpener>(m_connection, static_cast<DocumentDisplay&>(*this));

    QTreeView* tree = m_parts.tree;
    // A single click toggles a node; expanding by double click would undo it.
    tree->setExpandsOnDoubleClick(false);
    connect(tree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        nodeClicked(index);
        treeClicked();
    });
    // Presses anywhere and clicks beside the nodes reach the tree's own handlers too.
    tree->viewport()->installEventFilter(this);
    if (m_parts.centreTitleLabel)
        connect(m_parts.centreTitleLabel, &ClickLabel::clicked, this, [this] { centreTitleSearch(); });

    // The housekeeping tick runs from the first completed load of the document view.
    if (DocumentView* view = m_parts.views.documentView()) {
        connect(view, &DocumentView::documentComplete, this, [this] {
            if (m_parts.housekeepingTimer && !m_parts.housekeepingTimer->isActive()) m_parts.housekeepingTimer->start();
        });
    }
    if (m_parts.housekeepingTimer)
        connect(m_parts.housekeepingTimer, &QTimer::timeout, this, [this] { m_housekeeping.tick(); });
}

RecordBrowsing::~RecordBrowsing() = default;

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

void RecordBrowsing::setPanelMode(int mode) { m_area->setPanelMode(mode); }

void RecordBrowsing::syncSession()
{
    m_session.currentCode = m_opener->currentCode();
    m_session.currentDocumentPath = m_opener->currentDocumentPath();
}

int RecordBrowsing::nodeOfViewIndex(const QModelIndex& viewIndex) const
{
    const QModelIndex source = m_parts.treeProxy ? m_parts.treeProxy->mapToSource(viewIndex) : viewIndex;
    return m_parts.catalogue->nodeOf(source);
}

bool RecordBrowsing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_parts.tree->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            treeMouseDown();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!m_parts.tree->indexAt(mouse->position().toPoint()).isValid()) treeClicked();
        }
    }
    return QObject::eventFilter(watched, event);
}

int RecordBrowsing::selectedNode() const
{
    const QModelIndex current = m_parts.tree->currentIndex();
    return current.isValid() ? nodeOfViewIndex(current) : -1;
}

void RecordBrowsing::treeMouseDown()
{
    // The keyword labels of a previous record are cleared by the keyword index once it exists.
}

void RecordBrowsing::nodeClicked(const QModelIndex& viewIndex)
{
    const int node = nodeOfViewIndex(viewIndex);
    if (node < 0) return;
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    QTreeView* tree = m_parts.tree;
    const bool expand = !tree->isExpanded(viewIndex);
    tree->setExpanded(viewIndex, expand);
    m_parts.catalogue->setExpanded(node, expand);

    const CatalogueNode& n = m_parts.catalogue->node(node);
    if (m_opener->openNode(n)) {
        syncSession();
        if (m_parts.highlight && m_parts.highlight->isChosen(0)) {
            if (DocumentView* view = m_parts.views.documentView()) view->show();
        }
    }
}

void RecordBrowsing::treeClicked()
{
    m_session.highlighterArmed = true;
    if (m_parts.readingTimer) m_parts.readingTimer->stop();
    if (m_parts.autoRunButton) m_parts.autoRunButton->setText(QStringLiteral("自动执行"));
    // Hiding the source text alone would leave a blank area where the
    // document was: a tree click returns to the document itself.
    if (m_parts.sourceTextBox && !m_parts.sourceTextBox->isHidden()) m_area->showDocument();
    const int node = selectedNode();
    // The thumbnails show a folder's records; until they are on offer the
    // button stays usable for a folder (it is shown in the interface centre only).
    if (m_parts.thumbnailButton)
        m_parts.thumbnailButton->setEnabled(node >= 0 && !m_parts.catalogue->node(node).children.empty());
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
    m_parts.tree->setCurrentIndex(index);
    m_parts.tree->scrollTo(index);
    return true;
}

std::optional<QString> RecordBrowsing::recordPictureLookup(const QString& code)
{
    const auto picture = findRecordPicture(m_connection, m_session.listTable, code);
    if (!picture) return std::nullopt;
    m_thumbnailPath = *picture;
    if (DocumentView* view = m_parts.views.documentView()) view->hide();
    return picture;
}

void RecordBrowsing::centreTitleSearch()
{
    const QString text = m_parts.searchBox ? m_parts.searchBox->currentText() : QString();
    const CentreTitleSearch search = kelvor::centreTitleSearch(m_connection, text);
    m_session.currentTable = search.currentTable;
    m_session.centreTitle = search.centreTitle;
    m_session.treeQuery = search.treeQuery;
    m_session.listQuery = search.listQuery;
    if (m_parts.setCentreTitle) m_parts.setCentreTitle(search.centreTitle);
    // A failed build keeps the nodes built so far, as the search tree always has.
    BuildResult result = runCentreTitleSearch(m_connection, search, m_session.group == NavigationGroup::Query);
    m_parts.catalogue->reset(std::move(result.tree));
    loadDocument(m_layout.placeholderPictureWide());
    if (m_parts.refreshLayout) m_parts.refreshLayout();
}

// ------------------------------------------------------------ DocumentDisplay

void RecordBrowsing::setRecordCode(const QString& code)
{
    if (m_parts.recordCodeBox) m_parts.recordCodeBox->setText(code);
}

void RecordBrowsing::setSidePanel(const SidePanelTags& tags)
{
    m_area->fillSidePanel(tags.sourceCode, tags.sourceFolder, tags.videoPlayer);
}

void RecordBrowsing::setExampleKeyword(const QString& keyword)
{
    if (m_parts.exampleKeywordBox) m_parts.exampleKeywordBox->setText(keyword);
}

void RecordBrowsing::showNote(const QString&)
{
    // The notes panel reads the note itself while it is open.
    if (m_parts.recordShown) m_parts.recordShown(m_opener->shownCode());
}

void RecordBrowsing::loadDocument(const QString& path)
{
    if (DocumentView* view = m_parts.views.documentView()) view->navigate(path);
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
    if (m_session.readingMode == 0 && m_parts.readingTimer) m_parts.readingTimer->start();
    if (m_parts.highlightTimer) m_parts.highlightTimer->start();
}

// ------------------------------------------------------------ HousekeepingHost

QString RecordBrowsing::descriptionBoxText() const
{
    return m_parts.descriptionBox ? m_parts.descriptionBox->text() : QString();
}

void RecordBrowsing::setDescriptionBoxText(const QString& text)
{
    if (m_parts.descriptionBox) m_parts.descriptionBox->setText(text);
}

QString RecordBrowsing::productDescription() const { return m_parts.productDescription; }
QString RecordBrowsing::currentTable() const { return m_session.currentTable; }
void RecordBrowsing::setCurrentTable(const QString& table) { m_session.currentTable = table; }

}  // namespace kelvor
