#include "importsource.h"

#include "pagetext.h"

#include "import/importerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace kelvor::importing {

namespace {

const QString kOtherPages = QStringLiteral("其他页面");

bool isPageName(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm") || suffix == QLatin1String("xhtml");
}

bool isInside(const QString& canonicalRoot, const QString& canonicalPath)
{
    return canonicalPath == canonicalRoot || canonicalPath.startsWith(canonicalRoot + QLatin1Char('/'));
}

// Why a page cannot be imported, or empty when it can.
QString pageProblem(const QFileInfo& info)
{
    if (info.size() > kLargestPage) return QStringLiteral("over 20 MB");
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("unreadable");
    if (looksBinary(file.read(4096))) return QStringLiteral("not an HTML page");
    return {};
}

// Walks the folder: pages, other files, and what is left out.
void scanFolder(ImportSource& source)
{
    const QString root = source.contentRoot;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = path.mid(root.size() + 1);
        if (info.isSymLink()) {
            const QString target = info.canonicalFilePath();
            if (target.isEmpty() || !isInside(root, target)) {
                ++source.skipped[QStringLiteral("link pointing outside SOURCE")];
                continue;
            }
            if (QFileInfo(target).isDir()) {
                ++source.skipped[QStringLiteral("link to a folder")];
                continue;
            }
            if (isPageName(relative)) {
                source.pageAliases.insert(relative, target.mid(root.size() + 1));
                continue;
            }
        } else if (info.isDir()) {
            continue;
        } else if (!info.isFile()) {
            ++source.skipped[QStringLiteral("not a regular file")];
            continue;
        }
        if (!info.isReadable()) {
            ++source.skipped[QStringLiteral("unreadable")];
            continue;
        }
        if (!isPageName(relative)) {
            source.files << relative;
            continue;
        }
        const QString problem = pageProblem(info);
        if (!problem.isEmpty()) {
            ++source.skipped[problem];
            continue;
        }
        source.pages << relative;
    }
    // An alias whose target was left out leads nowhere.
    for (auto a = source.pageAliases.begin(); a != source.pageAliases.end();) {
        if (source.pages.contains(a.value())) {
            ++a;
        } else {
            a = source.pageAliases.erase(a);
        }
    }
    std::sort(source.pages.begin(), source.pages.end());
    std::sort(source.files.begin(), source.files.end());
}

bool isIndexPage(const QString& name)
{
    return name.compare(QLatin1String("index.html"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("index.htm"), Qt::CaseInsensitive) == 0;
}

// One folder of the source while the tree is built.
struct Folder {
    std::map<QString, Folder> folders;
    std::vector<std::pair<QString, int>> pages;  // file name, page index
};

ImportNode toNode(const QString& name, Folder& folder)
{
    struct Item {
        QString sortKey;
        bool isIndex = false;
        ImportNode node;
    };
    std::vector<Item> items;
    for (auto& [subName, sub] : folder.folders) {
        ImportNode child = toNode(subName, sub);
        // "x.html" beside "x/" introduces the folder: it goes first inside and names it.
        for (auto p = folder.pages.begin(); p != folder.pages.end(); ++p) {
            if (isPageName(p->first) && QFileInfo(p->first).completeBaseName() == subName) {
                ImportNode page;
                page.page = p->second;
                child.children.insert(child.children.begin(), std::move(page));
                child.titlePage = p->second;
                folder.pages.erase(p);
                break;
            }
        }
        items.push_back({subName.toLower(), false, std::move(child)});
    }
    for (const auto& [fileName, index] : folder.pages) {
        ImportNode page;
        page.page = index;
        items.push_back({QFileInfo(fileName).completeBaseName().toLower(), isIndexPage(fileName), std::move(page)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (a.isIndex != b.isIndex) return a.isIndex;
        return a.sortKey < b.sortKey;
    });
    ImportNode node;
    node.folder = true;
    node.title = name;
    for (Item& item : items) node.children.push_back(std::move(item.node));
    return node;
}

ImportNode folderTree(const QStringList& pages)
{
    Folder root;
    for (int i = 0; i < pages.size(); ++i) {
        QStringList parts = pages.at(i).split(QLatin1Char('/'));
        const QString file = parts.takeLast();
        Folder* folder = &root;
        for (const QString& part : parts) folder = &folder->folders[part];
        folder->pages.emplace_back(file, i);
    }
    ImportNode tree = toNode(QString(), root);
    // A source that keeps everything in one sub-folder ("en/") gets no level for it.
    while (tree.children.size() == 1 && tree.children.front().folder && tree.children.front().titlePage < 0) {
        ImportNode only = std::move(tree.children.front());
        tree.children = std::move(only.children);
    }
    return tree;
}

QString plistName(const QString& plistPath)
{
    QFile file(plistPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QString lastKey;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("key")) {
            lastKey = xml.readElementText();
        } else if (xml.name() == QLatin1String("string")) {
            const QString value = xml.readElementText();
            if (lastKey == QLatin1String("CFBundleName") && !value.trimmed().isEmpty()) return value.trimmed();
            lastKey.clear();
        }
    }
    return {};
}

struct DocsetEntry {
    QString name;
    QString type;
    QString path;
};

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementCloser {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};

// The docset's own index, opened read-only; nothing it holds reaches SQL text.
std::vector<DocsetEntry> readSearchIndex(const QString& path)
{
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?mode=ro&immutable=1";
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(uri.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    std::unique_ptr<sqlite3, SqliteCloser> db(raw);
    if (rc != SQLITE_OK) throw ImportError(QStringLiteral("cannot open the docset index %1").arg(path));
    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), "select name, type, path from searchIndex", -1, &rawStatement, nullptr) !=
        SQLITE_OK)
        throw ImportError(QStringLiteral("the docset index %1 has no readable searchIndex table (%2)")
                                 .arg(path, QString::fromUtf8(sqlite3_errmsg(db.get()))));
    std::unique_ptr<sqlite3_stmt, StatementCloser> statement(rawStatement);
    auto column = [&](int i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), i));
        return text ? QString::fromUtf8(text).trimmed() : QString();
    };
    std::vector<DocsetEntry> entries;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) entries.push_back({column(0), column(1), column(2)});
    if (step != SQLITE_DONE)
        throw ImportError(QStringLiteral("cannot read the docset index %1: %2")
                                 .arg(path, QString::fromUtf8(sqlite3_errmsg(db.get()))));
    return entries;
}

