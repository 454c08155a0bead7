#pragma once

#include "library/layout.h"

#include <QObject>

#include <functional>
#include <memory>

class QAbstractProxyModel;
class QLineEdit;
class QTreeView;
class QWidget;

namespace kelvor {

class CatalogueModel;
class DocumentView;
class HistoryPanel;
class KeywordEditorPanel;
class KeywordListPanel;
class ReferenceNavigationPanel;
class RelatedKeywordsPanel;
class Prompter;
class RecordBrowsing;
class SharedConnection;
class ThumbnailPanel;

namespace keywords {
class KeywordEditor;
class KeywordIndex;
}  // namespace keywords

// The search history, the thumbnails, the keyword editor and the record's
// related keywords in the window: creates the panels and connects them to
// the parts of the window they serve.
class LibraryPanels : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget* leftPane = nullptr;      // the history panel's parent
        QWidget* documentArea = nullptr;  // the thumbnails' and the editor's parent
        DocumentView* documentView = nullptr;
        QTreeView* tree = nullptr;
        QAbstractProxyModel* treeProxy = nullptr;
        CatalogueModel* catalogue = nullptr;
        RecordBrowsing* browsing = nullptr;
        // The opened record's code and example keyword, which the editor links and shows.
        QLineEdit* recordCodeBox = nullptr;
        QLineEdit* exampleKeywordBox = nullptr;
        // Where the history panel lies: the body of the left pane under its tabs.
        std::function<QRect()> historyPlace;
        // The centre caption (`Label5`), which names the table the editor works on.
        std::function<QString()> centreCaption;
        // Runs a search of `text` from the history: the search box gets the
        // text and the centre search runs on the result list.
        std::function<void(const QString&)> replaySearch;
        // Holds the related-keyword labels.
        ReferenceNavigationPanel* referenceNavigation = nullptr;
    };

    LibraryPanels(SharedConnection& connection, LibraryLayout layout, Prompter& prompter, Parts parts,
                  QObject* parent = nullptr);
    ~LibraryPanels() override;

    // "历史": shows the history panel over the tree and the list, and fills it.
    void showHistory();
    void hideHistory();
    bool isHistoryShown() const;
    // Counts a centre search in the history.
    void searchRun(const QString& text);
    // "缩略图显示": the records of the selected folder as thumbnails.
    void showThumbnails();
    // Takes the thumbnails and their buttons away (a centre switch).
    void hideThumbnails();
    bool isThumbnailRestoreShown() const;
    // The keyword editor's openings.
    KeywordEditorPanel& keywordEditor() { return *m_editorPanel; }
    HistoryPanel& history() { return *m_history; }
    // The labels of the record's navigation keyword and the list of its example keyword.
    RelatedKeywordsPanel& relatedKeywords() { return *m_relatedKeywords; }
    KeywordListPanel& keywordList() { return *m_keywordList; }
    // The record opener found a record: the related keywords follow it.
    void recordShown();
    // A press on the tree: the labels go until a record is shown again.
    void removeKeywordLabels();
    // The keyword list panel over the document area's top right corner.
    void showKeywordList();
    void hideKeywordList();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void placeThumbnails();

    Parts m_parts;
    std::unique_ptr<keywords::KeywordIndex> m_keywordIndex;
    std::unique_ptr<keywords::KeywordEditor> m_keywordEditor;
    HistoryPanel* m_history = nullptr;
    ThumbnailPanel* m_thumbnails = nullptr;
    KeywordEditorPanel* m_editorPanel = nullptr;
    RelatedKeywordsPanel* m_relatedKeywords = nullptr;
    KeywordListPanel* m_keywordList = nullptr;
};

}  // namespace kelvor
