#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <functional>

namespace kelvor {

// Lets through only what the program serves: requests of the library scheme,
// and the data and blob addresses a page makes of its own content. Every
// file:, network or other request of a page or its frames is refused.
class LibraryRequestFilter : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// A page of the document view that stays inside the library: it navigates
// only to addresses of the library scheme and opens no window. A link to a
// web address that the user clicked is handed on (to the desktop's browser),
// never loaded.
class ConfinedPage : public QWebEnginePage {
    Q_OBJECT
public:
    // `userJustActed` tells whether a click or key press of the user reached
    // the view a moment ago; links followed without one are a page's script.
    // `servable` tells whether an address of the library scheme names a file
    // the view may show; a link to anything else leaves the page where it is.
    ConfinedPage(QWebEngineProfile* profile, std::function<bool()> userJustActed,
                 std::function<bool(const QUrl&)> servable, QObject* parent = nullptr);

signals:
    // The user clicked a link to a web address.
    void externalLinkClicked(const QUrl& url);
    // The page moved to another address of the library scheme on its own
    // (a link, a form, a script), not by the program's navigate().
    void libraryLinkFollowed(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    // Where a navigation that the page itself asked for may go.
    bool followLink(const QUrl& url, bool clicked);

    bool isServable(const QUrl& url) const;

    std::function<bool()> m_userJustActed;
    std::function<bool(const QUrl&)> m_servable;
};

}  // namespace kelvor
