#pragma once

#include "windowsession.h"

#include "catalogue/documentdisplay.h"
#include "catalogue/recordopener.h"
#include "library/layout.h"
#include "viewer/housekeeping.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QModelIndex;
class QTimer;
class QTreeView;
class QAbstractProxyModel;

namespace kelvor {

class CatalogueModel;
class DocumentAreaController;
class DocumentAreaWidget;
class DocumentView;
class HighlightOptions;
class LeftPane;
class Shell;
class SharedConnection;
class StatusStrip;

// Opening records from the catalogue tree: the tree's clicks, the record
// opener `gototree` and what it shows in the document area (the document,
// the side panel, the record-code and keyword boxes, the source extraction),
// the housekeeping tick, and the search from the centre title label.
class RecordBrowsing : public QObject, private DocumentDisplay, private HousekeepingHost {
    Q_OBJECT
public:
    struct Parts {
        // The panels it works through: the left pane lends the tree it drives.
        LeftPane* pane = nullptr;
        DocumentAreaWidget* documentArea = nullptr;
        StatusStrip* statusStrip = nullptr;
        QAbstractProxyModel* treeProxy = nullptr;  // the tree's view model over the catalogue
        CatalogueModel* catalogue = nullptr;
        QTimer* readingTimer = nullptr;       // Timer2
        QTimer* highlightTimer = nullptr;     // Timer3
        QTimer* housekeepingTimer = nullptr;  // Timer4
        HighlightOptions* highlight = nullptr;
        QString productDescription;
        std::function<void(const QString&)> setCentreTitle;
        std::function<void()> refreshLayout;
        // The bar reset `buttonstate`, run only while the menu state is "no".
        std::function<void()> resetBarWhenDue;
        // A record was found and is being shown (its code is the opener's shownCode()).
        std::function<void(const QString& code)> recordShown;
        // A press on the tree, before the node click: the related-keyword labels go.
        std::function<void()> treePressed;
    };

    RecordBrowsing(SharedConnection& connection, LibraryLayout layout, WindowSession& session, Parts parts,
                   std::unique_ptr<Shell> shell, QObject* parent = nullptr);
    ~RecordBrowsing() override;

    RecordOpener& opener() { return *m_opener; }
    DocumentAreaController& documentArea() { return *m_area; }

    // `gototree` for every caller of the window.
    OpenOutcome gototree(const QString& code);
    // The toolbar's back and forward through the history.
    OpenOutcome back();
    OpenOutcome forward();
    // Opens the record of tree node `node` as a click on it would, for a page
    // the document view already shows (a link led there): everything follows
    // the record but the page, which is not loaded a second time.
    bool openNodeShowing(int node, const QString& pageOnShow);

    // The tree's events, in the order the tree sends them. A click on a node
    // gives nodeClicked and then treeClicked; a click beside the nodes only
    // treeClicked.
    void treeMouseDown();
    void nodeClicked(const QModelIndex& viewIndex);
    void treeClicked();

    // Selects the node that follows the (k+1)-th ancestor of the selected
    // node among its siblings, for automatic execution to go on behind a
    // finished branch. False, with nothing changed, when k is outside 0–7 or
    // a node on the way does not exist.
    bool selectNextNodeAfterAncestor(int k);
    // The picture of record `code` of the list table for the thumbnails:
    // when the record has a link its picture path is kept and the document
    // view is hidden so that the thumbnails under it show.
    std::optional<QString> recordPictureLookup(const QString& code);
    QString thumbnailPath() const { return m_thumbnailPath; }
    // A click on the centre title label: the technology centre's folders and
    // every record whose title or body holds the search box's text.
    void centreTitleSearch();

private:
    // DocumentDisplay
    void setRecordCode(const QString& code) override;
    void setSidePanel(const SidePanelTags& tags) override;
    void setExampleKeyword(const QString& keyword) override;
    void showNote(const QString& storedNote) override;
    void loadDocument(const QString& path) override;
    void startPlayer(const QString& path) override;
    void runSourceExtraction(const QString& documentPath) override;
    void openingFinished() override;

    // HousekeepingHost
    QString descriptionBoxText() const override;
    void setDescriptionBoxText(const QString& text) override;
    QString productDescription() const override;
    QString currentTable() const override;
    void setCurrentTable(const QString& table) override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    int nodeOfViewIndex(const QModelIndex& viewIndex) const;
    int selectedNode() const;
    void syncSession();
    QTreeView* tree() const;
    DocumentView* documentView() const;

    SharedConnection& m_connection;
    LibraryLayout m_layout;
    WindowSession& m_session;
    Parts m_parts;
    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<DocumentAreaController> m_area;
    std::unique_ptr<RecordOpener> m_opener;
    std::unique_ptr<Housekeeping> m_housekeeping;
    QString m_thumbnailPath;
    QString m_pageOnShow;  // while openNodeShowing runs
};

}  // namespace kelvor
