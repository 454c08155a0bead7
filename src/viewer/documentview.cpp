#include "documentview.h"

#include "confinedpage.h"
#include "libraryscheme.h"
#include "libraryschemehandler.h"
#include "picturepage.h"

#include <QApplication>
#include <QChildEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineLoadingInfo>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace kelvor {

namespace {

// Our page operations run apart from the page's own scripts.
constexpr quint32 kScriptWorld = QWebEngineScript::ApplicationWorld;
// A link followed this soon after a click or key press is the user's.
constexpr qint64 kUserActionWindowMs = 1500;

QString pageScriptSource()
{
    QFile file(QStringLiteral(":/kelvor/viewer/pagescript.js"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QWebEngineScript pageScript()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("kelvor-page-operations"));
    script.setSourceCode(pageScriptSource());
    // Injected as the document is created, so the operations (and the
    // refused context menu) exist before any caller can reach the page.
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(kScriptWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

// Two addresses of one page, whichever anchor of it they name.
bool samePage(const QUrl& a, const QUrl& b)
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

bool looksLikeAddress(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]+:"),
                                           QRegularExpression::CaseInsensitiveOption);
    // "C:/..." is a drive, not an address.
    return scheme.match(text).hasMatch();
}

void wallOff(QWebEngineSettings* settings)
{
    // Library documents are written in the Chinese code page and many declare no charset.
    settings->setDefaultTextEncoding(QStringLiteral("GBK"));
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
}

}  // namespace

DocumentView::DocumentView(const LibraryLayout& layout, QWidget* parent)
    : QWidget(parent),
      m_layout(layout),
      m_folders(std::make_unique<ServedFolders>(layout)),
      // A profile of the view's own, kept in memory: its scheme handler and
      // request filter serve this library and nothing else.
      m_profile(new QWebEngineProfile(this)),
      m_view(new QWebEngineView(this))
{
    m_profile->installUrlSchemeHandler(libraryScheme(), new LibrarySchemeHandler(*m_folders, m_profile));
    m_profile->setUrlRequestInterceptor(new LibraryRequestFilter(m_profile));
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);

    m_page = new ConfinedPage(
        m_profile, [this] { return userJustActed(); },
        [this](const QUrl& url) { return m_folders->servableFile(url).has_value(); }, m_view);
    m_view->setPage(m_page);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->addWidget(m_view);

    // The program offers its own commands; the browser's menu never shows.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);

    wallOff(m_page->settings());
    m_page->scripts().insert(pageScript());
    watchUserInput(m_view);

    connect(m_page, &ConfinedPage::externalLinkClicked, this, &DocumentView::webAddressRequested);
    connect(m_page, &ConfinedPage::libraryLinkFollowed, this, [this](const QUrl& url) {
        const auto path = m_folders->pathOf(url);
        if (!path) return;
        // The page is on its way to the linked page now.
        m_loadedUrl = url;
        m_askedLocation = QUrl::fromLocalFile(*path);
        m_askedLocation.setFragment(url.fragment());
        emit libraryPageFollowed(*path);
    });
    connect(m_page, &QWebEnginePage::loadingChanged, this, &DocumentView::loadingChanged);
    connect(m_view, &QWebEngineView::urlChanged, this, &DocumentView::locationChanged);
}

DocumentView::~DocumentView()
{
    // Pages go before the profile they were made with.
    delete m_view;
    m_view = nullptr;
}

void DocumentView::watchUserInput(QObject* widget)
{
    widget->installEventFilter(this);
    for (QObject* child : widget->children())
        if (child->isWidgetType()) watchUserInput(child);
}

