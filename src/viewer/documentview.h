#pragma once

#include "library/layout.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;

namespace kelvor {

class ConfinedPage;
class ServedFolders;

// Names a text range that lives inside the page of one DocumentView. An id
// of an earlier page names nothing in the current one; operations on it
// report failure (false / empty text).
using TextRangeId = QString;

// The embedded browser of the document area. Wraps one web view; the rest of
// the program never sees the browser classes. Every page operation runs
// inside the page and answers later through its callback (which may be
// empty); a page that has not loaded yet answers with an empty text, 0 or
// false.
//
// Library pages are untrusted content: the view shows only files of the
// library's folders, served by the program itself, and its pages can reach
// nothing else (no local file, no network, no other window). Pages that
// declare no encoding are read as UTF-8 when they are valid UTF-8, else as GBK.
class DocumentView : public QWidget {
    Q_OBJECT
public:
    explicit DocumentView(const LibraryLayout& layout, QWidget* parent = nullptr);
    ~DocumentView() override;

    // A local file (.htm page, .jpg picture) by its full path, or a web address.
    // A picture is shown centred on a white page; location() still names it.
    // A file that is missing or does not truly lie in the library (a link
    // leading out) shows the placeholder picture instead. A web address is
    // never loaded here: it is handed on through webAddressRequested.
    void navigate(const QString& pathOrAddress);
    // The local file on show, as last navigated to (or the library page a
    // link led to since).
    QUrl location() const;
    bool isLoading() const { return m_loading; }
    // True once a page has finished loading: before that the page operations
    // have no document to work on.
    bool hasDocument() const { return m_hasDocument; }
    // Runs `next` once the page being loaded has finished, or at once when
    // nothing is loading.
    void whenLoaded(std::function<void()> next);
    // Runs `next` once the page being loaded has finished and the view has
    // painted since (at once when that has happened already). A hidden view
    // never paints: the caller bounds its wait.
    void whenPainted(std::function<void()> next);

    // The body's plain text with line breaks as CR LF; empty without a page.
    void plainText(std::function<void(QString)> done) const;
    // Number of elements of the page.
    void elementCount(std::function<void(int)> done) const;
    // Relative scrolling; distances beyond the page's ends stop at them.
    void scrollBy(int dx, int dy, std::function<void()> done = {}) const;
    void scrollPosition(std::function<void(QPoint)> done) const;

    // The user's selection, line breaks as CR LF.
    void selectionText(std::function<void(QString)> done) const;
    void emptySelection(std::function<void()> done = {}) const;
    // Copies the page's selection to the clipboard, as the page's own copy does.
    void copySelection();
    // The keyboard focus is in the page.
    bool holdsFocus() const;

    // A new range over the whole body; an empty id when the page has no body.
    void createBodyRange(std::function<void(TextRangeId)> done) const;
    void releaseRange(const TextRangeId& id) const;
    // Moves the range onto the next match at or after its start, case
    // ignored and runs of white space matching one blank; false when none is left.
    void findText(const TextRangeId& id, const QString& text, std::function<void(bool)> done) const;
    void selectRange(const TextRangeId& id, std::function<void(bool)> done = {}) const;
    void rangeText(const TextRangeId& id, std::function<void(QString)> done) const;
    // Replaces the range by `html`; the range is left collapsed behind it.
    void pasteHtml(const TextRangeId& id, const QString& html, std::function<void(bool)> done = {}) const;
    void collapse(const TextRangeId& id, bool toStart, std::function<void(bool)> done = {}) const;
    // Move a boundary by a signed number of characters, bounded by the body.
    void moveStart(const TextRangeId& id, int characters, std::function<void(bool)> done = {}) const;
    void moveEnd(const TextRangeId& id, int characters, std::function<void(bool)> done = {}) const;

    // Wraps every occurrence of `text` in the page (case ignored, the page's
    // own letters kept) in a span with the background `colour`, going on
    // behind each one; `done` gets the number marked (0 without a page).
    void markText(const QString& text, const QString& colour, std::function<void(int)> done = {}) const;

signals:
    // A page finished loading (ok is false for a page that could not be loaded).
    void documentComplete(bool ok);
    // A web address to open outside the view: one the program navigated to,
    // or a link the user clicked in a page.
    void webAddressRequested(const QUrl& url);
    // The page moved to another library page on its own (a link followed).
    void libraryPageFollowed(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchUserInput(QObject* widget);
    bool userJustActed() const;
    void showFile(const QString& path);
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void locationChanged(const QUrl& url);

    void call(const QString& function, const QVariantList& arguments,
              std::function<void(const QVariant&)> done) const;

    LibraryLayout m_layout;
    std::unique_ptr<ServedFolders> m_folders;
    QWebEngineProfile* m_profile = nullptr;
    QWebEngineView* m_view = nullptr;
    ConfinedPage* m_page = nullptr;
    QUrl m_location;
    // The page asked for last (by the program or a followed link): its address and its file.
    QUrl m_loadedUrl;
    QUrl m_askedLocation;
    QElapsedTimer m_lastUserInput;
    bool m_loading = false;
    bool m_hasDocument = false;
    std::vector<std::function<void()>> m_afterLoad;
    bool m_paintedSinceLoad = false;
    std::vector<std::function<void()>> m_afterPaint;
};

}  // namespace kelvor
