#pragma once

#include "documenttoolbar.h"

#include "catalogue/recordopener.h"
#include "personal/favourites.h"
#include "personal/learningnotes.h"
#include "viewer/termhighlighter.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAbstractProxyModel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace kelvor {

class AutomaticReading;
class BookmarkFlow;
class CatalogueModel;
class CatalogueSelection;
class DocumentView;
class WindowSession;
class FavouritesPanel;
class NotesPanel;
class Prompter;
class SharedConnection;

// The reading side of the document area: the document toolbar with its
// shortcuts, the favourites and notes panels, term highlighting and the
// in-document search. It borrows the views it drives and reaches the rest of
// the window through the intents in Parts.
class DocumentReading : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget* toolbarArea = nullptr;  // the row above the document that the toolbar fills
        QWidget* panelArea = nullptr;    // the document area the panels lie over
        NotesPanel* notesPanel = nullptr;
        DocumentView* documentView = nullptr;
        QPlainTextEdit* sourceTextBox = nullptr;
        QTimer* highlightTimer = nullptr;  // Timer3
        QTimer* readingTimer = nullptr;    // Timer2
        QPushButton* autoRunButton = nullptr;  // Command91
        QTreeView* tree = nullptr;
        QAbstractProxyModel* treeProxy = nullptr;
        CatalogueModel* catalogue = nullptr;
        WindowSession* session = nullptr;  // holds the reading mode
        QString bookmarkPath;
        std::function<QString()> currentGroup;  // "0", "1", "2"
        std::function<QString()> currentItem;
        std::function<bool(const QString& group, const QString& item)> switchTo;
        std::function<HighlightRequest()> highlightRequest;
        std::function<OpenOutcome()> back;
        std::function<OpenOutcome()> forward;
        std::function<OpenOutcome(const QString&)> open;  // the record opener
        std::function<QString()> shownCode;              // the record on show
        std::function<void()> switchLeftPane;
        // Closing the favourites panel also disables the query panel's "搜索".
        std::function<void()> disableQuerySearch;
    };

    DocumentReading(SharedConnection& connection, Prompter& prompter, Parts parts, QObject* parent = nullptr);
    ~DocumentReading() override;

    DocumentToolbar& toolbar() { return *m_toolbar; }
    FavouritesPanel& favouritesPanel() { return *m_favouritesPanel; }
    NotesPanel& notesPanel() { return *m_parts.notesPanel; }
    TermHighlighter& highlighter() { return *m_highlighter; }
    AutomaticReading& automaticReading() { return *m_automatic; }

    // A toolbar icon.
    void run(ToolbarAction action);
    // The same from its shortcut: a key acts where the keyboard focus is.
    void runFromKeyboard(ToolbarAction action);

    void openFavourites();
    void addFavourite();
    void removeFavourite(int row);
    void openFavourite(int row);
    void closeFavourites();

    void openNotes();
    void saveNote(const QString& text);
    void removeNote(int row);
    void chooseNote(int row);
    // The record opener found `code` while the notes panel may be visible.
    void recordShown(const QString& code);

    void copySelection();
    void pageTop();

    static QString copyHintMessage();  // "请单击“显示源程序”，然后选择复制内容,进行复制!!!"

signals:
    // A favourites or notes operation that reads the page has finished.
    void favouriteAdded(bool added);
    void noteSaved(bool saved);

private:
    void firstPageLine(std::function<void(QString)> done, bool keepCarriageReturn) const;
    void showFavouriteNames();
    void showNoteTitles();
    void placePanel(QWidget* panel, ToolbarAction under);

    Prompter& m_prompter;
    Parts m_parts;
    DocumentToolbar* m_toolbar = nullptr;
    FavouritesPanel* m_favouritesPanel = nullptr;
    std::unique_ptr<TermHighlighter> m_highlighter;
    std::unique_ptr<CatalogueSelection> m_selection;
    std::unique_ptr<AutomaticReading> m_automatic;
    std::unique_ptr<BookmarkFlow> m_bookmark;
    Favourites m_favourites;
    bool m_favouritesLoaded = false;
    LearningNotes m_notes;
};

}  // namespace kelvor
