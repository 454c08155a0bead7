#include "confinedpage.h"

#include "libraryscheme.h"

#include <QWebEngineUrlRequestInfo>

namespace kelvor {

namespace {

bool isLibraryUrl(const QUrl& url) { return url.scheme() == QLatin1String(libraryScheme()); }

bool isWebAddress(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The window a page asks for never opens: it only catches the address it
// was meant to show and hands it to the page that asked, then goes.
class WindowCatcher : public QWebEnginePage {
public:
    WindowCatcher(QWebEngineProfile* profile, std::function<void(const QUrl&)> caught, QObject* parent)
        : QWebEnginePage(profile, parent), m_caught(std::move(caught))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame && m_caught) std::exchange(m_caught, {})(url);
        deleteLater();
        return false;
    }

private:
    std::function<void(const QUrl&)> m_caught;
};

}  // namespace

void LibraryRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QString scheme = info.requestUrl().scheme();
    const bool allowed = scheme == QLatin1String(libraryScheme()) || scheme == QLatin1String("data") ||
                         scheme == QLatin1String("blob");
    info.block(!allowed);
}

ConfinedPage::ConfinedPage(QWebEngineProfile* profile, std::function<bool()> userJustActed,
                           std::function<bool(const QUrl&)> servable, QObject* parent)
    : QWebEnginePage(profile, parent), m_userJustActed(std::move(userJustActed)), m_servable(std::move(servable))
{
}

bool ConfinedPage::isServable(const QUrl& url) const { return isLibraryUrl(url) && m_servable && m_servable(url); }

bool ConfinedPage::followLink(const QUrl& url, bool clicked)
{
    if (isLibraryUrl(url)) return isServable(url);
    if (clicked && isWebAddress(url) && m_userJustActed && m_userJustActed()) emit externalLinkClicked(url);
    return false;
}

bool ConfinedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame) {
        // Frames of a page may show library pages and their own empty documents.
        return isServable(url) || url.scheme() == QLatin1String("about");
    }
    // The program's own loads (navigate, reload, history) go wherever it chose.
    if (type == NavigationTypeTyped || type == NavigationTypeReload || type == NavigationTypeBackForward)
        return isLibraryUrl(url);
    const bool follow = followLink(url, type == NavigationTypeLinkClicked);
    if (follow) emit libraryLinkFollowed(url);
    return follow;
}

QWebEnginePage* ConfinedPage::createWindow(WebWindowType)
{
    // Only a user's click gets this far (scripts may open no windows): a
    // library page opens here, a web address in the desktop's browser.
    return new WindowCatcher(
        profile(),
        [this](const QUrl& url) {
            if (isServable(url)) {
                emit libraryLinkFollowed(url);
                load(url);
                return;
            }
            followLink(url, true);
        },
        this);
}

}  // namespace kelvor