bool DocumentView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // The browser makes the widget that takes the input once it renders.
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child && child->isWidgetType())
            watchUserInput(child);
        break;
    case QEvent::Paint:
        // The browser's own widget paints each frame the page has rendered.
        if (watched != m_view && !m_loading) {
            m_paintedSinceLoad = true;
            auto pending = std::exchange(m_afterPaint, {});
            for (auto& next : pending) next();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
        m_lastUserInput.start();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool DocumentView::userJustActed() const
{
    return m_lastUserInput.isValid() && m_lastUserInput.elapsed() < kUserActionWindowMs;
}

void DocumentView::navigate(const QString& pathOrAddress)
{
    if (!looksLikeAddress(pathOrAddress)) {
        showFile(pathOrAddress);
        return;
    }
    const QUrl url(pathOrAddress);
    if (url.isLocalFile()) {
        showFile(url.toLocalFile());
    } else if (const auto path = m_folders->pathOf(url)) {
        showFile(*path);
    } else if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        emit webAddressRequested(url);
    }
}

void DocumentView::showFile(const QString& path)
{
    QString shown = path;
    auto url = m_folders->urlOf(shown);
    // A missing file, or one reached through a link that leads out of the
    // library, shows the placeholder as a missing document does.
    if (!url || !m_folders->servableFile(*url)) {
        const QString placeholder = m_layout.placeholderPicture();
        if (const auto placeholderUrl = m_folders->urlOf(placeholder); placeholderUrl && m_folders->servableFile(*placeholderUrl)) {
            shown = placeholder;
            url = placeholderUrl;
        }
    }
    if (!url) {
        // Outside every folder of the library, and no placeholder: the view
        // shows its error page rather than the previous document.
        url = QUrl(QStringLiteral("%1://nowhere/").arg(QString::fromLatin1(libraryScheme())));
    }
    if (isPictureFile(shown)) url->setQuery(LibrarySchemeHandler::picturePageQuery());
    // Asked for again while it is still on its way: a second load would only
    // replace the first one.
    if (m_loading && *url == m_loadedUrl) return;
    // Waits issued from now on are for the new page, not the one still shown.
    m_loading = true;
    m_paintedSinceLoad = false;
    m_askedLocation = QUrl::fromLocalFile(shown);
    m_location = m_askedLocation;
    m_loadedUrl = *url;
    m_view->setUrl(*url);
}

void DocumentView::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        m_loading = true;
        m_paintedSinceLoad = false;
        return;
    }
    // A load that a later one replaced ends too, often after the later one
    // was asked for: only the end of the page asked for last ends the loading.
    if (!samePage(info.url(), m_loadedUrl)) return;
    const bool ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
    m_loading = false;
    if (ok) m_hasDocument = true;
    auto pending = std::exchange(m_afterLoad, {});
    for (auto& next : pending) next();
    emit documentComplete(ok);
}

void DocumentView::locationChanged(const QUrl& url)
{
    if (url.isEmpty()) return;
    // The address the program loaded keeps the path it was given.
    if (url == m_loadedUrl) {
        m_location = m_askedLocation;
        return;
    }
    // While the page asked for is on its way, the view falls back for a while
    // to the page a replaced load left behind: that is not where it is going.
    if (m_loading) return;
    // A page that moved on its own (an anchor of the page) is named by its library path.
    const auto path = m_folders->pathOf(url);
    if (!path) return;
    QUrl location = QUrl::fromLocalFile(*path);
    location.setFragment(url.fragment());
    m_location = location;
}

QUrl DocumentView::location() const { return m_location; }

void DocumentView::whenLoaded(std::function<void()> next)
{
    if (!next) return;
    if (m_loading)
        m_afterLoad.push_back(std::move(next));
    else
        next();
}

void DocumentView::whenPainted(std::function<void()> next)
{
    if (!next) return;
    whenLoaded([this, next = std::move(next)]() mutable {
        if (m_paintedSinceLoad && !m_loading)
            next();
        else
            m_afterPaint.push_back(std::move(next));
    });
}

