#include "recordopener.h"

#include "treenavigation.h"

#include "library/centres.h"

#include <exception>

namespace kelvor {

namespace {

// Documents are filed only under folder names longer than this.
constexpr int kShortestLinkThatOpens = 5;

class NavigatingScope {
public:
    explicit NavigatingScope(RecordHistory& history) : m_history(history) { m_history.setNavigating(true); }
    ~NavigatingScope() { m_history.setNavigating(false); }
    NavigatingScope(const NavigatingScope&) = delete;
    NavigatingScope& operator=(const NavigatingScope&) = delete;

private:
    RecordHistory& m_history;
};

}  // namespace

RecordOpener::RecordOpener(SharedConnection& connection, DocumentDisplay& display)
    : m_connection(connection), m_display(display)
{
}

OpenOutcome RecordOpener::gototree(const QString& code)
{
    m_display.setRecordCode(code);
    if (code.isEmpty()) return OpenOutcome::Nothing;
    const Centre* centre = centreOfCode(code);
    if (!centre) return OpenOutcome::NoCentre;

    std::vector<Row> rows;
    try {
        m_connection.open(DatabaseRole::Content);
        rows = m_connection.db().query(
            QStringLiteral("select xxbh,name,link,cc,nycd,bb,jbmc,jbnr,bz from %1 where xxbh=?")
                .arg(m_connection.contentTable(centre->table)),
            {code});
    } catch (const std::exception&) {
        return OpenOutcome::DatabaseFailed;
    }

    m_history.add(code, m_currentTitle);

    if (rows.empty()) {
        m_display.openingFinished();
        return OpenOutcome::NotFound;
    }
    const Row& record = rows.front();
    m_shownCode = code;
    m_shownNavigationKeyword = record.text(QStringLiteral("jbmc"));
    m_shownExampleKeyword = record.text(QStringLiteral("jbnr"));

    m_currentCentrePrefix = code.left(6);
    m_display.setSidePanel({record.text(QStringLiteral("cc")), record.text(QStringLiteral("nycd")),
                            record.text(QStringLiteral("bb"))});
    m_display.setExampleKeyword(record.text(QStringLiteral("jbnr")));
    m_display.showNote(record.text(QStringLiteral("bz")));

    const QString link = record.text(QStringLiteral("link"));
    // A short link opens no document: the view keeps what it showed and the
    // source extraction runs again on the previous document.
    if (link.size() >= kShortestLinkThatOpens) showDocument(code, link, centre->kind);
    m_display.runSourceExtraction(m_currentDocumentPath);

    m_display.openingFinished();
    return OpenOutcome::Opened;
}

void RecordOpener::showDocument(const QString& code, const QString& link, DocumentKind kind)
{
    m_currentDocumentPath.clear();
    // A link that leads outside the library folder gives no path and starts
    // nothing; the view shows the placeholder as for a missing document,
    // never the previous record's page under this record's code.
    const auto path = m_connection.layout().documentPath(link, code, documentExtension(kind));
    if (!path) {
        if (kind != DocumentKind::Player) m_display.loadDocument(m_connection.layout().placeholderPicture());
        return;
    }
    if (kind == DocumentKind::Player)
        m_display.startPlayer(*path);
    else
        m_display.loadDocument(*path);
    m_currentDocumentPath = *path;
}

bool RecordOpener::openNode(const CatalogueNode& node)
{
    m_currentNodeKey = node.key;
    if (!opensRecord(node.key)) return false;
    m_currentTitle = node.text;
    m_currentCode = codeOfKey(node.key);
    gototree(m_currentCode);
    return true;
}

OpenOutcome RecordOpener::back()
{
    NavigatingScope navigating(m_history);
    return openFromHistory(m_history.stepBack());
}

OpenOutcome RecordOpener::forward()
{
    NavigatingScope navigating(m_history);
    return openFromHistory(m_history.stepForward());
}

OpenOutcome RecordOpener::openFromHistory(std::optional<int> entry)
{
    if (!entry) return OpenOutcome::Nothing;
    return gototree(m_history.code(*entry));
}

}  // namespace kelvor