// "<dash_entry_...>" markers and the anchor off an index path; empty when it names no local page.
std::pair<QString, QString> entryPage(QString path)
{
    static const QRegularExpression marker(QStringLiteral("<dash_entry_[^>]*>"));
    path.remove(marker);
    QString anchor;
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        anchor = path.mid(hash + 1);
        path.truncate(hash);
    }
    const qsizetype query = path.indexOf(QLatin1Char('?'));
    if (query >= 0) path.truncate(query);
    if (path.contains(QLatin1Char(':'))) return {};  // an address on the web
    return {QDir::cleanPath(QUrl::fromPercentEncoding(path.toUtf8())), anchor};
}

ImportNode docsetTree(ImportSource& source, const std::vector<DocsetEntry>& entries)
{
    QHash<QString, int> pageIndex;
    for (int i = 0; i < source.pages.size(); ++i) pageIndex.insert(source.pages.at(i), i);

    std::map<QString, std::vector<ImportNode>> byType;
    for (const DocsetEntry& entry : entries) {
        auto [path, anchor] = entryPage(entry.path);
        if (source.pageAliases.contains(path)) path = source.pageAliases.value(path);
        const auto found = pageIndex.constFind(path);
        if (path.isEmpty() || found == pageIndex.constEnd() || entry.name.isEmpty()) {
            ++source.skipped[QStringLiteral("docset entry naming no page of the docset")];
            continue;
        }
        ImportNode node;
        node.title = entry.name;
        node.page = *found;
        node.anchor = anchor;
        byType[entry.type.isEmpty() ? QStringLiteral("Entry") : entry.type].push_back(std::move(node));
    }
    ImportNode root;
    root.folder = true;
    std::vector<bool> listed(size_t(source.pages.size()), false);
    for (auto& [type, nodes] : byType) {
        std::stable_sort(nodes.begin(), nodes.end(), [](const ImportNode& a, const ImportNode& b) {
            const int c = a.title.compare(b.title, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a.page < b.page;
        });
        ImportNode folder;
        folder.folder = true;
        folder.title = type;
        for (ImportNode& node : nodes) {
            // Entries that name a place in a page lead there; the page itself needs an entry of its own.
            if (node.anchor.isEmpty()) listed[size_t(node.page)] = true;
            folder.children.push_back(std::move(node));
        }
        root.children.push_back(std::move(folder));
    }
    // Pages no entry names still get a record, so that links to them work.
    ImportNode others;
    others.folder = true;
    others.title = kOtherPages;
    for (int i = 0; i < source.pages.size(); ++i) {
        if (listed[size_t(i)]) continue;
        ImportNode page;
        page.page = i;
        others.children.push_back(std::move(page));
    }
    if (!others.children.empty()) root.children.push_back(std::move(others));
    return root;
}

}  // namespace

ImportSource readImportSource(const QString& sourcePath)
{
    const QFileInfo info(sourcePath);
    if (!info.exists()) throw ImportError(QStringLiteral("%1 does not exist").arg(sourcePath));
    if (!info.isDir()) throw ImportError(QStringLiteral("%1 is not a folder").arg(sourcePath));
    if (!info.isReadable() || !info.isExecutable())
        throw ImportError(QStringLiteral("%1 cannot be read").arg(sourcePath));

    ImportSource source;
    const QString root = info.canonicalFilePath();
    const QString dsidx = root + QStringLiteral("/Contents/Resources/docSet.dsidx");
    source.docset = root.endsWith(QLatin1String(".docset"), Qt::CaseInsensitive) || QFileInfo(dsidx).isFile();
    if (source.docset) {
        if (!QFileInfo(dsidx).isFile())
            throw ImportError(QStringLiteral("%1 is a docset without its index Contents/Resources/docSet.dsidx")
                                     .arg(sourcePath));
        source.contentRoot = root + QStringLiteral("/Contents/Resources/Documents");
        source.defaultTitle = plistName(root + QStringLiteral("/Contents/Info.plist"));
        if (source.defaultTitle.isEmpty()) source.defaultTitle = info.completeBaseName();
        if (!QFileInfo(source.contentRoot).isDir())
            throw ImportError(QStringLiteral("%1 is a docset without Contents/Resources/Documents").arg(sourcePath));
        source.contentRoot = QFileInfo(source.contentRoot).canonicalFilePath();
    } else {
        source.contentRoot = root;
        source.defaultTitle = info.fileName();
    }
    scanFolder(source);
    if (source.pages.isEmpty()) throw ImportError(QStringLiteral("%1 holds no HTML page").arg(sourcePath));
    source.tree = source.docset ? docsetTree(source, readSearchIndex(dsidx)) : folderTree(source.pages);
    return source;
}

}  // namespace kelvor::importing
