#include "libraryimport.h"

#include "importsource.h"
#include "pageconverter.h"
#include "pagetext.h"
#include "pagetitles.h"
#include "stagedlibrary.h"

#include "library/librarydatabases.h"

#include "library/centres.h"
#include "library/containsindex.h"
#include "library/database.h"
#include "library/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QUrl>

#include <mutex>
#include <thread>

namespace kelvor::importing {

namespace {

const QString kManifest = QStringLiteral(".kelvor-import");
const QString kFilesFolder = QStringLiteral("files");

const Centre& importCentre(const QString& wanted)
{
    const QString w = wanted.trimmed();
    const Centre* centre = nullptr;
    if (w.isEmpty()) centre = centreByTable(u"jszx");
    else if (codes::isDigits(w) && w.size() == 6) centre = centreOfCode(w);
    else centre = centreByCaption(w) ? centreByCaption(w) : centreByTable(w);
    if (!centre) throw ImportError(QStringLiteral("no centre is called \"%1\"").arg(w));
    if (centre->codePrefix.isEmpty() || centre->kind != DocumentKind::Page)
        throw ImportError(QStringLiteral("%1 does not hold pages; choose a centre of pages such as 技术中心")
                                 .arg(centre->caption));
    return *centre;
}

std::unique_ptr<Database> openLibrary(const LibraryLayout& layout)
{
    const QString path = layout.databasePath(DatabaseRole::Content);
    if (!QFileInfo(path).isFile())
        throw ImportError(QStringLiteral("%1 is not a library (%2 is missing)").arg(layout.dataRoot(), path));
    try {
        return openLibraryDatabase(layout, DatabaseRole::Content);
    } catch (const DatabaseError& e) {
        throw ImportError(QStringLiteral("%1 is not a library that can be opened: %2").arg(layout.dataRoot(), e.message()));
    }
}

QString manifestText(const QString& source, const QString& title, const QString& table)
{
    return QStringLiteral("source=%1\ntitle=%2\ncentre=%3\n").arg(source, title, table);
}

// The level-1 folder an earlier import of the same source and title wrote, if any.
QString previousImport(Database& db, const LibraryLayout& layout, const Centre& centre, const QString& title,
                       const QString& manifest)
{
    const auto rows = db.query(QStringLiteral("select xxbh from %1 where length(xxbh) = 8 and substr(xxbh, 1, 6) = ? "
                                              "and name = ? and link is null order by xxbh")
                                   .arg(quoteIdentifier(centre.table)),
                               {centre.codePrefix, title});
    for (const Row& row : rows) {
        QFile file(layout.libraryFolder() + QStringLiteral("/imp") + row.text(0) + QLatin1Char('/') + kManifest);
        if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == manifest) return row.text(0);
    }
    return {};
}

// A level-1 code no record of the centre uses: after the last one in use, or else the lowest free.
QString freeLevelOneCode(Database& db, const LibraryLayout& layout, const Centre& centre)
{
    QSet<int> used;
    const auto rows = db.query(QStringLiteral("select distinct substr(xxbh, 7, 2) from %1 where substr(xxbh, 1, 6) = ? "
                                              "and length(xxbh) >= 8")
                                   .arg(quoteIdentifier(centre.table)),
                               {centre.codePrefix});
    for (const Row& row : rows) used.insert(row.text(0).toInt());
    auto code = [&](int n) { return centre.codePrefix + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    auto isFree = [&](int n) {
        return !used.contains(n) && !QFileInfo::exists(layout.libraryFolder() + QStringLiteral("/imp") + code(n));
    };
    // Like the authoring tool's own catalogues, a centre's first folders are 11, 12, ...
    int last = 10;
    for (int n : used) last = std::max(last, n);
    for (int n = last + 1; n <= 99; ++n)
        if (isFree(n)) return code(n);
    for (int n = 1; n <= 99; ++n)
        if (isFree(n)) return code(n);
    if (isFree(0)) return code(0);
    throw ImportError(QStringLiteral("%1 has no free top-level code left (all 100 are in use); "
                                        "remove a top-level folder or import into another centre")
                             .arg(centre.caption));
}

bool hasScheme(const QString& url)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(url).hasMatch();
}

// Where the addresses of the source lead once imported.
class LinkMap {
public:
    LinkMap(const ImportSource& source, const std::vector<QString>& pageCodes)
        : m_source(source), m_pageCodes(pageCodes)
    {
        for (int i = 0; i < source.pages.size(); ++i) m_pages.insert(source.pages.at(i), i);
        for (const QString& f : source.files) m_files.insert(f);
    }

    LinkRewrite rewrite(const QString& pagePath, const QString& url) const
    {
        if (url.isEmpty() || url.startsWith(QLatin1Char('#')) || url.startsWith(QLatin1String("//")) || hasScheme(url))
            return {};
        QString path = url;
        QString fragment;
        QString query;
        if (const qsizetype hash = path.indexOf(QLatin1Char('#')); hash >= 0) {
            fragment = path.mid(hash);
            path.truncate(hash);
        }
        if (const qsizetype q = path.indexOf(QLatin1Char('?')); q >= 0) {
            query = path.mid(q);
            path.truncate(q);
        }
        if (path.isEmpty()) return {};
        path = QUrl::fromPercentEncoding(path.toUtf8());
        const QString base = QFileInfo(pagePath).path();
        QString resolved = path.startsWith(QLatin1Char('/'))
                               ? QDir::cleanPath(path.mid(1))
                               : QDir::cleanPath(base == QLatin1String(".") ? path : base + QLatin1Char('/') + path);
        if (resolved == QLatin1String("..") || resolved.startsWith(QLatin1String("../")))
            return {LinkRewrite::Missing, {}};
        if (resolved == QLatin1String(".")) resolved.clear();
        if (const int page = pageOf(resolved); page >= 0)
            return {LinkRewrite::Replace, m_pageCodes[size_t(page)] + QStringLiteral(".htm") + fragment};
        if (m_files.contains(resolved))
            return {LinkRewrite::Replace,
                    kFilesFolder + QLatin1Char('/') + QString::fromUtf8(QUrl::toPercentEncoding(resolved, "/")) + query +
                        fragment};
        return {LinkRewrite::Missing, {}};
    }

private:
    int pageOf(const QString& path) const
    {
        const QString prefix = path.isEmpty() ? QString() : path + QLatin1Char('/');
        for (const QString& candidate : {path, prefix + QStringLiteral("index.html"), prefix + QStringLiteral("index.htm")}) {
            const QString real = m_source.pageAliases.value(candidate, candidate);
            if (const auto it = m_pages.constFind(real); it != m_pages.constEnd()) return *it;
        }
        return -1;
    }

    const ImportSource& m_source;
    const std::vector<QString>& m_pageCodes;
    QHash<QString, int> m_pages;
    QSet<QString> m_files;
};

struct PageResult {
    QString title;
    QString heading;
    QString mark;
    int sourceParagraphs = 0;
    int missingLinks = 0;
    bool damaged = false;
    bool done = false;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw ImportError(QStringLiteral("cannot write %1 (is the disk full?)").arg(path));
}

ConvertedPage convertFile(const QString& path, const QString& relativePath, const LinkMap& links, bool* damaged)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ImportError(QStringLiteral("cannot read %1").arg(path));
    const PageText text = decodePage(file.readAll());
    if (damaged) *damaged = text.damaged;
    return convertPage(text.text, [&](const QString& url) { return links.rewrite(relativePath, url); });
}

// Runs `work(i)` for every i in [0, n) on all cores; stops early on a cancel
// or the first error, which it throws on the calling thread.
void forEachPage(int n, const std::atomic_bool* cancel, const std::function<void(int)>& work,
                 const std::function<void(int)>& progress)
{
    std::atomic_int next{0};
    std::atomic_int finished{0};
    std::atomic_bool stop{false};
    std::mutex errorMutex;
    std::exception_ptr error;
    auto run = [&](bool reports) {
        while (!stop) {
            if (cancel && *cancel) {
                stop = true;
                break;
            }
            const int i = next++;
            if (i >= n) break;
            try {
                work(i);
            } catch (...) {
                std::lock_guard lock(errorMutex);
                if (!error) error = std::current_exception();
                stop = true;
            }
            const int done = ++finished;
            if (reports && progress) progress(done);
        }
    };
    const int threads = std::max(1, std::min(QThread::idealThreadCount(), 8));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back(run, false);
    run(true);
    for (std::thread& t : helpers) t.join();
    if (error) std::rethrow_exception(error);
    if (cancel && *cancel) throw ImportCancelled();
    if (progress) progress(finished);
}

QByteArray redirectPage(const QString& title, const QString& target)
{
    const QString t = title.toHtmlEscaped();
    const QString href = target.toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                          "<meta http-equiv=\"refresh\" content=\"0; url=%2\"><title>%1</title></head>\n"
                          "<body><p><a href=\"%2\">%1</a></p></body></html>\n")
        .arg(t, href)
        .toUtf8();
}

void throwIfCancelled(const std::atomic_bool* cancel)
{
    if (cancel && *cancel) throw ImportCancelled();
}

QString indexPageTitle(const ImportSource& source)
{
    for (const QString& name : {QStringLiteral("index.html"), QStringLiteral("index.htm")}) {
        if (!source.pages.contains(name)) continue;
        QFile file(source.contentRoot + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly)) return {};
        const ConvertedPage page = convertPage(decodePage(file.readAll()).text, [](const QString&) { return LinkRewrite{}; });
        const QString title = cleanTitles({page.title}).value(0);
        return title.isEmpty() ? page.heading : title;
    }
    return {};
}

}  // namespace

QString ImportSummary::line() const
{
    QStringList parts;
    parts << QStringLiteral("%1 \"%2\" in %3 (code %4): %5 pages, %6 records in %7 folders, %8 source paragraphs, "
                            "%9 files copied")
                 .arg(replaced ? QStringLiteral("Replaced") : QStringLiteral("Imported"), title, centreCaption, code)
                 .arg(pages)
                 .arg(records)
                 .arg(folders)
                 .arg(sourceParagraphs)
                 .arg(filesCopied);
    int skippedTotal = 0;
    QStringList reasons;
    for (const auto& [reason, count] : skipped) {
        skippedTotal += count;
        reasons << QStringLiteral("%1 %2").arg(count).arg(reason);
    }
    parts << (skippedTotal ? QStringLiteral("skipped %1 (%2)").arg(skippedTotal).arg(reasons.join(QStringLiteral(", ")))
                           : QStringLiteral("nothing skipped"));
    if (missingLinks) parts << QStringLiteral("%1 links to missing files left dead").arg(missingLinks);
    if (damagedPages) parts << QStringLiteral("%1 pages with bytes invalid in their encoding").arg(damagedPages);
    if (foldedFolders) parts << QStringLiteral("%1 folders below the fourth level folded into it").arg(foldedFolders);
    if (splitFolders) parts << QStringLiteral("%1 folders of over 9999 entries split").arg(splitFolders);
    return parts.join(QStringLiteral("; "));
}

