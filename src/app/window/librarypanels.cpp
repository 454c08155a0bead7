#include "librarypanels.h"

#include "history/historypanel.h"
#include "keywords/keywordeditorpanel.h"
#include "keywords/keywordlistpanel.h"
#include "keywords/relatedkeywordspanel.h"
#include "recordbrowsing.h"
#include "reports/referencenavigation.h"
#include "thumbnails/thumbnailpanel.h"

#include "catalogue/cataloguemodel.h"
#include "keywords/keywordeditor.h"
#include "keywords/keywordindex.h"
#include "viewer/documentareacontroller.h"
#include "viewer/documentview.h"

#include <algorithm>

#include <QAbstractProxyModel>
#include <QEvent>
#include <QLineEdit>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;

namespace {

constexpr int kEditorMargin = 6;  // pixels from the document area's corner

}  // namespace

LibraryPanels::LibraryPanels(SharedConnection& connection, LibraryLayout layout, Prompter& prompter, Parts parts,
                             QObject* parent)
    : QObject(parent), m_parts(std::move(parts))
{
    m_history = new HistoryPanel(layout, prompter, m_parts.leftPane);
    m_history->hide();
    connect(m_history, &HistoryPanel::replayRequested, this, [this](const QString& text) {
        hideHistory();
        if (m_parts.replaySearch) m_parts.replaySearch(text);
    });

    m_thumbnails = new ThumbnailPanel(
        [this](const QString& code) { return m_parts.browsing->recordPictureLookup(code); }, m_parts.documentArea);
    // The grid lies under the document view, which covers it while a record shows.
    if (m_parts.documentView) {
        m_thumbnails->stackUnder(m_parts.documentView);
        m_parts.documentView->installEventFilter(this);
    }
    connect(m_thumbnails, &ThumbnailPanel::openRecordRequested, this, [this](const QString& code) {
        m_parts.browsing->gototree(code);
        m_parts.browsing->documentArea().showDocument();
    });
    connect(m_thumbnails, &ThumbnailPanel::restoreRequested, this, [this] {
        if (m_parts.documentView) m_parts.documentView->hide();
    });
    // Another tree (a search on the centre title too) takes away the folder the thumbnails showed.
    connect(m_parts.catalogue, &QAbstractItemModel::modelReset, m_thumbnails, &ThumbnailPanel::stop);

    m_keywordIndex = std::make_unique<keywords::KeywordIndex>(layout, prompter);
    m_keywordEditor = std::make_unique<keywords::KeywordEditor>(*m_keywordIndex, connection);
    m_editorPanel = new KeywordEditorPanel(*m_keywordIndex, *m_keywordEditor, m_parts.centreCaption,
                                           m_parts.documentArea);
    m_editorPanel->move(kEditorMargin, kEditorMargin);
    // The editor works on the record the window opened last, under the title it was chosen by.
    if (m_parts.recordCodeBox)
        connect(m_parts.recordCodeBox, &QLineEdit::textChanged, m_editorPanel, [this](const QString& code) {
            m_editorPanel->setRecordCode(code);
            m_editorPanel->setRecordTitle(m_parts.browsing->opener().currentTitle());
        });
    if (m_parts.exampleKeywordBox)
        connect(m_parts.exampleKeywordBox, &QLineEdit::textChanged, m_editorPanel,
                &KeywordEditorPanel::setExampleKeyword);
    // A renamed folder shows its new name in the tree at once; the tree is not rebuilt.
    connect(m_editorPanel, &KeywordEditorPanel::folderRenamed, this,
            [this](const QString& code, const QString& name) { m_parts.catalogue->renameRecord(code, name); });

    const auto openLinked = [this](const QString& code) {
        m_parts.browsing->gototree(code);
        m_parts.browsing->documentArea().showDocument();
    };
    m_relatedKeywords = new RelatedKeywordsPanel(*m_keywordIndex, m_parts.documentArea);
    if (m_parts.referenceNavigation)
        m_parts.referenceNavigation->setKeywordLabels(m_relatedKeywords);
    else
        m_relatedKeywords->hide();
    connect(m_relatedKeywords, &RelatedKeywordsPanel::openRecordRequested, this, openLinked);
    m_keywordList = new KeywordListPanel(*m_keywordIndex, m_parts.documentArea);
    connect(m_keywordList, &KeywordListPanel::openRecordRequested, this, openLinked);
}

LibraryPanels::~LibraryPanels() = default;

void LibraryPanels::showHistory()
{
    if (m_parts.historyPlace) m_history->setGeometry(m_parts.historyPlace());
    m_history->show();
    m_history->raise();
    m_history->refresh();
}

void LibraryPanels::hideHistory() { m_history->hide(); }

bool LibraryPanels::isHistoryShown() const { return !m_history->isHidden(); }

void LibraryPanels::searchRun(const QString& text) { m_history->recordSearch(text); }

void LibraryPanels::recordShown()
{
    const RecordOpener& opener = m_parts.browsing->opener();
    m_relatedKeywords->followRecordKeyword(opener.shownNavigationKeyword());
    m_keywordList->followRecordKeyword(opener.shownExampleKeyword());
}

void LibraryPanels::removeKeywordLabels() { m_relatedKeywords->removeLabels(); }

void LibraryPanels::showKeywordList()
{
    const QWidget* area = m_parts.documentArea;
    m_keywordList->move(std::max(0, area->width() - m_keywordList->width() - kEditorMargin), kEditorMargin);
    m_keywordList->show();
    m_keywordList->raise();
}

void LibraryPanels::hideKeywordList() { m_keywordList->hide(); }

void LibraryPanels::showThumbnails()
{
    QModelIndex current = m_parts.tree->currentIndex();
    if (m_parts.treeProxy) current = m_parts.treeProxy->mapToSource(current);
    const CatalogueTree& tree = m_parts.catalogue->tree();
    int node = m_parts.catalogue->nodeOf(current);
    // A record chosen: the records of its folder; nothing chosen yet (the
    // centre just entered): those of its first folder.
    if (tree.contains(node) && tree.children(node).empty()) node = tree.parent(node);
    if (!tree.contains(node)) {
        const auto roots = tree.roots();
        const auto folder = std::find_if(roots.begin(), roots.end(), [&](int r) { return !tree.children(r).empty(); });
        node = folder == roots.end() ? -1 : *folder;
    }
    if (node < 0) return;
    QStringList codes;
    QStringList titles;
    // A node's key is a letter followed by the record code.
    for (int child : tree.children(node)) {
        codes << tree.key(child).mid(1);
        titles << tree.text(child);
    }
    if (m_parts.documentView) m_parts.documentView->hide();
    placeThumbnails();
    m_thumbnails->start(codes, titles);
}

void LibraryPanels::hideThumbnails() { m_thumbnails->stop(); }

bool LibraryPanels::isThumbnailRestoreShown() const { return m_thumbnails->isRestoreShown(); }

void LibraryPanels::placeThumbnails()
{
    if (m_parts.documentView) m_thumbnails->setGeometry(m_parts.documentView->geometry());
}

bool LibraryPanels::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_parts.documentView && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeThumbnails();
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvor
