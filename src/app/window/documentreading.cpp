#include "documentreading.h"

#include "automaticreading.h"
#include "bookmarkflow.h"
#include "catalogueselection.h"

#include "favouritespanel.h"
#include "notespanel.h"
#include "twips.h"

#include "library/prompter.h"
#include "viewer/documentview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QTreeView>

namespace kelvor {

namespace {

constexpr int kPageTopDistance = -20000;
constexpr int kPanelOffsetTwips = 400;
constexpr QSize kFavouritesPanelSize(300, 320);
constexpr QSize kNotesPanelSize(380, 380);

}  // namespace

DocumentReading::DocumentReading(SharedConnection& connection, Prompter& prompter, Parts parts, QObject* parent)
    : QObject(parent),
      m_prompter(prompter),
      m_parts(std::move(parts)),
      m_favourites(connection, prompter),
      m_notes(connection, prompter)
{
    m_toolbar = new DocumentToolbar(m_parts.toolbarArea);
    if (m_parts.toolbarArea) {
        auto* row = new QHBoxLayout(m_parts.toolbarArea);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(m_toolbar);
    }
    connect(m_toolbar, &DocumentToolbar::activated, this, &DocumentReading::run);
    connect(m_toolbar, &DocumentToolbar::shortcutUsed, this, &DocumentReading::runFromKeyboard);

    m_favouritesPanel = new FavouritesPanel(m_parts.panelArea);
    m_favouritesPanel->resize(kFavouritesPanelSize);
    connect(m_favouritesPanel, &FavouritesPanel::addRequested, this, &DocumentReading::addFavourite);
    connect(m_favouritesPanel, &FavouritesPanel::removeRequested, this, &DocumentReading::removeFavourite);
    connect(m_favouritesPanel, &FavouritesPanel::openRequested, this, &DocumentReading::openFavourite);
    connect(m_favouritesPanel, &FavouritesPanel::closeRequested, this, &DocumentReading::closeFavourites);

    if (NotesPanel* notes = m_parts.notesPanel) {
        notes->resize(kNotesPanelSize);
        connect(notes, &NotesPanel::saveRequested, this, &DocumentReading::saveNote);
        connect(notes, &NotesPanel::removeRequested, this, &DocumentReading::removeNote);
        connect(notes, &NotesPanel::entryChosen, this, &DocumentReading::chooseNote);
        connect(notes, &NotesPanel::closeRequested, notes, &QWidget::hide);
    }

    if (m_parts.tree && m_parts.catalogue)
        m_selection = std::make_unique<CatalogueSelection>(*m_parts.tree, m_parts.treeProxy, *m_parts.catalogue);

    const std::function<void(const QString&)> openCode = [this](const QString& code) {
        if (m_parts.open) m_parts.open(code);
    };
    AutomaticReading::Parts automatic;
    automatic.timer = m_parts.readingTimer;
    automatic.scrollOptionOn = [this] { return m_toolbar->isAutoScrollOn(); };
    automatic.runButton = m_parts.autoRunButton;
    automatic.documentView = m_parts.documentView;
    automatic.catalogue = m_selection.get();
    automatic.session = m_parts.session;
    automatic.open = openCode;
    m_automatic = std::make_unique<AutomaticReading>(std::move(automatic));
    connect(m_toolbar, &DocumentToolbar::autoScrollToggled, m_automatic.get(), &AutomaticReading::scrollOptionChanged);
    if (m_parts.tree)
        connect(m_parts.tree, &QAbstractItemView::clicked, m_automatic.get(), &AutomaticReading::nodeClicked);

    BookmarkFlow::Parts bookmark;
    bookmark.path = m_parts.bookmarkPath;
    bookmark.catalogue = m_selection.get();
    bookmark.currentGroup = m_parts.currentGroup;
    bookmark.currentItem = m_parts.currentItem;
    bookmark.switchTo = m_parts.switchTo;
    bookmark.open = openCode;
    m_bookmark = std::make_unique<BookmarkFlow>(m_prompter, std::move(bookmark));

    if (m_parts.documentView && m_parts.highlightTimer)
        m_highlighter = std::make_unique<TermHighlighter>(*m_parts.documentView, *m_parts.highlightTimer, m_prompter,
                                                          m_parts.highlightRequest);
}

DocumentReading::~DocumentReading() = default;

QString DocumentReading::copyHintMessage()
{
    return QStringLiteral("请单击“显示源程序”，然后选择复制内容,进行复制!!!");
}

void DocumentReading::run(ToolbarAction action)
{
    // Every toolbar operation starts with both panels out of the way.
    m_favouritesPanel->hide();
    if (m_parts.notesPanel) m_parts.notesPanel->hide();
    switch (action) {
    case ToolbarAction::Back:
        if (m_parts.back) m_parts.back();
        break;
    case ToolbarAction::Forward:
        if (m_parts.forward) m_parts.forward();
        break;
    case ToolbarAction::Copy: copySelection(); break;
    case ToolbarAction::Favourites: openFavourites(); break;
    case ToolbarAction::Search:
        if (m_highlighter) m_highlighter->searchInDocument();
        break;
    case ToolbarAction::Notes: openNotes(); break;
    case ToolbarAction::PageTop: pageTop(); break;
    case ToolbarAction::SwitchPane:
        if (m_parts.switchLeftPane) m_parts.switchLeftPane();
        break;
    case ToolbarAction::Bookmark: m_bookmark->run(); break;
    }
}

void DocumentReading::runFromKeyboard(ToolbarAction action)
{
    // Ctrl+C copies what is selected where the focus is: in the page, the
    // page's selection (the source box takes its own keys before this).
    if (action == ToolbarAction::Copy && m_parts.documentView && m_parts.documentView->holdsFocus()) {
        m_parts.documentView->copySelection();
        return;
    }
    run(action);
}

void DocumentReading::copySelection()
{
    QPlainTextEdit* source = m_parts.sourceTextBox;
    if (!source || !source->isVisible()) {
        m_prompter.message(copyHintMessage());
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(source->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void DocumentReading::pageTop()
{
    if (m_parts.documentView) m_parts.documentView->scrollBy(0, kPageTopDistance);
}

void DocumentReading::placePanel(QWidget* panel, ToolbarAction under)
{
    // Under its toolbar icon, as far left as the panel's middle allows, and
    // never outside the document area.
    QWidget* area = m_parts.panelArea;
    QPoint at(0, 0);
    if (area) {
        const QPoint iconTopLeft = m_toolbar->mapTo(area, m_toolbar->iconRect(under).topLeft());
        at = QPoint(iconTopLeft.x() - panel->width() / 2 + twips::toPixels(kPanelOffsetTwips),
                    m_toolbar->mapTo(area, QPoint(0, m_toolbar->height())).y());
        at.setX(std::clamp(at.x(), 0, std::max(0, area->width() - panel->width())));
    }
    panel->move(at);
    panel->show();
    panel->raise();
}

// ----------------------------------------------------------------- favourites

void DocumentReading::showFavouriteNames()
{
    QStringList names;
    for (const Favourite& f : m_favourites.entries()) names << f.displayName;
    m_favouritesPanel->setNames(names);
}

void DocumentReading::openFavourites()
{
    // Read afresh each time, in the order the favourites were added.
    m_favourites.load();
    showFavouriteNames();
    placePanel(m_favouritesPanel, ToolbarAction::Favourites);
}

void DocumentReading::firstPageLine(std::function<void(QString)> done, bool keepCarriageReturn) const
{
    if (!m_parts.documentView || !m_parts.documentView->hasDocument()) {
        done(QString());
        return;
    }
    m_parts.documentView->plainText([done = std::move(done), keepCarriageReturn](const QString& text) {
        const qsizetype end = text.indexOf(QLatin1Char('\r'));
        // A page without a line break has no first line.
        done(end < 0 ? QString() : text.left(keepCarriageReturn ? end + 1 : end));
    });
}

void DocumentReading::addFavourite()
{
    QPointer<DocumentReading> self(this);
    firstPageLine(
        [self](const QString& firstLine) {
            if (!self) return;
            const QString code = self->m_parts.shownCode ? self->m_parts.shownCode() : QString();
            const bool added = self->m_favourites.add(firstLine, code);
            if (added) self->showFavouriteNames();
            emit self->favouriteAdded(added);
        },
        true);
}

void DocumentReading::removeFavourite(int row)
{
    if (m_favourites.entries().empty()) return;
    if (m_favourites.remove(row)) showFavouriteNames();
}

void DocumentReading::openFavourite(int row)
{
    if (m_favourites.entries().empty()) return;
    if (const auto code = m_favourites.codeToOpen(row); code && m_parts.open) m_parts.open(*code);
    m_favouritesPanel->setRemoveEnabled(true);
}

void DocumentReading::closeFavourites()
{
    m_favouritesPanel->hide();
    if (m_parts.disableQuerySearch) m_parts.disableQuerySearch();
}

// ---------------------------------------------------------------------- notes

void DocumentReading::showNoteTitles()
{
    QStringList titles;
    for (const NoteEntry& e : m_notes.entries()) titles << e.title;
    if (m_parts.notesPanel) m_parts.notesPanel->setTitles(titles);
}

void DocumentReading::openNotes()
{
    if (!m_parts.notesPanel) return;
    if (!m_notes.isFilled()) {
        m_notes.fillOnce();
        showNoteTitles();
    }
    placePanel(m_parts.notesPanel, ToolbarAction::Notes);
}

void DocumentReading::saveNote(const QString& text)
{
    if (text.size() < LearningNotes::kShortest || text.size() > LearningNotes::kLongest) {
        // The length messages come before anything reads the page.
        m_notes.save(text, std::nullopt, QString());
        emit noteSaved(false);
        return;
    }
    if (m_parts.documentView) m_parts.documentView->emptySelection();
    const auto nodeKey = m_selection ? m_selection->selectedKey() : std::nullopt;
    QPointer<DocumentReading> self(this);
    firstPageLine(
        [self, text, nodeKey](const QString& firstLine) {
            if (!self) return;
            const auto saved = self->m_notes.save(text, nodeKey, firstLine);
            if (saved) {
                self->showNoteTitles();
                if (self->m_parts.notesPanel) self->m_parts.notesPanel->showNote(saved->title.trimmed(), QString());
            }
            emit self->noteSaved(saved.has_value());
        },
        false);
}

void DocumentReading::removeNote(int row)
{
    if (!m_notes.remove(row)) return;
    showNoteTitles();
    if (m_parts.notesPanel) m_parts.notesPanel->clearNote();
}

void DocumentReading::chooseNote(int row)
{
    const auto shown = m_notes.choose(row);
    if (!shown) return;
    if (m_parts.notesPanel) m_parts.notesPanel->showNote(shown->title, shown->text);
    if (m_parts.open) m_parts.open(shown->code);
}

void DocumentReading::recordShown(const QString& code)
{
    NotesPanel* panel = m_parts.notesPanel;
    if (!panel || panel->isHidden()) return;
    if (const auto note = m_notes.noteOfRecord(code)) panel->showNote(note->title, note->text);
}

}  // namespace kelvor