void DocumentView::call(const QString& function, const QVariantList& arguments,
                        std::function<void(const QVariant&)> done) const
{
    const QString args = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromVariantList(arguments)).toJson(QJsonDocument::Compact));
    // A page whose script is missing (nothing loaded yet) answers null.
    const QString source = QStringLiteral("window.kelvorPage ? window.kelvorPage.%1.apply(null, %2) : null")
                               .arg(function, args);
    if (done)
        m_view->page()->runJavaScript(source, kScriptWorld, [done = std::move(done)](const QVariant& v) { done(v); });
    else
        m_view->page()->runJavaScript(source, kScriptWorld);
}

void DocumentView::plainText(std::function<void(QString)> done) const
{
    call(QStringLiteral("plainText"), {}, [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toString());
    });
}

void DocumentView::elementCount(std::function<void(int)> done) const
{
    call(QStringLiteral("elementCount"), {}, [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toInt());
    });
}

void DocumentView::scrollBy(int dx, int dy, std::function<void()> done) const
{
    call(QStringLiteral("scrollBy"), {dx, dy}, [done = std::move(done)](const QVariant&) {
        if (done) done();
    });
}

void DocumentView::scrollPosition(std::function<void(QPoint)> done) const
{
    call(QStringLiteral("scrollPosition"), {}, [done = std::move(done)](const QVariant& v) {
        const QVariantList xy = v.toList();
        const QPoint at = xy.size() == 2 ? QPoint(qRound(xy[0].toDouble()), qRound(xy[1].toDouble())) : QPoint();
        if (done) done(at);
    });
}

void DocumentView::selectionText(std::function<void(QString)> done) const
{
    call(QStringLiteral("selectionText"), {}, [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toString());
    });
}

void DocumentView::copySelection() { m_view->triggerPageAction(QWebEnginePage::Copy); }

bool DocumentView::holdsFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void DocumentView::emptySelection(std::function<void()> done) const
{
    call(QStringLiteral("emptySelection"), {}, [done = std::move(done)](const QVariant&) {
        if (done) done();
    });
}

void DocumentView::createBodyRange(std::function<void(TextRangeId)> done) const
{
    call(QStringLiteral("bodyRange"), {}, [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toString());
    });
}

void DocumentView::releaseRange(const TextRangeId& id) const { call(QStringLiteral("releaseRange"), {id}, {}); }

namespace {

std::function<void(const QVariant&)> boolResult(std::function<void(bool)> done)
{
    return [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toBool());
    };
}

}  // namespace

void DocumentView::findText(const TextRangeId& id, const QString& text, std::function<void(bool)> done) const
{
    call(QStringLiteral("findText"), {id, text}, boolResult(std::move(done)));
}

void DocumentView::selectRange(const TextRangeId& id, std::function<void(bool)> done) const
{
    call(QStringLiteral("selectRange"), {id}, boolResult(std::move(done)));
}

void DocumentView::rangeText(const TextRangeId& id, std::function<void(QString)> done) const
{
    call(QStringLiteral("rangeText"), {id}, [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toString());
    });
}

void DocumentView::pasteHtml(const TextRangeId& id, const QString& html, std::function<void(bool)> done) const
{
    call(QStringLiteral("pasteHtml"), {id, html}, boolResult(std::move(done)));
}

void DocumentView::collapse(const TextRangeId& id, bool toStart, std::function<void(bool)> done) const
{
    call(QStringLiteral("collapse"), {id, toStart}, boolResult(std::move(done)));
}

void DocumentView::moveStart(const TextRangeId& id, int characters, std::function<void(bool)> done) const
{
    call(QStringLiteral("moveStart"), {id, characters}, boolResult(std::move(done)));
}

void DocumentView::moveEnd(const TextRangeId& id, int characters, std::function<void(bool)> done) const
{
    call(QStringLiteral("moveEnd"), {id, characters}, boolResult(std::move(done)));
}

void DocumentView::markText(const QString& text, const QString& colour, std::function<void(int)> done) const
{
    call(QStringLiteral("markAll"), {text, colour}, [done = std::move(done)](const QVariant& v) {
        if (done) done(v.toInt());
    });
}

}  // namespace kelvor
