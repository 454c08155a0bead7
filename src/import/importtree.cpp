#include "importtree.h"

#include "import/importerror.h"

namespace kelvor::importing {

namespace {

// Every document below `node`, depth first, with its path below `node`.
void collectDocuments(ImportNode& node, const QString& path, std::vector<ImportNode>& out, ArrangeReport& report)
{
    for (ImportNode& child : node.children) {
        if (!child.folder) {
            if (!path.isEmpty())
                child.foldedPath = child.foldedPath.isEmpty() ? path : path + QLatin1Char('/') + child.foldedPath;
            out.push_back(std::move(child));
            continue;
        }
        ++report.foldedFolders;
        collectDocuments(child, path.isEmpty() ? child.title : path + QLatin1Char('/') + child.title, out, report);
    }
}

void flatten(ImportNode& folder, ArrangeReport& report)
{
    bool hasFolders = false;
    for (const ImportNode& child : folder.children) hasFolders = hasFolders || child.folder;
    if (!hasFolders) return;
    std::vector<ImportNode> documents;
    collectDocuments(folder, QString(), documents, report);
    folder.children = std::move(documents);
}

// Hands the entries of `folder` to numbered sub-folders of at most 9 999 each.
void split(ImportNode& folder, ArrangeReport& report)
{
    std::vector<ImportNode> parts;
    const size_t n = folder.children.size();
    for (size_t first = 0; first < n; first += kEntriesPerFolder) {
        ImportNode part;
        part.folder = true;
        part.title = QStringLiteral("%1 (%2)").arg(folder.title).arg(parts.size() + 1);
        const size_t last = std::min(n, first + kEntriesPerFolder);
        for (size_t i = first; i < last; ++i) part.children.push_back(std::move(folder.children[i]));
        parts.push_back(std::move(part));
    }
    folder.children = std::move(parts);
    ++report.splitFolders;
}

void arrange(ImportNode& folder, int level, ArrangeReport& report)
{
    // The children of a level-3 folder are level-4 entries, which hold nothing.
    if (level >= kDeepestLevel - 1) flatten(folder, report);
    if (folder.children.size() > size_t(kEntriesPerFolder)) {
        if (level >= kDeepestLevel - 1)
            throw ImportError(QStringLiteral("the folder \"%1\" holds %2 entries at the deepest level of the "
                                                "code scheme, more than %3")
                                     .arg(folder.title)
                                     .arg(folder.children.size())
                                     .arg(kEntriesPerFolder));
        split(folder, report);
        if (folder.children.size() > size_t(kEntriesPerFolder))
            throw ImportError(QStringLiteral("the folder \"%1\" is too large for the code scheme").arg(folder.title));
    }
    for (ImportNode& child : folder.children)
        if (child.folder) arrange(child, level + 1, report);
}

void assign(const ImportNode& node, const QString& code, std::vector<CodedNode>& out)
{
    out.push_back({&node, code});
    int index = 0;
    for (const ImportNode& child : node.children)
        assign(child, code + QStringLiteral("%1").arg(++index, 4, 10, QLatin1Char('0')), out);
}

}  // namespace

ArrangeReport arrangeForCodes(ImportNode& root)
{
    ArrangeReport report;
    arrange(root, 1, report);
    return report;
}

std::vector<CodedNode> assignCodes(const ImportNode& root, const QString& rootCode)
{
    std::vector<CodedNode> out;
    assign(root, rootCode, out);
    return out;
}

}  // namespace kelvor::importing