ImportSummary importDocumentation(const ImportRequest& request, const ImportProgressHandler& progress,
                                  const std::atomic_bool* cancel)
{
    const LibraryLayout layout(QDir::cleanPath(request.dataRoot));
    const Centre& centre = importCentre(request.centre);
    auto library = openLibrary(layout);
    if (!library->hasTable(centre.table))
        throw ImportError(QStringLiteral("the library has no table %1 for %2").arg(centre.table, centre.caption));

    ImportSource source = readImportSource(request.source);
    throwIfCancelled(cancel);
    QString title = request.title.simplified();
    if (title.isEmpty() && !source.docset) title = indexPageTitle(source);
    if (title.isEmpty()) title = source.defaultTitle;
    const QString sourceId = QFileInfo(request.source).canonicalFilePath();
    const QString manifest = manifestText(sourceId, title, centre.table);

    ImportSummary summary;
    summary.centreCaption = centre.caption;
    summary.title = title;
    summary.skipped = source.skipped;
    summary.code = previousImport(*library, layout, centre, title, manifest);
    summary.replaced = !summary.code.isEmpty();
    if (!summary.replaced) summary.code = freeLevelOneCode(*library, layout, centre);
    library.reset();
    const QString link = QStringLiteral("imp") + summary.code;
    summary.documentFolder = QStringLiteral("kelvor/") + link;

    // Codes first: every link of every page needs the code of the page it names.
    source.tree.title = title;
    const ArrangeReport arranged = arrangeForCodes(source.tree);
    summary.foldedFolders = arranged.foldedFolders;
    summary.splitFolders = arranged.splitFolders;
    const std::vector<CodedNode> coded = assignCodes(source.tree, summary.code);
    std::vector<QString> pageCodes(size_t(source.pages.size()));
    for (const CodedNode& c : coded)
        if (!c.node->folder && c.node->anchor.isEmpty() && pageCodes[size_t(c.node->page)].isEmpty())
            pageCodes[size_t(c.node->page)] = c.code;
    for (const CodedNode& c : coded)  // a page only anchored entries name: the first of them shows it
        if (!c.node->folder && pageCodes[size_t(c.node->page)].isEmpty()) pageCodes[size_t(c.node->page)] = c.code;

    StagedLibrary staged(layout);
    const QString documents = staged.stageDocumentFolder(link);
    const LinkMap links(source, pageCodes);

    ImportProgress state;
    state.pagesTotal = source.pages.size();
    state.filesTotal = source.files.size();
    auto report = [&]() {
        if (progress) progress(state);
    };
    report();
    std::vector<PageResult> results(size_t(source.pages.size()));
    forEachPage(
        int(source.pages.size()), cancel,
        [&](int i) {
            const QString& relative = source.pages.at(i);
            if (pageCodes[size_t(i)].isEmpty()) return;  // no record shows it
            PageResult& r = results[size_t(i)];
            const ConvertedPage page =
                convertFile(source.contentRoot + QLatin1Char('/') + relative, relative, links, &r.damaged);
            writeFile(documents + QLatin1Char('/') + pageCodes[size_t(i)] + QStringLiteral(".htm"), page.html);
            r.title = page.title;
            r.heading = page.heading;
            r.mark = page.mark;
            r.sourceParagraphs = page.sourceParagraphs;
            r.missingLinks = page.missingLinks;
            r.done = true;
        },
        [&](int done) {
            state.pagesDone = done;
            report();
        });

    state.stage = ImportProgress::Files;
    for (const QString& file : source.files) {
        throwIfCancelled(cancel);
        const QString target = documents + QLatin1Char('/') + kFilesFolder + QLatin1Char('/') + file;
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source.contentRoot + QLatin1Char('/') + file, target)) {
            if (!QFileInfo(source.contentRoot + QLatin1Char('/') + file).isReadable()) {
                ++summary.skipped[QStringLiteral("unreadable")];
                continue;
            }
            throw ImportError(QStringLiteral("cannot copy %1 into the library (is the disk full?)").arg(file));
        }
        ++summary.filesCopied;
        ++state.filesDone;
        if (state.filesDone % 50 == 0 || state.filesDone == state.filesTotal) report();
    }
    writeFile(documents + QLatin1Char('/') + kManifest, manifest.toUtf8());

    // Titles: the page's own, without the site's name; else its first heading; else its file name.
    QStringList rawTitles;
    for (const PageResult& r : results) rawTitles << r.title;
    const QStringList cleaned = cleanTitles(rawTitles);
    std::vector<QString> pageTitles(results.size());
    for (size_t i = 0; i < results.size(); ++i) {
        QString t = cleaned.at(qsizetype(i));
        if (t.isEmpty()) t = results[i].heading;
        if (t.isEmpty()) t = QFileInfo(source.pages.at(qsizetype(i))).completeBaseName();
        pageTitles[i] = t;
        summary.sourceParagraphs += results[i].sourceParagraphs;
        summary.missingLinks += results[i].missingLinks;
        if (results[i].damaged) ++summary.damagedPages;
        if (results[i].done) ++summary.pages;
    }

    state.stage = ImportProgress::Saving;
    report();
    std::vector<CentreRecord> records;
    records.reserve(coded.size());
    for (const CodedNode& c : coded) {
        const ImportNode& node = *c.node;
        CentreRecord r;
        r.xxbh = c.code;
        if (node.folder) {
            r.name = node.titlePage >= 0 ? pageTitles[size_t(node.titlePage)] : node.title;
            if (c.code != summary.code) ++summary.folders;
        } else {
            const size_t page = size_t(node.page);
            r.name = node.title.isEmpty() ? pageTitles[page] : node.title;
            if (!node.foldedPath.isEmpty()) r.name += QStringLiteral(" [%1]").arg(node.foldedPath);
            r.link = link;
            r.eee = QStringLiteral("1");
            if (pageCodes[page] == c.code) {
                r.mark = results[page].mark;
                // The side panel's source button is enabled by `cc`.
                if (results[page].sourceParagraphs > 0) r.cc = QStringLiteral("1");
            } else {
                const QString target = pageCodes[page] + QStringLiteral(".htm") +
                                       (node.anchor.isEmpty() ? QString() : QLatin1Char('#') + node.anchor);
                writeFile(documents + QLatin1Char('/') + c.code + QStringLiteral(".htm"), redirectPage(r.name, target));
                r.mark = r.name + QLatin1Char(' ') + pageTitles[page];
            }
        }
        r.name = r.name.simplified();
        if (r.name.isEmpty()) r.name = c.code;
        records.push_back(std::move(r));
    }
    summary.records = int(records.size()) - 1 - summary.folders;
    throwIfCancelled(cancel);

    // The centre's own database copy (when it has one) before the content database.
    std::vector<DatabaseRole> roles;
    if (const auto own = centreDatabaseOf(centre.table)) roles.push_back(*own);
    roles.push_back(DatabaseRole::Content);
    for (const DatabaseRole role : roles) {
        const QString path = staged.stageDatabase(role);
        auto db = Database::open(path, databaseInfo(role).password);
        Transaction tx(*db);
        const bool indexCurrent = containsindex::isCurrent(*db, QStringLiteral("main"), centre.table, *db, QStringLiteral("main"));
        db->execute(QStringLiteral("delete from %1 where xxbh >= ? and xxbh < ?").arg(quoteIdentifier(centre.table)),
                    {summary.code, summary.code + QLatin1Char(':')});
        CentreRecordWriter writer(*db, centre.table);
        for (const CentreRecord& r : records) writer.add(r);
        if (indexCurrent) containsindex::markCurrent(*db, centre.table);  // the writer indexed every new row
        tx.commit();
    }
    throwIfCancelled(cancel);
    staged.commit();
    return summary;
}

}  // namespace kelvor::importing
