#include "documentview.h"

#include "pageencoding.h"
#include "picturepage.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace kelvor {

namespace {

// Our page operations run apart from the page's own scripts.
constexpr quint32 kScriptWorld = QWebEngineScript::ApplicationWorld;

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

bool looksLikeAddress(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^(https?|file|about|data|qrc):"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme.match(text).hasMatch();
}

}  // namespace

DocumentView::DocumentView(QWidget* parent) : QWidget(parent), m_view(new QWebEngineView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // The program offers its own commands; the browser's menu never shows.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);

    QWebEngineSettings* settings = m_view->settings();
    // Library documents are written in the Chinese code page and many declare no charset.
    settings->setDefaultTextEncoding(QStringLiteral("GBK"));
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);

    m_view->page()->scripts().insert(pageScript());

    connect(m_view, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    // A link followed inside the page moves the location; handed-over
    // content keeps the address of its file.
    connect(m_view, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
        if (url.scheme() != QLatin1String("data") && !url.isEmpty()) m_location = url;
    });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_loading = false;
        auto pending = std::exchange(m_afterLoad, {});
        for (auto& next : pending) next();
        emit documentComplete(ok);
    });
}

DocumentView::~DocumentView() = default;

void DocumentView::navigate(const QString& pathOrAddress)
{
    const QUrl url = looksLikeAddress(pathOrAddress) ? QUrl(pathOrAddress) : QUrl::fromLocalFile(pathOrAddress);
    if (!url.isValid()) return;
    // Waits issued from now on are for the new page, not the one still shown.
    m_loading = true;
    m_location = url;
    if (url.isLocalFile()) {
        const QString file = url.toLocalFile();
        if (isPictureFile(file) && QFileInfo(file).isFile()) {
            // Shown on a page of ours whose address is the picture's own.
            m_view->setHtml(picturePage(url), url);
            return;
        }
        if (const auto page = undeclaredGbkPage(file)) {
            // Handed over with its encoding named; the file's own address stays
            // its base, so its pictures and links resolve as before.
            m_view->setContent(*page, QStringLiteral("text/html;charset=GBK"), url);
            return;
        }
    }
    m_view->setUrl(url);
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

}  // namespace kelvor
